// The ruler on screen's input: the pointer reads and drags, the keys move
// the band and the reading point and give the commands, which its context
// menu offers too.
#include "app/screen_ruler_window.h"

#include <algorithm>

namespace {

enum Command : UINT { cmdSet = 1, cmdMain, cmdCalibrate, cmdVertical, cmdClose };

}  // namespace

bool ScreenRulerWindow::key(WPARAM vk) {
  const bool control = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  if (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN) {
    const int step = vk == VK_LEFT || vk == VK_UP ? -1 : 1;
    if (control) {
      // The reading point stays on the band, where its hairline shows.
      const int length = vertical_ ? height() : width();
      showReading(std::clamp(readAt_.value_or(lastAt_.value_or(layout_.zero)) + step, 0, length - 1));
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
      // The band keeps its size in millimetres, as far as its texts, which
      // follow the display scale, leave it.
      dpi_ = HIWORD(wp);
      fit(left(), top());
      return 0;
    case WM_DWMCOMPOSITIONCHANGED:
      followComposition();
      return 0;
    case WM_ACTIVATEAPP:
      if (!wp) PostMessageW(handle(), raiseMessage, 0, 0);
      return 0;
    case raiseMessage:
      raise();
      return 0;
    case WM_DISPLAYCHANGE:
      followMonitor(true);
      return 0;
    case WM_SETTINGCHANGE:
      // The taskbar moved or grew: the work area changed.
      if (wp == SPI_SETWORKAREA) followMonitor(true);
      break;
  }
  return fw::Control::handleMessage(msg, wp, lp);
}
