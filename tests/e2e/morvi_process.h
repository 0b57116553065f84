// Starts the real Morvi.exe in a process of its own and reaches its main
// window from outside, as a user would: by its caption, its child windows
// and real input.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

inline constexpr wchar_t kCaption[] = L"Impression de Morvi (règle graduée)";

// A child window as the user sees it: class, text, place in its parent.
struct Child {
  HWND hwnd;
  std::wstring className;
  std::wstring text;
  RECT rect;  // relative to the parent's client area
};

class MorviProcess {
 public:
  MorviProcess();  // starts the program and waits for its window
  ~MorviProcess();  // closes the window (or kills the process) and waits
  MorviProcess(const MorviProcess&) = delete;
  MorviProcess& operator=(const MorviProcess&) = delete;

  HWND window() const { return window_; }
  DWORD processId() const { return info_.dwProcessId; }
  DWORD threadId() const { return GetWindowThreadProcessId(window_, nullptr); }
  // Closes the window as the close box does; true when the process ended.
  bool close(DWORD timeoutMs = 10000);
  void kill();
  DWORD exitCode() const;

  std::vector<Child> children(HWND parent) const;
  // The child of `parent` whose top-left corner is at (left, top).
  HWND childAt(HWND parent, int left, int top) const;
  // The child of `parent` showing `text`.
  HWND childWithText(HWND parent, const std::wstring& text) const;
  HWND focus() const;  // the program's keyboard focus

  // Real input through the system's input queue.
  // A key, alone or with a modifier held (VK_SHIFT, VK_CONTROL, VK_MENU).
  void press(WORD vk, WORD modifier = 0) const;
  void type(const std::wstring& text) const;
  void hover(HWND target) const;  // the mouse to the middle of a window
  void click(HWND target) const;  // left click in the middle of a window
  // Waits until the program has handled what was sent.
  void settle() const;

  double calibrationCoef() const;

 private:
  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
};

// A visible top-level window of a process with the given caption, waited for
// a few seconds; null when it does not come.
HWND waitForTopLevel(DWORD processId, const std::wstring& caption);

// What a window of the program shows: asked of the window itself, since
// another process's GetWindowText sees only the text an edit was created with.
std::wstring textOf(HWND w);
// The texts of a dialog's children, one a line.
std::wstring dialogText(HWND dialog);

// The path of Morvi.exe as Windows sees it.
std::wstring morviExe();
// Pumps this thread's messages and sleeps, for at most `ms`.
void pause(DWORD ms);

}  // namespace e2e
