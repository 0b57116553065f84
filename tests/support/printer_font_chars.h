// The characters the sheets print, and their widths in the printer's font at
// one resolution (tests/support/printer_font_widths.h, made from the driver).
#pragma once

#include <iterator>
#include <stdexcept>
#include <string_view>

inline constexpr wchar_t printerFontChars[] =
    L" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~"
    L"\u00A0\u00AB\u00B7\u00BB\u00C9\u00D7\u00E0\u00E2\u00E7\u00E8\u00E9\u00EA\u00EE\u00F4\u00F9\u00FB\u2019\u2026\u2030";

struct PrinterFontWidths {
  const wchar_t* printer;  // the test queue it was measured on
  int dpi;
  int height;  // a line's height
  short widths[std::size(printerFontChars) - 1];
};

// `text`'s width in that font: its letters' widths added, as the driver adds them.
inline int widthIn(const PrinterFontWidths& font, std::wstring_view text) {
  int width = 0;
  for (const wchar_t c : text) {
    const std::size_t at = std::wstring_view(printerFontChars).find(c);
    if (at == std::wstring_view::npos) throw std::out_of_range("a letter the printer font's widths lack");
    width += font.widths[at];
  }
  return width;
}
