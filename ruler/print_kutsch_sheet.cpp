#include "ruler/print_kutsch_sheet.h"

#include "ruler/print_page.h"

namespace ruler {

std::vector<DrawOp> kutschSheetOn(fw::Printer& printer, const PrintablePage& page, const StripScales& scales,
                                  Calibration calibration, wchar_t decimalSeparator) {
  return layoutKutschSheet(page, scales, calibration, decimalSeparator, printOrigin(printer), textMeasure(printer));
}

void printKutschSheet(fw::Printer& printer, const StripScales& scales, Calibration calibration,
                      std::optional<fw::Orientation> orientation, wchar_t decimalSeparator) {
  printPage(printer, orientation,
            [&](const PrintablePage& page) { return kutschSheetOn(printer, page, scales, calibration, decimalSeparator); });
}

}  // namespace ruler
