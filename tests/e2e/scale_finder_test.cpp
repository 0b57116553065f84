// The scale finder as a user meets it: two dimensions typed with either
// decimal mark, the button, the answer in a message box.
#include <gtest/gtest.h>

#include <tuple>

#include "morvi_process.h"
#include "settings_file.h"
#include "tests/support/clipboard.h"
#include "tests/support/window_search.h"

using e2e::MorviProcess;

namespace {

// The scale finder's fields and button.
struct Finder {
  HWND plan, measure, button;
  explicit Finder(const MorviProcess& m)
      : plan(m.control("CotePlan")), measure(m.control("CoteMesure")), button(m.control("BtEchelle")) {}
};

// The message box's text after a click on the button, closed with its OK;
// nullopt when no box comes.
std::optional<std::wstring> answerOf(const MorviProcess& m, const Finder& f) {
  m.click(f.button);
  const HWND box = m.dialog(L"Morvi");
  if (!box) return std::nullopt;
  const std::wstring text = e2e::dialogText(box);
  int buttons = 0;
  for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t cls[32]{};
    GetClassNameW(c, cls, 32);
    const LONG style = GetWindowLongW(c, GWL_STYLE);
    if (std::wstring(cls) == L"Button") ++buttons;
    const bool iconShown = IsWindowVisible(c) && std::wstring(cls) == L"Static" &&
                           (style & SS_TYPEMASK) == SS_ICON && SendMessageW(c, STM_GETICON, 0, 0) != 0;
    EXPECT_FALSE(iconShown) << "the box shows an icon";
  }
  EXPECT_EQ(buttons, 1);
  m.answer(box, L"OK");
  return text;
}

TEST(ScaleFinder, AnswersWithTheScaleWhicheverDecimalMarkIsTyped) {
  MorviProcess morvi;
  const Finder f(morvi);
  ASSERT_TRUE(f.plan && f.measure && f.button);
  EXPECT_EQ(e2e::textOf(f.plan), L"0,00 ");
  EXPECT_EQ(e2e::textOf(f.measure), L"0,00 ");
  EXPECT_EQ(morvi.focus(), morvi.item("RG_Morvi", 5));  // 1:100

  // A minus typed is no sign the field shows (its format has none): the
  // answer is for the number shown, the field left or still focused.
  for (const auto& [plan, measure] : {std::pair{L"12,5", L"2,5"}, std::pair{L"12.5", L"2.5"},
                                      std::pair{L"-12,5", L"2,5"}, std::pair{L"12,5", L"-2.5"}}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(plan)));
    morvi.typeDimensions(plan, measure);
    // The measure field still has the focus: what was typed there counts.
    const std::optional<std::wstring> answer = answerOf(morvi, f);
    ASSERT_TRUE(answer) << "no message box";
    EXPECT_NE(answer->find(L" Echelle : 1/500 ème\n"), std::wstring::npos) << testing::PrintToString(*answer);
    EXPECT_EQ(e2e::textOf(f.plan), L"12,50 ");
    EXPECT_EQ(e2e::textOf(f.measure), L"2,50 ");
  }
}

// A detail drawn larger than life gets its enlargement, never 1/1 or 1/0.
TEST(ScaleFinder, AnEnlargedDetailIsAnsweredAsSuch) {
  MorviProcess morvi;
  const Finder f(morvi);
  for (const auto& [plan, measure, answer] : {std::tuple{L"0,01", L"2", L" Echelle : 2/1\n"},
                                              std::tuple{L"0,01", L"123456", L" Echelle : 123456/1\n"}}) {
    morvi.typeDimensions(plan, measure);
    EXPECT_NE(answerOf(morvi, f).value_or(L"(no box)").find(answer), std::wstring::npos)
        << testing::PrintToString(std::wstring(measure));
  }
}

// Pasted with Shift+Insert: what does not read as a number is refused whole,
// leaving the text and the value as they were; both French group separators
// read as such, so the value is exactly what was pasted.
TEST(ScaleFinder, APasteIsANumberOrNothing) {
  MorviProcess morvi;
  const Finder f(morvi);
  const auto pasteOver = [&](HWND field, const std::wstring& text) {
    ASSERT_TRUE(testclipboard::put(nullptr, text));
    morvi.retype(field, L"");
    morvi.press(VK_INSERT, VK_SHIFT);
  };
  morvi.typeDimensions(L"", L"0,01");
  const std::wstring grouped = L"1\u00A0250,50 ";  // the field's own way
  for (const wchar_t* pasted : {L"1\u00A0250,5", L"1\u202F250,5"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(pasted)));
    pasteOver(f.plan, L"123456789012345678901234567890");
    EXPECT_NE(e2e::textOf(f.plan).find(L"0"), std::wstring::npos) << "the refused paste changed the text";
    EXPECT_EQ(e2e::textOf(f.plan).find(L"789"), std::wstring::npos);
    pasteOver(f.plan, pasted);
    morvi.press(VK_TAB);
    EXPECT_EQ(e2e::textOf(f.plan), grouped);
    // 1 250,5 m over 0,01 cm, which 1 250,51 would make 1/12505100.
    EXPECT_NE(answerOf(morvi, f).value_or(L"(no box)").find(L" Echelle : 1/12505000 ème\n"), std::wstring::npos);
  }
  for (const wchar_t* pasted : {L"1e308", L"1,5e2"}) {
    pasteOver(f.plan, pasted);
    EXPECT_EQ(e2e::textOf(f.plan), grouped) << "refused whole";
    morvi.press(VK_TAB);
    EXPECT_EQ(e2e::textOf(f.plan), grouped);
  }
}

// The two decimals a field shows once left are not the value: 0,045 m shows
// 0,05 and still answers 1/5 over 0,9 cm, once and again.
TEST(ScaleFinder, TheDecimalsShownNeverChangeTheAnswer) {
  MorviProcess morvi;
  const Finder f(morvi);
  for (const auto& [plan, measure, answer] : {std::tuple{L"0,045", L"0,9", L" Echelle : 1/5 ème\n"},
                                              std::tuple{L"1,234", L"0,01", L" Echelle : 1/12340 ème\n"}}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(plan)));
    morvi.typeDimensions(plan, measure);
    for (int twice = 0; twice < 2; ++twice) {
      EXPECT_NE(answerOf(morvi, f).value_or(L"(no box)").find(answer), std::wstring::npos);
    }
  }
}

// A plan at 1:100 copied one A size smaller: the answer names it on a
// second line, and the dialog of " Autre…" proposes the scale found.
TEST(ScaleFinder, NamesAReducedPlanAndProposesItsScaleToAutre) {
  const e2e::SettingsFileSetAside setAside;  // the N given stays out of the next tests
  MorviProcess morvi;
  const Finder f(morvi);
  morvi.typeDimensions(L"12,5", L"8,84");
  const std::optional<std::wstring> answer = answerOf(morvi, f);
  ASSERT_TRUE(answer) << "no message box";
  EXPECT_NE(answer->find(L" Echelle : 1/141 ème\nPlan au 1:100 réduit à 71 % (un format A plus petit)\n"),
            std::wstring::npos)
      << testing::PrintToString(*answer);

  const HWND dialog = morvi.openOtherScale();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(e2e::proposedScale(dialog), L"141");
  morvi.press(VK_RETURN);
  e2e::waitUntilClosed(dialog);
  EXPECT_EQ(e2e::textOf(morvi.otherScaleItem()), L" 1:141");
}

TEST(ScaleFinder, AZeroInEitherFieldShowsNothing) {
  MorviProcess morvi;
  const Finder f(morvi);
  for (const auto& [plan, measure] : {std::pair{L"0", L"5"}, std::pair{L"5", L"0"}}) {
    morvi.typeDimensions(plan, measure);
    morvi.click(f.button);
    e2e::pause(500);
    EXPECT_EQ(automation::topLevelOf(morvi.processId(), L"Morvi"), nullptr) << plan << " / " << measure;
  }
}

}  // namespace
