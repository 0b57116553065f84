#include "ruler/ruler_layout.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "framework/text/number_text.h"

namespace ruler {
namespace {

constexpr long double intervalRaise = 0.03L;   // 130 stands for 133.3 tenths
constexpr std::int32_t raisedInterval = 130;

double pixelsPerTenth(int pixels, int millimetres, long double coef) {
  return static_cast<double>(static_cast<long double>(pixels) / (static_cast<long double>(millimetres) * 10) * coef);
}

}  // namespace

double pixelsPerTenthAcross(const PageMetrics& page) { return pixelsPerTenth(page.widthPixels, page.widthMm, 1); }

double pixelsPerTenthDown(const PageMetrics& page, long double coef) {
  return pixelsPerTenth(page.heightPixels, page.heightMm, coef);
}

int roundHalfEven(long double v) {
  // The default floating-point environment rounds to nearest, ties to even.
  const long double nearest = std::nearbyint(v);
  constexpr long double lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
  return static_cast<int>(std::fmin(std::fmax(nearest, lowest), highest));
}

RulerPage layoutRuler(const PageMetrics& page, const Graduation& graduation, long double calibrationCoef,
                      wchar_t decimalSeparator) {
  if (graduation.tickStep == 0 || graduation.labelInterval == 0) throw std::invalid_argument("zero graduation step");
  RulerPage out{};
  out.printCoef = calibrationCoef;
  if (graduation.labelInterval == raisedInterval) out.printCoef += intervalRaise;
  out.yScale = pixelsPerTenthDown(page, out.printCoef);
  out.xScale = pixelsPerTenthAcross(page);

  const auto across = [&](int tenths) { return roundHalfEven(tenths * static_cast<long double>(out.xScale)); };
  const auto down = [&](std::int32_t p) { return roundHalfEven(p * static_cast<long double>(out.yScale) + rulerTop); };

  out.ops.emplace_back(Text{{across(titleX), titleY}, std::wstring(graduation.title)});
  for (std::int32_t p = 0; p <= rulerEnd; ++p) {
    if (p % graduation.tickStep == 0) {
      const int y = down(p);
      out.ops.emplace_back(Line{{across(tickStartX), y}, {across(tickEndX), y}});
    }
    if (p % graduation.labelInterval == 0) {
      const int y = down(p);
      out.ops.emplace_back(Line{{across(tickStartX), y}, {across(markEndX), y}});
      const long double metres = static_cast<long double>(p / graduation.labelInterval) * graduation.labelStep;
      out.ops.emplace_back(Text{{across(labelX), y - labelRise}, fw::formatGeneral(metres, decimalSeparator) + L"m"});
    }
  }
  return out;
}

}  // namespace ruler
