#include "ruler/print_ruler.h"

#include "ruler/print_page.h"
#include "ruler/printable_area.h"

namespace ruler {

long double printRuler(fw::Printer& printer, const Graduation& graduation, Calibration calibration,
                       int orientationIndex, wchar_t decimalSeparator) {
  long double printCoef = 0;
  printPage(printer, orientationIndex, [&](const PrintablePage& page) {
    RulerPage ruler = layoutRuler(page.resolution, graduation, calibration.coefficient(), decimalSeparator);
    printCoef = ruler.printCoef;
    return keepPrintable(std::move(ruler.ops), page, [&](std::wstring_view text) {
      const SIZE size = printer.textSize(text);
      return TextSize{size.cx, size.cy};
    });
  });
  return printCoef;
}

}  // namespace ruler
