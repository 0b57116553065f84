#include "app/single_instance.h"

#include <commctrl.h>

namespace {

// Per session: another user's Morvi has settings of its own.
constexpr wchar_t kMutexName[] = L"Local\\Morvi.Plandrel";
constexpr wchar_t kMainWindowProp[] = L"Morvi.MainWindow";
// Long enough for a copy to open its window or to finish writing its
// settings; past it this start runs anyway rather than leave the user with nothing.
constexpr DWORD kPatienceMs = 15000, kStepMs = 100;

// The running copy's main window, while it is shown.
HWND runningWindow() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND w, LPARAM out) -> BOOL {
        if (!GetPropW(w, kMainWindowProp) || !IsWindowVisible(w)) return TRUE;
        *reinterpret_cast<HWND*>(out) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// A window must leave no property behind it: the mark goes with the window.
LRESULT CALLBACK unmarkOnDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    RemovePropW(window, kMainWindowProp);
    RemoveWindowSubclass(window, unmarkOnDestroy, 1);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void bringForward(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  // A modal dialog of that window is what its user must answer first.
  SetForegroundWindow(GetLastActivePopup(window));
}

}  // namespace

SingleInstance::SingleInstance() : mutex_(CreateMutexW(nullptr, FALSE, kMutexName)) {}

SingleInstance::~SingleInstance() {
  if (owned_) ReleaseMutex(mutex_);
  if (mutex_) CloseHandle(mutex_);
}

bool SingleInstance::claim() {
  if (!mutex_) return true;  // without the system's help, each start runs
  for (DWORD waited = 0; waited < kPatienceMs; waited += kStepMs) {
    const DWORD result = WaitForSingleObject(mutex_, waited == 0 ? 0 : kStepMs);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) return owned_ = true;
    if (const HWND window = runningWindow()) {
      bringForward(window);
      return false;
    }
  }
  return true;
}

void SingleInstance::markMainWindow(HWND window) {
  if (SetPropW(window, kMainWindowProp, window)) SetWindowSubclass(window, unmarkOnDestroy, 1, 0);
}
