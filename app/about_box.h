// "À propos de Morvi…" in the main window's system menu, and the box it opens:
// the program's name, its version and the maker's site as a link.
#pragma once

#include <windows.h>

namespace about {

// The item's system command: below the system's own (0xF000 and up), low
// four bits clear as the system menu wants.
inline constexpr UINT kCommand = 0x0A10;
inline constexpr wchar_t kCaption[] = L"À propos de Morvi";

void addToSystemMenu(HWND window);
// Shows the box, over `window`, when the system command is the item's; true
// when it was.
bool onSystemCommand(HWND window, WPARAM command);

}  // namespace about
