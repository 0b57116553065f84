// The dimension field in a window of its own, driven by real messages: keys,
// focus, the clipboard; the beeps counted and the text colour read as the
// field's parent hands it to the edit.
#include "controls/edit_format.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/other_scale_dialog.h"
#include "framework/ui/beep.h"
#include "framework/error/error.h"
#include "framework/system/locale_win.h"
#include "framework/text/float_format.h"
#include "framework/ui/form.h"
#include "tests/support/clipboard.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_window.h"

namespace {

using testpump::pump;

constexpr char kDescription[] = R"(Test: TForm {
  Caption = "Champ"
  ClientWidth = 200
  ClientHeight = 100
  Field: TEditFormat {
    Left = 10
    Top = 10
    Width = 80
    Height = 21
    Font.Name = "Tahoma"
    Font.Height = -11
    Font.Color = clNavy
    Font.Style = []
    TabOrder = 0
  }
  Other: TEdit {
    Left = 100
    Top = 10
    Width = 60
    Height = 21
    TabOrder = 1
  }
}
)";

class EditFormatTest : public testing::Test {
 protected:
  void SetUp() override {
    fw::setBeepHook([this](UINT type) { beeps.push_back(type); });
    testwindow::show(form, kDescription, {&fw::Form::info(), &ctl::TEditFormat::info(), &fw::Edit::info()});
    field = dynamic_cast<ctl::TEditFormat*>(form.find("Field"));
    other = form.find("Other");
    ASSERT_NE(field, nullptr);
    ASSERT_NE(other, nullptr);
    leave();
  }
  void TearDown() override { fw::setBeepHook({}); }

  void enter() {
    SetFocus(field->handle());
    pump(20);
  }
  void leave() {
    SetFocus(other->handle());
    pump(20);
  }
  void type(const std::wstring& text) {
    for (wchar_t ch : text) PostMessageW(field->handle(), WM_CHAR, ch, 1);
    pump(30);
  }
  void paste(const std::wstring& text) {
    ASSERT_TRUE(testclipboard::put(form.handle(), text));
    SendMessageW(field->handle(), WM_PASTE, 0, 0);
    pump(20);
  }
  std::wstring shown() const {
    wchar_t t[128]{};
    GetWindowTextW(field->handle(), t, 128);
    return t;
  }
  // The text colour the edit draws with, as its parent gives it.
  COLORREF textColour() const {
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(GetParent(field->handle()), WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(field->handle()));
    COLORREF c = GetTextColor(dc);
    DeleteDC(dc);
    return c;
  }

  fw::Form form;
  ctl::TEditFormat* field = nullptr;
  fw::Control* other = nullptr;
  std::vector<UINT> beeps;
};

constexpr COLORREF kNavy = RGB(0, 0, 128), kRed = RGB(255, 0, 0), kBlack = RGB(0, 0, 0);

TEST_F(EditFormatTest, TypedKeysAreFilteredAndLeavingReadsFormatsAndColours) {
  EXPECT_EQ(shown(), L"+0,00 ");
  EXPECT_EQ(textColour(), kNavy);
  enter();
  EXPECT_EQ(textColour(), kBlack);
  DWORD start = 0, end = 0;
  SendMessageW(field->handle(), EM_GETSEL, WPARAM(&start), LPARAM(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, shown().size());

  type(L"a-1b2,5 +(\t");  // replaces the selected text
  EXPECT_EQ(shown(), L"-12,5");
  EXPECT_EQ(field->value(), 0);  // not read while typing
  leave();
  EXPECT_EQ(field->value(), -12.5L);
  EXPECT_EQ(shown(), L"-12,50 ");
  EXPECT_EQ(textColour(), kRed);

  enter();
  type(L"1.5");
  leave();
  EXPECT_EQ(field->value(), 1.5L);
  EXPECT_EQ(shown(), L"+1,50 ");
  EXPECT_EQ(textColour(), kNavy);
  EXPECT_TRUE(beeps.empty());
}

TEST_F(EditFormatTest, ReturnMovesTheFocusOnAndInsertsNothing) {
  enter();
  type(L"7\r");
  EXPECT_EQ(GetFocus(), other->handle());
  EXPECT_EQ(shown(), L"+7,00 ");
  EXPECT_EQ(field->value(), 7);
}

TEST_F(EditFormatTest, UnreadableTextBeepsAndTheLastGoodValueComesBack) {
  field->setValue(3);
  for (const wchar_t* bad : {L"abc", L"", L"1,2,3"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(bad)));
    enter();
    paste(bad);
    leave();
    EXPECT_EQ(field->value(), 3);
    EXPECT_EQ(shown(), L"+3,00 ");
  }
  EXPECT_EQ(beeps, std::vector<UINT>(3, MB_ICONASTERISK));
  // What the field wrote itself reads back, grouping included.
  field->setValue(1234567.5L);
  field->Validate();
  EXPECT_EQ(field->value(), 1234567.5L);
  enter();
  paste(L"1,5");
  leave();
  EXPECT_EQ(field->value(), 1.5L);
  EXPECT_EQ(beeps.size(), 3u);
}

// A paste is taken whole or not at all: one that does not read as a number
// beeps and leaves the text and the value as they were, and nothing of it
// stays behind in the field. Both French group separators read as such.
TEST_F(EditFormatTest, APasteIsANumberOrNothing) {
  field->setDisplayFormat(L",0.00 ;,0.00");
  struct Case {
    const wchar_t* pasted;
    bool taken;
    long double value;  // after leaving
  };
  const Case cases[] = {
      {L"123456789012345678901234567890", false, 0},  // more digits than the value holds
      {L"1\u00A0250,5", true, 1250.5L},
      {L"1\u202F250,5", true, 1250.5L},
      {L"1e308", false, 1250.5L},
      {L"1,5e2", false, 1250.5L},
      {L"12 m", false, 1250.5L},
      {L" (3.25) ", true, -3.25L},
      {L"123 456 789 012 345 678", true, 123456789012345678.0L},  // eighteen digits: the most it holds
      {L"1234567890123456789", false, 123456789012345678.0L},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.pasted)));
    enter();
    const std::wstring before = shown();
    beeps.clear();
    paste(c.pasted);
    if (!c.taken) {
      EXPECT_EQ(shown(), before);
      EXPECT_EQ(beeps.size(), 1u);
    }
    leave();
    EXPECT_EQ(field->value(), c.value);
    EXPECT_EQ(shown(), fw::formatFloat(L",0.00 ;,0.00", c.value, fw::numberFormat()));
    EXPECT_EQ(beeps.size(), c.taken ? 0u : 1u);
  }
}

// The dialog of " Autre…" has its field answer refused keys: a key it does
// not take beeps and is not inserted; control keys stay silent.
TEST_F(EditFormatTest, TheOtherScaleFieldBeepsAtARefusedKey) {
  TFormmorvi::registerClasses();
  TFormAutreEchelle dialog;
  dialog.createFromResource(L"FORMAUTREECHELLE");
  ShowWindow(dialog.handle(), SW_SHOWNOACTIVATE);
  dialog.Denominateur->setText(L"");  // as the dialog opens without N
  for (wchar_t ch : std::wstring(L"1e3 x\x03")) PostMessageW(dialog.Denominateur->handle(), WM_CHAR, ch, 1);
  pump(30);
  EXPECT_EQ(dialog.Denominateur->text(), L"13");
  EXPECT_EQ(beeps, std::vector<UINT>(3, 0u));
}

TEST_F(EditFormatTest, SettersChangeOnlyWhatDiffers) {
  field->setValue(3);
  enter();
  type(L"9");
  field->setValue(3);  // the value it has: the typed text stays
  EXPECT_EQ(shown(), L"9");
  field->setValue(4);
  EXPECT_EQ(shown(), L"+4,00 ");

  field->setMonnaie(L"EUR");
  EXPECT_EQ(field->monnaie(), L"E");
  EXPECT_EQ(field->displayFormat(), L"+,0.00 E;-,0.00 E");
  EXPECT_EQ(shown(), L"+4,00 E");
  field->setDisplayFormat(L"0");
  field->setMonnaie(L"EUR");  // differs from the stored "E": rebuilt again
  EXPECT_EQ(field->displayFormat(), L"+,0.00 E;-,0.00 E");

  const std::wstring before = shown();
  EXPECT_THROW(field->setDisplayFormat(std::wstring(225, L'0')), fw::ConvertError);
  EXPECT_EQ(shown(), before);
  field->setDisplayFormat(L"0");  // else leaving the field raises it again
}

TEST_F(EditFormatTest, TheDescriptionSetsItsOwnPropertiesAndWritesThemBack) {
  const std::string text =
      "Test: TForm {\n  Field: TEditFormat {\n    Width = 121\n    Height = 25\n    Font.Name = \"Tahoma\"\n"
      "    Font.Height = -11\n    Font.Color = clNavy\n    Font.Style = []\n    Alignment = taCenter\n"
      "    Monnaie = \"€\"\n    DisplayFormat = \"0.0 €\"\n    MaxLength = 12\n    Value = 12.25\n  }\n}\n";
  fw::Form loaded;
  loaded.load(text);
  EXPECT_EQ(dynamic_cast<fw::EditBox&>(*loaded.find("Field")).text(), L"12,3 €");
  EXPECT_EQ(desc::write(loaded.describe()), text);
}

}  // namespace
