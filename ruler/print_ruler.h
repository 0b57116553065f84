// Prints one ruler page on the printer.
#pragma once

#include <optional>

#include "framework/system/printer.h"
#include "ruler/calibration.h"
#include "ruler/scale_catalogue.h"

namespace ruler {

// Sets the orientation, when one is given (else the printer's own stays),
// before measuring the page, prints the page as one job and puts the
// printer's orientation back, on failure too. Returns the coefficient the
// page was drawn with.
long double printRuler(fw::Printer& printer, const Graduation& graduation, Calibration calibration,
                       std::optional<fw::Orientation> orientation, wchar_t decimalSeparator);

}  // namespace ruler
