#include "framework/ui/scrolling_pane.h"

#include <algorithm>

#include "framework/ui/window_state.h"

namespace fw {
namespace {

constexpr wchar_t paneClass[] = L"MorviScrollingPane";

struct Pane {
  int lineHeight, count, shown, first, firstId;
};

// Each choice at its line, the first shown at the pane's top.
void placeLines(HWND pane, const Pane& p) {
  for (HWND c = GetWindow(pane, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const int line = GetDlgCtrlID(c) - p.firstId;
    SetWindowPos(c, nullptr, 0, (line - p.first) * p.lineHeight, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SCROLLINFO bar{sizeof bar, SIF_RANGE | SIF_PAGE | SIF_POS, 0, p.count - 1, UINT(p.shown), p.first, 0};
  SetScrollInfo(pane, SB_VERT, &bar, TRUE);
}

void scrollTo(HWND pane, Pane& p, int first) {
  first = std::clamp(first, 0, p.count - p.shown);
  if (first == p.first) return;
  p.first = first;
  placeLines(pane, p);
  InvalidateRect(pane, nullptr, TRUE);
}

int firstAfter(HWND pane, const Pane& p, WORD request) {
  switch (request) {
    case SB_LINEUP: return p.first - 1;
    case SB_LINEDOWN: return p.first + 1;
    case SB_PAGEUP: return p.first - p.shown;
    case SB_PAGEDOWN: return p.first + p.shown;
    case SB_TOP: return 0;
    case SB_BOTTOM: return p.count;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO bar{sizeof bar, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(pane, SB_VERT, &bar);
      return bar.nTrackPos;
    }
    default: return p.first;
  }
}

LRESULT CALLBACK paneProc(HWND pane, UINT message, WPARAM wParam, LPARAM lParam) {
  Pane* p = windowState<Pane>(pane, message, lParam);
  if (!p) return DefWindowProcW(pane, message, wParam, lParam);
  switch (message) {
    case WM_CREATE: placeLines(pane, *p); return 0;
    case WM_VSCROLL: scrollTo(pane, *p, firstAfter(pane, *p, LOWORD(wParam))); return 0;
    // The wheel turns the focused choice's window, which hands it to its parent.
    case WM_MOUSEWHEEL: scrollTo(pane, *p, p->first - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA); return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_SETFOCUS) {
        const int line = LOWORD(wParam) - p->firstId;
        scrollTo(pane, *p, std::clamp(p->first, line - p->shown + 1, line));
      }
      // The dialog hears of its choices as if they were its own children.
      return SendMessageW(GetParent(pane), message, wParam, lParam);
    case WM_NCDESTROY:
      SetWindowLongPtrW(pane, GWLP_USERDATA, 0);
      delete p;
      break;
  }
  return DefWindowProcW(pane, message, wParam, lParam);
}

void registerPaneClass() {
  static const bool registered = [] {
    const WNDCLASSEXW pane{sizeof pane, 0, paneProc, 0, 0, GetModuleHandleW(nullptr), nullptr,
                           LoadCursorW(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr,
                           paneClass, nullptr};
    return RegisterClassExW(&pane) != 0;
  }();
  (void)registered;
}

}  // namespace

HWND addScrollingPane(HWND dialog, POINT at, int width, int lineHeight, int count, ShownLines shown, int firstId) {
  registerPaneClass();
  // The dialog manager takes Tab and the arrows into the pane's children.
  return CreateWindowExW(WS_EX_CONTROLPARENT, paneClass, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL, at.x, at.y,
                         width + GetSystemMetrics(SM_CXVSCROLL), shown.count * lineHeight, dialog, nullptr,
                         GetModuleHandleW(nullptr), new Pane{lineHeight, count, shown.count, shown.first, firstId});
}

}  // namespace fw
