#include "ruler/other_scale.h"

#include <cmath>

#include "framework/text/float_format.h"

namespace ruler {
namespace {

constexpr std::int32_t micrometresPerTenth = 100;

// The real length of one label interval, in tenths of a millimetre: the
// smallest of 1, 2, 2,5, 5 mm × 10^k whose interval on paper, length / N,
// is at least 8 mm. Worked on whole numbers, so a scale that lands exactly
// on 8 mm (1:125 with 1 m) keeps that step.
long long labelStepTenths(ScaleDenominator n) {
  for (long long decade = 10;; decade *= 10) {
    for (const long long mantissa : {10, 20, 25, 50}) {
      const long long stepTenths = mantissa * decade / 10;
      // stepTenths / (tenths of N / 10) ≥ 80 tenths of a millimetre.
      if (stepTenths * 10 >= 80 * n.tenths()) return stepTenths;
    }
  }
}

}  // namespace

std::optional<ScaleDenominator> ScaleDenominator::ofTenths(long long tenths) {
  if (tenths < minTenths || tenths > maxTenths) return std::nullopt;
  return ScaleDenominator(tenths);
}

std::optional<ScaleDenominator> ScaleDenominator::ofValue(long double n) {
  if (!(n * 10 >= minTenths && n * 10 <= maxTenths)) return std::nullopt;  // also NaN
  const long long tenths = std::llround(n * 10);
  if (static_cast<double>(n * 10) != static_cast<double>(tenths)) return std::nullopt;
  return ofTenths(tenths);
}

std::optional<ScaleDenominator> ScaleDenominator::read(std::wstring_view text) {
  // Both marks read in every locale: only the locale's grouping is left out.
  const std::optional<long double> n = fw::readPastedNumber(text, {L'.', L'\u00A0'});
  return n ? ofValue(*n) : std::nullopt;
}

std::wstring denominatorFault(std::optional<long double> read) {
  if (!read) return L"Un nombre de 1 à 100\u202F000, au dixième";
  if (!(*read * 10 >= ScaleDenominator::minTenths && *read * 10 <= ScaleDenominator::maxTenths))
    return L"De 1 à 100\u202F000, au dixième";
  if (!ScaleDenominator::ofValue(*read)) return L"Au dixième : une décimale au plus";
  return L"";
}

std::optional<ScaleDenominator> ScaleDenominator::nearestWhole(double n) {
  if (!(n >= 0.5 && n < maxTenths / 10 + 0.5)) return std::nullopt;  // also NaN
  return ofTenths(10 * std::llround(n));
}

std::wstring ScaleDenominator::text(wchar_t decimalSeparator) const {
  std::wstring text = std::to_wstring(tenths_ / 10);
  if (tenths_ % 10 != 0) text += decimalSeparator + std::to_wstring(tenths_ % 10);
  return text;
}

std::wstring scaleItemText(ScaleDenominator n, wchar_t decimalSeparator) {
  return L" 1:" + n.text(decimalSeparator);
}

std::wstring scaleTitle(ScaleDenominator n, wchar_t decimalSeparator) {
  return L"Echelle 1:" + n.text(decimalSeparator);
}

Graduation graduationFor(ScaleDenominator n, std::wstring_view title) {
  const long long stepTenths = labelStepTenths(n);
  // A label interval of at least 8 mm makes ten ticks of at least 0.8 mm:
  // ten always fits. On paper a tick is stepTenths / N tenths of a
  // millimetre, that is stepTenths × 100 / (tenths of N) micrometres,
  // rounded to the nearest.
  const long long tick = (2 * stepTenths * micrometresPerTenth + n.tenths()) / (2 * n.tenths());
  return Graduation{title,
                    static_cast<std::int32_t>(tick),
                    static_cast<std::int32_t>(10 * tick),
                    static_cast<double>(stepTenths) / 10000,
                    n.value(),
                    micrometresPerTenth};
}

std::optional<int> catalogueItem(ScaleDenominator n) {
  const std::span<const ScaleEntry> catalogue = scaleCatalogue();
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    if (catalogue[i].graduation.scaleDenominator * 10 == static_cast<double>(n.tenths())) return static_cast<int>(i);
  }
  return std::nullopt;
}

Graduation graduationOf(ScaleDenominator n, std::wstring_view title) {
  if (const std::optional<int> item = catalogueItem(n)) {
    Graduation g = scaleAt(*item)->graduation;
    g.title = title;
    return g;
  }
  return graduationFor(n, title);
}

}  // namespace ruler
