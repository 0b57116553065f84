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

std::wstring orientationName(fw::Printer& printer, std::optional<fw::Orientation> orientation) {
  const fw::Orientation named = orientation ? *orientation : printer.orientation();
  return named == fw::Orientation::Landscape ? L"Paysage" : L"Portrait";
}

int calibrationBarMm(fw::Printer& printer, std::optional<fw::Orientation> orientation) {
  const std::optional<int> barMm = calibrationBarMm(measurePage(printer, orientation));
  if (!barMm) throw fw::PrinterError(pageTooShortText);
  return *barMm;
}

void printCalibrationSheet(fw::Printer& printer, std::optional<fw::Orientation> orientation) {
  const SheetHeading heading{printer.name(), orientationName(printer, orientation), today()};
  printPage(printer, orientation,
            [&](const PrintablePage& page) { return layoutCalibrationSheet(page, heading).ops; });
}

}  // namespace ruler
