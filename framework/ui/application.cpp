#include "framework/ui/application.h"

#include <windows.h>

#include "framework/error/error.h"
#include "framework/error/error_text.h"
#include "framework/ui/form.h"
#include "framework/desc/value_codec.h"

namespace fw {

std::wstring Application::title() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, n);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return name.substr(0, name.rfind(L'.'));
}

void Application::showException(const std::exception& e) {
  std::wstring text = dynamic_cast<const Error*>(&e) ? static_cast<const Error&>(e).message() : fromUtf8(e.what());
  HWND owner = GetActiveWindow();
  MessageBoxW(owner, errorBoxText(text).c_str(), title().c_str(), MB_OK | MB_ICONERROR);
}

int Application::run(Form& mainForm) {
  try {
    mainForm.show();
  } catch (const std::exception& e) {
    showException(e);
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) dispatch(mainForm, msg);
  return int(msg.wParam);
}

void Application::dispatch(Form& form, const MSG& msg) {
  bool used = false;
  try {
    used = form.handle() && form.preTranslate(msg);
  } catch (const std::exception& e) {
    showException(e);
    used = true;
  }
  if (used) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace fw
