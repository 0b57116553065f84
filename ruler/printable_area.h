// Nothing cut at the page's edge: what a page draws is kept only when it lies
// whole inside the printer's printable area and at least 3 mm from every
// edge of the paper, where most printers cannot print and a folded sheet
// frays. A label or mark that does not is left out rather than cut; a
// labelled mark whose label is left out is drawn as a plain tick.
#pragma once

#include <functional>
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

bool fitsWithin(const InkBox& inner, const InkBox& outer);

// A labelled mark fits the box, or the page, when its line and its label
// both do.
MarkFits markFitsWithin(const InkBox& box, const TextMeasure& measure);
MarkFits markFitsPage(const PrintablePage& page, const TextMeasure& measure);

// The operations that fit the page, in their order.
std::vector<DrawOp> keepPrintable(std::vector<DrawOp> ops, const PrintablePage& page, const TextMeasure& measure);

}  // namespace ruler
