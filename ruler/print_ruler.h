// Prints one ruler page on the printer.
#pragma once

#include <optional>

#include "framework/system/printer.h"
#include "ruler/calibration.h"
#include "ruler/ruler_sheet.h"
#include "ruler/scale_catalogue.h"

namespace ruler {

// The ruler page laid out for `printer`'s page, as printRuler prints it and
// the print confirmation shows it.
RulerPage rulerSheetOn(fw::Printer& printer, const PrintablePage& page, const Graduation& graduation,
                       Calibration calibration, wchar_t decimalSeparator);

// Sets the orientation, when one is given (else the printer's own stays),
// before measuring the page, prints the page as one job and puts the
// printer's orientation back, on failure too. Returns the coefficient the
// page was drawn with.
long double printRuler(fw::Printer& printer, const Graduation& graduation, Calibration calibration,
                       std::optional<fw::Orientation> orientation, wchar_t decimalSeparator);

}  // namespace ruler
