// Morvi: prints a graduated scale ruler for a plan scale and finds the scale
// of a plan.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "app/single_instance.h"
#include "framework/ui/application.h"
#include "gdip/gdip_fill.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  SingleInstance instance;
  if (!instance.claim()) return 0;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  gdip::registerFillClipboardFormat();
  TFormmorvi::registerClasses();
  TFormmorvi form;
  try {
    form.createFromResource(L"FORMMORVI");
  } catch (const std::exception& e) {
    fw::Application::showException(e);
    if (!form.handle()) return 1;
  }
  SingleInstance::markMainWindow(form.handle());
  return fw::Application::run(form);
}
