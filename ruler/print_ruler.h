// Prints one ruler page on the printer.
#pragma once

#include "framework/system/printer.h"
#include "ruler/calibration.h"
#include "ruler/scale_catalogue.h"

namespace ruler {

// Sets the orientation (0 portrait, 1 landscape, anything else keeps the
// printer's own) before measuring the page, prints the page as one job and
// puts the printer's orientation back, on failure too. Returns the
// coefficient the page was drawn with.
long double printRuler(fw::Printer& printer, const Graduation& graduation, Calibration calibration,
                       int orientationIndex, wchar_t decimalSeparator);

}  // namespace ruler
