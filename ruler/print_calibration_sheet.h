// Prints the calibration sheet on the printer.
#pragma once

#include <optional>
#include <string>

#include "framework/system/printer.h"
#include "ruler/calibration_sheet.h"

namespace ruler {

// The orientation a page is printed in, as the user reads it: "Portrait" or
// "Paysage", the printer's own when none is given.
std::wstring orientationName(fw::Printer& printer, std::optional<fw::Orientation> orientation);

// The bar's nominal length on the printer's page in that orientation;
// throws the fw::PrinterError that names the printer and its page when the
// sheet does not fit it, before anything is printed.
int calibrationBarMm(fw::Printer& printer, std::optional<fw::Orientation> orientation);

// The sheet laid out on the printer's page as measured in that orientation:
// what printing it draws, and what its preview shows.
CalibrationSheet calibrationSheetOn(fw::Printer& printer, std::optional<fw::Orientation> orientation,
                                    const PrintablePage& page);

// Prints the sheet in that orientation as one job; its heading names the
// printer, the orientation and today's date.
void printCalibrationSheet(fw::Printer& printer, std::optional<fw::Orientation> orientation);

}  // namespace ruler
