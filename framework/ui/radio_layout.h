// Where the items of a radio group go: column by column, top to bottom, the
// rows sharing the height under the caption; the margins are designed at 96
// dpi and scaled to the group's `dpi`.
#pragma once

#include <vector>

namespace fw {

struct Cell {
  int left, top, width, height;
  bool operator==(const Cell&) const = default;
};

std::vector<Cell> radioItemCells(int count, int columns, int width, int height, int captionHeight, int dpi);

// The lines of a list of `count` one-line choices, `lineHeight` each, that
// a room of `room` pixels shows at once (all when they fit, at least one),
// and the first of them shown: the list scrolled no further than it takes
// to show the line `chosen`.
struct ShownLines {
  int count, first;
  bool operator==(const ShownLines&) const = default;
};

ShownLines shownLines(int count, int lineHeight, int room, int chosen);

}  // namespace fw
