// The line at the foot of a ruler page that says what the sheet was printed
// with: "Echelle 1:100 · étalonnage +7 ‰ · portrait · PDF · 07/12/2026 ·
// Morvi 1.0.0". Two sheets printed differently can then be told apart.
#pragma once

#include <string>
#include <string_view>

#include "ruler/calibration.h"
#include "ruler/printable_area.h"
#include "ruler/ruler_layout.h"

namespace ruler {

struct PrintDate {
  int day, month, year;
};

// What the page itself does not know.
struct PrintOrigin {
  std::wstring printer;  // as the system names it
  PrintDate date;
  std::wstring version;  // Morvi's
};

std::wstring footLine(std::wstring_view title, Calibration calibration, bool landscape, std::wstring_view printer,
                      const PrintOrigin& origin);

// Right of the ruler page's labels, which end before 90 mm, so that the
// line never meets the graduations, which run down past the paper's foot in
// landscape.
inline constexpr int footLineRulerX = 950;  // tenths of a millimetre across

// The foot line on the last line of the page's ink box, from `left` device
// pixels across. A printer name too long for the line is cut and ends with
// "…".
Text layoutFootLine(const PrintablePage& page, int left, std::wstring_view title, Calibration calibration,
                    const PrintOrigin& origin, const TextMeasure& measure);

}  // namespace ruler
