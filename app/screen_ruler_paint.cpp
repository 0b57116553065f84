// The ruler on screen as it looks: a light band, its graduation along one
// edge, the scale in its far corner, and the hairline with its reading.
#include "app/screen_ruler_window.h"

#include "framework/graphics/gdi.h"
#include "framework/system/locale_win.h"

namespace {

constexpr int labelPoints = 8;
const COLORREF paper = RGB(252, 250, 238), edge = RGB(150, 150, 150), ink = RGB(0, 0, 0), hairline = RGB(200, 0, 0);

}  // namespace

fw::Font ScreenRulerWindow::labelFont() const {
  fw::FontSpec labelFace;
  labelFace.name = L"Segoe UI";
  labelFace.height = -MulDiv(labelPoints, dpi_, 72);
  return fw::createFont(labelFace);
}

ruler::MeasureText ScreenRulerWindow::measureIn(HDC dc) {
  return [dc](const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return ruler::TextSize{int(size.cx), int(size.cy)};
  };
}

void ScreenRulerWindow::paint(HDC dc, const RECT& client) {
  const fw::Brush background(CreateSolidBrush(paper));
  FillRect(dc, &client, background.get());
  const fw::Brush frame(CreateSolidBrush(edge));
  FrameRect(dc, &client, frame.get());

  const fw::Font font = labelFont();
  const fw::Selection useFont(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  const ruler::MeasureText measure = measureIn(dc);
  // Along and across the band, to the client area's x and y.
  const auto at = [&](int along, int across) { return vertical_ ? POINT{across, along} : POINT{along, across}; };
  const auto write = [&](const std::wstring& text, POINT corner) {
    TextOutW(dc, corner.x, corner.y, text.c_str(), int(text.size()));
  };

  const fw::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ink));
  const fw::Selection usePen(dc, pen.get());
  for (const ruler::ScreenMark& mark : layout_.marks) {
    const POINT from = at(mark.along, 0);
    // Lines end one pixel short of their end point: one more makes the depth.
    const POINT to = at(mark.along, (mark.labelled ? layout_.markDepth : layout_.tickDepth) + 1);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    if (mark.label.empty()) continue;
    const ruler::TextSize size = measure(mark.label);
    write(mark.label, at(mark.along - (vertical_ ? size.height : size.width) / 2, layout_.labelAcross));
  }

  // The scale in the band's far corner, the hairline and its reading.
  SetTextColor(dc, edge);
  write(scaleLabel(), at(layout_.nameAlong, layout_.nameAcross));
  if (!readAt_) return;
  const fw::GdiObject<HPEN> red(CreatePen(PS_SOLID, 1, hairline));
  const fw::Selection useRed(dc, red.get());
  SetTextColor(dc, hairline);
  const POINT from = at(*readAt_, 0), to = at(*readAt_, layout_.thickness);
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
  const ruler::TextPlace place = ruler::readingPlace(layout_, *readAt_, measure(lastReading_));
  write(lastReading_, at(place.along, place.across));
}
