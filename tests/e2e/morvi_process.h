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

// The path of Morvi.exe as Windows sees it.
std::wstring morviExe();
// The Windows path of a file that the test's environment names by its Linux path.
std::wstring pathFromEnvironment(const char* variable);

// Where the program finds its printer: the test set-up's, or none at all
// (CUPS out of reach). Without CUPS Wine forgets its printers, so a test
// without one runs alone, in a Wine prefix of its own (ctest's
// e2e-noprinter), and its own process must not have loaded winspool.
enum class Printers { Installed, None };

class MorviProcess {
 public:
  // Starts the program (by default the one under test) and waits for its
  // window. Error boxes shown before the window are answered with OK and
  // their texts kept; with a printer installed, one of them is a failure.
  explicit MorviProcess(Printers printers = Printers::Installed, const std::wstring& exe = morviExe());
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
  const std::vector<std::wstring>& startErrors() const { return startErrors_; }

  std::vector<Child> children(HWND parent) const;
  // The child of `parent` whose top-left corner is where the window's 96-dpi
  // design puts (left, top), scaled to the screen's DPI.
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
  void leftButton(bool down) const;
  void key(WORD vk, bool down) const;  // one key event, held or let go
  // Waits until the program has handled what was sent.
  void settle() const;

  double calibrationCoef() const;

 private:
  void startWithoutPrinter();
  void awaitWindow();

  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
  std::vector<std::wstring> startErrors_;
};

// A visible top-level window of a process with the given caption, waited for
// a few seconds; null when it does not come.
HWND waitForTopLevel(DWORD processId, const std::wstring& caption);

// What a window of the program shows: asked of the window itself, since
// another process's GetWindowText sees only the text an edit was created with.
std::wstring textOf(HWND w);
// The texts of a dialog's children, one a line.
std::wstring dialogText(HWND dialog);
// Pumps this thread's messages and sleeps, for at most `ms`.
void pause(DWORD ms);
// Waits, bounded, until a dialog has closed.
void waitUntilClosed(HWND dialog);
// Answers a message box with OK; gives its texts, one a line.
std::wstring answerBox(HWND box);

// The repository's folder, on the Unix side, ending with "/".
std::string repoRoot();

// Starts a shell command line on the Unix side: Wine starts Unix programs
// too, but gives no handle to wait on or to read an exit code from.
bool startUnix(const std::string& commandLine);

}  // namespace e2e
