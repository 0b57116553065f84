#include "ruler/foot_line.h"

#include "ruler/name_cut.h"
#include "ruler/text_lines.h"

namespace ruler {
namespace {

const std::wstring dot = L" \u00B7 ";

std::wstring twoDigits(int n) { return (n < 10 ? L"0" : L"") + std::to_wstring(n); }

// What the foot line says, one item after the other; the printer's is the fourth.
constexpr std::size_t printerField = 3;
std::vector<std::wstring> footFields(std::wstring_view title, Calibration calibration, bool landscape,
                                     std::wstring_view printer, const PrintOrigin& origin) {
  // The catalogue's titles end with blanks that mean nothing here.
  while (!title.empty() && title.back() == L' ') title.remove_suffix(1);
  const PrintDate& d = origin.date;
  return {std::wstring(title), L"étalonnage " + calibration.text(), landscape ? L"paysage" : L"portrait",
          std::wstring(printer), twoDigits(d.day) + L"/" + twoDigits(d.month) + L"/" + std::to_wstring(d.year),
          L"Morvi " + origin.version};
}

// The items in lines as full as `room` lets them be, a line broken after a
// " ·", an item too wide for a line of its own at its blanks; nothing when
// one word is still too wide.
std::vector<std::wstring> packFields(const std::vector<std::wstring>& fields, int room, const TextMeasure& measure) {
  std::vector<std::wstring> lines;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::wstring after = i + 1 < fields.size() ? L" \u00B7" : L"";
    if (!lines.empty() && measure(lines.back() + dot + fields[i] + after).width <= room) {
      lines.back() += dot + fields[i];
    } else {
      if (!lines.empty()) lines.back() += L" \u00B7";
      // Its last line keeps room for the " ·" after it.
      for (std::wstring& piece : wrapWords(fields[i], room - measure(after).width, measure))
        lines.push_back(std::move(piece));
    }
    if (measure(lines.back() + after).width > room) return {};
  }
  return lines;
}

}  // namespace

std::wstring footLine(std::wstring_view title, Calibration calibration, bool landscape, std::wstring_view printer,
                      const PrintOrigin& origin) {
  std::wstring line;
  for (const std::wstring& field : footFields(title, calibration, landscape, printer, origin))
    line += (line.empty() ? L"" : dot) + field;
  return line;
}

std::vector<DrawOp> layoutFootLine(const PrintablePage& page, int left, std::wstring_view title,
                                   Calibration calibration, const PrintOrigin& origin, const TextMeasure& measure) {
  const InkBox box = inkBox(page);
  const bool landscape = page.widthPixels > page.heightPixels;
  const int room = box.right + 1 - left;
  std::vector<std::wstring> fields = footFields(title, calibration, landscape, origin.printer, origin);
  const std::size_t whole = origin.printer.size();
  const auto packedWith = [&](std::size_t kept) {
    fields[printerField] = cutInMiddle(origin.printer, kept);
    return packFields(fields, room, measure);
  };
  // The fewest lines, and for as many the longest name.
  const std::size_t shortest = std::min(whole, keptOfName);
  std::vector<std::wstring> lines;
  for (std::size_t kept = whole + 1; kept-- > shortest;) {
    const std::vector<std::wstring> packed = packedWith(kept);
    if (!packed.empty() && (lines.empty() || packed.size() < lines.size())) lines = packed;
  }
  for (std::size_t kept = shortest; kept-- > 0 && lines.empty();) lines = packedWith(kept);
  // An item too wide for any line: the sheet cannot be printed whole.
  if (lines.empty()) lines = {footLine(title, calibration, landscape, origin.printer, origin)};
  return stackLines(lines, {left, box.bottom + 1 - stackHeight(lines, measure)}, measure);
}

}  // namespace ruler
