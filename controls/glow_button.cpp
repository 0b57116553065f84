#include "controls/glow_button.h"

#include <commctrl.h>
#include <oleacc.h>

#include "framework/graphics/gdi.h"

namespace ctl {

namespace {

constexpr UINT_PTR kFadeTimer = 1;
constexpr UINT_PTR kRepeatTimer = 2;

bool isPressKey(WPARAM key) { return key == VK_RETURN || key == VK_SPACE; }

}  // namespace

// ---- hint data

void TAdvHintInfo::Assign(const fw::Persistent* source) {
  const auto* other = dynamic_cast<const TAdvHintInfo*>(source);
  if (!other) return;
  Title = other->Title;
  Notes = other->Notes;
  Picture.Assign(&other->Picture);
  ShowHelp = other->ShowHelp;
  WideTitle = other->WideTitle;
  WideNotes = other->WideNotes;
}

// ---- the button

TAdvCustomGlowButton::TAdvCustomGlowButton() {
  setTabStop(false);
  setBounds(0, 0, 100, 41);
  picture_.OnChange = [this] { refreshSize(); };
  disabledPicture_.OnChange = [this] { refreshSize(); };
  appearance_.OnChange = [this](TGlowButtonAppearance&) { invalidate(); };
}

TAdvCustomGlowButton::~TAdvCustomGlowButton() {
  if (handle()) {
    KillTimer(handle(), kFadeTimer);
    KillTimer(handle(), kRepeatTimer);
  }
}

void TAdvCustomGlowButton::windowCreated() {
  // A new window starts at rest.
  state_.activeDefault = default_;
  state_.fadeChannel = glow::FadeChannel::Idle;
  state_.pressFadeMarker = state_.hoverTracking = state_.mouseInControl = false;
  state_.mouseHeld = state_.hotLook = false;
  if (!state_.downWhileLoading) {
    state_.buttonState = ButtonState::StateUp;
    state_.pressed = false;
  }
  state_.tracking = false;
  state_.hoverFade = 0;
  if (GetCapture() == handle()) ReleaseCapture();
  state_.fadeTimer = false;
}

void TAdvCustomGlowButton::loaded() {
  picture_.UpdateSize();
  disabledPicture_.UpdateSize();
  hotPicture_.UpdateSize();
  if (state_.downWhileLoading != state_.down) setDown(state_.downWhileLoading);
  if (autoSize_) refreshSize();
}

void TAdvCustomGlowButton::apply(glow::Effects e) {
  if (e & glow::kCreateFadeTimer)
    if (!handle() || !SetTimer(handle(), kFadeTimer, UINT(glow::FadeInterval), nullptr)) state_.fadeTimer = false;
  if ((e & glow::kFreeFadeTimer) && handle()) KillTimer(handle(), kFadeTimer);
  if (e & glow::kRepaintNow) repaint();
  else if (e & glow::kInvalidate) invalidate();
  if (e & glow::kBroadcastPressed) broadcastPressed();
}

void TAdvCustomGlowButton::repaint() {
  invalidate();
  if (handle()) UpdateWindow(handle());
}

void TAdvCustomGlowButton::refreshSize() {
  if (!autoSize_ || !handle()) {
    invalidate();
    return;
  }
  fw::ScreenDC screen;
  SIZE size = GlowButtonSize(screen.dc(), paintInputs());
  if (dropDown_.button) (dropDown_.position == glow::TDropDownPosition::dpRight ? size.cx : size.cy) += 14;
  setBounds(left(), top(), size.cx, size.cy);
  invalidate();
}

// ---- values

void TAdvCustomGlowButton::setDown(bool v) { apply(glow::setDown(state_, group_, v, !handle())); }

void TAdvCustomGlowButton::setGroupIndex(int v) {
  if (v == group_.groupIndex) return;
  group_.groupIndex = v;
  broadcastPressed();
}

void TAdvCustomGlowButton::setAllowAllUp(bool v) {
  if (v == group_.allowAllUp) return;
  group_.allowAllUp = v;
  broadcastPressed();
}

void TAdvCustomGlowButton::setLayout(TButtonLayout v) {
  if (v == layout_) return;
  layout_ = v;
  invalidate();
}

void TAdvCustomGlowButton::setAutoSize(bool v) {
  if (v == autoSize_) return;
  autoSize_ = v;
  refreshSize();
}

void TAdvCustomGlowButton::changeDropDown(const glow::DropDownOptions& d) {
  const bool resize = d.button != dropDown_.button || (d.button && d.position != dropDown_.position);
  dropDown_ = d;
  if (resize) refreshSize();
  else invalidate();
}

void TAdvCustomGlowButton::setMaxButtonSizeState(glow::TButtonSizeState v) {
  const glow::TButtonSizeState before = sizeStates_.current;
  if (glow::setMaxSizeState(sizeStates_, v)) applySizeState(before);
}

void TAdvCustomGlowButton::setMinButtonSizeState(glow::TButtonSizeState v) {
  const glow::TButtonSizeState before = sizeStates_.current;
  if (glow::setMinSizeState(sizeStates_, v)) applySizeState(before);
}

void TAdvCustomGlowButton::applySizeState(glow::TButtonSizeState before) {
  if (before == glow::TButtonSizeState::bsLarge) {
    largeLayout_ = layout_;
    largeDropDownPosition_ = dropDown_.position;
  }
  if (!autoSize_) return;
  if (sizeStates_.current == glow::TButtonSizeState::bsLarge) {
    layout_ = largeLayout_;
    dropDown_.position = largeDropDownPosition_;
  } else {
    layout_ = TButtonLayout::blGlyphLeft;
    dropDown_.position = glow::TDropDownPosition::dpRight;
  }
  refreshSize();
  repaint();
}

void TAdvCustomGlowButton::captionChanged() {
  fw::Control::captionChanged();
  if (autoSize_) refreshSize();
}

// ---- groups

void TAdvCustomGlowButton::broadcastPressed() {
  if (group_.groupIndex == 0 || !parent()) return;
  for (auto& sibling : parent()->controls())
    if (auto* b = dynamic_cast<TAdvCustomGlowButton*>(sibling.get())) b->buttonPressed(group_.groupIndex, *this);
}

void TAdvCustomGlowButton::buttonPressed(int groupIndex, const TAdvCustomGlowButton& sender) {
  if (&sender == this) return;
  apply(glow::buttonPressed(state_, group_, groupIndex, sender.state_.down));
}

// ---- click, keys, focus

void TAdvCustomGlowButton::click() {
  if (fw::Form* f = form()) f->setModalResult(static_cast<fw::ModalResult>(modalResult_));
  fire("OnClick");
}

bool TAdvCustomGlowButton::modifiersHeld() const {
  return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

bool TAdvCustomGlowButton::dialogKey(WPARAM key) {
  const bool wanted = (key == VK_RETURN && state_.activeDefault) || (key == VK_ESCAPE && cancel_);
  if (!wanted || modifiersHeld() || !canFocus()) return false;
  if (glow::dropDownOnly(dropDown_, group_)) {
    showDropDown();
  } else {
    if (group_.style == TAdvButtonStyle::bsCheck) {
      apply(glow::setDown(state_, group_, !state_.down, false));
      state_.buttonState = ButtonState::StateDown;
      repaint();
    }
    click();
  }
  if (group_.groupIndex == 0) {
    state_.buttonState = ButtonState::StateUp;
    invalidate();
  }
  return true;
}

bool TAdvCustomGlowButton::dialogChar(wchar_t ch) {
  if (GetKeyState(VK_MENU) >= 0 || !glow::isAccelerator(ch, caption()) || !canFocus()) return false;
  if (dropDown_.button) showDropDown();
  else click();
  return true;
}

void TAdvCustomGlowButton::focusMoved(fw::Control& focused) {
  state_.activeDefault =
      glow::activeDefaultAfterFocus(dynamic_cast<TAdvCustomGlowButton*>(&focused) != nullptr, &focused == this,
                                    default_);
}

void TAdvCustomGlowButton::showDropDown() {
  // The framework has no pop-up menus: the event alone.
  fire("OnDropDown");
}

// ---- pointer

bool TAdvCustomGlowButton::overThis(POINT client) const {
  POINT screen = client;
  ClientToScreen(handle(), &screen);
  return WindowFromPoint(screen) == handle();
}

bool TAdvCustomGlowButton::cursorOverThis() const {
  POINT screen;
  GetCursorPos(&screen);
  return WindowFromPoint(screen) == handle();
}

void TAdvCustomGlowButton::mouseEnter() {
  fire("OnMouseEnter");
  apply(glow::enter(state_));
}

void TAdvCustomGlowButton::mouseLeave() {
  fire("OnMouseLeave");
  apply(glow::leave(state_));
}

// The pointer's coming and going, also while the button holds the mouse.
void TAdvCustomGlowButton::followPointer(POINT client) {
  RECT r = clientRect();
  const bool over = PtInRect(&r, client) && overThis(client);
  if (over && !state_.mouseInControl) {
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, handle(), 0};
    TrackMouseEvent(&t);
    mouseEnter();
  } else if (!over && state_.mouseInControl) {
    mouseLeave();
  }
}

void TAdvCustomGlowButton::leftDown(POINT p) {
  state_.clickPending = true;
  SetCapture(handle());
  if (repeatClick_) SetTimer(handle(), kRepeatTimer, UINT(initRepeatPause_), nullptr);
  RECT r = clientRect();
  pressOnDropDown_ = glow::pressOnDropDown(dropDown_, group_, p.x, p.y, r.right, r.bottom);
  apply(glow::pressStart(state_, group_, pressOnDropDown_));
  if (tabStop() && GetFocus() != handle()) focus();
  if (!pressOnDropDown_) return;
  state_.pressed = !dropDown_.split;
  state_.menuShown = true;
  showDropDown();
  state_.menuShown = false;
  if (!cursorOverThis()) state_.mouseInControl = state_.hotLook = state_.dropDownHot = false;
}

void TAdvCustomGlowButton::mouseMove(POINT p) {
  RECT r = clientRect();
  const bool arrowHot = glow::overDropDownArrow(dropDown_, p.x, p.y, r.right, r.bottom);
  if (arrowHot != state_.dropDownHot) {
    state_.dropDownHot = arrowHot;
    invalidate();
  }
  if (state_.tracking) {
    const ButtonState shown =
        glow::trackedState(state_, group_, glow::insideForPress(p.x, p.y, r.right, r.bottom));
    if (shown != state_.buttonState) {
      state_.buttonState = shown;
      invalidate();
    }
  } else if (!state_.hoverTracking) {
    apply(glow::updateTracking(state_, overThis(p)));
  }
}

void TAdvCustomGlowButton::leftUp(POINT p) {
  RECT r = clientRect();
  const bool wasTracking = state_.tracking && !pressOnDropDown_;
  if (pressOnDropDown_) state_.tracking = false;
  apply(glow::release(state_, group_, glow::insideForPress(p.x, p.y, r.right, r.bottom)));
  if (wasTracking && enabled()) apply(glow::updateTracking(state_, overThis(p)));
  const bool clicked = state_.clickPending;
  state_.clickPending = false;
  // The framework's button-up: the mouse is let go, then the click when the
  // release is on the button.
  if (GetCapture() == handle()) ReleaseCapture();
  KillTimer(handle(), kRepeatTimer);
  if (clicked && !pressOnDropDown_ && PtInRect(&r, p)) click();
  if (group_.style == TAdvButtonStyle::bsCheck || group_.groupIndex > 0) repaint();
  invalidate();
}

void TAdvCustomGlowButton::repeatTick() {
  SetTimer(handle(), kRepeatTimer, UINT(repeatPause_), nullptr);
  if (!state_.pressed || GetCapture() != handle()) return;
  try {
    click();
  } catch (...) {
    KillTimer(handle(), kRepeatTimer);
    throw;
  }
}

LRESULT TAdvCustomGlowButton::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  const POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
  switch (msg) {
    case WM_MOUSEMOVE:
      followPointer(p);
      mouseMove(p);
      return 0;
    case WM_MOUSELEAVE:
      // While the button holds the mouse, its moves tell where it is.
      if (GetCapture() != handle() && state_.mouseInControl) mouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
      leftDown(p);
      return 0;
    case WM_LBUTTONUP:
      leftUp(p);
      return 0;
    case WM_TIMER:
      if (wp == kFadeTimer) apply(glow::fadeTick(state_));
      else if (wp == kRepeatTimer) repeatTick();
      return 0;
    case WM_KEYDOWN:
      if (isPressKey(wp)) apply(glow::keyDown(state_));
      else if (wp == VK_F4 && dropDown_.button) showDropDown();
      return 0;
    case WM_CHAR:
      if (wp == L' ' || wp == L'\r') {
        if (fw::Form* f = form()) f->setModalResult(static_cast<fw::ModalResult>(modalResult_));
        fire("OnClick");
      }
      return 0;
    case WM_KEYUP:
      if (isPressKey(wp)) apply(glow::keyUp(state_, group_));
      return 0;
    case WM_SETFOCUS:
      state_.focused = true;
      fire("OnEnter");
      invalidate();
      return 0;
    case WM_KILLFOCUS:
      state_.focused = false;
      if (group_.groupIndex == 0) {
        state_.pressed = false;
        state_.buttonState = ButtonState::StateUp;
      }
      fire("OnExit");
      invalidate();
      return 0;
    case WM_ENABLE:
      invalidate();
      return 0;
    case BM_CLICK:  // what assistive technology sends to press a button
      click();
      return 0;
    case BM_GETSTATE:  // and how it reads the state, as of a system button
      return (state_.buttonState == ButtonState::StateDown ? BST_PUSHED : 0) |
             (state_.down ? BST_CHECKED : 0) | (state_.focused ? BST_FOCUS : 0) |
             (state_.mouseInControl ? BST_HOT : 0);
  }
  return fw::Control::handleMessage(msg, wp, lp);
}

long TAdvCustomGlowButton::accessibleRole() const { return ROLE_SYSTEM_PUSHBUTTON; }

GlowPaintState TAdvCustomGlowButton::lookState() const {
  return {state_, group_, enabled(), showDisabled_, transparent_, focusType_};
}

GlowButtonPaint TAdvCustomGlowButton::paintInputs() {
  GlowButtonPaint p;
  p.state = lookState();
  p.appearance = appearance_.values();
  if (showCaption_ && !(autoSize_ && sizeStates_.current == glow::TButtonSizeState::bsGlyph)) p.caption = caption();
  p.notes = notes_;
  p.font = font();
  p.notesFont = notesFont_;
  if (fw::Form* f = form(); f && f->handle())
    p.hidePrefix = (SendMessageW(f->handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) != 0;
  p.picture = &picture_;
  p.hotPicture = &hotPicture_;
  p.disabledPicture = &disabledPicture_;
  p.smallPicture = autoSize_ && sizeStates_.current != glow::TButtonSizeState::bsLarge;
  p.layout = layout_;
  p.position = position_;
  p.antiAlias = antiAlias_;
  p.trimming = trimming_;
  p.wordWrap = wordWrap_;
  p.rounded = rounded_;
  p.dpi = dpi();
  p.borderSingle = borderStyle_ == fw::BorderStyle::Single;
  p.marginHorz = marginHorz_;
  p.marginVert = marginVert_;
  p.spacing = spacing_;
  p.cache = &paintCache_;
  if (parent() && parent()->handle())
    p.paintParent = [this](HDC dc, std::span<const RECT> areas) { paintParentBackground(dc, areas); };
  if (OnDrawButton)
    p.onDrawButton = [this](HDC dc, const RECT& r, TGlowButtonState s) { OnDrawButton(*this, dc, r, s); };
  return p;
}

void TAdvCustomGlowButton::paint(HDC dc, const RECT& client) {
  if (painting_) return;
  painting_ = true;
  try {
    // Painting settles the state: disabled shows StateDisabled and ends a
    // tracked press; enabled again comes back up (or down in its group).
    state_.buttonState = normalisedState(lookState());
    if (!enabled()) state_.tracking = false;
    DrawGlowButton(dc, client, paintInputs());
  } catch (...) {
    painting_ = false;
    throw;
  }
  painting_ = false;
}

}  // namespace ctl
