// Finding another process's windows by what they show, for the programs that
// drive Morvi from outside (the end-to-end tests, the benchmark driver).
#pragma once

#include <windows.h>

#include <string>

namespace automation {

// A visible top-level window of the process with the given caption, or null.
inline HWND topLevelOf(DWORD processId, const std::wstring& caption) {
  struct Search {
    DWORD pid;
    const std::wstring& caption;
    HWND found;
  } search{processId, caption, nullptr};
  EnumWindows(
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        wchar_t text[256]{};
        GetWindowTextW(w, text, 256);
        if (pid == s->pid && IsWindowVisible(w) && text == s->caption) {
          s->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The first window below `parent`, at any depth, that shows `text`, or null.
inline HWND descendantWithText(HWND parent, const std::wstring& text) {
  struct Search {
    const std::wstring& text;
    HWND found;
  } search{text, nullptr};
  EnumChildWindows(
      parent,
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        wchar_t t[256]{};
        GetWindowTextW(w, t, 256);
        if (t == s->text) {
          s->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace automation
