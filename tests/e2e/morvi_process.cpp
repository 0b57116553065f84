#include "morvi_process.h"

#include "framework/desc/dpi_scaling.h"
#include "tests/support/window_search.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <stdexcept>

namespace e2e {

std::string repoRoot() {
  const std::string source = __FILE__;
  return source.substr(0, source.rfind("tests/e2e/"));
}

std::wstring morviExe() { return pathFromEnvironment("MORVI_EXE"); }

std::wstring pathFromEnvironment(const char* variable) {
  const char* unixPath = std::getenv(variable);
  if (!unixPath) throw std::runtime_error(std::string(variable) + " is not set");
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

void waitUntilClosed(HWND dialog) {
  for (int i = 0; i < 200 && IsWindow(dialog) && IsWindowVisible(dialog); ++i) pause(50);
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

std::wstring answerBox(HWND box) {
  std::wstring text = dialogText(box);
  // As the OK button does, whether or not the box is the active window.
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  waitUntilClosed(box);
  return text;
}

bool startUnix(const std::string& commandLine) {
  std::wstring cmd = L"/bin/sh -c \"";
  for (const char c : commandLine) cmd += static_cast<wchar_t>(static_cast<unsigned char>(c));
  cmd += L"\"";
  STARTUPINFOW si{sizeof si};
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

MorviProcess::MorviProcess(Printers printers, const std::wstring& exe) {
  if (printers == Printers::None) {
    startWithoutPrinter();
  } else {
    std::wstring cmd = L"\"" + exe + L"\"";
    STARTUPINFOW si{sizeof si};
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_))
      throw std::runtime_error("cannot start Morvi.exe");
    WaitForInputIdle(info_.hProcess, 10000);
  }
  awaitWindow();
  if (printers == Printers::Installed && !startErrors_.empty()) {
    kill();
    throw std::runtime_error("Morvi showed an error at start-up");
  }
}

// Started from a Unix shell, so that the program's own libcups sees the
// setting; its process is found by its window, hidden until start-up ends.
void MorviProcess::startWithoutPrinter() {
  if (GetModuleHandleW(L"winspool.drv")) throw std::runtime_error("run alone: --gtest_filter=NoPrinter*");
  const char* exe = std::getenv("MORVI_EXE");
  if (!exe) throw std::runtime_error("MORVI_EXE is not set");
  const auto windows = [] {
    std::vector<HWND> found;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, nullptr, kCaption));) found.push_back(w);
    return found;
  };
  const std::vector<HWND> before = windows();
  if (!startUnix(std::string("CUPS_SERVER=/nonexistent/cups.sock exec wine '") + exe + "'"))
    throw std::runtime_error("cannot start Morvi.exe");
  for (int i = 0; i < 400 && !info_.hProcess; ++i) {
    const std::vector<HWND> now = windows();
    const auto started = std::find_if(now.begin(), now.end(), [&](HWND w) {
      return std::find(before.begin(), before.end(), w) == before.end();
    });
    if (started == now.end()) {
      pause(50);
      continue;
    }
    GetWindowThreadProcessId(*started, &info_.dwProcessId);
    info_.hProcess =
        OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, info_.dwProcessId);
  }
  if (!info_.hProcess) throw std::runtime_error("Morvi did not start");
}

void MorviProcess::awaitWindow() {
  for (const DWORD end = GetTickCount() + 20000; !window_ && GetTickCount() < end;) {
    if (const HWND box = automation::topLevelOf(info_.dwProcessId, L"Morvi")) startErrors_.push_back(answerBox(box));
    window_ = automation::topLevelOf(info_.dwProcessId, kCaption);
    if (!window_) pause(50);
  }
  if (!window_) {
    kill();
    throw std::runtime_error("Morvi's window did not appear");
  }
  settle();
}

MorviProcess::~MorviProcess() {
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT && !close()) kill();
  if (info_.hThread) CloseHandle(info_.hThread);
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
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  for (const Child& c : children(parent))
    if (c.rect.left == desc::scaleLength(left, dpi) && c.rect.top == desc::scaleLength(top, dpi)) return c.hwnd;
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

void MorviProcess::leftButton(bool down) const {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof(INPUT));
  settle();
}

void MorviProcess::click(HWND target) const {
  hover(target);
  leftButton(true);
  leftButton(false);
}

void MorviProcess::key(WORD vk, bool down) const {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &in, sizeof(INPUT));
  settle();
}

double MorviProcess::calibrationCoef() const {
  static const UINT ask = RegisterWindowMessageW(L"Morvi.CalibrationCoef");
  DWORD_PTR bits = 0;
  SendMessageTimeoutW(window_, ask, 0, 0, SMTO_NORMAL, 5000, &bits);
  return std::bit_cast<double>(static_cast<LRESULT>(bits));
}

}  // namespace e2e
