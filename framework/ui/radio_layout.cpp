#include "framework/ui/radio_layout.h"

namespace fw {

std::vector<Cell> radioItemCells(int count, int columns, int width, int height, int captionHeight) {
  std::vector<Cell> cells;
  if (count <= 0) return cells;
  if (columns < 1) columns = 1;
  int perColumn = (count + columns - 1) / columns;
  int columnWidth = (width - 10) / columns;
  int usable = height - captionHeight - 5;
  int rowHeight = usable / perColumn;
  int top = captionHeight + 1 + (usable % perColumn) / 2;
  for (int i = 0; i < count; ++i)
    cells.push_back({8 + (i / perColumn) * columnWidth, top + (i % perColumn) * rowHeight, columnWidth, rowHeight});
  return cells;
}

}  // namespace fw
