// The one bounded message pump of the Windows and end-to-end tests, never a
// blocking loop: it handles what is queued as the program's loop does (a
// form's dialog keys first, then translation and dispatch).
#pragma once

#include <windows.h>

#include <functional>
#include <type_traits>

namespace testpump {

struct NoForm;

// For `ms` milliseconds; `seen` is shown every message before it is handled.
// The form, when there is one, is anything with preTranslate(MSG&).
template <class Form = NoForm>
void pump(DWORD ms, Form* form = nullptr, const std::function<void(const MSG&)>& seen = {}) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (seen) seen(msg);
      if constexpr (!std::is_same_v<Form, NoForm>) {
        if (form && form->preTranslate(msg)) continue;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(1);
  } while (GetTickCount() - start < ms);
}

}  // namespace testpump
