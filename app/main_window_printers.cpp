// The calibration per printer: the field shows the calibration of the
// system's default printer and follows when the user chooses another one,
// in the control panel or elsewhere, while Morvi runs.
#include "app/main_window.h"
#include "framework/error/error.h"
#include "framework/system/printer.h"

namespace {

// Empty without a printer: the field then keeps what it shows, and printing
// says why it cannot print.
std::wstring defaultPrinterOrNone() {
  try {
    return fw::defaultPrinterName();
  } catch (const fw::PrinterError&) {
    return {};
  }
}

}  // namespace

// TBChange follows the field's change.
void TFormmorvi::showCalibration(int permille) { SpinEdit->setValue(permille); }

void TFormmorvi::showPrinterCalibration() {
  CalibratedPrinter = defaultPrinterOrNone();
  showCalibration(calibrationFor(CalibratedPrinter));
}

void TFormmorvi::followDefaultPrinter() {
  const std::wstring printer = defaultPrinterOrNone();
  if (printer.empty() || printer == CalibratedPrinter) return;
  CalibratedPrinter = printer;
  showCalibration(calibrationFor(printer));
}

std::wstring TFormmorvi::printerAndCalibration() {
  followDefaultPrinter();
  if (CalibratedPrinter.empty()) return {};
  return CalibratedPrinter + L" \u00B7 étalonnage " + PrinterCalibration.text();
}
