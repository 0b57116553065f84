#include "ruler/print_page.h"

#include <variant>

#include "framework/error/error.h"
#include "morvi_version.h"

namespace ruler {
namespace {

// The resolution is exact where the page size in millimetres is cut down to
// whole ones.
PrintablePage measure(fw::Printer& printer) {
  const HDC dc = printer.handle();
  const PrintablePage page{{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)},
                           GetDeviceCaps(dc, VERTRES),
                           GetDeviceCaps(dc, HORZRES),
                           {GetDeviceCaps(dc, PHYSICALWIDTH), GetDeviceCaps(dc, PHYSICALHEIGHT),
                            GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY)}};
  if (page.resolution.dpiX <= 0 || page.resolution.dpiY <= 0 || page.heightPixels <= 0 || page.widthPixels <= 0) {
    throw fw::PrinterError(fw::notSupportedText);  // a page the printer cannot measure
  }
  return page;
}

void draw(fw::Printer& printer, const std::vector<DrawOp>& ops) {
  for (const DrawOp& op : ops) {
    if (const auto* line = std::get_if<Line>(&op)) {
      printer.moveTo(line->from.x, line->from.y);
      printer.lineTo(line->to.x, line->to.y);
    } else {
      const auto& text = std::get<Text>(op);
      printer.textOut(text.at.x, text.at.y, text.text);
    }
  }
}

// The page and what of the layout lies in its ink box.
PageDrawing laidOut(fw::Printer& printer, const std::function<std::vector<DrawOp>(const PrintablePage&)>& layout) {
  const PrintablePage page = measure(printer);
  // The layouts keep within the ink box; this is the last guard that nothing crosses it.
  return {page, keepPrintable(layout(page), page, textMeasure(printer))};
}

// Runs `work` with the printer turned to the chosen orientation.
template <class Work>
void inOrientation(fw::Printer& printer, std::optional<fw::Orientation> orientation, Work work) {
  printer.followDefault();  // the user may have chosen another printer since the last job
  const fw::Orientation saved = printer.orientation();
  if (orientation) printer.setOrientation(*orientation);
  try {
    work();
    printer.setOrientation(saved);
  } catch (...) {
    // No half job stays in the spooler and the orientation is the user's again.
    if (printer.printing()) printer.abort();
    printer.setOrientation(saved);
    throw;
  }
}

}  // namespace

PrintOrigin printOrigin(fw::Printer& printer) {
  SYSTEMTIME today{};
  GetLocalTime(&today);
  return {printer.name(), {today.wDay, today.wMonth, today.wYear}, L"" MORVI_VERSION};
}

TextMeasure textMeasure(fw::Printer& printer) {
  return [&printer](std::wstring_view text) {
    const SIZE size = printer.textSize(text);
    return TextSize{size.cx, size.cy};
  };
}

PrintablePage measurePage(fw::Printer& printer, std::optional<fw::Orientation> orientation) {
  PrintablePage page{};
  inOrientation(printer, orientation, [&] { page = measure(printer); });
  return page;
}

void printPage(fw::Printer& printer, std::optional<fw::Orientation> orientation,
               const std::function<std::vector<DrawOp>(const PrintablePage&)>& layout) {
  inOrientation(printer, orientation, [&] {
    const PageDrawing drawing = laidOut(printer, layout);
    printer.beginDoc();
    draw(printer, drawing.ops);
    printer.endDoc();
  });
}

PageDrawing drawPage(fw::Printer& printer, std::optional<fw::Orientation> orientation,
                     const std::function<std::vector<DrawOp>(const PrintablePage&)>& layout) {
  PageDrawing drawing{};
  inOrientation(printer, orientation, [&] { drawing = laidOut(printer, layout); });
  return drawing;
}

}  // namespace ruler
