#include "ruler/print_calibration_sheet.h"

#include "framework/error/error.h"
#include "ruler/print_page.h"

namespace ruler {
namespace {

std::wstring today() {
  wchar_t text[80]{};
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 80, nullptr);
  return text;
}

}  // namespace

std::wstring orientationName(fw::Printer& printer, int orientationIndex) {
  const bool landscape = orientationIndex == 0 || orientationIndex == 1
                             ? orientationIndex == 1
                             : printer.orientation() == fw::Orientation::Landscape;
  return landscape ? L"Paysage" : L"Portrait";
}

int calibrationBarMm(fw::Printer& printer, int orientationIndex) {
  const std::optional<int> barMm = calibrationBarMm(measurePage(printer, orientationIndex));
  if (!barMm) throw fw::PrinterError(pageTooShortText);
  return *barMm;
}

void printCalibrationSheet(fw::Printer& printer, int orientationIndex) {
  const SheetHeading heading{printer.name(), orientationName(printer, orientationIndex), today()};
  printPage(printer, orientationIndex,
            [&](const PrintablePage& page) { return layoutCalibrationSheet(page, heading).ops; });
}

}  // namespace ruler
