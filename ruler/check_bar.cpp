#include "ruler/check_bar.h"

namespace ruler {

std::vector<DrawOp> checkBarLines(const Resolution& resolution, Calibration calibration, int xTenths, int top) {
  const long double xScale = pixelsPerTenth(resolution.dpiX, 1);
  const long double alongScale = pixelsPerTenth(resolution.dpiY, calibration.coefficient());
  const auto across = [&](int tenths) { return roundHalfEven((xTenths + tenths) * xScale); };
  // Each point is rounded from the bar's top on its own, as the graduations
  // are from the ruler's.
  const auto down = [&](int tenths) { return top + roundHalfEven(tenths * alongScale); };
  const int x = across(0);

  std::vector<DrawOp> ops;
  ops.emplace_back(Line{{x, down(0)}, {x, down(checkBarLength)}});
  for (const int p : checkEnds) {
    ops.emplace_back(Line{{across(-checkEndHalfWidth), down(p)}, {across(checkEndHalfWidth), down(p)}});
  }
  for (const int p : checkTolerances) {
    ops.emplace_back(Line{{x, down(p)}, {across(checkToleranceWidth), down(p)}});
  }
  return ops;
}

std::vector<DrawOp> layoutCheckBar(const Resolution& resolution, Calibration calibration, const TextMeasure& measure) {
  const long double xScale = pixelsPerTenth(resolution.dpiX, 1);
  const auto across = [&](int tenths) { return roundHalfEven(tenths * xScale); };
  const int top = roundHalfEven(checkBarTop * static_cast<long double>(pixelsPerTenth(resolution.dpiY, 1)));
  std::vector<DrawOp> ops = checkBarLines(resolution, calibration, checkBarX, top);
  int y = top;
  for (const wchar_t* line : checkBarText) {
    ops.emplace_back(Text{{across(checkTextX), y}, line});
    y += measure(line).height;
  }
  return ops;
}

}  // namespace ruler
