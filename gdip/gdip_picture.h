// The glow button's pictures: BMP data is stretched to the rectangle with
// its bottom-left colour see-through.
#pragma once

#include "gdip/picture.h"

namespace gdip {

class TGDIPPicture : public Picture {
 public:
  // The glow button's way: at w × h at (x, y) on a GDI+ surface, BMP data
  // without the colour of its bottom-left pixel; at another size than its own
  // (its size scaled to the display's DPI), from the form drawn for that size
  // or resampled.
  void drawKeyed(Graphics& graphics, int x, int y, int w, int h) { drawKeyedAtSize(graphics, x, y, w, h); }

 protected:
  void drawBitmap(HDC dc, const RECT& rect, fw::Bitmap& bitmap) override { bitmap.draw(dc, rect); }
  void measureLoadedFile(const std::wstring&) override { UpdateSize(); }
};

}  // namespace gdip
