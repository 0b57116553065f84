// The printer in force: the one last chosen in the print confirmation while
// it is installed, else the system's default. The calibration field shows
// the calibration of the printer in force and follows when it changes: a
// choice in Morvi, or another default chosen in the control panel while Morvi
// runs. Choosing in Morvi never changes the system's default.
#include <algorithm>

#include "app/main_window.h"
#include "framework/error/error.h"
#include "framework/system/printer.h"
#include "framework/ui/message_dialog.h"
#include "ruler/printer_choice.h"

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

bool installed(const std::vector<std::wstring>& printers, const std::wstring& name) {
  return std::find(printers.begin(), printers.end(), name) != printers.end();
}

}  // namespace

// TBChange follows the field's change; showing a printer's calibration is
// no change of it.
void TFormmorvi::showCalibration(ruler::Calibration calibration) { SpinEdit->setValue(calibration.permille()); }

std::wstring TFormmorvi::printerInForce(const std::vector<std::wstring>& printers) const {
  if (const std::optional<std::wstring> chosen = Settings ? Settings->chosenPrinter() : std::nullopt;
      chosen && installed(printers, *chosen))
    return *chosen;
  return defaultPrinterOrNone();
}

void TFormmorvi::usePrinter(const std::wstring& printer) {
  CalibratedPrinter = printer;
  fw::printer().use(printer);
  const ruler::Calibration own = Settings ? Settings->calibrationFor(printer) : ruler::Calibration();
  // Coef, which an earlier version prints with, follows the printer in
  // force into the file with the next value written.
  if (Settings) Settings->setCalibration(printer, own);
  showCalibration(own);
}

void TFormmorvi::showPrinterCalibration() {
  // The installed printers (the spooler's slowest answer at start) matter
  // only for one chosen in Morvi: the system's default is installed.
  const bool chosen = Settings && Settings->chosenPrinter();
  const std::wstring printer = printerInForce(chosen ? fw::installedPrinters() : std::vector<std::wstring>{});
  if (Settings) Settings->takeEarlierCalibration(printer);
  usePrinter(printer);
}

void TFormmorvi::followPrinterInForce(const std::vector<std::wstring>& printers) {
  const std::wstring printer = printerInForce(printers);
  if (printer.empty() || printer == CalibratedPrinter) return;
  // What was typed for the printer that was in force stays its own.
  calibrationSettled();
  usePrinter(printer);
}

bool TFormmorvi::confirmPrint(const PreviewedSheet& sheet) {
  const std::vector<std::wstring> printers = fw::installedPrinters();
  followPrinterInForce(printers);
  std::vector<ruler::PrinterOffer> offers;
  for (const std::wstring& name : printers) {
    // The printer in force prints what the field shows, typed and not yet left.
    const bool inForce = name == CalibratedPrinter;
    const bool own = Settings && Settings->calibrated(name);
    offers.push_back({name, inForce ? PrinterCalibration : own ? Settings->calibrationFor(name) : ruler::Calibration(),
                      own || (inForce && PrinterCalibration != ruler::Calibration())});
  }
  std::optional<std::wstring> gone = Settings ? Settings->chosenPrinter() : std::nullopt;
  if (gone && installed(printers, *gone)) gone.reset();
  const ruler::PrinterChoice choice = ruler::printerChoice(offers, CalibratedPrinter, gone);
  // Drawn when shown, for the printer checked alone.
  SheetPreview preview(sheet, chosenOrientation(), offers);
  fw::DialogChoices choices{choice.lines, choice.chosen, choice.spoken,
                            sheet.layout && !offers.empty() ? &preview : nullptr};
  // Only "Oui" prints: a dialog closed without an answer prints nothing.
  if (fw::messageDialog(L"Confirmez l'impression", fw::DialogType::Confirmation,
                        {fw::DialogButton::Yes, fw::DialogButton::No}, 0, choice.note,
                        choice.lines.empty() && !choices.view ? nullptr : &choices) != fw::ModalResult::Yes)
    return false;
  // The printer checked prints, also one that stood in for a printer in
  // force that has gone.
  if (choices.chosen >= 0 && std::size_t(choices.chosen) < printers.size() &&
      printers[std::size_t(choices.chosen)] != CalibratedPrinter) {
    calibrationSettled();
    if (Settings) Settings->setChosenPrinter(printers[std::size_t(choices.chosen)]);
    usePrinter(printers[std::size_t(choices.chosen)]);
    saveSettings();
  }
  return true;
}
