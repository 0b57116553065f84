#include "ruler/sheet_picture.h"

#include <variant>

#include "gdip/objects.h"
#include "ruler/page_preview.h"

namespace ruler {
namespace {

constexpr gdip::Argb paperWhite = 0xFFFFFFFF, paperEdge = 0xFF808080, printableEdge = 0xFFC8D2E6, ink = 0xFF000000;
// A printer's one-pixel line reduced hundreds of times would vanish: it is
// drawn as the thinnest line the screen still shows, greyed by the smoothing.
constexpr gdip::REAL thinnestLine = 0.75f;

gdip::RectF rectOf(const PreviewRect& r, const RECT& box) {
  return {gdip::REAL(box.left + r.left), gdip::REAL(box.top + r.top), gdip::REAL(r.width), gdip::REAL(r.height)};
}

}  // namespace

void paintSheet(HDC dc, const RECT& box, const PageDrawing& drawing) {
  const PreviewPlace place = placePreview(drawing.page, box.right - box.left, box.bottom - box.top);
  gdip::Graphics g(dc);
  g.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  // Without fitting to the screen's grid: letters a few pixels high keep the
  // widths they have on paper, and a line of text its length.
  g.setTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
  const gdip::SolidBrush paper(paperWhite);
  g.fillRectangle(paper.get(), rectOf(place.paper, box));
  g.drawRectangle(gdip::Pen(paperEdge, 1), rectOf(place.paper, box));
  gdip::Pen printable(printableEdge, 1);
  printable.setDashStyle(Gdiplus::DashStyleDash);
  g.drawRectangle(printable, rectOf(place.printable, box));

  // Nothing prints off the paper.
  g.setClip(gdip::Region(rectOf(place.paper, box)));
  const gdip::Pen line(ink, thinnestLine);
  const gdip::SolidBrush text(ink);
  // The page's font at its size on paper, reduced as the page is.
  const gdip::FontFamily family(fw::pageFontFace());
  const gdip::Font font(family, gdip::REAL(fw::pageFontPoints() * drawing.page.resolution.dpiY / 72.0 * place.scaleY),
                        Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
  const gdip::StringFormat format(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip);
  const auto at = [&](const Point& p) {
    return gdip::PointF(gdip::REAL(box.left + place.x(p.x)), gdip::REAL(box.top + place.y(p.y)));
  };
  for (const DrawOp& op : drawing.ops) {
    if (const auto* l = std::get_if<Line>(&op)) {
      g.drawLine(line, at(l->from), at(l->to));
    } else {
      const auto& t = std::get<Text>(op);
      const gdip::PointF corner = at(t.at);
      g.drawString(t.text, font, {corner.X, corner.Y, 0, 0}, format, text.get());
    }
  }
}

}  // namespace ruler
