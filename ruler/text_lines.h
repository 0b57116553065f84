// A text too wide for its place on a page, broken into lines at its blanks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ruler/printable_area.h"
#include "ruler/ruler_layout.h"

namespace ruler {

// The words of `text` in as few lines as fit `room` device pixels, each line
// as full as it can be; a word wider than the room stands alone on its line.
std::vector<std::wstring> wrapWords(std::wstring_view text, int room, const TextMeasure& measure);

// The lines one under the other, the first's top-left corner at `at`.
std::vector<DrawOp> stackLines(const std::vector<std::wstring>& lines, Point at, const TextMeasure& measure);

// The height of those lines stacked.
int stackHeight(const std::vector<std::wstring>& lines, const TextMeasure& measure);

}  // namespace ruler
