// The calibration sheet as numbers: a bar of a known length drawn down the
// page exactly where a ruler runs, but with no calibration, so that what the
// user measures on it is the printer's own error.
#pragma once

#include <string>
#include <vector>

#include "ruler/printable_area.h"
#include "ruler/ruler_layout.h"

namespace ruler {

// What the sheet says about itself, in the words the user reads.
struct SheetHeading {
  std::wstring printer;
  std::wstring orientation;  // "Portrait" or "Paysage"
  std::wstring date;
};

struct CalibrationSheet {
  int barMm;                // the bar's nominal length
  std::vector<DrawOp> ops;  // in drawing order
};

inline constexpr wchar_t sheetTitle[] = L"Morvi : feuille d'étalonnage";
inline constexpr wchar_t tooSmallForCalibration[] = L"trop petite pour la feuille d'étalonnage";

// Lays out the sheet, where the page puts its ruler page (moved left on a
// narrow page): the heading at the ruler page's title, one line under the
// other, the printer's name cut in its middle when too long for its
// line, the other lines wrapped at their blanks; the bar from the ruler's zero, a mark every 10 mm (ruler ticks), a
// labelled mark every 50 mm and at its end ("0", "50", ..., "250 mm"); the
// instruction under it, where the labels begin, wrapped to the page's
// width. The bar is the longest whole multiple of 10 mm, no longer than the
// ruler, that leaves 15 mm under it for the instruction and its lines whole
// in the ink box. Throws fw::PrinterError(pageRefusal(..., tooSmallForCalibration))
// when not even 10 mm fit, or the heading does not.
CalibrationSheet layoutCalibrationSheet(const PrintablePage& page, const SheetHeading& heading,
                                        const TextMeasure& measure);

}  // namespace ruler
