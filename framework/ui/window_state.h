// The object a window of the program's own class was made for, handed to
// CreateWindowEx as its creation parameter and kept from WM_NCCREATE on.
#pragma once

#include <windows.h>

namespace fw {

// Null for the messages that come before WM_NCCREATE.
template <class State>
State* windowState(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace fw
