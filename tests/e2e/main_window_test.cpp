// The main window as a user meets it: its controls, the tab order, the
// taskbar, and the calibration coefficient following what is typed.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "main_window_layout.h"
#include "morvi_process.h"
#include "screen_ink.h"

using e2e::kControls;
using e2e::MorviProcess;

namespace {

const wchar_t* const kScaleItems[] = {L" 1:20",  L" 1:25",  L" 1:30",   L" 1:50",   L" 1:75",  L" 1:100",
                                      L" 1:125", L" 1:150", L" 1:200",  L" 1:250",  L" 1:300", L" 1:400",
                                      L" 1:500", L" 1:1000", L" 1:1250", L" 1:2000", L" 1:2500", L" Autre…"};

HWND group(const MorviProcess& m, const wchar_t* text) { return m.childWithText(m.window(), text); }

}  // namespace

TEST(MainWindow, ShowsEveryControlInItsPlaceWithItsText) {
  MorviProcess morvi;
  RECT client;
  GetClientRect(morvi.window(), &client);
  EXPECT_EQ(client.right, 497);
  EXPECT_EQ(client.bottom, 489);
  LONG style = GetWindowLongW(morvi.window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

  for (const e2e::Expected& e : kControls) {
    SCOPED_TRACE(testing::Message() << "control at " << e.left << "," << e.top);
    HWND parent = e.parentText ? group(morvi, e.parentText) : morvi.window();
    ASSERT_TRUE(parent);
    HWND c = morvi.childAt(parent, e.left, e.top);
    ASSERT_TRUE(c);
    RECT r;
    GetWindowRect(c, &r);
    if (!e.sizedToText) {
      EXPECT_EQ(r.right - r.left, e.width);
      EXPECT_EQ(r.bottom - r.top, e.height);
    } else {
      EXPECT_GT(r.right - r.left, 0);
      EXPECT_GT(r.bottom - r.top, 8);
    }
    if (e.text) {
      wchar_t text[128] = {};
      GetWindowTextW(c, text, 128);
      EXPECT_STREQ(text, e.text);
    }
  }

  HWND scales = morvi.childWithText(group(morvi, L"Impression de règles graduées"), L"Echelles disponibles");
  std::vector<e2e::Child> items = morvi.children(scales);
  ASSERT_EQ(items.size(), std::size(kScaleItems));
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].text, kScaleItems[i]);
    EXPECT_EQ(SendMessageW(items[i].hwnd, BM_GETCHECK, 0, 0), i == 5 ? BST_CHECKED : BST_UNCHECKED);
  }
  // Six columns of three: 1:20 1:25 1:30 in the first, 1:2000 1:2500 and
  // " Autre…" in the last.
  EXPECT_EQ(items[0].rect.left, items[2].rect.left);
  EXPECT_LT(items[0].rect.top, items[1].rect.top);
  EXPECT_LT(items[2].rect.left, items[3].rect.left);
  EXPECT_EQ(items[15].rect.left, items[16].rect.left);
  EXPECT_GT(items[15].rect.left, items[14].rect.left);
  EXPECT_EQ(items[17].rect.left, items[15].rect.left);
  EXPECT_EQ(items[17].rect.top, items[2].rect.top);
}

TEST(MainWindow, TabVisitsTheControlsInTheirOrderAndComesBack) {
  MorviProcess morvi;
  HWND finder = group(morvi, L"Recherche d'échelle");
  HWND printing = group(morvi, L"Impression de règles graduées");
  HWND info = group(morvi, L"Informations");
  HWND scales = morvi.childWithText(printing, L"Echelles disponibles");
  HWND orientation = morvi.childWithText(printing, L"Orientation");
  HWND cotePlan = morvi.childAt(finder, 288, 19);

  morvi.click(cotePlan);
  ASSERT_EQ(morvi.focus(), cotePlan);
  struct Stop {
    const char* name;
    HWND expected;
    HWND alternative;  // a radio group with no selection holds the focus itself
  };
  const Stop stops[] = {
      {"CoteMesure", morvi.childAt(finder, 289, 46), nullptr},
      {"BtEchelle", morvi.childWithText(finder, L"Obtenir l'échelle"), nullptr},
      {"RG_Morvi", morvi.childWithText(scales, L" 1:100"), nullptr},
      {"BtImprimer", morvi.childWithText(printing, L"Imprimer le morvi"), nullptr},
      {"SpinEdit", morvi.childAt(printing, 68, 119), nullptr},
      {"BtAide", morvi.childWithText(printing, L"Aide"), nullptr},
      {"RgOrient", orientation, nullptr},
      {"BtSavoirPlus", morvi.childWithText(info, L"En savoir plus..."), nullptr},
      {"Label2", morvi.childWithText(info, L"contact@plandrel.fr"), nullptr},
      {"Label6", morvi.childWithText(info, L"https://www.plandrel.fr"), nullptr},
      {"CotePlan", cotePlan, nullptr},
  };
  for (const Stop& s : stops) {
    morvi.press(VK_TAB);
    HWND f = morvi.focus();
    if (s.expected == orientation) {
      // The selected item, or the group itself when nothing is selected.
      EXPECT_TRUE(f == orientation || GetParent(f) == orientation) << s.name;
      if (GetParent(f) == orientation) {
        EXPECT_EQ(SendMessageW(f, BM_GETCHECK, 0, 0), BST_CHECKED);
      }
    } else {
      EXPECT_EQ(f, s.expected) << s.name;
    }
  }
  // And back with Shift+Tab.
  morvi.press(VK_TAB, VK_SHIFT);
  EXPECT_EQ(morvi.focus(), stops[std::size(stops) - 2].expected);
}

TEST(MainWindow, HasOneTaskbarButtonWithItsCaption) {
  MorviProcess morvi;
  struct Count {
    DWORD pid;
    int buttons;
    std::wstring caption;
  } count{morvi.processId(), 0, {}};
  EnumWindows(
      [](HWND w, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<Count*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        LONG ex = GetWindowLongW(w, GWL_EXSTYLE);
        bool onTaskbar = IsWindowVisible(w) && !(ex & WS_EX_TOOLWINDOW) &&
                         ((ex & WS_EX_APPWINDOW) || !GetWindow(w, GW_OWNER));
        if (pid == c->pid && onTaskbar) {
          ++c->buttons;
          wchar_t text[128] = {};
          GetWindowTextW(w, text, 128);
          c->caption = text;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  EXPECT_EQ(count.buttons, 1);
  EXPECT_EQ(count.caption, e2e::kCaption);
}

TEST(MainWindow, CoefficientFollowsTheTypedCalibration) {
  MorviProcess morvi;
  HWND spin = morvi.childAt(group(morvi, L"Impression de règles graduées"), 68, 119);
  ASSERT_TRUE(spin);
  auto retype = [&](const std::wstring& text) {
    morvi.click(spin);
    morvi.press(VK_END);
    for (int i = 0; i < 6; ++i) morvi.press(VK_BACK);
    morvi.type(text);
  };
  const double kept = morvi.calibrationCoef();  // the field's value until it is left
  retype(L"7");
  EXPECT_NEAR(morvi.calibrationCoef(), 1.007, 1e-12);
  retype(L"-");  // no number: the kept value counts, not the range's end
  EXPECT_EQ(morvi.calibrationCoef(), kept);
  retype(L"-25");
  EXPECT_NEAR(morvi.calibrationCoef(), 0.975, 1e-12);
  ASSERT_TRUE(morvi.close());
  EXPECT_EQ(morvi.exitCode(), 0u);
}

TEST(MainWindow, SmoothLabelsShowTheirTextsWholeInTheirColours) {
  MorviProcess morvi;
  e2e::pause(500);  // let every control paint
  HWND finder = group(morvi, L"Recherche d'échelle"), info = group(morvi, L"Informations");
  const struct {
    const char* name;
    HWND parent;
    int left, top;
    int fieldLeft;  // where the control beside the text begins, in the parent (it may overlap the label)
    int minWidth;   // the text's ink is at least this wide
    bool navy;
  } labels[] = {
      {"AdvSmoothLabel1", finder, 3, 20, 288, 200, false},
      {"AdvSmoothLabel2", finder, 9, 46, 289, 200, false},
      {"AdvSmoothLabel3", info, 184, 18, 184 + 284, 140, true},
  };
  for (const auto& l : labels) {
    SCOPED_TRACE(l.name);
    HWND label = morvi.childAt(l.parent, l.left, l.top);
    ASSERT_TRUE(label);
    RECT r;
    GetClientRect(label, &r);
    const int clear = std::min<int>(r.right, l.fieldLeft - l.left);  // the label's own columns
    const e2e::Ink ink = e2e::inkOnScreen(label, {0, 0, clear, r.bottom});
    std::printf("%s: ink %ld..%ld x %ld..%ld of %ld x %ld, darkest %06lX\n", l.name, ink.box.left, ink.box.right,
                ink.box.top, ink.box.bottom, r.right, r.bottom, static_cast<unsigned long>(ink.darkest));
    // Whole: clear of every edge of the label and of the field beside it.
    EXPECT_GT(ink.box.left, 0);
    EXPECT_GT(ink.box.top, 0);
    EXPECT_LT(ink.box.right, clear);
    EXPECT_LT(ink.box.bottom, r.bottom);
    EXPECT_GE(ink.box.right - ink.box.left, l.minWidth);
    // One line of ink: the empty and blank lines above the about text show nothing.
    EXPECT_LE(ink.box.bottom - ink.box.top, 16);
    const int red = GetRValue(ink.darkest), green = GetGValue(ink.darkest), blue = GetBValue(ink.darkest);
    EXPECT_LT(std::max(red, green), 0x40);
    if (l.navy) {
      EXPECT_GT(blue, 0x60) << "navy";
    } else {
      EXPECT_LT(blue, 0x40) << "black";
    }
  }
}

// The calibration field shows every value whole, in every state, left of its
// arrows, and the arrows stay drawn: what the screen shows is measured
// against the width the text takes in the field's font.
TEST(MainWindow, CalibrationFieldShowsEveryValueWholeBesideItsArrows) {
  MorviProcess morvi;
  const HWND printing = group(morvi, L"Impression de règles graduées");
  const HWND field = morvi.childAt(printing, 68, 119);
  ASSERT_TRUE(field);
  const HWND arrows = GetWindow(field, GW_CHILD);
  ASSERT_TRUE(arrows);
  RECT fieldBox, arrowBox;
  GetWindowRect(field, &fieldBox);
  GetWindowRect(arrows, &arrowBox);
  const LONG arrowsLeft = arrowBox.left - fieldBox.left;
  // The text's own columns: inside the sunken border, up to the arrows.
  const RECT textColumns{3, 3, arrowsLeft, fieldBox.bottom - fieldBox.top - 3};
  // The buttons' faces, inside their raised edges.
  const RECT arrowFaces{arrowsLeft + 3, arrowBox.top - fieldBox.top + 3, arrowBox.right - fieldBox.left - 3,
                        arrowBox.bottom - fieldBox.top - 3};

  HDC screen = GetDC(nullptr);
  HFONT font = CreateFontW(-21, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  HGDIOBJ old = SelectObject(screen, font);
  const auto textWidth = [&](const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(screen, text.c_str(), int(text.size()), &size);
    return size.cx;
  };

  const auto retype = [&](const std::wstring& text) {
    morvi.click(field);
    morvi.press(VK_HOME);
    morvi.press(VK_END, VK_SHIFT);
    morvi.type(text);
  };
  struct Step {
    const char* state;
    std::function<void()> act;
    const wchar_t* shown;
  };
  const Step steps[] = {
      {"typing -100", [&] { retype(L"-100"); }, L"-100"},
      {"idle at -100", [&] { morvi.press(VK_TAB); }, L"-100"},
      {"typing 10", [&] { retype(L"10"); }, L"10"},
      {"idle at 10", [&] { morvi.press(VK_TAB); }, L"10"},
      {"typing -50", [&] { retype(L"-50"); }, L"-50"},
      {"after the arrows", [&] { morvi.press(VK_DOWN), morvi.press(VK_DOWN); }, L"-52"},
      {"focused at -97", [&] { retype(L"-97"); }, L"-97"},
      {"at 100 after the arrow", [&] { retype(L"99"), morvi.press(VK_UP); }, L"100"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.state);
    step.act();
    e2e::pause(100);  // let the field and its arrows paint
    ASSERT_EQ(e2e::textOf(field), step.shown);
    const e2e::Ink text = e2e::inkOnScreen(field, textColumns);
    const LONG expected = textWidth(step.shown);
    // The glyphs' ink is the text's width less a little side bearing; a text
    // cut at either edge or scrolled is narrower, one run under the arrows wider.
    EXPECT_GT(text.box.left, textColumns.left) << "cut at the left";
    EXPECT_LT(text.box.right, textColumns.right) << "runs under the arrows";
    EXPECT_GE(text.box.right - text.box.left, expected - 4) << "not whole";
    EXPECT_LE(text.box.right - text.box.left, expected);
    // Two triangles of 1 + 3 + 5 + 7 black pixels on the buttons' face.
    EXPECT_GE(e2e::inkOnScreen(field, arrowFaces).pixels, 32) << "the arrows are not drawn";
  }
  SelectObject(screen, old);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
}
