// A Windows test's window made from its description, and keys typed into
// it: the machinery the control tests share.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

#include "framework/ui/form.h"

namespace testwindow {

// The classes the description names registered, the window made, shown and
// brought to the front.
inline void show(fw::Form& form, std::string_view description, std::initializer_list<const fw::ClassInfo*> classes) {
  for (const fw::ClassInfo* c : classes) fw::Registry::instance().add(*c);
  form.create(description);
  form.show();
  SetForegroundWindow(form.handle());
}

// A key pressed and released, posted as the keyboard would.
inline void keystroke(HWND target, WPARAM vk) {
  PostMessageW(target, WM_KEYDOWN, vk, 1);
  PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
}

}  // namespace testwindow
