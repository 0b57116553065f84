#include "app/screen_ruler_window.h"

#include <dwmapi.h>

#include <algorithm>

#include "app/screen_calibration_dialog.h"
#include "app/set_ruler_dialog.h"
#include "framework/graphics/gdi.h"
#include "framework/system/locale_win.h"
#include "framework/text/float_format.h"
#include "framework/text/rounding.h"
#include "framework/ui/monitor_dpi.h"

namespace {

// The band, in millimetres of the screen: as long and as wide as a drafting
// ruler; ticks, labelled marks and the labels' top from the graduated edge;
// zero a little in from the start; the far end's grip; the shortest band.
constexpr double bandLengthMm = 300, bandWidthMm = 18, tickMm = 3, markMm = 6, labelTopMm = 7;
constexpr double zeroMm = 5, gripMm = 4, shortestMm = 30;
constexpr int labelPoints = 8;
// Where windows are composed the band lets a little of what lies below show.
constexpr BYTE composedOpacity = 235;
constexpr UINT_PTR mainScaleTimer = 1;
const COLORREF paper = RGB(252, 250, 238), edge = RGB(150, 150, 150), ink = RGB(0, 0, 0), hairline = RGB(200, 0, 0);

enum Command : UINT { cmdSet = 1, cmdMain, cmdCalibrate, cmdVertical, cmdClose };

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

void ScreenRulerWindow::windowCreated() {
  followComposition();
  // The main window's scale changes by its radio items and by the dialog of
  // the other scale: the ruler looks at it five times a second.
  SetTimer(handle(), mainScaleTimer, 200, nullptr);
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

bool ScreenRulerWindow::key(WPARAM vk) {
  const bool control = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  if (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN) {
    const int step = vk == VK_LEFT || vk == VK_UP ? -1 : 1;
    if (control) {
      showReading(readAt_.value_or(lastAt_.value_or(pixels(zeroMm))) + step);
    } else {
      const int by = shift ? 10 * step : step;
      const bool across = vk == VK_LEFT || vk == VK_RIGHT;
      place(left() + (across ? by : 0), top() + (across ? 0 : by));
      followMonitor();
    }
    return true;
  }
  if (control) return false;
  switch (vk) {
    case 'C':
      setOnDimension();
      return true;
    case 'F':
      followMainScale();
      return true;
    case 'E':
      calibrateScreen();
      return true;
    case 'V':
      turn();
      return true;
    case VK_ESCAPE:
      hide();
      return true;
    case VK_APPS:
      contextMenu({-1, -1});
      return true;
  }
  return false;
}

void ScreenRulerWindow::contextMenu(POINT screen) {
  if (screen.x == -1 && screen.y == -1) {
    // From the keyboard: at the reading point, else the middle of the band.
    const int along = readAt_.value_or(vertical_ ? height() / 2 : width() / 2);
    screen = vertical_ ? POINT{width() / 2, along} : POINT{along, height() / 2};
    ClientToScreen(handle(), &screen);
  }
  const HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, cmdSet, L"Caler sur une cote…\tC");
  AppendMenuW(menu, MF_STRING, cmdMain, L"Échelle de la fenêtre principale\tF");
  AppendMenuW(menu, MF_STRING, cmdCalibrate, L"Étalonner l'écran…\tE");
  AppendMenuW(menu, MF_STRING | (vertical_ ? MF_CHECKED : 0u), cmdVertical, L"Verticale\tV");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, cmdClose, L"Fermer\tÉchap");
  const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, handle(), nullptr);
  DestroyMenu(menu);
  switch (chosen) {
    case cmdSet:
      setOnDimension();
      break;
    case cmdMain:
      followMainScale();
      break;
    case cmdCalibrate:
      calibrateScreen();
      break;
    case cmdVertical:
      turn();
      break;
    case cmdClose:
      hide();
      break;
  }
}

LRESULT ScreenRulerWindow::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  const POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  switch (msg) {
    case WM_TIMER:
      if (wp != mainScaleTimer) break;
      if (const std::optional<RulerScale> now = host_.mainScale(); now && !(*now == main_)) {
        main_ = *now;
        if (!set_) scaleChanged();
      }
      return 0;
    case WM_MOUSEMOVE:
      if (drag_ != Drag::None) {
        POINT screen = at;
        ClientToScreen(handle(), &screen);
        drag(screen);
        return 0;
      }
      if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle(), 0};
        tracking_ = TrackMouseEvent(&track);
      }
      showReading(alongOf(at));
      return 0;
    case WM_MOUSELEAVE:
      tracking_ = false;
      readAt_.reset();
      invalidate();
      return 0;
    case WM_LBUTTONDOWN: {
      SetCapture(handle());
      const int length = vertical_ ? height() : width();
      drag_ = alongOf(at) >= length - pixels(gripMm) ? Drag::End : Drag::Band;
      dragFrom_ = at;
      ClientToScreen(handle(), &dragFrom_);
      GetWindowRect(handle(), &rectFrom_);
      return 0;
    }
    case WM_LBUTTONUP:
      ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      if (drag_ != Drag::None) {
        drag_ = Drag::None;
        followMonitor();
      }
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(handle(), &p);
        const int length = vertical_ ? height() : width();
        const bool grip = drag_ == Drag::End || (drag_ == Drag::None && alongOf(p) >= length - pixels(gripMm));
        SetCursor(LoadCursorW(nullptr, grip ? (vertical_ ? IDC_SIZENS : IDC_SIZEWE) : IDC_SIZEALL));
        return TRUE;
      }
      break;
    case WM_CONTEXTMENU:
      // The keyboard's own (Shift+F10, the menu key) are taken as keys.
      if (lp != -1) contextMenu(at);
      return 0;
    case WM_KEYDOWN:
      if (key(wp)) return 0;
      break;
    case WM_SYSKEYDOWN:
      if (wp == VK_F10 && GetKeyState(VK_SHIFT) < 0) {
        contextMenu({-1, -1});
        return 0;
      }
      break;
    case WM_DPICHANGED:
      // The band keeps its size in millimetres; only its texts follow.
      dpi_ = HIWORD(wp);
      invalidate();
      return 0;
    case WM_DWMCOMPOSITIONCHANGED:
      followComposition();
      return 0;
    case WM_DISPLAYCHANGE:
      followMonitor(true);
      return 0;
  }
  return fw::Control::handleMessage(msg, wp, lp);
}

void ScreenRulerWindow::paint(HDC dc, const RECT& client) {
  const fw::Brush background(CreateSolidBrush(paper));
  FillRect(dc, &client, background.get());
  const fw::Brush frame(CreateSolidBrush(edge));
  FrameRect(dc, &client, frame.get());

  fw::FontSpec spec;
  spec.name = L"Segoe UI";
  spec.height = -MulDiv(labelPoints, dpi_, 72);
  const fw::Font font = fw::createFont(spec);
  const fw::Selection useFont(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  const auto extent = [&](const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return size;
  };

  const int length = vertical_ ? client.bottom : client.right;
  const ruler::ScreenBand band{
      length, pixels(zeroMm), [&](const std::wstring& t) { return vertical_ ? int(extent(t).cy) : int(extent(t).cx); }};
  const fw::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ink));
  const fw::Selection usePen(dc, pen.get());
  for (const ruler::ScreenMark& mark :
       ruler::screenGraduation(scale().graduation, pitch_.pixelsPerMm, band, fw::numberFormat().decimal)) {
    const int depth = pixels(mark.labelled ? markMm : tickMm);
    // Lines end one pixel short of their end point: one more makes the depth.
    if (vertical_) {
      MoveToEx(dc, 0, mark.along, nullptr);
      LineTo(dc, depth + 1, mark.along);
    } else {
      MoveToEx(dc, mark.along, 0, nullptr);
      LineTo(dc, mark.along, depth + 1);
    }
    if (mark.label.empty()) continue;
    const SIZE size = extent(mark.label);
    if (vertical_)
      TextOutW(dc, pixels(labelTopMm), mark.along - size.cy / 2, mark.label.c_str(), int(mark.label.size()));
    else
      TextOutW(dc, mark.along - size.cx / 2, pixels(labelTopMm), mark.label.c_str(), int(mark.label.size()));
  }

  // The scale in the band's far corner, the hairline and its reading.
  const std::wstring name = set_ ? scale().name + L" calée" : scale().name;
  const SIZE nameSize = extent(name);
  SetTextColor(dc, edge);
  TextOutW(dc, client.right - nameSize.cx - 4, client.bottom - nameSize.cy - 2, name.c_str(), int(name.size()));
  if (!readAt_) return;
  const fw::GdiObject<HPEN> red(CreatePen(PS_SOLID, 1, hairline));
  const fw::Selection useRed(dc, red.get());
  SetTextColor(dc, hairline);
  const SIZE size = extent(lastReading_);
  if (vertical_) {
    MoveToEx(dc, 0, *readAt_, nullptr);
    LineTo(dc, client.right, *readAt_);
    const int y = *readAt_ + 2 + size.cy <= client.bottom ? *readAt_ + 2 : *readAt_ - 2 - size.cy;
    TextOutW(dc, client.right - size.cx - 4, y, lastReading_.c_str(), int(lastReading_.size()));
  } else {
    MoveToEx(dc, *readAt_, 0, nullptr);
    LineTo(dc, *readAt_, client.bottom);
    const int x = *readAt_ + 4 + size.cx <= client.right ? *readAt_ + 4 : *readAt_ - 4 - size.cx;
    TextOutW(dc, x, client.bottom - size.cy - 2, lastReading_.c_str(), int(lastReading_.size()));
  }
}
