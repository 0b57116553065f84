#include "ruler/name_cut.h"

namespace ruler {

std::wstring cutInMiddle(std::wstring_view name, std::size_t length) {
  if (name.size() <= length) return std::wstring(name);
  const std::size_t kept = length > 0 ? length - 1 : 0;
  // The start, which names the printer's kind, gets the odd character.
  const std::size_t head = (kept + 1) / 2;
  const std::size_t tail = kept - head;
  return std::wstring(name.substr(0, head)) + L"\u2026" + std::wstring(name.substr(name.size() - tail));
}

}  // namespace ruler
