// The abstract picture that a canvas can draw, a window description can
// store and that pictures of other kinds can be assigned from.
#pragma once

#include <windows.h>

#include "framework/desc/persistent.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace fw {

class Graphic : public Persistent {
 public:
  Graphic() = default;
  Graphic(const Graphic&) = delete;
  Graphic& operator=(const Graphic&) = delete;

  // Draws the picture into the rectangle of a device context. Not const:
  // a picture decoded at drawing time remembers the size it found.
  virtual void draw(HDC dc, const RECT& rect) = 0;
  // The point form: the rectangle is the picture's own size.
  void drawAt(HDC dc, int x, int y) { draw(dc, RECT{x, y, x + width(), y + height()}); }

  virtual bool empty() const = 0;
  virtual int width() const = 0;
  virtual int height() const = 0;

  // Appends the picture in its own file format (the bytes a file would hold).
  virtual void saveToStream(std::vector<std::uint8_t>& out) const = 0;

  bool transparent() const { return transparent_; }
  void setTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    changed();
  }

  // Raised when the content changes; the owner repaints.
  std::function<void()> OnChange;

 protected:
  void changed() {
    if (OnChange) OnChange();
  }

 private:
  bool transparent_ = false;
};

}  // namespace fw
