// Nothing cut at the page's edge: ink goes only inside the printer's
// printable area and at least 3 mm from every edge of the paper, where most
// printers cannot print and a folded sheet frays. Each sheet is laid out
// inside that box; what would still cross it is left out rather than cut,
// as a last guard when the page is drawn.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ruler/ruler_layout.h"

namespace ruler {

inline constexpr int edgeMarginTenths = 30;

// The part of the page where ink may go, in device pixels, bounds included.
struct InkBox {
  int left, top, right, bottom;
  bool operator==(const InkBox&) const = default;
};

using TextMeasure = std::function<TextSize(std::wstring_view)>;

InkBox inkBox(const PrintablePage& page);

// The pixels an operation inks: a line with its pen, one pixel either side
// of its path as printers draw it; a text its measured extent.
InkBox extentOf(const DrawOp& op, const TextMeasure& measure);

// The box around all that `ops` ink; an empty box (right left of left) for none.
InkBox extentOf(const std::vector<DrawOp>& ops, const TextMeasure& measure);

bool fitsWithin(const InkBox& inner, const InkBox& outer);
bool overlap(const InkBox& a, const InkBox& b);

// Whether each group of drawing lies whole in `box`, clear of every other.
bool wholeAndApart(const std::vector<std::vector<DrawOp>>& groups, const InkBox& box, const TextMeasure& measure);

// The rows of a page's first line of text and of its ruler's zero: 50 and
// 100 device pixels down, as they always were at 300 dpi, or lower when that
// falls in the top band (a page of 600 dpi and more without a top margin):
// the zero's mark and the label above it come out whole.
int titleTopOn(const PrintablePage& page);
int rulerTopOn(const PrintablePage& page);

// How far left, in tenths of a millimetre, a page moves its ruler and all
// beside it: none where the ink reaches 130 mm across (a line of the check
// bar's text beside the ruler), else to the ink's left edge, so that a page
// as narrow as A6 upright still holds the texts right of the ruler.
int rulerShiftOn(const PrintablePage& page);

// What the user is told when a sheet cannot be printed whole on a printer's
// page: "La page de « PDF-A6 » (105 × 148 mm) est trop petite pour la
// feuille d'étalonnage", the paper in whole millimetres as it is turned.
std::wstring pageRefusal(std::wstring_view printer, const PrintablePage& page, std::wstring_view tooWhat);

// A labelled mark fits the box when its line and its label both do.
MarkFits markFitsWithin(const InkBox& box, const TextMeasure& measure);

// The operations that fit the page, in their order.
std::vector<DrawOp> keepPrintable(std::vector<DrawOp> ops, const PrintablePage& page, const TextMeasure& measure);

}  // namespace ruler
