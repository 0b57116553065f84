#include "gdip/adv_gdip_picture.h"

#include "gdip/image_header.h"

namespace gdip {

void TAdvGDIPPicture::readData(const desc::Bytes& data) {
  if (data.empty()) return;
  setData(data);
  UpdateSize();
}

void TAdvGDIPPicture::loadFromStream(std::span<const std::uint8_t> content) {
  if (content.empty()) return;
  Picture::loadFromStream(content);
}

void TAdvGDIPPicture::measureLoadedFile(const std::wstring& fileName) {
  const ImageSize size = headerSize(formatFromFileName(fileName), data());
  setSize(size.width, size.height);
}

void TAdvGDIPPicture::DrawOnGraphics(Graphics& graphics, const RECT& rect) {
  decode([&](Image& image, ImageStream& stream) {
    const UINT w = image.width(), h = image.height();
    setSize(static_cast<int>(w), static_cast<int>(h));
    if (isBmp(image) && transparent()) {
      Argb key;
      if (keyColorMode_ == KeyColorMode::Fixed) {
        key = argb(keyColor_, 255);
      } else {
        BitmapImage pixels = BitmapImage::load(stream.rewound());
        key = pixels.pixel(0, static_cast<INT>(h) - 1);
      }
      ImageAttributes attributes;
      attributes.setColorKeys(key, key);
      graphics.drawImage(image, RectF(static_cast<REAL>(rect.left), static_cast<REAL>(rect.top),
                                      static_cast<REAL>(w), static_cast<REAL>(h)),
                         RectF(0, 0, static_cast<REAL>(w), static_cast<REAL>(h)), attributes);
    } else {
      graphics.drawImage(image, RectF(static_cast<REAL>(rect.left), static_cast<REAL>(rect.top),
                                      static_cast<REAL>(rect.right - rect.left),
                                      static_cast<REAL>(rect.bottom - rect.top)));
    }
  });
}

void TAdvGDIPPicture::withTexture(const std::function<void(Gdiplus::GpBrush* brush)>& use) const {
  decode([&](Image& image, ImageStream&) {
    TextureBrush brush(image);
    use(brush.get());
  });
}

void TAdvGDIPPicture::TextureFillPath(Graphics& graphics, const Path& path) {
  withTexture([&](Gdiplus::GpBrush* brush) { graphics.fillPath(brush, path); });
}

void TAdvGDIPPicture::TextureFillRect(Graphics& graphics, const RectF& rect) {
  withTexture([&](Gdiplus::GpBrush* brush) { graphics.fillRectangle(brush, rect); });
}

}  // namespace gdip
