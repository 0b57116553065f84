#include "ruler/ruler_sheet.h"

#include "framework/error/error.h"
#include "ruler/check_bar.h"

namespace ruler {

RulerPage layoutRulerSheet(const PrintablePage& page, const Graduation& graduation, Calibration calibration,
                           wchar_t decimalSeparator, const PrintOrigin& origin, const TextMeasure& measure) {
  const InkBox box = inkBox(page);
  const long double xScale = pixelsPerTenth(page.resolution.dpiX, 1);
  const int shift = rulerShiftOn(page);
  const auto across = [&](int tenths) { return roundHalfEven((tenths - shift) * xScale); };

  RulerPage sheet = layoutRuler(page.resolution, graduation, calibration.coefficient(), decimalSeparator,
                                markFitsWithin(box, measure), {shift, titleTopOn(page), rulerTopOn(page), box.bottom});
  Text& title = std::get<Text>(sheet.ops.front());
  const std::vector<DrawOp> marks(sheet.ops.begin() + 1, sheet.ops.end());
  const auto footFrom = [&](int tenths) {
    return layoutFootLine(page, across(tenths), graduation.title, calibration, origin, measure);
  };
  std::vector<DrawOp> foot = footFrom(footLineRulerX);

  // The bar 30 mm down, or higher where the foot line would meet it, but
  // below the title. On a page too short for that, the foot line stands
  // beside the bar's foot, where its text begins, and the title on the
  // ink's first row.
  const int depth = checkBarDepth(page.resolution, calibration);
  int lowest = extentOf(foot, measure).top - 1 - depth;
  if (lowest < extentOf(title, measure).bottom + 2) {
    foot = footFrom(checkTextX);
    lowest = box.bottom - depth;
    if (lowest < extentOf(title, measure).bottom + 2) title.at.y = box.top;
  }
  const int wanted = roundHalfEven(checkBarTop * static_cast<long double>(pixelsPerTenth(page.resolution.dpiY, 1)));
  const int barTop = std::max(extentOf(title, measure).bottom + 2, std::min(wanted, lowest));
  const std::vector<DrawOp> bar =
      layoutCheckBar(page.resolution, calibration, measure, {checkBarX - shift, barTop, box.right});
  const auto barText = bar.begin() + 1 + std::size(checkEnds) + std::size(checkTolerances);

  if (!wholeAndApart({{title}, marks, {bar.begin(), barText}, {barText, bar.end()}, foot}, box, measure))
    throw fw::PrinterError(pageRefusal(origin.printer, page, tooSmallForRuler));
  sheet.ops.insert(sheet.ops.end(), bar.begin(), bar.end());
  sheet.ops.insert(sheet.ops.end(), foot.begin(), foot.end());
  return sheet;
}

}  // namespace ruler
