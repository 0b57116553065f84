// The calibration sheet as numbers: a bar of a known length drawn down the
// page exactly where a ruler runs, but with no calibration, so that what the
// user measures on it is the printer's own error.
#pragma once

#include <optional>
#include <string>
#include <vector>

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
inline constexpr wchar_t pageTooShortText[] =
    L"La page de l'imprimante est trop courte pour une barre d'étalonnage d'au moins 10 mm";

// The longest whole multiple of 10 mm, no longer than the ruler, that fits
// between the ruler's top and the instruction line under the bar; nullopt
// when not even 10 mm fit.
std::optional<int> calibrationBarMm(const PrintablePage& page);

// Lays out the sheet: the heading at the title's place, one line under the
// other; the bar from the ruler's top, a mark every 10 mm (ruler ticks), a
// labelled mark every 50 mm and at its end ("0", "50", ..., "250 mm"); the
// instruction line under it, where the labels begin. Throws fw::PrinterError(pageTooShortText) when
// no bar fits.
CalibrationSheet layoutCalibrationSheet(const PrintablePage& page, const SheetHeading& heading);

}  // namespace ruler
