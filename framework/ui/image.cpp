#include "framework/ui/image.h"

#include <oleacc.h>

#include "framework/desc/dpi_scaling.h"

namespace fw {

Publication Image::publication() {
  return {"TImage",
          {
              property<Image, bool>("AutoSize", false, [](const Image& i) { return i.autoSize_; },
                                    [](Image& i, bool v) { i.autoSize_ = v; i.fitToPicture(); }),
              property<Image, desc::Bytes>("Picture.Data", {}, &Image::pictureData, &Image::setPictureData),
              property<Image, bool>("Stretch", false, [](const Image& i) { return i.stretch_; },
                                    [](Image& i, bool v) { i.stretch_ = v; i.invalidate(); }),
              property<Image, bool>("Transparent", false, [](const Image& i) { return i.picture_.transparent(); },
                                    [](Image& i, bool v) { i.picture_.setTransparent(v); }),
          }};
}

desc::Bytes Image::pictureData() const {
  desc::Bytes bytes;
  picture_.saveToStream(bytes);
  return bytes;
}

void Image::setPictureData(const desc::Bytes& bytes) {
  picture_.loadFromBytes(bytes);
  scaled_.reset();
  fitToPicture();
  invalidate();
}

// The picture is drawn for 96 dpi: at another DPI the image takes its size
// scaled, as every other length of the window.
void Image::fitToPicture() {
  if (autoSize_ && !picture_.empty())
    setBounds(left(), top(), desc::scaleLength(picture_.width(), dpi()), desc::scaleLength(picture_.height(), dpi()));
}

long Image::accessibleRole() const { return ROLE_SYSTEM_GRAPHIC; }

void Image::paint(HDC dc, const RECT& client) {
  paintBackground(dc, client);
  if (picture_.empty()) return;
  const bool designed = dpi() == desc::kDesignDpi;
  const RECT r = stretch_ ? client
                          : RECT{0, 0, desc::scaleLength(picture_.width(), dpi()),
                                 desc::scaleLength(picture_.height(), dpi())};
  if (designed || !picture_.transparent())
    picture_.draw(dc, r);
  else
    drawScaled(dc, r);
}

// TransparentBlt stretches by repeating pixels and keeps the key's hard
// edge; the form drawn for the size, or the resampled picture, blends in.
void Image::drawScaled(HDC dc, const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  if (!scaled_ || scaled_->width() != w || scaled_->height() != h) {
    desc::Bytes file;
    picture_.saveToStream(file);
    scaled_.emplace(keyedAtSize(file, w, h));
  }
  scaled_->draw(dc, r.left, r.top);
}

}  // namespace fw
