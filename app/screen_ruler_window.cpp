// The ruler on screen: where it lies, on which monitor and at what pixel
// size, the scale it shows and the commands that change them.
#include "app/screen_ruler_window.h"

#include <dwmapi.h>

#include <algorithm>

#include "app/screen_calibration_dialog.h"
#include "app/set_ruler_dialog.h"
#include "framework/system/locale_win.h"
#include "framework/text/rounding.h"
#include "framework/ui/monitor_dpi.h"

namespace {

// Where windows are composed the band lets a little of what lies below show.
constexpr BYTE composedOpacity = 235;

bool composed() {
  BOOL on = FALSE;
  return SUCCEEDED(DwmIsCompositionEnabled(&on)) && on;
}

// A monitor's pixel size is kept for its resolution too: another mode of
// the same monitor has other pixels.
std::wstring monitorKey(const fw::MonitorIdentity& monitor) {
  return monitor.name + L" " + std::to_wstring(monitor.width) + L"x" + std::to_wstring(monitor.height);
}

// Windows keeps a topmost window above the others by itself. Wine, with no
// window manager to keep the stacking, lets a window of the program that is
// activated or shown, and another program's window, rise over the band on
// the display, while its own order of the windows still has the band first.
// So the band is raised again after each: each activation in the program's
// thread (which a new window's showing brings) and each loss of the
// activation to another program post it a message to do so.
HWND bandOnTop = nullptr;

LRESULT CALLBACK activationSeen(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_ACTIVATE && bandOnTop && reinterpret_cast<HWND>(wp) != bandOnTop)
    PostMessageW(bandOnTop, ScreenRulerWindow::raiseMessage, 0, 0);
  return CallNextHookEx(nullptr, code, wp, lp);
}

RulerScale hundred() {
  const ruler::ScaleEntry& entry = *ruler::scaleAt(5);
  return {entry.graduation, ruler::scaleName(entry)};
}

}  // namespace

ScreenRulerWindow::ScreenRulerWindow(HWND owner, ScreenRulerHost host)
    : owner_(owner), host_(std::move(host)), main_(host_.mainScale().value_or(hundred())) {
  const ScreenRulerChoice choice = host_.storedChoice();
  vertical_ = choice.vertical;
  setScale(choice.setScale);
}

void ScreenRulerWindow::setScale(std::optional<ruler::ScaleDenominator> n) {
  setN_ = n;
  if (n)
    set_ = RulerScale{ruler::graduationOf(*n, L""), ruler::scaleName(*n, fw::numberFormat().decimal)};
  else
    set_.reset();
}

ScreenRulerWindow::~ScreenRulerWindow() {
  if (activationHook_) UnhookWindowsHookEx(activationHook_);
  bandOnTop = nullptr;
}

fw::Control::WindowSpec ScreenRulerWindow::windowSpec() const {
  // No caption, no taskbar button; above every window that is not topmost.
  return {nullptr, WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW};
}

void ScreenRulerWindow::followComposition() {
  // Windows 7 composes or not as the user's theme says, and may change; 8
  // and later always compose.
  const bool translucent = composed();
  const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_EXSTYLE);
  SetWindowLongPtrW(handle(), GWL_EXSTYLE, translucent ? style | WS_EX_LAYERED : style & ~LONG_PTR(WS_EX_LAYERED));
  if (translucent) SetLayeredWindowAttributes(handle(), 0, composedOpacity, LWA_ALPHA);
}

void ScreenRulerWindow::windowCreated() {
  followComposition();
  bandOnTop = handle();
  activationHook_ = SetWindowsHookExW(WH_CBT, activationSeen, nullptr, GetCurrentThreadId());
}

void ScreenRulerWindow::raise() {
  // Its order changed, Wine restacks it on the display: let go of its rank
  // among the topmost windows, which leaves it first, then given it back.
  if (!IsWindowVisible(handle())) return;
  for (const HWND rank : {HWND_NOTOPMOST, HWND_TOPMOST})
    SetWindowPos(handle(), rank, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ScreenRulerWindow::mainScaleChanged() {
  const std::optional<RulerScale> now = host_.mainScale();
  if (!now || *now == main_) return;
  main_ = *now;
  if (handle() && !set_) scaleChanged();
}

int ScreenRulerWindow::pixels(double mm) const { return fw::roundHalfEven(mm * pitch_.pixelsPerMm); }

void ScreenRulerWindow::open() {
  if (!handle()) {
    followMonitor();
    // In the middle of the work area.
    const RECT& work = monitor_.workArea;
    fit(work.left, work.top);
    fit((work.left + work.right - width()) / 2, (work.top + work.bottom - height()) / 2);
    updateTitle();
    createHandle();
  }
  ShowWindow(handle(), SW_SHOW);
  SetForegroundWindow(handle());
  SetFocus(handle());
}

void ScreenRulerWindow::followMonitor(bool again) {
  const HMONITOR monitor = MonitorFromWindow(handle() ? handle() : owner_, MONITOR_DEFAULTTONEAREST);
  if (!handle() || monitor != monitorHandle_ || again) {
    monitorHandle_ = monitor;
    monitor_ = fw::identifyMonitor(monitor);
    if (const std::optional<double> stored = host_.storedPitch(monitorKey(monitor_))) {
      pitch_ = {*stored, true};
    } else if (const std::optional<ruler::SizeMm> size = ruler::edidImageSize(monitor_.edid)) {
      pitch_ = {ruler::pitchOfSize(monitor_.width, monitor_.height, *size), true};
    } else {
      pitch_ = ruler::uncalibratedPitch;
    }
    const RECT& work = monitor_.workArea;
    dpi_ = fw::monitorDpiAt({(work.left + work.right) / 2, (work.top + work.bottom) / 2});
  }
  if (handle()) scaleChanged();  // its pixels may read another length
}

std::wstring ScreenRulerWindow::scaleLabel() const { return set_ ? scale().name + L" calée" : scale().name; }

int ScreenRulerWindow::textGap() const { return MulDiv(ruler::screenLabelGap, dpi_, 96); }

void ScreenRulerWindow::fit(int x, int y) {
  const RECT& area = monitor_.workArea;
  const ruler::PixelRect work{area.left, area.top, area.right, area.bottom};
  const int room = vertical_ ? work.bottom - work.top : work.right - work.left;
  const fw::ScreenDC screen;
  const fw::Font font = labelFont();
  const fw::Selection useFont(screen.dc(), font.get());
  const auto layOut = [&](int length) {
    return ruler::layoutBand(scale().graduation, scaleLabel(), pitch_.pixelsPerMm, length, vertical_,
                             measureIn(screen.dc()), textGap(), fw::numberFormat().decimal);
  };
  int length = std::min(pixels(lengthMm_), room);
  layout_ = layOut(length);
  if (length < layout_.shortest) layout_ = layOut(length = std::min(layout_.shortest, room));
  const ruler::PixelRect band = ruler::bandOnWorkArea(work, x, y, length, layout_.thickness, vertical_);
  setBounds(band.left, band.top, band.right - band.left, band.bottom - band.top);
  invalidate();
}

void ScreenRulerWindow::resizeTo(int lengthPixels) {
  lengthMm_ = std::max(lengthPixels, layout_.shortest) / pitch_.pixelsPerMm;
  fit(left(), top());
}

void ScreenRulerWindow::place(int x, int y) { setBounds(x, y, width(), height()); }

int ScreenRulerWindow::alongOf(POINT client) const { return vertical_ ? client.y : client.x; }

void ScreenRulerWindow::showReading(std::optional<int> along) {
  readAt_ = along;
  if (along) {
    const int fromZero = *along - layout_.zero;
    lastAt_ = *along;
    lastReading_ = ruler::readingText(fromZero, pitch_.pixelsPerMm, scale().graduation.scaleDenominator,
                                      fw::numberFormat().decimal);
  }
  updateTitle();
  invalidate();
}

void ScreenRulerWindow::updateTitle() {
  setCaption(ruler::screenRulerTitle(scale().name, set_.has_value(), lastReading_, pitch_.calibrated));
}

void ScreenRulerWindow::scaleChanged() {
  fit(left(), top());  // its texts may need another thickness
  // The reading at the same point, at the new scale, on the band still.
  if (lastAt_) {
    const std::optional<int> shown = readAt_;
    showReading(std::min(*lastAt_, (vertical_ ? height() : width()) - 1));
    readAt_ = shown;
  }
  updateTitle();
}

void ScreenRulerWindow::setOnDimension() {
  const int fromZero = lastAt_.value_or(layout_.zero) - layout_.zero;
  const double pitch = pitch_.pixelsPerMm;
  // What the ruler reads there, without its unit.
  const std::wstring proposed =
      ruler::readingValue(fromZero, pitch, scale().graduation.scaleDenominator, fw::numberFormat().decimal);
  const std::optional<ruler::ScaleDenominator> set = TFormCalerRegle::run(
      handle(), proposed,
      [=](std::optional<long double> metres) { return ruler::scaleOnDimension(fromZero, metres, pitch); });
  if (!set) return;
  setScale(set);
  host_.keepChoice({setN_, vertical_});
  scaleChanged();
}

void ScreenRulerWindow::followMainScale() {
  setScale(std::nullopt);
  host_.keepChoice({setN_, vertical_});
  main_ = host_.mainScale().value_or(main_);
  scaleChanged();
}

void ScreenRulerWindow::calibrateScreen() {
  const std::optional<double> pitch = TFormEtalonnageEcran::run(handle(), monitor_.workArea, pitch_.pixelsPerMm);
  if (!pitch) return;
  host_.keepPitch(monitorKey(monitor_), *pitch);
  followMonitor(true);
}

void ScreenRulerWindow::turn() {
  vertical_ = !vertical_;
  host_.keepChoice({setN_, vertical_});
  readAt_.reset();
  fit(left(), top());  // about its corner
}

void ScreenRulerWindow::hide() { ShowWindow(handle(), SW_HIDE); }

void ScreenRulerWindow::drag(POINT screen) {
  const int dx = screen.x - dragFrom_.x, dy = screen.y - dragFrom_.y;
  if (drag_ == Drag::Band) {
    place(rectFrom_.left + dx, rectFrom_.top + dy);
  } else {
    // Its far end no further than the work area's.
    const RECT& work = monitor_.workArea;
    const int from = vertical_ ? rectFrom_.bottom - rectFrom_.top : rectFrom_.right - rectFrom_.left;
    const int room = vertical_ ? work.bottom - rectFrom_.top : work.right - rectFrom_.left;
    resizeTo(std::min(from + (vertical_ ? dy : dx), room));
  }
}
