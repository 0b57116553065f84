#include "ruler/ruler_sheet.h"

#include "ruler/check_bar.h"

namespace ruler {

RulerPage layoutRulerSheet(const PrintablePage& page, const Graduation& graduation, Calibration calibration,
                           wchar_t decimalSeparator, const TextMeasure& measure) {
  RulerPage sheet = layoutRuler(page.resolution, graduation, calibration.coefficient(), decimalSeparator);
  for (DrawOp& op : layoutCheckBar(page.resolution, calibration, measure)) sheet.ops.push_back(std::move(op));
  sheet.ops = keepPrintable(std::move(sheet.ops), page, measure);
  return sheet;
}

}  // namespace ruler
