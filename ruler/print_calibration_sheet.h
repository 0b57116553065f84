// Prints the calibration sheet on the printer.
#pragma once

#include <string>

#include "framework/system/printer.h"
#include "ruler/calibration_sheet.h"

namespace ruler {

// The orientation a page is printed in, as the user reads it: "Portrait" or
// "Paysage" for 0 and 1, the printer's own for anything else.
std::wstring orientationName(fw::Printer& printer, int orientationIndex);

// The bar's nominal length on the printer's page in that orientation;
// throws fw::PrinterError(pageTooShortText) when no bar fits.
int calibrationBarMm(fw::Printer& printer, int orientationIndex);

// Prints the sheet in that orientation as one job; its heading names the
// printer, the orientation and today's date.
void printCalibrationSheet(fw::Printer& printer, int orientationIndex);

}  // namespace ruler
