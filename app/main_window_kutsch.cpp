// The kutsch sheet, six scales on one page: an item of the window's system
// menu and Ctrl+K open its dialog, which prints it.
#include <windows.h>

#include "app/kutsch_dialog.h"
#include "app/main_window.h"
#include "framework/system/locale_win.h"
#include "framework/system/printer.h"
#include "ruler/print_kutsch_sheet.h"

namespace {

// A system menu command: below 0xF000, its four low bits left to the system.
constexpr UINT kutschItem = 0x0C20;

}  // namespace

void TFormmorvi::offerKutschSheet() {
  AppendMenuW(GetSystemMenu(handle(), FALSE), MF_STRING, kutschItem, L"Planche kutsch (six échelles)…\tCtrl+K");
}

bool TFormmorvi::kutschCommand(WPARAM command) {
  if ((command & 0xFFF0) != kutschItem) return false;
  PlancheKutsch();
  return true;
}

void TFormmorvi::PlancheKutsch() {
  const ruler::StripScales shown = KutschScales.value_or(ruler::scalesOf(ruler::scaleSets()[0]));
  const std::optional<ruler::StripScales> scales =
      TFormKutsch::run(handle(), shown, [this](const ruler::StripScales& chosen) {
        // The six N are the user's once "Imprimer" is pressed, whatever the
        // confirmation and the print then do.
        KutschScales = chosen;
        if (Settings) {
          Settings->setKutschScales(chosen);
          saveSettings();
        }
        const wchar_t decimal = fw::numberFormat().decimal;
        return confirmPrint({L"Planche kutsch", [chosen, decimal](fw::Printer& printer, const ruler::PrintablePage& page,
                                                                  ruler::Calibration calibration) {
                               return ruler::kutschSheetOn(printer, page, chosen, calibration, decimal);
                             }});
      });
  if (!scales) return;
  // The confirmation has followed the default printer: its calibration prints.
  ruler::printKutschSheet(fw::printer(), *scales, PrinterCalibration, chosenOrientation(), fw::numberFormat().decimal);
}
