// Finding another process's windows by what they show, for the programs that
// drive Morvi from outside (the end-to-end tests, the benchmark driver).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace automation {

// Every top-level window, or with a parent every window below it at any depth.
inline std::vector<HWND> windowsBelow(HWND parent = nullptr) {
  std::vector<HWND> found;
  const WNDENUMPROC add = [](HWND w, LPARAM list) -> BOOL {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
    return TRUE;
  };
  parent ? EnumChildWindows(parent, add, LPARAM(&found)) : EnumWindows(add, LPARAM(&found));
  return found;
}

inline std::wstring windowText(HWND w) {
  wchar_t text[256]{};
  GetWindowTextW(w, text, 256);
  return text;
}

inline DWORD processOf(HWND w) {
  DWORD id = 0;
  GetWindowThreadProcessId(w, &id);
  return id;
}

// A visible top-level window of the process with the given caption, or null.
inline HWND topLevelOf(DWORD processId, const std::wstring& caption) {
  for (const HWND w : windowsBelow())
    if (processOf(w) == processId && IsWindowVisible(w) && windowText(w) == caption) return w;
  return nullptr;
}

// The first window below `parent`, at any depth, that shows `text`, or null.
inline HWND descendantWithText(HWND parent, const std::wstring& text) {
  for (const HWND w : windowsBelow(parent))
    if (windowText(w) == text) return w;
  return nullptr;
}

}  // namespace automation
