// The line at the foot of a ruler page that says what the sheet was printed
// with: "Echelle 1:100 · étalonnage +7 ‰ · portrait · PDF · 07/12/2026 ·
// Morvi 1.0.0". Two sheets printed differently can then be told apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// The foot line at the foot of the page's ink box, from `left` device pixels
// across to the box's right, in as few lines as that room takes, each but
// the last ending with its " ·" (so the lines joined by blanks read the whole
// line). A printer's name too long for them is cut in its middle, as little
// as needed and to no fewer than `keptOfName` characters while another line
// can still take it; only a name too wide for a line of its own is cut
// further. The lines, top to bottom.
inline constexpr std::size_t keptOfName = 8;
std::vector<DrawOp> layoutFootLine(const PrintablePage& page, int left, std::wstring_view title,
                                   Calibration calibration, const PrintOrigin& origin, const TextMeasure& measure);

}  // namespace ruler
