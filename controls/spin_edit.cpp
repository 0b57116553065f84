#include "controls/spin_edit.h"

#include <optional>
#include <string>
#include <utility>

#include "framework/ui/beep.h"
#include "framework/ui/application.h"
#include "framework/system/locale_win.h"
#include "framework/graphics/gdi.h"
#include "framework/graphics/scaled_picture.h"
#include "framework/desc/dpi_scaling.h"
#include "framework/text/number_text.h"

namespace ctl {

namespace {

// The glyph drawn for the DPI (the 9-pixel arrow drawn 14 pixels wide for
// 144 dpi) when the program carries one, else the 96-dpi glyph: pixel art
// stretched by 1.5 would come out with uneven steps.
void loadGlyph(fw::Bitmap& glyph, const wchar_t* name, int dpi) {
  glyph.setTransparent(true);
  const auto designed = fw::programResource(name);
  if (!designed || !glyph.loadFromBytes(*designed) || dpi == desc::kDesignDpi) return;
  const auto form = fw::largerForm(*designed, desc::scaleLength(glyph.width(), dpi));
  if (form && !glyph.loadFromBytes(*form)) glyph.loadFromBytes(*designed);
}

RECT toRect(const spin::Box& b) { return {b.left, b.top, b.left + b.width, b.top + b.height}; }

}  // namespace

// ---- the button pair

TSpinButton::TSpinButton(std::function<void()> onUpClick, std::function<void()> onDownClick,
                         std::function<void()> onRelease)
    : onUpClick_(std::move(onUpClick)), onDownClick_(std::move(onDownClick)), onRelease_(std::move(onRelease)) {
  setPart(true);
  fitGlyphsToDpi();
  setBounds(0, 0, 20, 25);
}

void TSpinButton::fitGlyphsToDpi() {
  loadGlyph(up_.glyph, L"SpinUp", dpi());
  loadGlyph(down_.glyph, L"SpinDown", dpi());
}

void TSpinButton::setBounds(int left, int top, int width, int height) {
  spin::ButtonBoxes boxes = spin::fitButtons(width, height, dpi());
  up_.bounds = boxes.up;
  down_.bounds = boxes.down;
  fw::Control::setBounds(left, top, boxes.width, height);
}

TTimerSpeedButton* TSpinButton::buttonAt(POINT p) {
  for (TTimerSpeedButton* b : {&up_, &down_}) {
    RECT r = toRect(b->bounds);
    if (PtInRect(&r, p)) return b;
  }
  return nullptr;
}

void TSpinButton::click(const TTimerSpeedButton& b) {
  const auto& handler = &b == &up_ ? onUpClick_ : onDownClick_;
  if (handler) handler();
}

void TSpinButton::mouseDown(TTimerSpeedButton& b) {
  // The field takes the focus; the pair itself never does.
  if (focusControl_ && GetFocus() != focusControl_ && IsWindowEnabled(focusControl_) &&
      (GetWindowLongW(focusControl_, GWL_STYLE) & WS_TABSTOP))
    SetFocus(focusControl_);
  b.pressed = true;
  tracking_ = &b;
  SetCapture(handle());
  InvalidateRect(handle(), nullptr, FALSE);
  if (b.repeatAllowed) SetTimer(handle(), timerOf(b, up_), spin::kInitialRepeatDelay, nullptr);
}

void TSpinButton::mouseMove(POINT p) {
  if (!tracking_) return;
  RECT r = toRect(tracking_->bounds);
  bool over = PtInRect(&r, p) != FALSE;
  if (over == tracking_->pressed) return;
  tracking_->pressed = over;
  InvalidateRect(handle(), nullptr, FALSE);
}

void TSpinButton::mouseUp(POINT p) {
  if (!tracking_) return;
  TTimerSpeedButton& b = *std::exchange(tracking_, nullptr);
  KillTimer(handle(), timerOf(b, up_));
  // Released inside: x from 0 to width - 1, y from 0 to height.
  bool inside = p.x >= b.bounds.left && p.x < b.bounds.left + b.bounds.width && p.y >= b.bounds.top &&
                p.y <= b.bounds.top + b.bounds.height;
  b.pressed = false;
  if (GetCapture() == handle()) ReleaseCapture();
  InvalidateRect(handle(), nullptr, FALSE);
  if (inside) click(b);
  if (onRelease_) onRelease_();
}

void TSpinButton::repeatTick(UINT_PTR timer) {
  SetTimer(handle(), timer, spin::kRepeatInterval, nullptr);
  TTimerSpeedButton& b = timer == 1 ? up_ : down_;
  if (!b.pressed || GetCapture() != handle()) return;
  try {
    click(b);
  } catch (...) {
    // A repeated click that fails stops the repeats.
    KillTimer(handle(), timer);
    throw;
  }
}

LRESULT TSpinButton::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  POINT p{short(LOWORD(lp)), short(HIWORD(lp))};
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (TTimerSpeedButton* b = buttonAt(p)) mouseDown(*b);
      return 0;
    case WM_MOUSEMOVE:
      mouseMove(p);
      return 0;
    case WM_LBUTTONUP:
      mouseUp(p);
      return 0;
    case WM_CAPTURECHANGED:
      if (tracking_ && reinterpret_cast<HWND>(lp) != handle()) {
        KillTimer(handle(), timerOf(*tracking_, up_));
        std::exchange(tracking_, nullptr)->pressed = false;
        InvalidateRect(handle(), nullptr, FALSE);
      }
      return 0;
    case WM_TIMER:
      repeatTick(wp);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
  }
  return fw::Control::handleMessage(msg, wp, lp);
}

void TSpinButton::paint(HDC dc, const RECT&) {
  paintButton(dc, up_);
  paintButton(dc, down_);
}

void TSpinButton::paintButton(HDC dc, TTimerSpeedButton& b) {
  RECT r = toRect(b.bounds);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &r, b.pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  if (!b.glyph.empty()) {
    const int shift = b.pressed ? 1 : 0;
    b.glyph.drawAt(dc, r.left + (b.bounds.width - b.glyph.width()) / 2 + shift,
                   r.top + (b.bounds.height - b.glyph.height()) / 2 + shift);
  }
  if (b.focusRectShown) {
    RECT f = r;
    InflateRect(&f, -3, -3);
    if (b.pressed) OffsetRect(&f, 1, 1);
    DrawFocusRect(dc, &f);
  }
}

// ---- the field

TSpinEdit::TSpinEdit()
    : pair_(static_cast<TSpinButton*>(
          &add(std::make_unique<TSpinButton>([this] { StepUp(); }, [this] { StepDown(); }, [this] { settled(); })))) {
  setText(L"0");
}

fw::Publication TSpinEdit::publication() {
  using S = TSpinEdit;
  return {"TSpinEdit",
          {
              fw::property<S, bool>("AutoSelect", true, &S::autoSelect, &S::setAutoSelect),
              fw::property<S, bool>("EditorEnabled", true, &S::editorEnabled, &S::setEditorEnabled),
              fw::property<S, int>("Increment", 1, &S::increment, &S::setIncrement),
              fw::property<S, int>("MaxValue", 0, &S::maxValue, &S::setMaxValue),
              fw::property<S, int>("MinValue", 0, &S::minValue, &S::setMinValue),
              fw::property<S, bool>("ReadOnly", false, &S::readOnly, &S::setReadOnly),
              // After the limits, so a stored value is clamped on load.
              fw::property<S, int>("Value", 0, &S::value, &S::setValue, true),
              fw::property<S, bool>("TabStop", true, &S::tabStop, &S::setTabStop),
              fw::event("OnChange"),
          }};
}

void TSpinEdit::setValue(int v) {
  kept_ = spin::clampValue(v, minValue_, maxValue_);
  setText(std::to_wstring(kept_));
}

void TSpinEdit::commitText() {
  if (const std::optional<std::int32_t> typed = fw::parseInteger(text())) {
    setValue(*typed);
  } else {
    fw::beep(0);
    setValue(kept_);
  }
}

void TSpinEdit::setReadOnly(bool v) {
  if (v == readOnly_) return;
  readOnly_ = v;
  if (handle()) SendMessageW(handle(), EM_SETREADONLY, v, 0);
}

bool TSpinEdit::AcceptsChar(wchar_t ch) const {
  return spin::acceptsChar(ch, fw::numberFormat().decimal, editorEnabled_);
}

void TSpinEdit::StepUp() {
  if (readOnly_) fw::beep(0);
  else setValue(value() + increment_);
}

void TSpinEdit::StepDown() {
  if (readOnly_) fw::beep(0);
  else setValue(value() - increment_);
}

fw::Control::WindowSpec TSpinEdit::windowSpec() const {
  WindowSpec window = EditBox::windowSpec();
  window.style |= ES_MULTILINE | WS_CLIPCHILDREN | (readOnly_ ? ES_READONLY : 0);
  return window;
}

void TSpinEdit::windowCreated() {
  // The pair's window comes after the field's, in the field.
  pair_->setFocusControl(handle());
  fitToDpi();
}

void TSpinEdit::dpiChanged() {
  fw::EditBox::dpiChanged();
  fitToDpi();
}

void TSpinEdit::fitToDpi() {
  pair_->fitGlyphsToDpi();
  pair_->setBounds(0, 0, desc::scaleLength(spin::kDesignedPairWidth, dpi()),
                   desc::scaleLength(spin::kDesignedPairHeight, dpi()));
  if (height() < minimumHeight()) setHeight(minimumHeight());
  placePair();
  updateTextArea();
}

int TSpinEdit::minimumHeight() {
  fw::ScreenDC screen;
  TEXTMETRICW screenMetrics{}, fieldMetrics{};
  {
    fw::Selection s(screen.dc(), GetStockObject(DEFAULT_GUI_FONT));
    GetTextMetricsW(screen.dc(), &screenMetrics);
  }
  {
    fw::Selection s(screen.dc(), fontHandle());
    GetTextMetricsW(screen.dc(), &fieldMetrics);
  }
  return spin::minimumHeight(screenMetrics.tmHeight, fieldMetrics.tmHeight, GetSystemMetrics(SM_CYBORDER));
}

void TSpinEdit::placePair() {
  // Controls here always have the three-dimensional look.
  spin::Box b = spin::pairBounds(width(), height(), pair_->width(), true, dpi());
  pair_->setBounds(b.left, b.top, b.width, b.height);
}

void TSpinEdit::updateTextArea() {
  RECT client{};
  GetClientRect(handle(), &client);
  // The margins the edit takes from a large font would cost a digit in so
  // narrow a field, and scroll "-100" out of sight.
  SendMessageW(handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(spin::textMargin(dpi()), 0));
  RECT area{0, 0, spin::textAreaRight(client.right, pair_->width(), dpi()), client.bottom + 1};
  SendMessageW(handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&area));
}

LRESULT TSpinEdit::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_KEYDOWN:
      if (wp == VK_UP) StepUp();
      else if (wp == VK_DOWN) StepDown();
      break;  // the edit still sees the key
    case WM_KEYUP:
      // An arrow key let go after its steps, held or not, as a button is.
      if (wp == VK_UP || wp == VK_DOWN) settled();
      break;
    case WM_CHAR:
      if (!AcceptsChar(wchar_t(wp))) {
        fw::beep(0);
        return 0;
      }
      break;
    case WM_PASTE:
    case WM_CUT:
      if (!editorEnabled_ || readOnly_) return 0;
      break;
    case WM_SETFOCUS: {
      LRESULT r = EditBox::handleMessage(msg, wp, lp);
      if (autoSelect_ && !(GetKeyState(VK_LBUTTON) & 0x8000)) SendMessageW(handle(), EM_SETSEL, 0, -1);
      return r;
    }
    case WM_KILLFOCUS: {
      LRESULT r = EditBox::handleMessage(msg, wp, lp);
      commitText();
      settled();
      return r;
    }
    case WM_PAINT: {
      // The multi-line edit paints its whole client area, the arrows' window
      // included (seen under Wine on every keystroke): they are drawn again
      // over each of its paints.
      LRESULT r = EditBox::handleMessage(msg, wp, lp);
      RedrawWindow(pair_->handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return r;
    }
    case WM_SIZE: {
      LRESULT r = EditBox::handleMessage(msg, wp, lp);
      RECT w{};
      GetWindowRect(handle(), &w);
      if (int lowest = minimumHeight(); w.bottom - w.top < lowest) {
        setHeight(lowest);
      } else {
        placePair();
        updateTextArea();
      }
      return r;
    }
  }
  return EditBox::handleMessage(msg, wp, lp);
}

}  // namespace ctl
