#include "ruler/printable_area.h"

#include <algorithm>
#include <cmath>

namespace ruler {
namespace {

// The margin rounded up to whole pixels, so that it is never less than 3 mm.
int marginPixels(int dotsPerInch) {
  return static_cast<int>(std::ceil(edgeMarginTenths * static_cast<long double>(dotsPerInch) / 254 - 1e-9L));
}

}  // namespace

InkBox inkBox(const PrintablePage& page) {
  const int width = page.widthPixels, height = page.heightPixels;
  // A printer that does not give its paper is taken at its printable area.
  const int paperWidth = page.paper.width > 0 ? page.paper.width : width;
  const int paperHeight = page.paper.height > 0 ? page.paper.height : height;
  const int mx = marginPixels(page.resolution.dpiX), my = marginPixels(page.resolution.dpiY);
  return {std::max(0, mx - page.paper.offsetX), std::max(0, my - page.paper.offsetY),
          std::min(width, paperWidth - page.paper.offsetX - mx) - 1,
          std::min(height, paperHeight - page.paper.offsetY - my) - 1};
}

InkBox extentOf(const DrawOp& op, const TextMeasure& measure) {
  if (const auto* line = std::get_if<Line>(&op)) {
    return {std::min(line->from.x, line->to.x) - 1, std::min(line->from.y, line->to.y) - 1,
            std::max(line->from.x, line->to.x) + 1, std::max(line->from.y, line->to.y) + 1};
  }
  const auto& text = std::get<Text>(op);
  const TextSize size = measure(text.text);
  return {text.at.x, text.at.y, text.at.x + size.width - 1, text.at.y + size.height - 1};
}

bool fitsWithin(const InkBox& inner, const InkBox& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

MarkFits markFitsWithin(const InkBox& box, const TextMeasure& measure) {
  return [box, measure](const Line& mark, const Text& label) {
    return fitsWithin(extentOf(mark, measure), box) && fitsWithin(extentOf(label, measure), box);
  };
}

MarkFits markFitsPage(const PrintablePage& page, const TextMeasure& measure) {
  return markFitsWithin(inkBox(page), measure);
}

std::vector<DrawOp> keepPrintable(std::vector<DrawOp> ops, const PrintablePage& page, const TextMeasure& measure) {
  const InkBox box = inkBox(page);
  std::erase_if(ops, [&](const DrawOp& op) { return !fitsWithin(extentOf(op, measure), box); });
  return ops;
}

}  // namespace ruler
