#include "framework/ui/application.h"

#include "framework/desc/value_codec.h"
#include "framework/error/error.h"
#include "framework/error/error_text.h"
#include "framework/ui/form.h"

namespace fw {

namespace {

struct ErrorReport {
  std::wstring pending;  // the text of the failure that waits
  bool waiting = false;
  bool boxOpen = false;
  std::function<void(const std::wstring&)> hook;
};

ErrorReport& report() {
  static ErrorReport r;
  return r;
}

std::wstring textOf(const std::exception& e) {
  if (auto* error = dynamic_cast<const Error*>(&e)) return error->message();
  return fromUtf8(e.what());
}

void showBox(const std::wstring& text) {
  ErrorReport& r = report();
  r.boxOpen = true;
  if (r.hook) r.hook(text);
  else MessageBoxW(GetActiveWindow(), errorBoxText(text).c_str(), Application::title().c_str(), MB_OK | MB_ICONERROR);
  r.boxOpen = false;
}

// A message-only window: the failure is shown when the message posted to it
// comes, after the failing message has returned, from whichever loop runs.
constexpr UINT kShowError = WM_APP;

LRESULT CALLBACK reporterProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != kShowError) return DefWindowProcW(w, msg, wp, lp);
  Application::showPendingError();
  return 0;
}

HWND reporterWindow() {
  static HWND window = [] {
    WNDCLASSEXW wc{sizeof wc};
    wc.lpfnWndProc = reporterProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"MorviErrorReport";
    RegisterClassExW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  }();
  return window;
}

}  // namespace

std::wstring Application::title() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, n);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return name.substr(0, name.rfind(L'.'));
}

void Application::showException(const std::exception& e) { showBox(textOf(e)); }

void Application::reportLater(std::exception_ptr failure) {
  ErrorReport& r = report();
  if (r.waiting || r.boxOpen) return;
  try {
    std::rethrow_exception(failure);
  } catch (const std::exception& e) {
    r.pending = textOf(e);
  } catch (...) {
    r.pending = L"Erreur inconnue";
  }
  r.waiting = true;
  PostMessageW(reporterWindow(), kShowError, 0, 0);
}

void Application::showPendingError() {
  ErrorReport& r = report();
  if (!r.waiting || r.boxOpen) return;
  r.waiting = false;
  showBox(r.pending);
}

void Application::setErrorBoxHook(std::function<void(const std::wstring&)> hook) { report().hook = std::move(hook); }

int Application::run(Form& mainForm) {
  try {
    mainForm.show();
  } catch (const std::exception& e) {
    showException(e);
  }
  // The loop lasts as long as the main window: the error box of a failure
  // while it was destroyed comes after the loop, where nothing can close it.
  MSG msg{};
  while (mainForm.handle() && GetMessageW(&msg, nullptr, 0, 0) > 0) dispatch(mainForm, msg);
  showPendingError();
  return 0;
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
