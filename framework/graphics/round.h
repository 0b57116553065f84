// Round: a float to the nearest integer, a half to the even neighbour (2.5
// gives 2, 3.5 gives 4), for coordinates and colour channels. Portable.
#pragma once

#include <cmath>
#include <limits>

namespace fw {

inline int roundHalfEven(long double v) {
  // The default floating-point environment rounds to nearest, ties to even.
  const long double nearest = std::nearbyint(v);
  constexpr long double lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
  return static_cast<int>(std::fmin(std::fmax(nearest, lowest), highest));
}

}  // namespace fw
