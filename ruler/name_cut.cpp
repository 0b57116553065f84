#include "ruler/name_cut.h"

#include <algorithm>
#include <vector>

namespace ruler {
namespace {

bool lowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// A piece of the name that starts and ends between whole characters: a
// boundary inside a pair moves so that the pair is left out.
struct Piece {
  std::size_t begin, end;
};

Piece whole(std::wstring_view name, Piece p) {
  if (p.begin > 0 && p.begin < name.size() && lowSurrogate(name[p.begin])) ++p.begin;
  if (p.end > 0 && p.end < name.size() && lowSurrogate(name[p.end])) --p.end;
  return {p.begin, std::max(p.begin, p.end)};
}

// The pieces in order, "…" where one does not follow on from the last.
std::wstring joined(std::wstring_view name, const std::vector<Piece>& pieces) {
  std::wstring text;
  std::size_t last = 0;
  for (const Piece& p : pieces) {
    const Piece w = whole(name, p);
    if (w.begin != last) text += L'\u2026';
    text += name.substr(w.begin, w.end - w.begin);
    last = w.end;
  }
  if (last != name.size()) text += L'\u2026';
  return text;
}

}  // namespace

std::wstring cutInMiddle(std::wstring_view name, std::size_t length) {
  if (name.size() <= length) return std::wstring(name);
  const std::size_t kept = length > 0 ? length - 1 : 0;
  // The start, which names the printer's kind, gets the odd unit.
  const std::size_t head = (kept + 1) / 2;
  const std::size_t tail = kept - head;
  return joined(name, {{0, head}, {name.size() - tail, name.size()}});
}

std::wstring cutAround(std::wstring_view name, std::size_t length, std::size_t at) {
  if (name.size() <= length) return std::wstring(name);
  // Two "…"; a quarter of the rest for the start and for the end, the
  // middle for the part around `at`.
  const std::size_t kept = length > 2 ? length - 2 : 0;
  const std::size_t head = kept / 4, tail = kept / 4, middle = kept - head - tail;
  const std::size_t from = std::clamp(at > middle / 2 ? at - middle / 2 : 0, head, name.size() - tail - middle);
  return joined(name, {{0, head}, {from, from + middle}, {name.size() - tail, name.size()}});
}

}  // namespace ruler
