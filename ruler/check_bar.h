// The check bar: 100 mm down the page beside the graduations, drawn with the
// calibration in force as they are, so that it measures 100 mm on paper
// when the calibration is right. Cross marks at its ends, and at ±0,5 % and
// ±1 % of its length around its far end, show at a glance how far off the
// printer is.
#pragma once

#include <vector>

#include "ruler/calibration.h"
#include "ruler/printable_area.h"
#include "ruler/ruler_layout.h"

namespace ruler {

// Across and down in tenths of a millimetre: the bar stands at 100 mm, in
// the free part right of the labels (they end before 90 mm) and below the
// title, its text at 105 mm.
inline constexpr int checkBarX = 1000, checkBarTop = 300, checkBarLength = 1000;
inline constexpr int checkEndHalfWidth = 30, checkToleranceWidth = 15, checkTextX = 1050;
// Where the cross marks stand along the bar, in tenths of a millimetre.
inline constexpr int checkEnds[] = {0, checkBarLength};
inline constexpr int checkTolerances[] = {990, 995, 1005, 1010};
inline constexpr const wchar_t* checkBarText[] = {L"Ce trait doit mesurer 100 mm.",
                                                  L"Sinon : Étalonner l'imprimante (Ctrl+E)"};

// The bar and its cross marks alone: across at `xTenths` tenths of a
// millimetre, down from `top` device pixels.
std::vector<DrawOp> checkBarLines(const Resolution& resolution, Calibration calibration, int xTenths, int top);

// How far below its top the bar's lines ink, with the calibration given.
int checkBarDepth(const Resolution& resolution, Calibration calibration);

// Where a page puts its bar: across at `xTenths` tenths of a millimetre
// (checkBarX where the page is wide enough), down from `top` device pixels;
// its text, right of it, wraps at `right`.
struct CheckBarPlace {
  int xTenths;
  int top;
  int right;
};

// The bar, its cross marks, then its text, a line under the other.
std::vector<DrawOp> layoutCheckBar(const Resolution& resolution, Calibration calibration, const TextMeasure& measure,
                                   const CheckBarPlace& place);

}  // namespace ruler
