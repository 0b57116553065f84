#include "app/scale_message.h"

#include "framework/text/float_format.h"
#include "ruler/reduction_hint.h"

std::optional<double> scaleDenominator(long double plan, long double measure) {
  if (plan == 0 || measure == 0) return std::nullopt;
  // Computed in extended precision, kept as a double.
  return static_cast<double>(plan / measure * 100);
}

std::optional<std::wstring> scaleMessage(long double plan, long double measure) {
  const std::optional<double> n = scaleDenominator(plan, measure);
  if (!n) return std::nullopt;
  std::wstring message = L" Echelle : 1/" + fw::formatFixed(*n, 0, L'.') + L" ème";
  if (const std::optional<std::wstring> hint = ruler::reductionHint(*n)) message += L"\n" + *hint;
  return message;
}
