// The ruler on screen as it looks: a light band, its graduation along one
// edge, the scale in its far corner, and the hairline with its reading.
#include "app/screen_ruler_window.h"

#include "framework/graphics/gdi.h"
#include "framework/system/locale_win.h"

namespace {

constexpr int labelPoints = 8;
const COLORREF paper = RGB(252, 250, 238), edge = RGB(150, 150, 150), ink = RGB(0, 0, 0), hairline = RGB(200, 0, 0);

}  // namespace

void ScreenRulerWindow::paint(HDC dc, const RECT& client) {
  const fw::Brush background(CreateSolidBrush(paper));
  FillRect(dc, &client, background.get());
  const fw::Brush frame(CreateSolidBrush(edge));
  FrameRect(dc, &client, frame.get());

  fw::FontSpec labelFace;
  labelFace.name = L"Segoe UI";
  labelFace.height = -MulDiv(labelPoints, dpi_, 72);
  const fw::Font font = fw::createFont(labelFace);
  const fw::Selection useFont(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  const auto extent = [&](const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return size;
  };

  const int length = vertical_ ? client.bottom : client.right;
  const ruler::ScreenBand band{
      length, pixels(zeroMm), [&](const std::wstring& t) { return vertical_ ? int(extent(t).cy) : int(extent(t).cx); },
      MulDiv(ruler::screenLabelGap, dpi_, 96)};
  const fw::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ink));
  const fw::Selection usePen(dc, pen.get());
  for (const ruler::ScreenMark& mark :
       ruler::screenGraduation(scale().graduation, pitch_.pixelsPerMm, band, fw::numberFormat().decimal)) {
    const int depth = pixels(mark.labelled ? markMm : tickMm);
    // Lines end one pixel short of their end point: one more makes the depth.
    if (vertical_) {
      MoveToEx(dc, 0, mark.along, nullptr);
      LineTo(dc, depth + 1, mark.along);
    } else {
      MoveToEx(dc, mark.along, 0, nullptr);
      LineTo(dc, mark.along, depth + 1);
    }
    if (mark.label.empty()) continue;
    const SIZE size = extent(mark.label);
    if (vertical_)
      TextOutW(dc, pixels(labelTopMm), mark.along - size.cy / 2, mark.label.c_str(), int(mark.label.size()));
    else
      TextOutW(dc, mark.along - size.cx / 2, pixels(labelTopMm), mark.label.c_str(), int(mark.label.size()));
  }

  // The scale in the band's far corner, the hairline and its reading.
  const std::wstring name = set_ ? scale().name + L" calée" : scale().name;
  const SIZE nameSize = extent(name);
  SetTextColor(dc, edge);
  TextOutW(dc, client.right - nameSize.cx - 4, client.bottom - nameSize.cy - 2, name.c_str(), int(name.size()));
  if (!readAt_) return;
  const fw::GdiObject<HPEN> red(CreatePen(PS_SOLID, 1, hairline));
  const fw::Selection useRed(dc, red.get());
  SetTextColor(dc, hairline);
  const SIZE size = extent(lastReading_);
  if (vertical_) {
    MoveToEx(dc, 0, *readAt_, nullptr);
    LineTo(dc, client.right, *readAt_);
    const int y = *readAt_ + 2 + size.cy <= client.bottom ? *readAt_ + 2 : *readAt_ - 2 - size.cy;
    TextOutW(dc, client.right - size.cx - 4, y, lastReading_.c_str(), int(lastReading_.size()));
  } else {
    MoveToEx(dc, *readAt_, 0, nullptr);
    LineTo(dc, *readAt_, client.bottom);
    const int x = *readAt_ + 4 + size.cx <= client.right ? *readAt_ + 4 : *readAt_ - 4 - size.cx;
    TextOutW(dc, x, client.bottom - size.cy - 2, lastReading_.c_str(), int(lastReading_.size()));
  }
}
