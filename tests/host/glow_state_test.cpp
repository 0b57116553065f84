// The glow button's state decisions: fades, a held press, groups, keys.
#include "controls/glow_state.h"

#include <gtest/gtest.h>

namespace {

using namespace ctl;
using namespace ctl::glow;
using BS = ButtonState;
constexpr GroupOptions kPlain{};
constexpr GroupOptions kCheck{TAdvButtonStyle::bsCheck, 0, false};
constexpr GroupOptions kRadio{TAdvButtonStyle::bsButton, 1, false};

struct Interval {
  explicit Interval(int ms) : saved(FadeInterval) { FadeInterval = ms; }
  ~Interval() { FadeInterval = saved; }
  int saved;
};

TEST(GlowBehaviour, HoverFadeRepaintsFiveTimesAndEndsOnTheSixthTick) {
  Interval interval(20);
  for (bool entering : {true, false}) {
    GlowState s;
    s.mouseInControl = !entering;  // resting over the button, to leave it
    const Effects start = entering ? enter(s) : leave(s);
    EXPECT_EQ(start, kCreateFadeTimer | kInvalidate);
    const int from = entering ? 0 : 100, step = entering ? 20 : -20;
    for (int i = 1; i <= 5; ++i) {
      EXPECT_EQ(fadeTick(s), kInvalidate);
      EXPECT_EQ(s.hoverFade, from + i * step);
    }
    EXPECT_EQ(fadeTick(s), kFreeFadeTimer);
    EXPECT_EQ(s.hoverFade, from + 5 * step);
    EXPECT_EQ(s.fadeChannel, FadeChannel::Idle);
    EXPECT_FALSE(s.fadeTimer);
    EXPECT_EQ(fadeTick(s), kNothing);
  }
}

TEST(GlowBehaviour, NoFadeIntervalNoTimer) {
  Interval interval(0);
  GlowState s;
  EXPECT_EQ(enter(s), kInvalidate);
  EXPECT_EQ(pressStart(s, kPlain) & kCreateFadeTimer, 0u);
  EXPECT_EQ(release(s, kPlain, true) & kCreateFadeTimer, 0u);
  EXPECT_EQ(leave(s), kInvalidate);
  EXPECT_FALSE(s.fadeTimer);
}

TEST(GlowBehaviour, HeldPressFollowsThePointerAndComesBackPressed) {
  struct Case {
    GroupOptions g;
    bool down, inside;
    BS shown;
  } cases[] = {
      {kPlain, false, true, BS::StateDown},  {kPlain, false, false, BS::StateUp},
      {kRadio, true, true, BS::StateExclusive}, {kRadio, true, false, BS::StateExclusive},
      {kCheck, true, false, BS::StateDown},
  };
  for (const Case& c : cases) {
    GlowState s;
    s.down = c.down;
    EXPECT_EQ(trackedState(s, c.g, c.inside), c.shown) << c.down << c.inside;
  }
  EXPECT_TRUE(insideForPress(0, 52, 183, 52));  // the row just below counts
  EXPECT_FALSE(insideForPress(0, 53, 183, 52));
  EXPECT_FALSE(insideForPress(183, 10, 183, 52));
  EXPECT_FALSE(insideForPress(-1, 10, 183, 52));

  GlowState s;
  enter(s);
  pressStart(s, kPlain);
  leave(s);
  EXPECT_FALSE(s.pressed);
  enter(s);
  EXPECT_TRUE(s.pressed);
  EXPECT_TRUE(s.hotLook);
  release(s, kPlain, true);
  EXPECT_EQ(s.buttonState, BS::StateUp);
  EXPECT_FALSE(s.pressFadeMarker);
}

TEST(GlowBehaviour, PressFadeRunsUpWhileHeldAndEndsUnpressed) {
  Interval interval(20);
  GlowState s;
  enter(s);
  s.fadeChannel = FadeChannel::Idle;
  s.fadeTimer = false;
  EXPECT_EQ(pressStart(s, kPlain), kCreateFadeTimer | kInvalidate);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(fadeTick(s), kInvalidate);
  EXPECT_EQ(fadeTick(s), kFreeFadeTimer);
  EXPECT_EQ(s.pressFade, 100);
  EXPECT_EQ(release(s, kPlain, true) & kCreateFadeTimer, kCreateFadeTimer);
  EXPECT_TRUE(s.pressed);  // the face fades back first
  for (int i = 0; i < 5; ++i) EXPECT_EQ(fadeTick(s), kInvalidate);
  EXPECT_EQ(fadeTick(s), kFreeFadeTimer);
  EXPECT_FALSE(s.pressed);
  EXPECT_EQ(s.pressFade, 0);
}

TEST(GlowBehaviour, DownAndGroups) {
  GlowState plain;
  EXPECT_EQ(setDown(plain, kPlain, true, false), kNothing);
  EXPECT_FALSE(plain.down);

  GlowState a, b;
  EXPECT_EQ(setDown(a, kRadio, true, false), kInvalidate | kBroadcastPressed);
  EXPECT_EQ(a.buttonState, BS::StateExclusive);
  EXPECT_EQ(setDown(a, kRadio, false, false), kNothing);  // no AllowAllUp: stays down
  setDown(b, kRadio, true, false);
  EXPECT_EQ(buttonPressed(a, kRadio, 1, true), kInvalidate);
  EXPECT_FALSE(a.down);
  EXPECT_EQ(a.buttonState, BS::StateUp);
  EXPECT_EQ(buttonPressed(b, kRadio, 2, true), kNothing);  // another group

  GroupOptions loose = kRadio;
  loose.allowAllUp = true;
  EXPECT_EQ(setDown(b, loose, false, true), kRepaintNow);
  EXPECT_FALSE(b.down);
  EXPECT_FALSE(b.downWhileLoading);

  GlowState c;
  pressStart(c, kCheck);
  EXPECT_TRUE(c.down);
  release(c, kCheck, false);  // released outside: taken back
  EXPECT_FALSE(c.down);
}

TEST(GlowBehaviour, KeysPressAndReleaseOrToggleInAGroup) {
  GlowState s;
  keyDown(s);
  EXPECT_EQ(s.buttonState, BS::StateDown);
  keyUp(s, kPlain);
  EXPECT_EQ(s.buttonState, BS::StateUp);
  EXPECT_FALSE(s.pressed);

  GlowState g;
  EXPECT_EQ(keyUp(g, kRadio), kRepaintNow | kBroadcastPressed);
  EXPECT_TRUE(g.down);
  EXPECT_EQ(g.buttonState, BS::StateExclusive);

  EXPECT_TRUE(activeDefaultAfterFocus(true, true, false));
  EXPECT_FALSE(activeDefaultAfterFocus(true, false, true));
  EXPECT_TRUE(activeDefaultAfterFocus(false, false, true));
}

TEST(GlowBehaviour, AcceleratorsVersionAndSizeStates) {
  EXPECT_EQ(accelerator(L"&Aide"), L'A');
  EXPECT_EQ(accelerator(L"Pierre && &fils"), L'F');
  EXPECT_EQ(accelerator(L"Aide &&"), 0);
  EXPECT_EQ(accelerator(L"Aide&"), 0);
  EXPECT_TRUE(isAccelerator(L'f', L"Pierre && &fils"));
  EXPECT_EQ(versionText(0x02020305), L"2.2.3.5");

  SizeStates st;
  EXPECT_TRUE(setMaxSizeState(st, TButtonSizeState::bsGlyph));
  EXPECT_EQ(st.current, TButtonSizeState::bsGlyph);
  EXPECT_TRUE(setMinSizeState(st, TButtonSizeState::bsLabel));
  EXPECT_EQ(st.current, TButtonSizeState::bsLabel);
  EXPECT_FALSE(setMinSizeState(st, TButtonSizeState::bsGlyph));
}

}  // namespace
