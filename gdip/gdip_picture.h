// The glow button's pictures: BMP data is stretched to the rectangle with
// its bottom-left colour see-through.
#pragma once

#include "gdip/picture.h"

namespace gdip {

class TGDIPPicture : public Picture {
 protected:
  void drawBitmap(HDC dc, const RECT& rect, fw::Bitmap& bitmap) override { bitmap.draw(dc, rect); }
  void measureLoadedFile(const std::wstring&) override { UpdateSize(); }
};

}  // namespace gdip
