// An off-screen 32-bit surface for the Windows tests to draw on and read
// back at named points, with a per-channel tolerance.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace testcanvas {

inline constexpr std::uint32_t kGrey = 0xC0C0C0;  // the background, 0x00RRGGBB

// Filled with grey; pixels are read as 0x00RRGGBB.
class Canvas {
 public:
  Canvas(int w, int h) : w_(w), h_(h), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    old_ = SelectObject(dc_, bitmap_);
    for (int i = 0; i < w * h; ++i) bits_[i] = kGrey;
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  std::uint32_t at(int x, int y) const {
    GdiFlush();
    return bits_[y * w_ + x] & 0xFFFFFF;
  }
  // The first pixel where the two canvases differ, or success.
  testing::AssertionResult sameAs(const Canvas& other) const {
    GdiFlush();
    for (int i = 0; i < w_ * h_; ++i)
      if ((bits_[i] & 0xFFFFFF) != (other.bits_[i] & 0xFFFFFF))
        return testing::AssertionFailure() << "differs at (" << i % w_ << ", " << i / w_ << ")";
    return testing::AssertionSuccess();
  }
  bool untouched() const {
    GdiFlush();
    for (int i = 0; i < w_ * h_; ++i)
      if ((bits_[i] & 0xFFFFFF) != kGrey) return false;
    return true;
  }

 private:
  int w_, h_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  std::uint32_t* bits_;
};

// Each channel within the tolerance: scaling may blend a little.
inline testing::AssertionResult closeTo(std::uint32_t got, std::uint32_t want, int tolerance = 12) {
  for (int shift : {0, 8, 16}) {
    const int a = (got >> shift) & 0xFF, b = (want >> shift) & 0xFF;
    if (std::abs(a - b) > tolerance) {
      char text[64];
      std::snprintf(text, sizeof text, "got %06X, want %06X", unsigned(got), unsigned(want));
      return testing::AssertionFailure() << text;
    }
  }
  return testing::AssertionSuccess();
}

}  // namespace testcanvas
