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
  const Argb fixed = argb(keyColor_, 255);
  drawOnSurface(graphics, rect, transparent(), keyColorMode_ == KeyColorMode::Fixed ? &fixed : nullptr);
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
