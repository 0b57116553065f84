// The printers the print confirmation offers: one line a printer, its name
// and the calibration it prints with ("PDF-Letter · étalonnage -8 ‰", or
// "PDF2 · non étalonnée" for one without its own, which prints at 0), the
// printer in force chosen. A printer chosen earlier that has gone since is
// said, and the one in force stands in for it. Two names that would read
// alike once cut keep the part where they differ, else are numbered; a
// screen reader hears each line with the printer's whole name.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ruler/calibration.h"

namespace ruler {

struct PrinterOffer {
  std::wstring name;
  Calibration calibration;
  bool calibrated = true;  // false: none of its own
};

struct PrinterChoice {
  // One line a printer, in the order given; none with a single printer,
  // which the note names instead.
  std::vector<std::wstring> lines;
  // The same lines with each printer's whole name, as a screen reader reads them.
  std::vector<std::wstring> spoken;
  int chosen = -1;
  // The single printer's line, or what became of the printer chosen earlier.
  std::wstring note;
};

// `inForce` is one of `printers` (or empty without any); `gone` the printer
// last chosen when it is no longer installed.
PrinterChoice printerChoice(const std::vector<PrinterOffer>& printers, const std::wstring& inForce,
                            const std::optional<std::wstring>& gone);

// "PDF · étalonnage +7 ‰", "PDF2 · non étalonnée".
std::wstring printerLine(const PrinterOffer& printer);

// "étalonnage +7 ‰", "non étalonnée".
std::wstring calibrationSaid(const PrinterOffer& printer);

}  // namespace ruler
