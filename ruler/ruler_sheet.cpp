#include "ruler/ruler_sheet.h"

#include "ruler/check_bar.h"

namespace ruler {

RulerPage layoutRulerSheet(const PrintablePage& page, const Graduation& graduation, Calibration calibration,
                           wchar_t decimalSeparator, const PrintOrigin& origin, const TextMeasure& measure) {
  RulerPage sheet = layoutRuler(page.resolution, graduation, calibration.coefficient(), decimalSeparator,
                                markFitsPage(page, measure));
  for (DrawOp& op : layoutCheckBar(page.resolution, calibration, measure)) sheet.ops.push_back(std::move(op));
  sheet.ops = keepPrintable(std::move(sheet.ops), page, measure);
  const int footLeft = roundHalfEven(footLineRulerX * static_cast<long double>(pixelsPerTenth(page.resolution.dpiX, 1)));
  const Text foot = layoutFootLine(page, footLeft, graduation.title, calibration, origin, measure);
  if (fitsWithin(extentOf(foot, measure), inkBox(page))) sheet.ops.emplace_back(foot);
  return sheet;
}

}  // namespace ruler
