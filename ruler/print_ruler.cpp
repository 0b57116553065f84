#include "ruler/print_ruler.h"

#include <variant>

#include "framework/error/error.h"
#include "ruler/ruler_layout.h"

namespace ruler {
namespace {

// The resolution is exact where the page size in millimetres is cut down to
// whole ones.
Resolution measure(fw::Printer& printer) {
  const Resolution resolution{GetDeviceCaps(printer.handle(), LOGPIXELSX), GetDeviceCaps(printer.handle(), LOGPIXELSY)};
  if (resolution.dpiX <= 0 || resolution.dpiY <= 0) {
    throw fw::PrinterError(fw::notSupportedText);  // a page the printer cannot measure
  }
  return resolution;
}

void draw(fw::Printer& printer, const RulerPage& page) {
  for (const DrawOp& op : page.ops) {
    if (const auto* line = std::get_if<Line>(&op)) {
      printer.moveTo(line->from.x, line->from.y);
      printer.lineTo(line->to.x, line->to.y);
    } else {
      const auto& text = std::get<Text>(op);
      printer.textOut(text.at.x, text.at.y, text.text);
    }
  }
}

}  // namespace

long double printRuler(fw::Printer& printer, const Graduation& graduation, long double calibrationCoef,
                       int orientationIndex, wchar_t decimalSeparator) {
  const fw::Orientation saved = printer.orientation();
  if (orientationIndex == 0 || orientationIndex == 1) {
    printer.setOrientation(orientationIndex == 1 ? fw::Orientation::Landscape : fw::Orientation::Portrait);
  }
  try {
    const RulerPage page = layoutRuler(measure(printer), graduation, calibrationCoef, decimalSeparator);
    printer.beginDoc();
    draw(printer, page);
    printer.endDoc();
    printer.setOrientation(saved);
    return page.printCoef;
  } catch (...) {
    // No half job stays in the spooler and the orientation is the user's again.
    if (printer.printing()) printer.abort();
    printer.setOrientation(saved);
    throw;
  }
}

}  // namespace ruler
