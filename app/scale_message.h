// The answer of the scale finder: the scale of a plan from a dimension read
// on it (metres) and the same dimension measured on the paper (centimetres).
#pragma once

#include <optional>
#include <string>

// N = plan / measure × 100; nothing when either value is 0 (the only
// refused input).
std::optional<double> scaleDenominator(long double plan, long double measure);

// " Echelle : 1/N ème" with N to the unit, written in full, and on a second
// line the reduction the plan went through, when one fits.
std::optional<std::wstring> scaleMessage(long double plan, long double measure);
