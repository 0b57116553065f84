#include "ruler/printable_area.h"

#include <algorithm>
#include <climits>
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

InkBox extentOf(const std::vector<DrawOp>& ops, const TextMeasure& measure) {
  InkBox all{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (const DrawOp& op : ops) {
    const InkBox one = extentOf(op, measure);
    all = {std::min(all.left, one.left), std::min(all.top, one.top), std::max(all.right, one.right),
           std::max(all.bottom, one.bottom)};
  }
  return all;
}

bool overlap(const InkBox& a, const InkBox& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

bool wholeAndApart(const std::vector<std::vector<DrawOp>>& groups, const InkBox& box, const TextMeasure& measure) {
  // Each drawing against each drawing of the other groups, not a group's
  // whole box against another's: a column of labels and a heading beside
  // its top may share rows and columns without one letter meeting a mark.
  std::vector<std::vector<InkBox>> extents;
  for (const std::vector<DrawOp>& group : groups) {
    std::vector<InkBox>& ink = extents.emplace_back();
    for (const DrawOp& op : group) {
      ink.push_back(extentOf(op, measure));
      if (!fitsWithin(ink.back(), box)) return false;
    }
    for (std::size_t other = 0; other + 1 < extents.size(); ++other)
      for (const InkBox& mine : ink)
        for (const InkBox& theirs : extents[other])
          if (overlap(mine, theirs)) return false;
  }
  return true;
}

int titleTopOn(const PrintablePage& page) { return std::max(titleY, inkBox(page).top); }

int rulerTopOn(const PrintablePage& page) {
  // The zero's label stands labelRise above its mark, whose pen inks a row above it.
  return std::max({rulerTop, inkBox(page).top + labelRise, inkBox(page).top + 1});
}

int rulerShiftOn(const PrintablePage& page) {
  constexpr int narrowPageTenths = 1300;
  const InkBox box = inkBox(page);
  const long double xScale = pixelsPerTenth(page.resolution.dpiX, 1);
  if (box.right + 1 >= roundHalfEven(narrowPageTenths * xScale)) return 0;
  // The ticks' pen inks a pixel left of their start, which stays in the box.
  return tickStartX - static_cast<int>(std::ceil((box.left + 1) / xScale));
}

std::wstring pageRefusal(std::wstring_view printer, const PrintablePage& page, std::wstring_view tooWhat) {
  const auto mm = [](int pixels, int dotsPerInch) {
    return std::to_wstring(roundHalfEven(pixels * 25.4L / dotsPerInch));
  };
  const int width = page.paper.width > 0 ? page.paper.width : page.widthPixels;
  const int height = page.paper.height > 0 ? page.paper.height : page.heightPixels;
  return L"La page de \u00AB " + std::wstring(printer) + L" \u00BB (" + mm(width, page.resolution.dpiX) +
         L" \u00D7 " + mm(height, page.resolution.dpiY) + L" mm) est " + std::wstring(tooWhat);
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

std::vector<DrawOp> keepPrintable(std::vector<DrawOp> ops, const PrintablePage& page, const TextMeasure& measure) {
  const InkBox box = inkBox(page);
  std::erase_if(ops, [&](const DrawOp& op) { return !fitsWithin(extentOf(op, measure), box); });
  return ops;
}

}  // namespace ruler
