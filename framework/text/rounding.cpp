#include "framework/text/rounding.h"

#include <cmath>
#include <limits>

namespace fw {

int roundHalfEven(long double v) {
  // The default floating-point environment rounds to nearest, ties to even.
  const long double nearest = std::nearbyint(v);
  constexpr long double lowest = std::numeric_limits<int>::min(), highest = std::numeric_limits<int>::max();
  return static_cast<int>(std::fmin(std::fmax(nearest, lowest), highest));
}

}  // namespace fw
