// The whole ruler page as printed: the graduations, the check bar, the foot
// line, and nothing that would come too near the paper's edge.
#pragma once

#include "ruler/calibration.h"
#include "ruler/foot_line.h"
#include "ruler/printable_area.h"
#include "ruler/ruler_layout.h"
#include "ruler/scale_catalogue.h"

namespace ruler {

RulerPage layoutRulerSheet(const PrintablePage& page, const Graduation& graduation, Calibration calibration,
                           wchar_t decimalSeparator, const PrintOrigin& origin, const TextMeasure& measure);

}  // namespace ruler
