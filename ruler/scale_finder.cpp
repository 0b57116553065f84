#include "ruler/scale_finder.h"

#include <cmath>

#include "framework/text/float_format.h"
#include "ruler/reduction_hint.h"

namespace ruler {
namespace {

// To the hundredth, without the zeros a whole or half number does not need.
std::wstring enlargementText(long double factor, wchar_t decimalSeparator) {
  std::wstring text = fw::formatFixed(factor, 2, decimalSeparator);
  while (text.back() == L'0') text.pop_back();
  if (text.back() == decimalSeparator) text.pop_back();
  return text;
}

}  // namespace

std::optional<double> scaleDenominator(long double plan, long double measure) {
  if (plan == 0 || measure == 0) return std::nullopt;
  // Computed in extended precision, kept as a double.
  return static_cast<double>(plan / measure * 100);
}

std::optional<std::wstring> scaleMessage(long double plan, long double measure, wchar_t decimalSeparator) {
  const std::optional<double> n = scaleDenominator(plan, measure);
  if (!n) return std::nullopt;
  if (std::fabs(*n) < 1) return L" Echelle : " + enlargementText(1 / static_cast<long double>(*n), decimalSeparator) + L"/1";
  std::wstring message = L" Echelle : 1/" + fw::formatFixed(*n, 0, L'.') + L" ème";
  if (const std::optional<std::wstring> hint = reductionHint(*n)) message += L"\n" + *hint;
  return message;
}

}  // namespace ruler
