// The whole ruler page as printed: the graduations, the check bar, the foot
// line, all laid out inside the page's ink box.
#pragma once

#include "ruler/calibration.h"
#include "ruler/foot_line.h"
#include "ruler/printable_area.h"
#include "ruler/ruler_layout.h"
#include "ruler/scale_catalogue.h"

namespace ruler {

inline constexpr wchar_t tooSmallForRuler[] = L"trop petite pour la règle";

// The page laid out for its printer: what would fall in the top band moves
// down, the ruler runs as far down as the page lets it, the check bar's text
// and the foot line wrap to the page's width; a page too narrow for the texts
// beside the ruler takes the ruler to its left edge. Throws
// fw::PrinterError(pageRefusal(..., tooSmallForRuler)) when the page cannot
// hold the title, the graduation, the check bar and the foot line whole and
// apart.
RulerPage layoutRulerSheet(const PrintablePage& page, const Graduation& graduation, Calibration calibration,
                           wchar_t decimalSeparator, const PrintOrigin& origin, const TextMeasure& measure);

}  // namespace ruler
