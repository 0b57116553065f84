#include "morvi_process.h"

#include "tests/support/window_search.h"

#include <bit>
#include <cstdlib>
#include <stdexcept>

namespace e2e {

std::wstring morviExe() {
  const char* unixPath = std::getenv("MORVI_EXE");
  if (!unixPath) throw std::runtime_error("MORVI_EXE is not set");
  std::wstring path = L"Z:";
  for (const char* p = unixPath; *p; ++p) path += *p == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(*p));
  return path;
}

void pause(DWORD ms) {
  DWORD end = GetTickCount() + ms;
  while (GetTickCount() < end) {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    Sleep(10);
  }
}

HWND waitForTopLevel(DWORD processId, const std::wstring& caption) {
  for (int i = 0; i < 200; ++i) {
    if (const HWND w = automation::topLevelOf(processId, caption)) return w;
    pause(50);
  }
  return nullptr;
}

std::wstring textOf(HWND w) {
  wchar_t t[512]{};
  SendMessageW(w, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(t));
  return t;
}

std::wstring dialogText(HWND dialog) {
  std::wstring all;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) all += textOf(c) + L'\n';
  return all;
}

MorviProcess::MorviProcess() {
  std::wstring exe = morviExe();
  std::wstring cmd = L"\"" + exe + L"\"";
  STARTUPINFOW si{sizeof si};
  if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_))
    throw std::runtime_error("cannot start Morvi.exe");
  WaitForInputIdle(info_.hProcess, 10000);
  window_ = waitForTopLevel(info_.dwProcessId, kCaption);
  if (!window_) {
    kill();
    throw std::runtime_error("Morvi's window did not appear");
  }
  settle();
}

MorviProcess::~MorviProcess() {
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT && !close()) kill();
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool MorviProcess::close(DWORD timeoutMs) {
  PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void MorviProcess::kill() {
  TerminateProcess(info_.hProcess, 9);
  WaitForSingleObject(info_.hProcess, 5000);
}

DWORD MorviProcess::exitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::vector<Child> MorviProcess::children(HWND parent) const {
  std::vector<Child> out;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t cls[64] = {}, text[256] = {};
    GetClassNameW(c, cls, 64);
    GetWindowTextW(c, text, 256);
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    out.push_back({c, cls, text, r});
  }
  return out;
}

HWND MorviProcess::childAt(HWND parent, int left, int top) const {
  for (const Child& c : children(parent))
    if (c.rect.left == left && c.rect.top == top) return c.hwnd;
  return nullptr;
}

HWND MorviProcess::childWithText(HWND parent, const std::wstring& text) const {
  for (const Child& c : children(parent))
    if (c.text == text) return c.hwnd;
  return nullptr;
}

HWND MorviProcess::focus() const {
  GUITHREADINFO gi{sizeof gi};
  GetGUIThreadInfo(threadId(), &gi);
  return gi.hwndFocus;
}

void MorviProcess::settle() const {
  DWORD_PTR result;
  // Answered once the program's thread has emptied its queue up to here.
  SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
  pause(50);
  SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
}

void MorviProcess::press(WORD vk, WORD modifier) const {
  std::vector<INPUT> in;
  auto key = [&](WORD k, bool up) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = k;
    i.ki.wScan = WORD(MapVirtualKeyW(k, MAPVK_VK_TO_VSC));
    i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    in.push_back(i);
  };
  if (modifier) key(modifier, false);
  key(vk, false);
  key(vk, true);
  if (modifier) key(modifier, true);
  SendInput(UINT(in.size()), in.data(), sizeof(INPUT));
  settle();
}

void MorviProcess::type(const std::wstring& text) const {
  for (wchar_t ch : text) {
    INPUT in[2]{};
    for (int i = 0; i < 2; ++i) {
      in[i].type = INPUT_KEYBOARD;
      in[i].ki.wScan = ch;
      in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, in, sizeof(INPUT));
  }
  settle();
}

void MorviProcess::hover(HWND target) const {
  RECT r;
  GetWindowRect(target, &r);
  int sx = GetSystemMetrics(SM_CXSCREEN) - 1, sy = GetSystemMetrics(SM_CYSCREEN) - 1;
  int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = x * 65535 / sx;
  in.mi.dy = y * 65535 / sy;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof(INPUT));
  settle();
}

void MorviProcess::click(HWND target) const {
  hover(target);
  INPUT in[2]{};
  for (INPUT& i : in) i.type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof(INPUT));
  settle();
}

double MorviProcess::calibrationCoef() const {
  static const UINT ask = RegisterWindowMessageW(L"Morvi.CalibrationCoef");
  DWORD_PTR bits = 0;
  SendMessageTimeoutW(window_, ask, 0, 0, SMTO_NORMAL, 5000, &bits);
  return std::bit_cast<double>(static_cast<LRESULT>(bits));
}

}  // namespace e2e
