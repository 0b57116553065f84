#include "ruler/kutsch_sheet.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/error/error.h"
#include "ruler/check_bar.h"
#include "ruler/text_lines.h"

namespace ruler {
namespace {

constexpr ScaleSet sets[] = {
    {L"1:20 à 1:125", {20, 25, 50, 75, 100, 125}},
    {L"1:100 à 1:500", {100, 200, 250, 300, 400, 500}},
    {L"1:500 à 1:2500", {500, 1000, 1250, 1500, 2000, 2500}},
};

// The cut lines' dashes and gaps, and the room left between the strips'
// area, the titles above and the lines at the foot: tenths down the page.
constexpr int dashLength = 20, dashGap = 10, rowGap = 10;

// The six scales from the N of each strip: a ScaleDenominator is made only
// from a valid N.
template <class NOf>
StripScales stripScales(NOf n) {
  return [&]<std::size_t... i>(std::index_sequence<i...>) {
    return StripScales{n(i)...};
  }(std::make_index_sequence<stripCount>{});
}

}  // namespace

std::span<const ScaleSet> scaleSets() { return sets; }

StripScales scalesOf(const ScaleSet& set) {
  return stripScales([&](std::size_t i) { return *ScaleDenominator::ofTenths(set.denominators[i] * 10LL); });
}

std::optional<StripScales> allSix(const std::array<std::optional<ScaleDenominator>, stripCount>& read) {
  if (std::find(read.begin(), read.end(), std::nullopt) != read.end()) return std::nullopt;
  return stripScales([&](std::size_t i) { return *read[i]; });
}

std::wstring stripTitle(ScaleDenominator n, wchar_t decimalSeparator) { return L"1:" + n.text(decimalSeparator); }

std::vector<DrawOp> layoutKutschSheet(const PrintablePage& page, const StripScales& scales, Calibration calibration,
                                      wchar_t decimalSeparator, const PrintOrigin& origin,
                                      const TextMeasure& measure) {
  const long double across = pixelsPerTenth(page.resolution.dpiX, 1), down = pixelsPerTenth(page.resolution.dpiY, 1);
  const auto x = [&](int tenths) { return roundHalfEven(tenths * across); };
  const auto y = [&](int tenths) { return roundHalfEven(tenths * down); };
  const InkBox box = inkBox(page);
  // A line inks a pixel either side of its path: the first cut line stands
  // one inside the ink's edge.
  const int left = box.left + 1;
  const long double stripWidth = (box.right - left) / static_cast<long double>(stripCount);
  if (stripWidth < minStripWidthTenths * across)
    throw fw::PrinterError(pageRefusal(origin.printer, page, tooNarrowForStrips));
  std::array<int, stripCount + 1> cut{};
  for (std::size_t i = 0; i < stripCount; ++i) cut[i] = left + roundHalfEven(i * stripWidth);
  const int barX = static_cast<int>(std::floor((box.right + 1) / across)) - stripCheckBarInset;
  cut[stripCount] = x(barX - checkEndHalfWidth);  // the last strip's labels end before the bar

  const int lineHeight = measure(L"0m").height;
  const int rise = lineHeight / 2;  // a label stands level with its mark
  const int top = box.top + lineHeight + rise + y(rowGap);
  std::wstring titles;
  for (std::size_t i = 0; i < stripCount; ++i)
    titles += (i == 0 ? L"Echelles " : L", ") + stripTitle(scales[i], decimalSeparator);
  const std::vector<DrawOp> foot = layoutFootLine(page, left, titles, calibration, origin, measure);
  const std::vector<std::wstring> checkText =
      wrapWords(std::wstring(L"Le trait vertical de droite doit mesurer 100 mm. ") + checkBarText[1],
                box.right + 1 - left, measure);
  const int checkTextTop = extentOf(foot, measure).top - stackHeight(checkText, measure);
  const int areaBottom = checkTextTop - y(rowGap) - 1;

  std::vector<DrawOp> ops;
  for (std::size_t i = 0; i < stripCount; ++i) {
    const int edge = cut[i];
    // The last dash is cut short at the area's foot, never to a dot.
    for (int dash = box.top + 1; dash + 1 < areaBottom; dash += std::max(2, y(dashLength + dashGap))) {
      ops.emplace_back(Line{{edge, dash}, {edge, std::min(dash + y(dashLength), areaBottom - 1)}});
    }
    const std::wstring title = stripTitle(scales[i], decimalSeparator);
    const int labelLeft = edge + x(stripLabelX);
    const InkBox strip{edge - 1, box.top, cut[i + 1] - x(stripLabelGap) - 1, areaBottom};
    // A strip that cannot carry its scale's name would be a ruler of no known scale.
    const Text heading{{labelLeft, box.top}, title};
    if (!fitsWithin(extentOf(heading, measure), strip))
      throw fw::PrinterError(pageRefusal(origin.printer, page, tooSmallForStrips));
    ops.emplace_back(heading);
    // Whatever leaves the strip is left out, a labelled mark with its label.
    const RulerPage graduation =
        layoutGraduation(page.resolution, graduationOf(scales[i], title), calibration.coefficient(), decimalSeparator,
                         {.edge = edge,
                          .tickEnd = edge + x(stripTickLength),
                          .markEnd = edge + x(stripMarkLength),
                          .labelX = labelLeft,
                          .top = top,
                          .labelRise = rise,
                          .bottom = areaBottom},
                         markFitsWithin(strip, measure));
    for (const DrawOp& op : graduation.ops) {
      if (fitsWithin(extentOf(op, measure), strip)) ops.push_back(op);
    }
  }
  const std::vector<DrawOp> bar = checkBarLines(page.resolution, calibration, barX, top);
  std::vector<DrawOp> texts = stackLines(checkText, {left, checkTextTop}, measure);
  texts.insert(texts.end(), foot.begin(), foot.end());
  if (!wholeAndApart({ops, bar, texts}, box, measure))
    throw fw::PrinterError(pageRefusal(origin.printer, page, tooSmallForStrips));
  ops.insert(ops.end(), bar.begin(), bar.end());
  ops.insert(ops.end(), texts.begin(), texts.end());
  return ops;
}

}  // namespace ruler
