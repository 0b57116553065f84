#include "ruler/text_lines.h"

namespace ruler {

std::vector<std::wstring> wrapWords(std::wstring_view text, int room, const TextMeasure& measure) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find(L' ', start), text.size());
    const std::wstring_view word = text.substr(start, end - start);
    if (!lines.empty() && measure(lines.back() + L" " + std::wstring(word)).width <= room) {
      lines.back() += L" " + std::wstring(word);
    } else {
      lines.emplace_back(word);
    }
    start = end + 1;
  }
  return lines;
}

std::vector<DrawOp> stackLines(const std::vector<std::wstring>& lines, Point at, const TextMeasure& measure) {
  std::vector<DrawOp> ops;
  for (const std::wstring& line : lines) {
    ops.emplace_back(Text{at, line});
    at.y += measure(line).height;
  }
  return ops;
}

int stackHeight(const std::vector<std::wstring>& lines, const TextMeasure& measure) {
  int height = 0;
  for (const std::wstring& line : lines) height += measure(line).height;
  return height;
}

}  // namespace ruler
