// Refused input is answered with a system sound, never a message box. Tests
// put a counter here; an empty hook restores MessageBeep.
#pragma once

#include <windows.h>

#include <functional>

namespace fw {

// `type` is MessageBeep's: 0 for the default sound, MB_ICONASTERISK for the
// information sound.
void beep(UINT type);
void setBeepHook(std::function<void(UINT type)> hook);

}  // namespace fw
