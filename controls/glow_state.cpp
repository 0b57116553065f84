#include "controls/glow_state.h"

#include <cwctype>

namespace ctl::glow {

Effects startFade(GlowState& s) {
  if (s.fadeTimer || FadeInterval <= 0) return kNothing;
  s.fadeTimer = true;
  return kCreateFadeTimer;
}

Effects enter(GlowState& s) {
  if (s.mouseInControl) return kNothing;
  s.hotLook = true;
  // Back over the button it still holds: pressed again.
  if (s.pressFadeMarker) s.pressed = true;
  Effects e = startFade(s);
  if (!s.pressed && s.fadeChannel != FadeChannel::Press) {
    s.fadeStep = kFadeStep;
    s.fadeChannel = FadeChannel::Hover;
  }
  s.hoverTracking = true;
  s.mouseInControl = true;
  return e | kInvalidate;
}

Effects leave(GlowState& s) {
  if (!s.mouseInControl) return kNothing;
  s.mouseInControl = s.hotLook = s.dropDownHot = false;
  s.hoverTracking = false;
  if (s.pressed && s.mouseHeld) {
    s.pressFadeMarker = true;
  } else {
    s.hoverFade = 100;
  }
  s.pressed = false;
  s.fadeStep = -kFadeStep;
  s.fadeChannel = FadeChannel::Hover;
  return kInvalidate | startFade(s);
}

Effects fadeTick(GlowState& s) {
  if (s.fadeChannel == FadeChannel::Idle) return kNothing;
  int& value = s.fadeChannel == FadeChannel::Hover ? s.hoverFade : s.pressFade;
  value += s.fadeStep;
  const bool ended = (value > 100 && s.fadeStep > 0) || (value < 0 && s.fadeStep < 0);
  if (!ended) return kInvalidate;
  value = s.fadeStep > 0 ? 100 : 0;
  if (s.fadeChannel == FadeChannel::Press && s.fadeStep < 0) s.pressed = s.pressFadeMarker = false;
  s.fadeChannel = FadeChannel::Idle;
  s.fadeTimer = false;
  return kFreeFadeTimer;
}

Effects pressStart(GlowState& s, const GroupOptions& g, bool onDropDown) {
  s.pressed = s.mouseHeld = true;
  s.hoverTracking = false;
  Effects e = startFade(s);
  s.fadeStep = kFadeStep;
  s.fadeChannel = FadeChannel::Press;
  if (onDropDown) return e;
  const bool check = g.style == TAdvButtonStyle::bsCheck;
  if (check) e |= setDown(s, g, !s.down, false);
  if (!s.down) {
    s.buttonState = ButtonState::StateDown;
    e |= kInvalidate;
  }
  if (check) {
    s.buttonState = ButtonState::StateDown;
    e |= kRepaintNow;
  }
  s.tracking = true;
  return e;
}

ButtonState trackedState(const GlowState& s, const GroupOptions& g, bool inside) {
  if (g.style == TAdvButtonStyle::bsCheck && s.down) return ButtonState::StateDown;
  if (s.down) return ButtonState::StateExclusive;
  return inside ? ButtonState::StateDown : ButtonState::StateUp;
}

Effects release(GlowState& s, const GroupOptions& g, bool inside) {
  s.fadeStep = -kFadeStep;
  s.fadeChannel = FadeChannel::Press;
  s.mouseHeld = s.pressFadeMarker = false;
  Effects e = startFade(s);
  if (!s.tracking) return e;
  s.tracking = false;
  if (g.groupIndex != 0) {
    if (inside) {
      const bool wasDown = s.down;
      e |= setDown(s, g, !s.down, false);
      if (s.down && !wasDown) e |= kRepaintNow;
    } else if (s.down) {
      s.buttonState = ButtonState::StateExclusive;
      e |= kRepaintNow;
    }
  } else {
    s.buttonState = ButtonState::StateUp;
    s.hoverTracking = false;
    if (g.style == TAdvButtonStyle::bsCheck) {
      // Released outside: the toggle of the press is taken back.
      if (!inside && s.down) e |= setDown(s, g, false, false);
      s.hoverTracking = true;
      e |= kRepaintNow;
    }
  }
  if (inside && s.buttonState != ButtonState::StateDown && s.buttonState != ButtonState::StateExclusive)
    e |= kInvalidate;
  return e;
}

Effects updateTracking(GlowState& s, bool overThis) {
  const bool elsewhere = !overThis;
  if (elsewhere == s.hoverTracking) return kNothing;
  s.hoverTracking = elsewhere;
  return overThis ? enter(s) : leave(s);
}

Effects keyDown(GlowState& s) {
  s.pressed = true;
  s.buttonState = ButtonState::StateDown;
  return kRepaintNow;
}

Effects keyUp(GlowState& s, const GroupOptions& g) {
  if (g.groupIndex == 0) {
    s.pressed = false;
    s.buttonState = ButtonState::StateUp;
    return kRepaintNow;
  }
  // In a group the key toggles Down by its own rule, as a click does: the
  // others of the group are released, and with AllowAllUp clear the button
  // that is down stays down.
  s.pressed = false;
  const Effects e = setDown(s, g, !s.down, false);
  if (g.style != TAdvButtonStyle::bsCheck) s.buttonState = s.down ? ButtonState::StateExclusive : ButtonState::StateUp;
  return kRepaintNow | (e & kBroadcastPressed);
}

Effects setDown(GlowState& s, const GroupOptions& g, bool value, bool beforeWindow) {
  if (beforeWindow) s.downWhileLoading = value;
  // A plain push button outside a group is never down.
  if (g.groupIndex == 0 && g.style == TAdvButtonStyle::bsButton) value = false;
  if (g.style == TAdvButtonStyle::bsCheck) {
    s.down = value;
    s.buttonState = value ? ButtonState::StateDown : ButtonState::StateUp;
    return kRepaintNow;
  }
  if (value == s.down || (s.down && !g.allowAllUp)) return kNothing;
  s.down = value;
  if (!value) {
    s.buttonState = ButtonState::StateUp;
    return kRepaintNow;
  }
  Effects e = s.buttonState == ButtonState::StateUp ? kInvalidate : kNothing;
  s.buttonState = ButtonState::StateExclusive;
  return e | kBroadcastPressed;
}

Effects buttonPressed(GlowState& s, const GroupOptions& g, int groupIndex, bool senderDown) {
  if (groupIndex != g.groupIndex || !s.down || !senderDown) return kNothing;
  s.down = false;
  s.buttonState = ButtonState::StateUp;
  return kInvalidate;
}

namespace {

// Whether (x, y) lies within `strip` pixels of the drop-down edge.
bool nearDropDownEdge(const DropDownOptions& d, int x, int y, int width, int height, int strip) {
  return d.position == TDropDownPosition::dpRight ? x >= width - strip : y >= height - strip;
}

}  // namespace

bool pressOnDropDown(const DropDownOptions& d, const GroupOptions& g, int x, int y, int width, int height) {
  if (!d.button) return false;
  return d.split ? nearDropDownEdge(d, x, y, width, height, 14) : dropDownOnly(d, g);
}

bool overDropDownArrow(const DropDownOptions& d, int x, int y, int width, int height) {
  return d.button && nearDropDownEdge(d, x, y, width, height, 12);
}

wchar_t accelerator(std::wstring_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return wchar_t(std::towupper(caption[i + 1]));
    ++i;  // "&&" shows one "&"
  }
  return 0;
}

bool isAccelerator(wchar_t ch, std::wstring_view caption) {
  const wchar_t a = accelerator(caption);
  return a != 0 && a == wchar_t(std::towupper(ch));
}

std::wstring versionText(unsigned number) {
  std::wstring text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (!text.empty()) text += L'.';
    text += std::to_wstring((number >> shift) & 0xFF);
  }
  return text;
}

bool setMaxSizeState(SizeStates& s, TButtonSizeState v) {
  if (v == s.maxState) return false;
  s.maxState = v;
  const bool changed = s.current != v;
  s.current = v;
  return changed;
}

bool setMinSizeState(SizeStates& s, TButtonSizeState v) {
  if (v == s.minState) return false;
  s.minState = v;
  if (s.current >= v) return false;
  s.current = v;
  return true;
}

}  // namespace ctl::glow
