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

// TBChange follows the field's change; showing a printer's calibration is
// no change of it.
void TFormmorvi::showCalibration(ruler::Calibration calibration) { SpinEdit->setValue(calibration.permille()); }

void TFormmorvi::showPrinterCalibration() {
  CalibratedPrinter = defaultPrinterOrNone();
  showCalibration(Settings ? Settings->calibrationFor(CalibratedPrinter) : ruler::Calibration());
}

void TFormmorvi::followDefaultPrinter() {
  const std::wstring printer = defaultPrinterOrNone();
  if (printer.empty() || printer == CalibratedPrinter) return;
  // What was typed for the printer that was in force stays its own.
  calibrationSettled();
  CalibratedPrinter = printer;
  showCalibration(Settings ? Settings->calibrationFor(printer) : ruler::Calibration());
}

std::wstring TFormmorvi::printerAndCalibration() {
  followDefaultPrinter();
  if (CalibratedPrinter.empty()) return {};
  return CalibratedPrinter + L" \u00B7 étalonnage " + PrinterCalibration.text();
}
