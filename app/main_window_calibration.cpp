// How the user finds the calibration assistant: an item of the window's
// system menu, Ctrl+E, and a tooltip on the calibration label and field
// that names both.
#include <windows.h>
#include <commctrl.h>

#include "app/calibration_dialog.h"
#include "app/main_window.h"
#include "framework/system/printer.h"
#include "ruler/print_calibration_sheet.h"

namespace {

// A system menu command: below 0xF000, its four low bits left to the system.
constexpr UINT calibrateItem = 0x0C10;
constexpr wchar_t howToCalibrate[] =
    L"Pour calculer l'étalonnage : « Étalonner l'imprimante… » dans le menu système, ou Ctrl+E";

}  // namespace

void TFormmorvi::offerCalibration() {
  AppendMenuW(GetSystemMenu(handle(), FALSE), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(GetSystemMenu(handle(), FALSE), MF_STRING, calibrateItem, L"Étalonner l'imprimante…\tCtrl+E");
  // Owned by the window, so it goes with it.
  const HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                    handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  for (const fw::Control* c : {static_cast<fw::Control*>(Label1), static_cast<fw::Control*>(SpinEdit)}) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle();
    tool.uId = reinterpret_cast<UINT_PTR>(c->handle());
    tool.lpszText = const_cast<wchar_t*>(howToCalibrate);
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

bool TFormmorvi::systemCommand(WPARAM command) {
  if ((command & 0xFFF0) != calibrateItem) return false;
  EtalonnerImprimante();
  return true;
}

void TFormmorvi::EtalonnerImprimante() {
  // The sheet goes to the printer in force: its result is that printer's.
  followPrinterInForce(fw::installedPrinters());
  const std::optional<fw::Orientation> orientation = chosenOrientation();
  const auto confirm = [this, orientation] {
    return confirmPrint({L"Feuille d'étalonnage", [orientation](fw::Printer& printer, const ruler::PrintablePage& page,
                                                                  ruler::Calibration) {
                           return ruler::calibrationSheetOn(printer, orientation, page).ops;
                         }});
  };
  if (const std::optional<ruler::Calibration> calibration = TFormEtalonnage::run(handle(), orientation, confirm)) {
    SpinEdit->setValue(calibration->permille());  // TBChange follows
    calibrationSettled();
  }
}
