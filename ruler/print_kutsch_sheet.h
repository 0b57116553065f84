// Prints the kutsch sheet on the printer.
#pragma once

#include <optional>

#include "framework/system/printer.h"
#include "ruler/kutsch_sheet.h"

namespace ruler {

// The kutsch sheet laid out for `printer`'s page, as printKutschSheet prints
// it and the print confirmation shows it.
std::vector<DrawOp> kutschSheetOn(fw::Printer& printer, const PrintablePage& page, const StripScales& scales,
                                  Calibration calibration, wchar_t decimalSeparator);

// One page in the orientation given (else the printer's own), as one job,
// with the calibration given; the printer's own orientation is put back, on
// failure too.
void printKutschSheet(fw::Printer& printer, const StripScales& scales, Calibration calibration,
                      std::optional<fw::Orientation> orientation, wchar_t decimalSeparator);

}  // namespace ruler
