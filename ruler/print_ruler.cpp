#include "ruler/print_ruler.h"

#include "ruler/print_page.h"

namespace ruler {

long double printRuler(fw::Printer& printer, const Graduation& graduation, Calibration calibration,
                       int orientationIndex, wchar_t decimalSeparator) {
  long double printCoef = 0;
  printPage(printer, orientationIndex, [&](const PrintablePage& page) {
    RulerPage ruler = layoutRuler(page.resolution, graduation, calibration.coefficient(), decimalSeparator);
    printCoef = ruler.printCoef;
    return std::move(ruler.ops);
  });
  return printCoef;
}

}  // namespace ruler
