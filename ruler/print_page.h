// One page on the printer in a chosen orientation: the page is measured in
// that orientation, laid out, drawn as one job, and the printer's own
// orientation is put back, on failure too.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "framework/system/printer.h"
#include "ruler/foot_line.h"
#include "ruler/printable_area.h"
#include "ruler/ruler_layout.h"

namespace ruler {

// Without an orientation the page is the printer's own.
PrintablePage measurePage(fw::Printer& printer, std::optional<fw::Orientation> orientation);

// Where and when a page is printed: the printer (the default, which
// printPage follows), today, Morvi's version.
PrintOrigin printOrigin(fw::Printer& printer);

// Texts measured in the printer's font.
TextMeasure textMeasure(fw::Printer& printer);

// A page as it would print: the page measured in the chosen orientation
// and what the layout drew on it that lies in its ink box. Nothing is sent
// to the printer; the layout's refusal goes up as it would when printing.
struct PageDrawing {
  PrintablePage page;
  std::vector<DrawOp> ops;
};
PageDrawing drawPage(fw::Printer& printer, std::optional<fw::Orientation> orientation,
                     const std::function<std::vector<DrawOp>(const PrintablePage&)>& layout);

// Lays the page out from its measures and prints what the layout drew that
// lies in the page's ink box. A layout that throws prints nothing.
void printPage(fw::Printer& printer, std::optional<fw::Orientation> orientation,
               const std::function<std::vector<DrawOp>(const PrintablePage&)>& layout);

}  // namespace ruler
