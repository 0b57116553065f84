// Writes, as a C++ header, the width of every character the sheets print in
// the printer's own font, on each printer named, as the printer's driver
// measures it: the host tests lay the sheets out with these widths, the
// Windows tests check them against the driver. tools/printer_font_widths.sh
// runs it on the test queues of 150, 300, 600 and 1200 dpi.
#include <windows.h>

#include <cstdio>
#include <string>

#include "framework/system/printer.h"
#include "framework/text/utf8.h"
#include "tests/support/printer_font_chars.h"

int wmain(int argc, wchar_t** argv) {
  std::printf("// Made by tools/printer_font_widths.sh from the printers' driver: do not edit.\n");
  std::printf("#pragma once\n\n#include \"tests/support/printer_font_chars.h\"\n\n");
  std::printf("inline constexpr PrinterFontWidths printerFontWidths[] = {\n");
  for (int i = 1; i < argc; ++i) {
    fw::Printer printer;
    printer.use(argv[i]);
    const int dpi = GetDeviceCaps(printer.handle(), LOGPIXELSY);
    std::printf("    {L\"%s\", %d, %ld, {", fw::toUtf8(argv[i]).c_str(), dpi, printer.textSize(L"0").cy);
    for (const wchar_t* c = printerFontChars; *c; ++c)
      std::printf("%s%ld", c == printerFontChars ? "" : ", ", printer.textSize(std::wstring_view(c, 1)).cx);
    std::printf("}},\n");
  }
  std::printf("};\n");
  return 0;
}
