#include "ruler/print_kutsch_sheet.h"

#include "ruler/print_page.h"

namespace ruler {

void printKutschSheet(fw::Printer& printer, const StripScales& scales, Calibration calibration,
                      std::optional<fw::Orientation> orientation, wchar_t decimalSeparator) {
  printPage(printer, orientation, [&](const PrintablePage& page) {
    return layoutKutschSheet(page, scales, calibration, decimalSeparator, printOrigin(printer), textMeasure(printer));
  });
}

}  // namespace ruler
