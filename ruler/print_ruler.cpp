#include "ruler/print_ruler.h"

#include "morvi_version.h"
#include "ruler/print_page.h"
#include "ruler/ruler_sheet.h"

namespace ruler {

long double printRuler(fw::Printer& printer, const Graduation& graduation, Calibration calibration,
                       std::optional<fw::Orientation> orientation, wchar_t decimalSeparator) {
  long double printCoef = 0;
  printPage(printer, orientation, [&](const PrintablePage& page) {
    SYSTEMTIME today{};
    GetLocalTime(&today);
    // The printer the job goes to: printPage has followed the default.
    const PrintOrigin origin{printer.name(), {today.wDay, today.wMonth, today.wYear}, L"" MORVI_VERSION};
    const auto measure = [&](std::wstring_view text) {
      const SIZE size = printer.textSize(text);
      return TextSize{size.cx, size.cy};
    };
    RulerPage sheet = layoutRulerSheet(page, graduation, calibration, decimalSeparator, origin, measure);
    printCoef = sheet.printCoef;
    return std::move(sheet.ops);
  });
  return printCoef;
}

}  // namespace ruler
