// Handling this thread's messages for a bounded time, for the Windows tests
// that drive controls by real messages.
#pragma once

#include <windows.h>

namespace testpump {

// Handles what is queued, for at most `ms`.
inline void pump(DWORD ms) {
  DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(1);
  } while (GetTickCount() - start < ms);
}

}  // namespace testpump
