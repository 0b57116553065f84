// The glow button's state between messages and the decisions that move it:
// hover and press fades, a held press followed by the pointer, the keyboard,
// groups of buttons that release each other, and the size states. Free of
// any window: each step returns what the window has to do.
#pragma once

#include <string>
#include <string_view>

namespace ctl::glow {

// The visual press state; StateExclusive is down as a member of a group.
enum class ButtonState { StateUp = 0, StateDisabled = 1, StateDown = 2, StateExclusive = 4 };
enum class TAdvButtonStyle { bsButton, bsCheck };
enum class FadeChannel { Idle, Hover, Press };
enum class TButtonSizeState { bsGlyph, bsLabel, bsLarge };
enum class TDropDownPosition { dpRight, dpBottom };

// Milliseconds between two fade frames, shared by every glow button; 0 or
// less: no fading at all.
inline int FadeInterval = 20;
inline constexpr int kFadeStep = 20;

// What a step asks of the window, or-ed together.
enum Effect : unsigned {
  kNothing = 0,
  kInvalidate = 1,       // repaint when the queue is empty
  kRepaintNow = 2,       // repaint before going on
  kCreateFadeTimer = 4,  // the fade timer starts
  kFreeFadeTimer = 8,    // the fade timer goes
  kBroadcastPressed = 16,  // tell the siblings this button went down in its group
};
using Effects = unsigned;

// How the button takes part in a group.
struct GroupOptions {
  TAdvButtonStyle style = TAdvButtonStyle::bsButton;
  int groupIndex = 0;
  bool allowAllUp = false;
};

// What the button keeps between messages.
struct GlowState {
  ButtonState buttonState = ButtonState::StateUp;
  bool down = false;
  bool mouseInControl = false;
  bool hotLook = false;
  bool pressed = false;       // the face shows pressed (drives the press fade)
  bool mouseHeld = false;     // left button went down here and is not released
  bool tracking = false;      // a press begun here follows the pointer
  bool clickPending = false;  // a button-down here turns into a click on button-up
  bool focused = false;
  bool activeDefault = false;    // Enter presses this button
  bool downWhileLoading = false;
  bool pressFadeMarker = false;  // left while held: coming back presses again
  bool hoverTracking = false;    // the flag that UpdateTracking compares
  bool dropDownHot = false;
  bool menuShown = false;
  int hoverFade = 0;  // 0 = start colours, 100 = end colours
  int pressFade = 0;
  int fadeStep = 0;
  FadeChannel fadeChannel = FadeChannel::Idle;
  bool fadeTimer = false;  // the timer exists only while a fade runs
};

// The pointer comes over the button / goes away (ignored when already so).
Effects enter(GlowState& s);
Effects leave(GlowState& s);
// One tick of the fade timer.
Effects fadeTick(GlowState& s);
// Starts the fade timer when there is none and fading is on.
Effects startFade(GlowState& s);

// Left button down: pressed and held, the press fade; on the face (not on
// the drop-down part) the press itself.
Effects pressStart(GlowState& s, const GroupOptions& g, bool onDropDown = false);
// While tracking a press, the state the pointer at (x, y) shows.
ButtonState trackedState(const GlowState& s, const GroupOptions& g, bool inside);
// The pressed look counts the row just below the button as inside.
inline bool insideForPress(int x, int y, int width, int height) {
  return x >= 0 && x < width && y >= 0 && y <= height;
}
// Left button up, before the framework's click.
Effects release(GlowState& s, const GroupOptions& g, bool inside);
// Compares the tracking flag with whether the pointer is over the button,
// and enters or leaves when they disagree.
Effects updateTracking(GlowState& s, bool overThis);

// Enter or Space: down, then up.
Effects keyDown(GlowState& s);
Effects keyUp(GlowState& s, const GroupOptions& g);

// The Down setter. `beforeWindow`: loading, or the window does not exist yet.
Effects setDown(GlowState& s, const GroupOptions& g, bool value, bool beforeWindow);
// A sibling of group `groupIndex` went down.
Effects buttonPressed(GlowState& s, const GroupOptions& g, int groupIndex, bool senderDown);

// The drop-down part: a strip at the right or bottom edge.
struct DropDownOptions {
  bool button = false;
  bool split = true;
  TDropDownPosition position = TDropDownPosition::dpRight;
};
// A button that is all drop-down: Enter opens it too.
inline bool dropDownOnly(const DropDownOptions& d, const GroupOptions& g) {
  return d.button && !d.split && g.style == TAdvButtonStyle::bsButton && g.groupIndex <= 0;
}
// Whether a press at (x, y) opens the drop-down part rather than pressing.
bool pressOnDropDown(const DropDownOptions& d, const GroupOptions& g, int x, int y, int width, int height);
// Whether the pointer is over the drop-down arrow.
bool overDropDownArrow(const DropDownOptions& d, int x, int y, int width, int height);

// Enter goes to this button when the focus moves to `focusedIsGlow`
// (whether it is a glow button) `focusedIsThis`; else to a default one.
inline bool activeDefaultAfterFocus(bool focusedIsGlow, bool focusedIsThis, bool isDefault) {
  return focusedIsGlow ? focusedIsThis : isDefault;
}

// The letter after a single "&" in the caption, upper-cased; 0 when none.
wchar_t accelerator(std::wstring_view caption);
bool isAccelerator(wchar_t ch, std::wstring_view caption);

// The four bytes of a version number, most significant first, joined by dots.
std::wstring versionText(unsigned number);

// The size states: the current one and what the layout becomes with it.
struct SizeStates {
  TButtonSizeState current = TButtonSizeState::bsLarge;
  TButtonSizeState maxState = TButtonSizeState::bsLarge;
  TButtonSizeState minState = TButtonSizeState::bsGlyph;
};
// Setting the maximum or minimum; true when the current state changed.
bool setMaxSizeState(SizeStates& s, TButtonSizeState v);
bool setMinSizeState(SizeStates& s, TButtonSizeState v);

}  // namespace ctl::glow
