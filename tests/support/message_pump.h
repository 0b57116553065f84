// A bounded message pump for the Windows tests, never a blocking loop: it
// handles what is queued as the program's loop does (a form's dialog keys
// first, then translation and dispatch).
#pragma once

#include <windows.h>

#include <functional>

#include "framework/ui/form.h"

namespace testpump {

// For `ms` milliseconds; `seen` is shown every message before it is handled.
inline void pump(DWORD ms, fw::Form* form = nullptr, const std::function<void(const MSG&)>& seen = {}) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (seen) seen(msg);
      if (form && form->preTranslate(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(1);
  } while (GetTickCount() - start < ms);
}

}  // namespace testpump
