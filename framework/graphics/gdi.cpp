#include "framework/graphics/gdi.h"

namespace fw {

void SavedDC::clipTo(std::span<const RECT> areas) {
  // Regions are in device coordinates.
  GdiObject<HRGN> wanted(CreateRectRgn(0, 0, 0, 0));
  for (const RECT& area : areas) {
    POINT corners[2] = {{area.left, area.top}, {area.right, area.bottom}};
    LPtoDP(dc_, corners, 2);
    GdiObject<HRGN> piece(CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y));
    CombineRgn(wanted.get(), wanted.get(), piece.get(), RGN_OR);
  }
  GdiObject<HRGN> current(CreateRectRgn(0, 0, 0, 0));
  if (GetClipRgn(dc_, current.get()) == 1) CombineRgn(wanted.get(), wanted.get(), current.get(), RGN_AND);
  SelectClipRgn(dc_, wanted.get());
}

PaintBuffer::PaintBuffer(HDC target, const RECT& area)
    : target_(target),
      area_(area),
      memory_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)),
      selected_(memory_.get(), bitmap_.get()) {
  // The buffer's pixel (0, 0) is the area's top-left corner.
  SetViewportOrgEx(memory_.get(), -area.left, -area.top, nullptr);
}

void PaintBuffer::copyToTarget() const {
  BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, memory_.get(), area_.left,
         area_.top, SRCCOPY);
}

}  // namespace fw
