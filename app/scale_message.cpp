#include "app/scale_message.h"

#include "framework/text/float_format.h"

std::optional<std::wstring> scaleMessage(long double plan, long double measure) {
  if (plan == 0 || measure == 0) return std::nullopt;
  // Computed in extended precision, kept as a double.
  const double n = static_cast<double>(plan / measure * 100);
  return L" Echelle : 1/" + fw::formatFixed(n, 0, L'.') + L" ème";
}
