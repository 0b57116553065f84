// The glow button in a window of its own, driven by real messages through
// the queue and the window's dialog keys: pointer, keyboard, default
// button, fade timer, groups.
#include "controls/glow_button.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "framework/ui/edit.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_window.h"

namespace {

using ctl::ButtonState;

constexpr char kDescription[] = R"(Test: TTestForm {
  Caption = "Glow"
  ClientWidth = 400
  ClientHeight = 200
  Field: TEdit {
    Left = 10
    Top = 10
    Width = 80
    Height = 21
    TabOrder = 0
  }
  Ok: TAdvGlowButton {
    Left = 10
    Top = 50
    Width = 183
    Height = 52
    TabOrder = 1
    Caption = "Ok"
    Default = true
    ModalResult = 1
    TabStop = true
    OnClick = Handler
  }
  Other: TAdvGlowButton {
    Left = 200
    Top = 50
    Width = 100
    Height = 41
    TabOrder = 2
    Caption = "Autre"
    TabStop = true
    OnClick = Handler
  }
  First: TAdvGlowButton {
    Left = 10
    Top = 120
    Caption = "Un"
    OnClick = Handler
    GroupIndex = 1
  }
  Second: TAdvGlowButton {
    Left = 120
    Top = 120
    Caption = "Deux"
    OnClick = Handler
    GroupIndex = 1
  }
}
)";

class GlowButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    testwindow::show(form, kDescription, {&testwindow::TestForm::info(), &ctl::TAdvGlowButton::info(), &fw::Edit::info()});
    ok = button("Ok");
    other = button("Other");
    pump(30);
  }

  ctl::TAdvGlowButton* button(const char* name) { return dynamic_cast<ctl::TAdvGlowButton*>(form.find(name)); }
  void pump(DWORD ms) { testpump::pump(ms, &form); }

  // The pointer at a point of the button, the cursor with it; handled.
  void pointer(ctl::TAdvGlowButton* b, UINT msg, int x, int y) {
    post(b, msg, x, y);
    pump(20);
  }
  void post(ctl::TAdvGlowButton* b, UINT msg, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(b->handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(b->handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
  }
  void key(HWND target, WPARAM vk) {
    testwindow::keystroke(target, vk);
    pump(30);
  }

  testwindow::TestForm form;
  ctl::TAdvGlowButton* ok = nullptr;
  ctl::TAdvGlowButton* other = nullptr;
};

TEST_F(GlowButtonTest, ReleaseOnTheButtonClicksAndTheRowBelowOnlyLooksPressed) {
  struct Case {
    const char* what;
    int x, y;               // where the pointer goes while held, and is let go
    ButtonState whileHeld;  // the state shown there
    int clicks;
  } cases[] = {
      {"inside", 90, 26, ButtonState::StateDown, 1},
      {"row just below", 90, 52, ButtonState::StateDown, 0},
      {"two rows below", 90, 53, ButtonState::StateUp, 0},
      {"right of it", 183, 26, ButtonState::StateUp, 0},
  };
  for (const Case& c : cases) {
    form.calls.clear();
    pointer(ok, WM_MOUSEMOVE, 90, 26);
    pointer(ok, WM_LBUTTONDOWN, 90, 26);
    EXPECT_EQ(ok->state().buttonState, ButtonState::StateDown) << c.what;
    pointer(ok, WM_MOUSEMOVE, c.x, c.y);
    EXPECT_EQ(ok->state().buttonState, c.whileHeld) << c.what;
    pointer(ok, WM_LBUTTONUP, c.x, c.y);
    EXPECT_EQ(form.calls["Ok"], c.clicks) << c.what;
    EXPECT_EQ(ok->state().buttonState, ButtonState::StateUp) << c.what;
    EXPECT_NE(GetCapture(), ok->handle());
  }
}

TEST_F(GlowButtonTest, LeavingAndComingBackWhileHeldShowsPressedAgain) {
  pointer(ok, WM_MOUSEMOVE, 90, 26);
  EXPECT_TRUE(ok->state().hotLook);
  pointer(ok, WM_LBUTTONDOWN, 90, 26);
  pointer(ok, WM_MOUSEMOVE, 90, 90);  // over the window below the button
  EXPECT_FALSE(ok->state().pressed);
  EXPECT_FALSE(ok->state().hotLook);
  EXPECT_EQ(ok->state().buttonState, ButtonState::StateUp);
  pointer(ok, WM_MOUSEMOVE, 90, 26);
  EXPECT_TRUE(ok->state().pressed);
  EXPECT_TRUE(ok->state().hotLook);
  EXPECT_EQ(ok->state().buttonState, ButtonState::StateDown);
  pointer(ok, WM_LBUTTONUP, 90, 26);
  EXPECT_EQ(form.calls["Ok"], 1);
}

TEST_F(GlowButtonTest, KeysClickOnceAndEnterGoesToTheFocusedOrTheDefaultButton) {
  struct Case {
    const char* focus;
    WPARAM key;
    const char* clicked;
  } cases[] = {
      {"Ok", VK_SPACE, "Ok"},      // from the key press
      {"Other", VK_SPACE, "Other"},
      {"Ok", VK_RETURN, "Ok"},     // through the dialog key
      {"Other", VK_RETURN, "Other"},  // the focused one, not the default
      {"Field", VK_RETURN, "Ok"},  // an edit: the default button
  };
  for (const Case& c : cases) {
    form.calls.clear();
    form.setModalResult(fw::ModalResult::Cancel);  // neither button's
    fw::Control* focus = form.find(c.focus);
    SetFocus(focus->handle());
    pump(20);
    key(focus->handle(), c.key);
    EXPECT_EQ(form.calls[c.clicked], 1) << c.focus << " " << c.key;
    EXPECT_EQ(form.calls.size(), 1u) << c.focus << " " << c.key;
    EXPECT_EQ(static_cast<int>(form.modalResult()), button(c.clicked)->modalResult());  // written by every click
    EXPECT_EQ(button(c.clicked)->state().buttonState, ButtonState::StateUp);
  }
}

TEST_F(GlowButtonTest, FadeTimerRunsOnlyWhileAFadeRunsAndNeverWithoutInterval) {
  struct Case {
    int interval, ticks;
  } cases[] = {{20, 6}, {0, 0}};
  for (const Case& c : cases) {
    const int saved = ctl::glow::FadeInterval;
    ctl::glow::FadeInterval = c.interval;
    int ticks = 0;
    const auto countTicks = [&](const MSG& m) { ticks += m.hwnd == other->handle() && m.message == WM_TIMER; };
    post(other, WM_MOUSEMOVE, 50, 20);
    testpump::pump(400, &form, countTicks);
    EXPECT_EQ(ticks, c.ticks) << c.interval;
    EXPECT_EQ(other->state().hoverFade, c.interval ? 100 : 0);
    pointer(other, WM_MOUSEMOVE, 50, 60);  // off it, over the window
    pump(200);
    ctl::glow::FadeInterval = saved;
  }
}

TEST_F(GlowButtonTest, DownOnlyInAGroupAndGroupedButtonsReleaseEachOther) {
  ok->setDown(true);
  EXPECT_FALSE(ok->down());

  ctl::TAdvGlowButton* first = button("First");
  ctl::TAdvGlowButton* second = button("Second");
  first->setDown(true);
  EXPECT_EQ(first->state().buttonState, ButtonState::StateExclusive);
  second->setDown(true);
  EXPECT_TRUE(second->down());
  EXPECT_FALSE(first->down());
  EXPECT_EQ(first->state().buttonState, ButtonState::StateUp);
  second->setDown(false);  // one of the group stays down
  EXPECT_TRUE(second->down());

  pointer(first, WM_LBUTTONDOWN, 20, 20);
  pointer(first, WM_LBUTTONUP, 20, 20);
  EXPECT_TRUE(first->down());
  EXPECT_FALSE(second->down());
  EXPECT_EQ(form.calls["First"], 1);

  // Space does as the click does; pressed again, the button stays down.
  SetFocus(second->handle());
  for (int time = 0; time < 2; ++time) {
    key(second->handle(), VK_SPACE);
    EXPECT_TRUE(second->down()) << time;
    EXPECT_FALSE(first->down()) << time;
    EXPECT_EQ(second->state().buttonState, ButtonState::StateExclusive) << time;
  }
}

}  // namespace
