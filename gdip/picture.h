// What the two GDI+ picture kinds share: the image file's bytes, kept as
// they arrived, the empty flag, the measured size and the events. BMP data
// is measured from its checked header and drawn through GDI, its keyed form
// made once and kept until the data changes; other formats are decoded afresh
// by GDI+ at each measure or draw.
#pragma once

#include "framework/graphics/bitmap.h"
#include "framework/desc/description.h"
#include "framework/graphics/graphic.h"
#include "gdip/image_stream.h"
#include "gdip/keyed_bitmap.h"
#include "gdip/objects.h"

#include <functional>
#include <optional>
#include <span>
#include <string>

namespace gdip {

class Picture : public fw::Graphic {
 public:
  // Draws into the rectangle of a device context: BMP data as a framework
  // bitmap (see drawBitmap), other formats scaled to the rectangle.
  void draw(HDC dc, const RECT& rect) override;
  bool empty() const override { return empty_; }
  int width() const override { return width_; }
  int height() const override { return height_; }
  void saveToStream(std::vector<std::uint8_t>& out) const override;

  // Copies another object's picture:
  // - nothing: the data is cleared; OnChange, then OnClear;
  // - a picture of the same class: its data; OnChange, then UpdateSize;
  // - any other graphic: the file it saves; OnChange, then UpdateSize;
  // - anything else: the picture reports empty, keeps its data, raises nothing.
  void Assign(const fw::Persistent* source);

  // Measures the data and stores its size. False when the picture is empty
  // or holds no byte; true otherwise, also when it cannot be decoded (the
  // size is then 0 × 0).
  bool UpdateSize();

  // The binary Data value of the window description, byte for byte.
  virtual void readData(const desc::Bytes& data);
  desc::Bytes writeData() const { return data_; }

  virtual void loadFromStream(std::span<const std::uint8_t> content);
  // Any failure (no file, unreadable, no memory) is swallowed and leaves
  // the picture empty.
  void loadFromFile(const std::wstring& fileName);

  // Raised when the picture is cleared or loaded from a file.
  std::function<void()> OnClear;

  // Where the decoding memory comes from (GlobalAlloc unless a test says).
  void setAllocator(GlobalAllocator allocate) { allocate_ = allocate; }

 protected:
  Picture() = default;

  // Decodes the data afresh and hands the image to `use`; the image, the
  // stream and its memory are released after, on every path. Does nothing
  // when the picture is empty or holds no byte. Throws fw::Error when the
  // memory cannot be had.
  void decode(const std::function<void(Image& image, ImageStream& stream)>& use) const;
  static bool isBmp(Image& image);

  // Draws onto a GDI+ surface: BMP data, when `keyed`, at its own size at
  // the rectangle's top-left corner without its key colour (the fixed one
  // given, or else the colour of its bottom-left pixel); anything else scaled
  // to the rectangle. The size found is kept.
  void drawOnSurface(Graphics& graphics, const RECT& rect, bool keyed, const Argb* fixedKey);
  // Keyed by its bottom-left colour at w × h, its top-left corner at (x, y):
  // BMP data at another size than its own from the form drawn for that size
  // or resampled (made once a size); anything else as drawOnSurface does.
  void drawKeyedAtSize(Graphics& graphics, int x, int y, int w, int h);

  // How a BMP is put into the rectangle: the bitmap is already transparent.
  virtual void drawBitmap(HDC dc, const RECT& rect, fw::Bitmap& bitmap) = 0;
  // Sets the size after a load from a file (the data is already in).
  virtual void measureLoadedFile(const std::wstring& fileName) = 0;

  // New data: the picture is no longer empty, even with no byte.
  void setData(desc::Bytes data) {
    replaceData(std::move(data));
    empty_ = false;
  }
  void setSize(int w, int h) {
    width_ = w;
    height_ = h;
  }
  const desc::Bytes& data() const { return data_; }

 private:
  void replaceData(desc::Bytes data) {
    data_ = std::move(data);
    keyed_.reset();
    scaled_.reset();
  }

  desc::Bytes data_;
  // The BMP data made ready for keyed drawing, with the fixed key it was made
  // with (none: its own bottom-left colour); made at the first keyed draw.
  std::optional<KeyedBitmap> keyed_;
  std::optional<Argb> keyedWith_;
  // The BMP data keyed at the size last asked that is not its own.
  std::optional<KeyedBitmap> scaled_;
  bool empty_ = true;
  int width_ = 0;
  int height_ = 0;
  GlobalAllocator allocate_ = ::GlobalAlloc;
};

}  // namespace gdip
