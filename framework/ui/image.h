// A picture on the window: a bitmap drawn stretched to the control and,
// when transparent, without its bottom-left colour. At a DPI other than 96 a
// transparent picture is drawn from its form for that size, or resampled.
#pragma once

#include <optional>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/scaled_picture.h"
#include "framework/ui/control.h"

namespace fw {

class Image : public Published<Image, Control> {
 public:
  static Publication publication();
  void paint(HDC dc, const RECT& client) override;
  long accessibleRole() const override;

  const Bitmap& picture() const { return picture_; }
  desc::Bytes pictureData() const;
  void setPictureData(const desc::Bytes& bytes);

 private:
  void fitToPicture();
  void drawScaled(HDC dc, const RECT& r);
  Bitmap picture_;
  // The transparent picture at the size last drawn, when not its own; made
  // again for another size (another DPI) or other data.
  std::optional<AlphaBitmap> scaled_;
  bool autoSize_ = false;
  bool stretch_ = false;
};

}  // namespace fw
