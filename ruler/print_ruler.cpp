#include "ruler/print_ruler.h"

#include "ruler/print_page.h"
#include "ruler/ruler_sheet.h"

namespace ruler {

long double printRuler(fw::Printer& printer, const Graduation& graduation, Calibration calibration,
                       std::optional<fw::Orientation> orientation, wchar_t decimalSeparator) {
  long double printCoef = 0;
  printPage(printer, orientation, [&](const PrintablePage& page) {
    // Once printPage has followed the default: the printer the job goes to.
    RulerPage sheet = layoutRulerSheet(page, graduation, calibration, decimalSeparator, printOrigin(printer),
                                       textMeasure(printer));
    printCoef = sheet.printCoef;
    return std::move(sheet.ops);
  });
  return printCoef;
}

}  // namespace ruler
