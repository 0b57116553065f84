#include "ruler/print_ruler.h"

#include "ruler/print_page.h"

namespace ruler {

RulerPage rulerSheetOn(fw::Printer& printer, const PrintablePage& page, const Graduation& graduation,
                       Calibration calibration, wchar_t decimalSeparator) {
  // The foot line names the printer as it is: printPage has followed the default before.
  return layoutRulerSheet(page, graduation, calibration, decimalSeparator, printOrigin(printer), textMeasure(printer));
}

long double printRuler(fw::Printer& printer, const Graduation& graduation, Calibration calibration,
                       std::optional<fw::Orientation> orientation, wchar_t decimalSeparator) {
  long double printCoef = 0;
  printPage(printer, orientation, [&](const PrintablePage& page) {
    RulerPage sheet = rulerSheetOn(printer, page, graduation, calibration, decimalSeparator);
    printCoef = sheet.printCoef;
    return std::move(sheet.ops);
  });
  return printCoef;
}

}  // namespace ruler
