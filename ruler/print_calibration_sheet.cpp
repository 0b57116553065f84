#include "ruler/print_calibration_sheet.h"

#include "ruler/print_page.h"

namespace ruler {
namespace {

std::wstring today() {
  wchar_t text[80]{};
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 80, nullptr);
  return text;
}

}  // namespace

CalibrationSheet calibrationSheetOn(fw::Printer& printer, std::optional<fw::Orientation> orientation,
                                    const PrintablePage& page) {
  const SheetHeading heading{printer.name(), orientationName(printer, orientation), today()};
  return layoutCalibrationSheet(page, heading, textMeasure(printer));
}

std::wstring orientationName(fw::Printer& printer, std::optional<fw::Orientation> orientation) {
  const fw::Orientation named = orientation ? *orientation : printer.orientation();
  return named == fw::Orientation::Landscape ? L"Paysage" : L"Portrait";
}

int calibrationBarMm(fw::Printer& printer, std::optional<fw::Orientation> orientation) {
  return calibrationSheetOn(printer, orientation, measurePage(printer, orientation)).barMm;
}

void printCalibrationSheet(fw::Printer& printer, std::optional<fw::Orientation> orientation) {
  printPage(printer, orientation,
            [&](const PrintablePage& page) { return calibrationSheetOn(printer, orientation, page).ops; });
}

}  // namespace ruler
