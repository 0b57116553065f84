// Prints the kutsch sheet on the printer.
#pragma once

#include "framework/system/printer.h"
#include "ruler/kutsch_sheet.h"

namespace ruler {

// One portrait page, as one job, with the calibration given; the printer's
// own orientation is put back, on failure too.
void printKutschSheet(fw::Printer& printer, const StripScales& scales, Calibration calibration,
                      wchar_t decimalSeparator);

}  // namespace ruler
