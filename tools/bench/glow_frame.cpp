// Part of `make bench`: what one frame of the glow buttons' fade costs. The
// main window is built from its description (without its start and end
// handlers, so that no settings file is read or written), the pointer comes
// over the print button and leaves it again, and after each tick of the fade
// timer the button is painted at once, the way a frame reaches the screen.
// Prints the median frame against the fade interval.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/main_window.h"
#include "gdip/session.h"

namespace {

class BenchWindow : public TFormmorvi {
 protected:
  std::vector<HandlerEntry> handlerTable() const override {
    std::vector<HandlerEntry> table = TFormmorvi::handlerTable();
    for (HandlerEntry& e : table)
      if (std::string(e.name) == "FormCreate" || std::string(e.name) == "FormDestroy") e.call = [](fw::Form&, fw::Control&) {};
    return table;
  }
};

double nowMs() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) * 1000.0 / double(f.QuadPart);
}

// The pointer to a point of the button (client coordinates).
void pointerAt(HWND button, int x, int y) {
  POINT screen{x, y};
  ClientToScreen(button, &screen);
  SetCursorPos(screen.x, screen.y);
  PostMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

// Runs the messages until the fade has ended, timing a paint after each tick.
void fade(ctl::TAdvGlowButton& button, std::vector<double>& frames) {
  const DWORD end = GetTickCount() + 2000;
  MSG msg;
  do {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&msg);
      if (msg.message == WM_TIMER && msg.hwnd == button.handle() && button.state().fadeTimer) {
        const double start = nowMs();
        RedrawWindow(button.handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        frames.push_back(nowMs() - start);
      }
    }
    Sleep(1);
  } while (button.state().fadeTimer && GetTickCount() < end);
}

}  // namespace

int wmain() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  gdip::Session gdiplus;
  TFormmorvi::registerClasses();
  BenchWindow window;
  window.createFromResource(L"FORMMORVI");
  window.show();
  ctl::TAdvGlowButton& button = *window.BtImprimer;
  std::vector<double> frames;
  for (int round = 0; round < 20; ++round) {
    pointerAt(button.handle(), button.width() / 2, button.height() / 2);
    fade(button, frames);
    pointerAt(button.handle(), button.width() / 2, button.height() + 20);
    fade(button, frames);
  }
  if (frames.empty()) {
    std::printf("fade frame of the print button: no frame was painted\n");
    return 1;
  }
  std::sort(frames.begin(), frames.end());
  const double median = frames[frames.size() / 2];
  std::printf("%-34s %10.2f ms, %.1f %% of the %d ms fade interval (median of %zu frames)\n",
              "fade frame of the print button", median, 100 * median / ctl::glow::FadeInterval,
              ctl::glow::FadeInterval, frames.size());
  return 0;
}
