// The pictures of the GDI+ fill and of the smooth label: BMP data is drawn
// at its own size, and the picture can also be drawn onto a GDI+ surface
// with a key colour left out, or repeated as a texture.
#pragma once

#include "gdip/picture.h"

namespace gdip {

enum class KeyColorMode {
  Auto,   // the colour of the image's bottom-left pixel
  Fixed,  // KeyColor
};

class TAdvGDIPPicture : public Picture {
 public:
  // Only data of at least one byte is taken; it is measured at once.
  void readData(const desc::Bytes& data) override;
  void loadFromStream(std::span<const std::uint8_t> content) override;

  // BMP data with the transparent flag set is drawn at its own size at the
  // rectangle's top-left corner without its key colour; everything else is
  // scaled to the rectangle. The surface keeps the status of the drawing.
  void DrawOnGraphics(Graphics& graphics, const RECT& rect);
  // Fill with the picture repeated as a tile.
  void TextureFillPath(Graphics& graphics, const Path& path);
  void TextureFillRect(Graphics& graphics, const RectF& rect);
  // Hands a brush of the picture repeated as a tile to `use` (a text's
  // texture), released after; nothing when the picture is empty.
  void withTexture(const std::function<void(Gdiplus::GpBrush* brush)>& use) const;

  KeyColorMode keyColorMode() const { return keyColorMode_; }
  void setKeyColorMode(KeyColorMode mode) { keyColorMode_ = mode; }
  // Taken fully opaque; system colours are resolved when drawing.
  fw::Color keyColor() const { return keyColor_; }
  void setKeyColor(fw::Color color) { keyColor_ = color; }

 protected:
  void drawBitmap(HDC dc, const RECT& rect, fw::Bitmap& bitmap) override {
    bitmap.drawAt(dc, rect.left, rect.top);
  }
  // From the file's header, by the extension of its name.
  void measureLoadedFile(const std::wstring& fileName) override;

 private:
  KeyColorMode keyColorMode_ = KeyColorMode::Auto;
  fw::Color keyColor_ = fw::clWhite;
};

}  // namespace gdip
