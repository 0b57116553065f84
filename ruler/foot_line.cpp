#include "ruler/foot_line.h"

#include "ruler/name_cut.h"

namespace ruler {
namespace {

std::wstring twoDigits(int n) { return (n < 10 ? L"0" : L"") + std::to_wstring(n); }

}  // namespace

std::wstring footLine(std::wstring_view title, Calibration calibration, bool landscape, std::wstring_view printer,
                      const PrintOrigin& origin) {
  // The catalogue's titles end with blanks that mean nothing here.
  while (!title.empty() && title.back() == L' ') title.remove_suffix(1);
  const std::wstring dot = L" \u00B7 ";
  const PrintDate& d = origin.date;
  return std::wstring(title) + dot + L"étalonnage " + calibration.text() + dot + (landscape ? L"paysage" : L"portrait") +
         dot + std::wstring(printer) + dot + twoDigits(d.day) + L"/" + twoDigits(d.month) + L"/" +
         std::to_wstring(d.year) + dot + L"Morvi " + origin.version;
}

Text layoutFootLine(const PrintablePage& page, int left, std::wstring_view title, Calibration calibration,
                    const PrintOrigin& origin, const TextMeasure& measure) {
  const InkBox box = inkBox(page);
  const bool landscape = page.widthPixels > page.heightPixels;
  std::wstring text = footLine(title, calibration, landscape, origin.printer, origin);
  const TextSize size = measure(text);
  const int top = box.bottom + 1 - size.height;
  const int room = box.right + 1 - left;
  for (std::size_t kept = origin.printer.size(); measure(text).width > room && kept > 0;) {
    --kept;
    text = footLine(title, calibration, landscape, cutInMiddle(origin.printer, kept), origin);
  }
  return Text{{left, top}, text};
}

}  // namespace ruler
