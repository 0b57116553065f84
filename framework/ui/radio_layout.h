// Where the items of a radio group go: column by column, top to bottom, the
// rows sharing the height under the caption.
#pragma once

#include <vector>

namespace fw {

struct Cell {
  int left, top, width, height;
  bool operator==(const Cell&) const = default;
};

std::vector<Cell> radioItemCells(int count, int columns, int width, int height, int captionHeight);

}  // namespace fw
