#!/usr/bin/env bash
# Writes tests/support/printer_font_widths.h: the width of every character
# the sheets print, in the printer's own font, as Wine's printer driver
# measures it on the test queues of 150, 300, 600 and 1200 dpi
# (tools/services.sh). Run it again when the printer's font or the
# characters change; the Windows tests say when the file no longer agrees
# with the driver.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$repo/tools/services.sh" start >/dev/null
cmake --build "$repo/build/win" --target morvi_printer_font_widths >/dev/null
"$repo/tools/wine-run" "$repo/build/win/tools/printer_font/morvi_printer_font_widths.exe" PDF-150 PDF PDF-600 PDF-1200 |
  tr -d '\r' >"$repo/tests/support/printer_font_widths.h.tmp"
mv "$repo/tests/support/printer_font_widths.h.tmp" "$repo/tests/support/printer_font_widths.h"
