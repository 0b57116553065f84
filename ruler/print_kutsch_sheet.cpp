#include "ruler/print_kutsch_sheet.h"

#include "ruler/print_page.h"

namespace ruler {

void printKutschSheet(fw::Printer& printer, const StripScales& scales, Calibration calibration,
                      wchar_t decimalSeparator) {
  // The strips run down the page's long side.
  printPage(printer, fw::Orientation::Portrait, [&](const PrintablePage& page) {
    return layoutKutschSheet(page, scales, calibration, decimalSeparator, printOrigin(printer), textMeasure(printer));
  });
}

}  // namespace ruler
