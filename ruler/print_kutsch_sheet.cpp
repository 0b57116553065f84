#include "ruler/print_kutsch_sheet.h"

#include "ruler/print_page.h"

namespace ruler {

void printKutschSheet(fw::Printer& printer, const StripScales& scales, Calibration calibration,
                      wchar_t decimalSeparator) {
  constexpr int portrait = 0;  // the strips run down the long side
  printPage(printer, portrait, [&](const PrintablePage& page) {
    return layoutKutschSheet(page, scales, calibration, decimalSeparator, printOrigin(printer), textMeasure(printer));
  });
}

}  // namespace ruler
