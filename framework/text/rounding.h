// Float to integer the way coordinates and colour channels are rounded
// everywhere in the program.
#pragma once

namespace fw {

// The processor's default rounding: to nearest, a half to the even neighbour
// (2.5 gives 2, 3.5 gives 4); clamped to the range of int.
int roundHalfEven(long double v);

}  // namespace fw
