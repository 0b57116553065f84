#include "ruler/other_scale.h"

#include <cmath>

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

std::optional<ScaleDenominator> ScaleDenominator::read(std::wstring_view text) {
  const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t' || c == L'\u00A0'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  long long whole = 0;
  std::size_t i = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    whole = whole * 10 + (text[i] - L'0');
    if (whole > maxTenths) return std::nullopt;
  }
  if (i == 0) return std::nullopt;
  long long tenth = 0;
  if (i < text.size()) {
    // One decimal mark and one digit after it, nothing more.
    if ((text[i] != L',' && text[i] != L'.') || text.size() != i + 2) return std::nullopt;
    if (text[i + 1] < L'0' || text[i + 1] > L'9') return std::nullopt;
    tenth = text[i + 1] - L'0';
  }
  return ofTenths(whole * 10 + tenth);
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

Graduation graduationOf(ScaleDenominator n, std::wstring_view title) {
  for (const ScaleEntry& entry : scaleCatalogue()) {
    if (entry.graduation.scaleDenominator * 10 == static_cast<double>(n.tenths())) {
      Graduation g = entry.graduation;
      g.title = title;
      return g;
    }
  }
  return graduationFor(n, title);
}

}  // namespace ruler
