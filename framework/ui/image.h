// A picture on the window: a bitmap drawn stretched to the control and,
// when transparent, without its bottom-left colour.
#pragma once

#include "framework/graphics/bitmap.h"
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
  Bitmap picture_;
  bool autoSize_ = false;
  bool stretch_ = false;
};

}  // namespace fw
