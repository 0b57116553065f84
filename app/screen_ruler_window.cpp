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

ScreenRulerWindow::~ScreenRulerWindow() = default;

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

void ScreenRulerWindow::windowCreated() { followComposition(); }

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
    const RECT& work = monitor_.workArea;
    const int width = vertical_ ? pixels(bandWidthMm) : std::min(pixels(lengthMm_), int(work.right - work.left));
    const int height = vertical_ ? std::min(pixels(lengthMm_), int(work.bottom - work.top)) : pixels(bandWidthMm);
    setBounds((work.left + work.right - width) / 2, (work.top + work.bottom - height) / 2, width, height);
    updateTitle();
    createHandle();
  }
  ShowWindow(handle(), SW_SHOW);
  SetForegroundWindow(handle());
  SetFocus(handle());
}

void ScreenRulerWindow::followMonitor(bool again) {
  const HMONITOR monitor = MonitorFromWindow(handle() ? handle() : owner_, MONITOR_DEFAULTTONEAREST);
  if (handle() && monitor == monitorHandle_ && !again) return;
  monitorHandle_ = monitor;
  fw::MonitorIdentity now = fw::identifyMonitor(monitor);
  const ruler::ScreenPitch before = pitch_;
  if (const std::optional<double> stored = host_.storedPitch(monitorKey(now))) {
    pitch_ = {*stored, true};
  } else if (const std::optional<ruler::SizeMm> size = ruler::edidImageSize(now.edid)) {
    pitch_ = {ruler::pitchOfSize(now.width, now.height, *size), true};
  } else {
    pitch_ = ruler::uncalibratedPitch;
  }
  dpi_ = fw::monitorDpiAt({(now.workArea.left + now.workArea.right) / 2, (now.workArea.top + now.workArea.bottom) / 2});
  monitor_ = std::move(now);
  if (!handle()) return;
  if (pitch_.pixelsPerMm != before.pixelsPerMm) resizeTo(pixels(lengthMm_));
  updateTitle();
  invalidate();
}

void ScreenRulerWindow::resizeTo(int lengthPixels) {
  const RECT& work = monitor_.workArea;
  const int room = vertical_ ? work.bottom - work.top : work.right - work.left;
  const int length = std::clamp(lengthPixels, std::min(pixels(shortestMm), room), room);
  lengthMm_ = length / pitch_.pixelsPerMm;
  if (vertical_)
    setBounds(left(), top(), pixels(bandWidthMm), length);
  else
    setBounds(left(), top(), length, pixels(bandWidthMm));
}

void ScreenRulerWindow::place(int x, int y) { setBounds(x, y, width(), height()); }

int ScreenRulerWindow::alongOf(POINT client) const { return vertical_ ? client.y : client.x; }

void ScreenRulerWindow::showReading(std::optional<int> along) {
  readAt_ = along;
  if (along) {
    const int fromZero = *along - pixels(zeroMm);
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
  // The reading at the same point, at the new scale.
  if (lastAt_) {
    const std::optional<int> shown = readAt_;
    showReading(lastAt_);
    readAt_ = shown;
  }
  updateTitle();
  invalidate();
}

void ScreenRulerWindow::setOnDimension() {
  const int fromZero = lastAt_.value_or(pixels(zeroMm)) - pixels(zeroMm);
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
  setBounds(left(), top(), height(), width());
  resizeTo(pixels(lengthMm_));
  // Turned about its corner, it stays on the monitor's work area.
  const RECT& work = monitor_.workArea;
  place(std::clamp<int>(left(), work.left, work.right - width()),
        std::clamp<int>(top(), work.top, work.bottom - height()));
  readAt_.reset();
  invalidate();
}

void ScreenRulerWindow::hide() { ShowWindow(handle(), SW_HIDE); }

void ScreenRulerWindow::drag(POINT screen) {
  const int dx = screen.x - dragFrom_.x, dy = screen.y - dragFrom_.y;
  if (drag_ == Drag::Band) {
    place(rectFrom_.left + dx, rectFrom_.top + dy);
  } else {
    const int from = vertical_ ? rectFrom_.bottom - rectFrom_.top : rectFrom_.right - rectFrom_.left;
    resizeTo(from + (vertical_ ? dy : dx));
  }
}
