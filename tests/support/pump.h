// A bounded message pump for the Windows tests: never a blocking loop.
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
