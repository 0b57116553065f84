// The glow button's pictures: BMP data is stretched to the rectangle with
// its bottom-left colour see-through.
#pragma once

#include "gdip/picture.h"

namespace gdip {

class TGDIPPicture : public Picture {
 public:
  // The glow button's way: at its own size at (x, y) on a GDI+ surface, BMP
  // data without the colour of its bottom-left pixel.
  void drawKeyed(Graphics& graphics, int x, int y) {
    drawOnSurface(graphics, RECT{x, y, x + width(), y + height()}, true, nullptr);
  }

 protected:
  void drawBitmap(HDC dc, const RECT& rect, fw::Bitmap& bitmap) override { bitmap.draw(dc, rect); }
  void measureLoadedFile(const std::wstring&) override { UpdateSize(); }
};

}  // namespace gdip
