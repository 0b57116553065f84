// One page on the printer in a chosen orientation: the page is measured in
// that orientation, laid out, drawn as one job, and the printer's own
// orientation is put back, on failure too.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "framework/system/printer.h"
#include "ruler/ruler_layout.h"

namespace ruler {

// Without an orientation the page is the printer's own.
PrintablePage measurePage(fw::Printer& printer, std::optional<fw::Orientation> orientation);

// Lays the page out from its measures and prints what the layout drew.
void printPage(fw::Printer& printer, std::optional<fw::Orientation> orientation,
               const std::function<std::vector<DrawOp>(const PrintablePage&)>& layout);

}  // namespace ruler
