#include "ruler/ruler_layout.h"

#include <numeric>
#include <stdexcept>

#include "framework/text/number_text.h"

namespace ruler {
namespace {

constexpr long double tenthsPerInch = 254;

// The stored label interval is a whole number of positions; the page is
// stretched so that it spans the exact one, LabelStep × 10000 / N tenths of
// a millimetre. LabelStep × 10000 is worked in double precision, where it
// comes out whole for every catalogue scale (0.2 gives 2000), so an exact
// interval stretches by exactly 1.
long double intervalStretch(const Graduation& graduation) {
  const double stepTenths = graduation.labelStep * 10000;  // the real length, in tenths of a millimetre
  return stepTenths * graduation.positionsPerTenth /
         (static_cast<long double>(graduation.scaleDenominator) * graduation.labelInterval);
}

}  // namespace

double pixelsPerTenth(int dotsPerInch, long double coef) {
  return static_cast<double>(dotsPerInch / tenthsPerInch * coef);
}

RulerPage layoutGraduation(const Resolution& resolution, const Graduation& graduation, long double calibrationCoef,
                           wchar_t decimalSeparator, const GraduationPlace& place, const MarkFits& fits) {
  if (graduation.tickStep <= 0 || graduation.labelInterval <= 0 || !(graduation.scaleDenominator > 0) ||
      graduation.positionsPerTenth <= 0)
    throw std::invalid_argument("graduation step, scale or unit not positive");
  RulerPage out{};
  out.printCoef = calibrationCoef * intervalStretch(graduation);
  out.yScale = pixelsPerTenth(resolution.dpiY, out.printCoef);
  out.xScale = pixelsPerTenth(resolution.dpiX, 1);

  // Divided by 1 for the catalogue: its pages come out to the pixel as
  // they always have.
  const long double yPerPosition = static_cast<long double>(out.yScale) / graduation.positionsPerTenth;
  const auto down = [&](std::int32_t p) { return roundHalfEven(p * yPerPosition + place.top); };

  // Only multiples of both steps' common divisor can carry a tick or a mark.
  const std::int32_t stride = std::gcd(graduation.tickStep, graduation.labelInterval);
  for (std::int32_t p = 0; p <= place.end * graduation.positionsPerTenth; p += stride) {
    const bool ticked = p % graduation.tickStep == 0, labelled = p % graduation.labelInterval == 0;
    if (!ticked && !labelled) continue;
    const int y = down(p);
    if (y + 1 > place.bottom) break;  // the page ends here, and so does the ruler
    const Line tick{{place.edge, y}, {place.tickEnd, y}};
    if (!labelled) {
      out.ops.emplace_back(tick);
      continue;
    }
    const Line mark{{place.edge, y}, {place.markEnd, y}};
    const long double metres = static_cast<long double>(p / graduation.labelInterval) * graduation.labelStep;
    Text label{{place.labelX, y - place.labelRise}, fw::formatGeneral(metres, decimalSeparator) + L"m"};
    const bool whole = !fits || fits(mark, label);
    if (ticked || !whole) out.ops.emplace_back(tick);
    if (whole) {
      out.ops.emplace_back(mark);
      out.ops.emplace_back(std::move(label));
    }
  }
  return out;
}

RulerPage layoutRuler(const Resolution& resolution, const Graduation& graduation, long double calibrationCoef,
                      wchar_t decimalSeparator, const MarkFits& fits, const RulerPlace& place) {
  const long double xScale = pixelsPerTenth(resolution.dpiX, 1);
  const auto across = [&](int tenths) { return roundHalfEven((tenths - place.shiftTenths) * xScale); };
  RulerPage out = layoutGraduation(resolution, graduation, calibrationCoef, decimalSeparator,
                                   {.edge = across(tickStartX),
                                    .tickEnd = across(tickEndX),
                                    .markEnd = across(markEndX),
                                    .labelX = across(labelX),
                                    .top = place.top,
                                    .labelRise = labelRise,
                                    .bottom = place.bottom},
                                   fits);
  out.ops.insert(out.ops.begin(), Text{{across(titleX), place.titleTop}, std::wstring(graduation.title)});
  return out;
}

}  // namespace ruler
