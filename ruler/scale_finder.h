// The answer of the scale finder: the scale of a plan from a dimension read
// on it (metres) and the same dimension measured on the paper (centimetres).
#pragma once

#include <optional>
#include <string>

namespace ruler {

// N = plan / measure × 100; nothing when either value is 0 (the only
// refused input).
std::optional<double> scaleDenominator(long double plan, long double measure);

// " Echelle : 1/N ème" with N to the unit, written in full, while N is at
// least 1, and on a second line the reduction the plan went through, when one
// fits. A plan drawn larger than life (a 2:1 detail) gets its enlargement
// instead, " Echelle : 2/1", to the hundredth where a whole number would
// misstate it (" Echelle : 1,25/1").
std::optional<std::wstring> scaleMessage(long double plan, long double measure, wchar_t decimalSeparator);

}  // namespace ruler
