// The kutsch sheet: six rulers of six scales side by side on one page, as on the triangular rule that plan readers carry, cut apart along
// dashed lines. Each strip's graduation runs down its left cut line, its
// marks starting on the line, so that the cut edge is the graduated edge
// and lies flat on the plan.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ruler/calibration.h"
#include "ruler/foot_line.h"
#include "ruler/other_scale.h"
#include "ruler/printable_area.h"
#include "ruler/ruler_layout.h"

namespace ruler {

inline constexpr std::size_t stripCount = 6;
inline constexpr int minStripWidthTenths = 300;
using StripScales = std::array<ScaleDenominator, stripCount>;

// The scales of the usual triangular rules.
struct ScaleSet {
  std::wstring_view name;  // "1:20 à 1:125"
  std::array<int, stripCount> denominators;
};
std::span<const ScaleSet> scaleSets();
StripScales scalesOf(const ScaleSet& set);

// The six scales when each of the six was read; nothing otherwise.
std::optional<StripScales> allSix(const std::array<std::optional<ScaleDenominator>, stripCount>& read);

inline constexpr wchar_t tooNarrowForStrips[] = L"trop étroite pour six bandes de 30 mm";
inline constexpr wchar_t tooSmallForStrips[] = L"trop petite pour la planche de six échelles";

// Where a strip's marks and label start, from its cut line, and what a
// label keeps clear of the next cut line: tenths of a millimetre across.
inline constexpr int stripTickLength = 30, stripMarkLength = 60, stripLabelX = 70, stripLabelGap = 20;
// The check bar stands this far inside the ink's right edge, in the last
// strip, right of its labels.
inline constexpr int stripCheckBarInset = 60;

// "1:141,4", the strip's title.
std::wstring stripTitle(ScaleDenominator n, wchar_t decimalSeparator);

// The sheet, in the page's orientation: the strips' titles on the ink's
// first line, their dashed cut lines and graduations (calibrated as the
// ruler page's), the check bar in the last strip, then at the foot what the
// bar must measure and the foot line naming the six scales, each wrapped to
// the page's width. A labelled mark whose label would leave its strip is
// drawn as a tick; all of it lies in the page's ink box. Throws
// fw::PrinterError(pageRefusal(..., tooNarrowForStrips)) when six strips of
// 30 mm do not fit across, (..., tooSmallForStrips) when a strip's title
// does not fit its strip, or the check bar and the lines at the foot do not
// fit apart down the page.
std::vector<DrawOp> layoutKutschSheet(const PrintablePage& page, const StripScales& scales, Calibration calibration,
                                      wchar_t decimalSeparator, const PrintOrigin& origin,
                                      const TextMeasure& measure);

}  // namespace ruler
