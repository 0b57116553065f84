#include "morvi_process.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "framework/desc/dpi_scaling.h"
#include "tests/support/message_pump.h"
#include "tests/support/window_search.h"
#include "tests/support/written_schema.h"

namespace e2e {
namespace {

// The main window as its description designs it, scaled to the screen's
// DPI; read once a run.
const desc::Object& design() {
  static const desc::Object designed = [] {
    std::ifstream in("Z:" + repoRoot() + "resources/Formmorvi.desc", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const testdesc::WrittenSchema schema(text.str());
    return desc::scaledToDpi(desc::parse(text.str(), schema), schema, screenDpi());
  }();
  return designed;
}

// The places of the controls from the window's child down to the named
// control, each in its parent's client area.
bool pathTo(const desc::Object& from, const std::string& name, std::vector<POINT>& places) {
  const auto integer = [](const desc::Object& o, const char* property) {
    for (const desc::Property& p : o.properties)
      if (p.name == property) return static_cast<LONG>(std::get<std::int64_t>(p.value));
    return LONG{0};
  };
  for (const desc::Object& child : from.children) {
    places.push_back({integer(child, "Left"), integer(child, "Top")});
    if (child.name == name || pathTo(child, name, places)) return true;
    places.pop_back();
  }
  return false;
}

}  // namespace

std::string repoRoot() {
  const std::string source = __FILE__;
  return source.substr(0, source.rfind("tests/e2e/"));
}

std::wstring morviExe() { return pathFromEnvironment("MORVI_EXE"); }

std::wstring windowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (const char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return path;
}

std::wstring pathFromEnvironment(const char* variable) {
  const char* unixPath = std::getenv(variable);
  if (!unixPath) throw std::runtime_error(std::string(variable) + " is not set");
  return windowsPath(unixPath);
}

int screenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

void pause(DWORD ms) { testpump::pump(ms); }

bool waitUntilClosed(HWND dialog) {
  for (int i = 0; i < 200 && IsWindow(dialog) && IsWindowVisible(dialog); ++i) pause(50);
  return !(IsWindow(dialog) && IsWindowVisible(dialog));
}

std::wstring textOf(HWND w) {
  wchar_t t[512]{};
  SendMessageW(w, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(t));
  return t;
}

std::string narrow(std::wstring_view text) {
  std::string out;
  for (const wchar_t c : text) out += static_cast<char>(c);  // the texts checked here are ASCII
  return out;
}

std::wstring dialogText(HWND dialog) {
  std::wstring all;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) all += textOf(c) + L'\n';
  return all;
}

std::wstring proposedScale(HWND dialog) {
  // The field is the dialog's only edit window.
  const HWND field = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
  return field ? textOf(field) : L"(no field)";
}

std::wstring answerBox(HWND box) {
  std::wstring text = dialogText(box);
  // As the OK button does, whether or not the box is the active window.
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  waitUntilClosed(box);
  return text;
}

bool startUnix(const std::string& commandLine) {
  std::wstring arguments = L"-c \"";
  for (const char c : commandLine) arguments += static_cast<wchar_t>(static_cast<unsigned char>(c));
  try {
    automation::Process(L"/bin/sh", arguments + L"\"");
    return true;
  } catch (const std::runtime_error&) {
    return false;
  }
}

std::vector<Child> children(HWND parent) {
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

MorviProcess::MorviProcess(Printers printers, const std::wstring& exe, bool startErrorsExpected) {
  if (printers == Printers::None) {
    startWithoutPrinter();
  } else {
    process_.emplace(exe, L"");
    WaitForInputIdle(process_->handle(), 10000);
  }
  awaitWindow();
  if (printers == Printers::Installed && !startErrorsExpected && !startErrors_.empty()) {
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
  for (int i = 0; i < 400 && !process_; ++i) {
    const std::vector<HWND> now = windows();
    const auto started = std::find_if(now.begin(), now.end(), [&](HWND w) {
      return std::find(before.begin(), before.end(), w) == before.end();
    });
    if (started == now.end()) {
      pause(50);
      continue;
    }
    DWORD id = 0;
    GetWindowThreadProcessId(*started, &id);
    process_.emplace(id);
  }
  if (!process_) throw std::runtime_error("Morvi did not start");
}

void MorviProcess::awaitWindow() {
  for (const DWORD end = GetTickCount() + 20000; !window_ && GetTickCount() < end;) {
    if (const HWND box = automation::topLevelOf(processId(), L"Morvi")) startErrors_.push_back(answerBox(box));
    window_ = automation::topLevelOf(processId(), kCaption);
    if (!window_) pause(50);
  }
  if (!window_) {
    kill();
    throw std::runtime_error("Morvi's window did not appear");
  }
  settle();
}

MorviProcess::~MorviProcess() {
  if (!process_->ended() && !close()) kill();
}

bool MorviProcess::close(DWORD timeoutMs) {
  PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
  return process_->ended(timeoutMs);
}

void MorviProcess::kill() { process_->kill(); }

HWND MorviProcess::control(const char* name) const {
  std::vector<POINT> places;
  if (!pathTo(design(), name, places)) throw std::invalid_argument(std::string("the window has no control ") + name);
  HWND found = window_;
  for (const POINT at : places) {
    const std::vector<Child> inside = children(found);
    const auto placed = std::find_if(inside.begin(), inside.end(),
                                     [&](const Child& c) { return c.rect.left == at.x && c.rect.top == at.y; });
    if (placed == inside.end()) return nullptr;
    found = placed->hwnd;
  }
  return found;
}

std::vector<Child> MorviProcess::items(const char* radioGroup) const { return children(control(radioGroup)); }

HWND MorviProcess::item(const char* radioGroup, int index) const {
  const std::vector<Child> all = items(radioGroup);
  return index >= 0 && index < int(all.size()) ? all[index].hwnd : nullptr;
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

void MorviProcess::key(WORD vk, bool down) const {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = WORD(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &in, sizeof(INPUT));
  settle();
}

void MorviProcess::press(WORD vk, WORD modifier) const {
  std::vector<INPUT> in;
  auto add = [&](WORD k, bool up) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = k;
    i.ki.wScan = WORD(MapVirtualKeyW(k, MAPVK_VK_TO_VSC));
    i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    in.push_back(i);
  };
  if (modifier) add(modifier, false);
  add(vk, false);
  add(vk, true);
  if (modifier) add(modifier, true);
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

double MorviProcess::calibrationCoef() const {
  static const UINT ask = RegisterWindowMessageW(L"Morvi.CalibrationCoef");
  DWORD_PTR bits = 0;
  SendMessageTimeoutW(window_, ask, 0, 0, SMTO_NORMAL, 5000, &bits);
  return std::bit_cast<double>(static_cast<LRESULT>(bits));
}

}  // namespace e2e
