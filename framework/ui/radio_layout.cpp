#include "framework/ui/radio_layout.h"

#include <algorithm>

#include "framework/desc/dpi_scaling.h"

namespace fw {

std::vector<Cell> radioItemCells(int count, int columns, int width, int height, int captionHeight, int dpi) {
  const auto scaled = [dpi](int designed) { return desc::scaleLength(designed, dpi); };
  std::vector<Cell> cells;
  if (count <= 0) return cells;
  if (columns < 1) columns = 1;
  int perColumn = (count + columns - 1) / columns;
  int columnWidth = (width - scaled(10)) / columns;
  int usable = height - captionHeight - scaled(5);
  int rowHeight = usable / perColumn;
  int top = captionHeight + scaled(1) + (usable % perColumn) / 2;
  for (int i = 0; i < count; ++i)
    cells.push_back({scaled(8) + (i / perColumn) * columnWidth, top + (i % perColumn) * rowHeight, columnWidth, rowHeight});
  return cells;
}

ShownLines shownLines(int count, int lineHeight, int room, int chosen) {
  if (count <= 0) return {0, 0};
  const int shown = std::clamp(room / lineHeight, 1, count);
  return {shown, std::clamp(chosen - shown + 1, 0, count - shown)};
}

}  // namespace fw
