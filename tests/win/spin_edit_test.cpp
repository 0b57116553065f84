// The spin field in a window of its own, driven by real messages through the
// message queue, with the beeps counted.
#include "controls/spin_edit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/ui/beep.h"
#include "framework/ui/form.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_window.h"

namespace {

namespace spin = ctl::spin;
using testpump::pump;

constexpr char kDescription[] = R"(Test: TTestForm {
  Caption = "Spin"
  ClientWidth = 200
  ClientHeight = 100
  Spin: TSpinEdit {
    Left = 10
    Top = 10
    Width = 53
    Height = 35
    Font.Name = "Tahoma"
    Font.Height = -21
    Font.Color = clWindowText
    Font.Style = []
    TabOrder = 0
    MaxValue = 100
    MinValue = -100
    Value = 0
    OnChange = Handler
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

class SpinEditTest : public testing::Test {
 protected:
  void SetUp() override {
    fw::setBeepHook([this](UINT) { ++beeps; });
    testwindow::show(form, kDescription, {&testwindow::TestForm::info(), &ctl::TSpinEdit::info(), &fw::Edit::info()});
    spin = dynamic_cast<ctl::TSpinEdit*>(form.find("Spin"));
    other = form.find("Other");
    ASSERT_NE(spin, nullptr);
    ASSERT_NE(other, nullptr);
    focusSpin();
    form.calls.clear();
  }
  void TearDown() override { fw::setBeepHook({}); }

  void focusSpin() {
    SetFocus(spin->handle());
    pump(20);
  }
  void leaveSpin() {
    SetFocus(other->handle());
    pump(20);
  }
  void type(const std::wstring& text) {
    for (wchar_t ch : text) PostMessageW(spin->handle(), WM_CHAR, ch, 1);
    pump(30);
  }
  void key(WPARAM vk) {
    testwindow::keystroke(spin->handle(), vk);
    pump(30);
  }
  std::wstring shown() const {
    wchar_t t[64]{};
    GetWindowTextW(spin->handle(), t, 64);
    return t;
  }
  POINT middleOf(const spin::Box& b) const { return {b.left + b.width / 2, b.top + b.height / 2}; }
  void mouse(UINT msg, POINT p) {
    PostMessageW(spin->buttonPair()->handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(p.x, p.y));
  }

  testwindow::TestForm form;
  ctl::TSpinEdit* spin = nullptr;
  fw::Control* other = nullptr;
  int beeps = 0;
};


TEST_F(SpinEditTest, TypedNumberIsTheValueAndLeavingClampsIt) {
  type(L"150");  // focus selected the "0", typing replaces it
  EXPECT_EQ(shown(), L"150");
  EXPECT_EQ(spin->value(), 150);  // not clamped while typing
  EXPECT_EQ(form.calls["Spin"], 3);
  leaveSpin();
  EXPECT_EQ(shown(), L"100");
  EXPECT_EQ(form.calls["Spin"], 4);

  focusSpin();
  type(L"-250");
  leaveSpin();
  EXPECT_EQ(shown(), L"-100");
  EXPECT_EQ(beeps, 0);
}

// A typo never becomes the value: the last one stays in force while the text
// stands, and leaving the field puts it back with a beep.
TEST_F(SpinEditTest, TextThatIsNoWholeNumberKeepsTheLastValue) {
  spin->setValue(7);
  for (const wchar_t* typo : {L"\b", L"5,5", L"--3", L"-", L"3-"}) {
    SCOPED_TRACE(testing::Message() << "typed " << typo);
    leaveSpin();
    beeps = 0;
    focusSpin();  // selects the text, which typing replaces
    type(typo);
    EXPECT_EQ(spin->value(), 7);
    leaveSpin();
    EXPECT_EQ(shown(), L"7");
    EXPECT_EQ(beeps, 1);
  }
  focusSpin();
  type(L"5");  // a number counts at once
  EXPECT_EQ(spin->value(), 5);
}

TEST_F(SpinEditTest, RefusedCharactersBeepAndInsertNothing) {
  type(L"a\r .");
  EXPECT_EQ(shown(), L"0");
  EXPECT_EQ(beeps, 4);
  EXPECT_EQ(form.calls["Spin"], 0);
}

TEST_F(SpinEditTest, ArrowsStepAndStopAtTheLimitsWithoutChange) {
  key(VK_UP);
  key(VK_UP);
  EXPECT_EQ(shown(), L"2");
  key(VK_DOWN);
  EXPECT_EQ(shown(), L"1");
  EXPECT_EQ(form.calls["Spin"], 3);

  spin->setValue(100);
  form.calls.clear();
  key(VK_UP);
  EXPECT_EQ(shown(), L"100");
  spin->setValue(-100);
  form.calls.clear();
  key(VK_DOWN);
  EXPECT_EQ(shown(), L"-100");
  EXPECT_EQ(form.calls["Spin"], 0);
}

TEST_F(SpinEditTest, DisabledEditorStillStepsAndReadOnlyBeeps) {
  spin->setEditorEnabled(false);
  type(L"5\b");
  EXPECT_EQ(shown(), L"0");
  EXPECT_EQ(beeps, 2);
  SendMessageW(spin->handle(), EM_SETSEL, 0, -1);
  PostMessageW(spin->handle(), WM_CUT, 0, 0);
  pump(20);
  EXPECT_EQ(shown(), L"0");
  key(VK_UP);
  EXPECT_EQ(shown(), L"1");

  spin->setReadOnly(true);
  beeps = 0;
  key(VK_UP);
  POINT p = middleOf(spin->buttonPair()->downButton().bounds);
  mouse(WM_LBUTTONDOWN, p);
  mouse(WM_LBUTTONUP, p);
  pump(30);
  EXPECT_EQ(shown(), L"1");
  EXPECT_EQ(beeps, 2);
}

TEST_F(SpinEditTest, ClickOnTheButtonsSteps) {
  const ctl::TSpinButton& pair = *spin->buttonPair();
  leaveSpin();
  POINT up = middleOf(pair.upButton().bounds);
  mouse(WM_LBUTTONDOWN, up);
  mouse(WM_LBUTTONUP, up);
  pump(30);
  EXPECT_EQ(shown(), L"1");
  EXPECT_EQ(GetFocus(), spin->handle());  // the press hands the focus to the field

  POINT down = middleOf(pair.downButton().bounds);
  mouse(WM_LBUTTONDOWN, down);
  mouse(WM_LBUTTONUP, POINT{down.x + 200, down.y});  // released off the button
  pump(30);
  EXPECT_EQ(shown(), L"1");
}

TEST_F(SpinEditTest, HeldButtonRepeats) {
  POINT up = middleOf(spin->buttonPair()->upButton().bounds);
  mouse(WM_LBUTTONDOWN, up);
  pump(650);
  mouse(WM_LBUTTONUP, up);
  pump(30);
  EXPECT_EQ(shown(), L"4");  // at 400, 500 and 600 ms, and on release
}

TEST_F(SpinEditTest, PairSitsInsideTheRightEdgeAndTheFieldKeepsItsMinimumHeight) {
  RECT field{}, pair{};
  GetWindowRect(spin->handle(), &field);
  GetWindowRect(spin->buttonPair()->handle(), &pair);
  EXPECT_EQ(pair.right - pair.left, 15);
  EXPECT_LE(pair.right, field.right);
  EXPECT_GT(pair.left, field.left + 20);

  spin->setHeight(5);
  pump(20);
  GetWindowRect(spin->handle(), &field);
  EXPECT_EQ(field.bottom - field.top, spin->minimumHeight());
  EXPECT_GT(spin->minimumHeight(), 21);
}

TEST_F(SpinEditTest, GlyphIsDrawnWithItsBackgroundSeeThrough) {
  const ctl::TSpinButton& pair = *spin->buttonPair();
  RECT r{};
  GetClientRect(pair.handle(), &r);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, r.right, r.bottom);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bmp);
  SendMessageW(pair.handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  const spin::Box b = pair.upButton().bounds;
  // The triangle's tip sits on the middle column, its base three rows down.
  int cx = b.left + (b.width - 9) / 2 + 4, top = b.top + (b.height - 6) / 2;
  COLORREF tip = GetPixel(dc, cx, top + 1);
  COLORREF base = GetPixel(dc, cx - 3, top + 4);
  COLORREF beside = GetPixel(dc, cx - 3, top + 1);  // olive in the picture
  SelectObject(dc, old);
  DeleteObject(bmp);
  DeleteDC(dc);
  EXPECT_EQ(tip, RGB(0, 0, 0));
  EXPECT_EQ(base, RGB(0, 0, 0));
  EXPECT_EQ(beside, GetSysColor(COLOR_BTNFACE));
}

}  // namespace
