// Morvi: prints a graduated scale ruler for a plan scale and finds the scale
// of a plan.
#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "framework/ui/application.h"
#include "gdip/session.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  gdip::Session gdiplus;  // before the window exists, shut down after it
  TFormmorvi::registerClasses();
  TFormmorvi form;
  try {
    form.createFromResource(L"FORMMORVI");
  } catch (const std::exception& e) {
    fw::Application::showException(e);
    if (!form.handle()) return 1;
  }
  form.offerCalibration();
  return fw::Application::run(form);
}
