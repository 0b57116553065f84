// A sheet drawn reduced on screen from the very operations that go to the
// printer: the paper, its printable area faintly marked, every line and
// text where the page's layout put it, scaled into a box and anti-aliased.
#pragma once

#include <windows.h>

#include "ruler/print_page.h"

namespace ruler {

// Paints `drawing` into `box` of `dc`; the paper in the middle of the box,
// as large as it holds it.
void paintSheet(HDC dc, const RECT& box, const PageDrawing& drawing);

}  // namespace ruler
