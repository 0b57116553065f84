#include "ruler/check_bar.h"

#include "ruler/text_lines.h"

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

int checkBarDepth(const Resolution& resolution, Calibration calibration) {
  // The last cross mark, and its pen's row below it.
  const long double alongScale = pixelsPerTenth(resolution.dpiY, calibration.coefficient());
  return roundHalfEven(checkTolerances[3] * alongScale) + 1;
}

std::vector<DrawOp> layoutCheckBar(const Resolution& resolution, Calibration calibration, const TextMeasure& measure,
                                   const CheckBarPlace& place) {
  const long double xScale = pixelsPerTenth(resolution.dpiX, 1);
  const int textX = roundHalfEven((place.xTenths + checkTextX - checkBarX) * xScale);
  std::vector<DrawOp> ops = checkBarLines(resolution, calibration, place.xTenths, place.top);
  int y = place.top;
  for (const wchar_t* text : checkBarText) {
    const std::vector<std::wstring> lines = wrapWords(text, place.right + 1 - textX, measure);
    for (DrawOp& line : stackLines(lines, {textX, y}, measure)) ops.push_back(std::move(line));
    y += stackHeight(lines, measure);
  }
  return ops;
}

}  // namespace ruler
