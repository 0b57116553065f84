// The whole ruler page as printed: the graduations, the check bar, and
// nothing that would come too near the paper's edge.
#pragma once

#include "ruler/calibration.h"
#include "ruler/printable_area.h"
#include "ruler/ruler_layout.h"
#include "ruler/scale_catalogue.h"

namespace ruler {

RulerPage layoutRulerSheet(const PrintablePage& page, const Graduation& graduation, Calibration calibration,
                           wchar_t decimalSeparator, const TextMeasure& measure);

}  // namespace ruler
