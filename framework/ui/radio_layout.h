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

}  // namespace fw
