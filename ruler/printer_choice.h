// The printers the print confirmation offers: one line a printer, its name
// and the calibration it prints with ("PDF-Letter · étalonnage -8 ‰"), the
// printer in force chosen. A printer chosen earlier that has gone since is
// said, and the one in force stands in for it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ruler/calibration.h"

namespace ruler {

struct PrinterOffer {
  std::wstring name;
  Calibration calibration;
};

struct PrinterChoice {
  // One line a printer, in the order given; none with a single printer,
  // which the note names instead.
  std::vector<std::wstring> lines;
  int chosen = -1;
  // The single printer's line, or what became of the printer chosen earlier.
  std::wstring note;
};

// `inForce` is one of `printers` (or empty without any); `gone` the printer
// last chosen when it is no longer installed.
PrinterChoice printerChoice(const std::vector<PrinterOffer>& printers, const std::wstring& inForce,
                            const std::optional<std::wstring>& gone);

// "PDF · étalonnage +7 ‰".
std::wstring printerLine(const PrinterOffer& printer);

}  // namespace ruler
