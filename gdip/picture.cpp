#include "gdip/picture.h"

#include "framework/graphics/bmp_layout.h"
#include "framework/graphics/scaled_picture.h"
#include "framework/system/file_bytes.h"

#include <exception>
#include <stdexcept>
#include <typeinfo>

namespace gdip {
namespace {

// GDI+'s identifier of the BMP file format. A bitmap made in memory has
// another one (…CAA…) and does not count.
constexpr GUID kImageFormatBmp = {0xB96B3CAB, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

desc::Bytes readFile(const std::wstring& fileName) {
  const fw::FileBytes read = fw::readFileBytes(fileName);
  if (read.error != ERROR_SUCCESS) throw std::runtime_error("cannot read the file");
  return desc::Bytes(read.bytes.begin(), read.bytes.end());
}

}  // namespace

void Picture::saveToStream(std::vector<std::uint8_t>& out) const {
  out.insert(out.end(), data_.begin(), data_.end());
}

void Picture::decode(const std::function<void(Image&, ImageStream&)>& use) const {
  if (empty_ || data_.empty()) return;
  ImageStream stream(data_, allocate_);
  if (!stream.get()) return;
  Image image = Image::load(stream.get());
  if (image.status() == Gdiplus::Ok && image) use(image, stream);
  // The image goes first, then the stream with its memory.
}

bool Picture::isBmp(Image& image) {
  return IsEqualGUID(image.rawFormat(), kImageFormatBmp);
}

bool Picture::UpdateSize() {
  if (empty_ || data_.empty()) return false;
  if (const auto bmp = fw::bmpLayout(data_)) {
    // A BMP's checked header says what GDI+ would decode, without loading
    // its image decoders. The decoding memory is still had first, so that a
    // picture without it fails alike whatever its format.
    checkImageMemory(data_.size(), allocate_);
    setSize(bmp->width, bmp->height);
    return true;
  }
  int w = 0, h = 0;
  decode([&](Image& image, ImageStream&) {
    w = static_cast<int>(image.width());
    h = static_cast<int>(image.height());
  });
  setSize(w, h);
  return true;
}

void Picture::draw(HDC dc, const RECT& rect) {
  if (!empty_ && fw::bmpLayout(data_)) {
    fw::Bitmap bitmap;
    if (!bitmap.loadFromBytes(data_)) return;
    bitmap.setTransparent(true);
    drawBitmap(dc, rect, bitmap);
    return;
  }
  decode([&](Image& image, ImageStream&) {
    if (isBmp(image)) return;  // a BMP that GDI cannot draw is not drawn
    setSize(static_cast<int>(image.width()), static_cast<int>(image.height()));
    Graphics graphics(dc);
    graphics.drawImage(image, RectF(static_cast<REAL>(rect.left), static_cast<REAL>(rect.top),
                                    static_cast<REAL>(rect.right - rect.left),
                                    static_cast<REAL>(rect.bottom - rect.top)));
  });
}

void Picture::drawOnSurface(Graphics& graphics, const RECT& rect, bool keyed, const Argb* fixedKey) {
  if (keyed && !empty_ && fw::bmpLayout(data_)) {
    const std::optional<Argb> key = fixedKey ? std::optional<Argb>(*fixedKey) : std::nullopt;
    if (!keyed_ || keyedWith_ != key) {
      keyed_ = KeyedBitmap::fromBmp(data_, key);
      keyedWith_ = key;
    }
    if (keyed_) {
      setSize(keyed_->width(), keyed_->height());
      keyed_->draw(graphics, rect.left, rect.top);
      return;
    }
  }
  decode([&](Image& image, ImageStream& stream) {
    const UINT w = image.width(), h = image.height();
    setSize(static_cast<int>(w), static_cast<int>(h));
    if (keyed && isBmp(image)) {
      const Argb key = fixedKey ? *fixedKey : BitmapImage::load(stream.rewound()).pixel(0, static_cast<INT>(h) - 1);
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

void Picture::drawKeyedAtSize(Graphics& graphics, int x, int y, int w, int h) {
  if ((w != width_ || h != height_) && !empty_ && fw::bmpLayout(data_)) {
    if (!scaled_ || scaled_->width() != w || scaled_->height() != h)
      scaled_ = KeyedBitmap::fromPixels(fw::keyedAtSize(data_, w, h));
    if (scaled_) {
      scaled_->draw(graphics, x, y);
      return;
    }
  }
  drawOnSurface(graphics, RECT{x, y, x + w, y + h}, true, nullptr);
}

void Picture::Assign(const fw::Persistent* source) {
  empty_ = true;
  if (!source) {
    replaceData({});
    changed();
    if (OnClear) OnClear();
    return;
  }
  if (typeid(*source) == typeid(*this)) {
    replaceData(static_cast<const Picture&>(*source).data_);
    empty_ = data_.empty();
  } else if (const auto* graphic = dynamic_cast<const fw::Graphic*>(source)) {
    desc::Bytes saved;
    graphic->saveToStream(saved);
    setData(std::move(saved));
  } else {
    return;
  }
  changed();
  UpdateSize();
}

void Picture::readData(const desc::Bytes& data) { setData(data); }

void Picture::loadFromStream(std::span<const std::uint8_t> content) {
  setData(desc::Bytes(content.begin(), content.end()));
  UpdateSize();
  changed();
}

void Picture::loadFromFile(const std::wstring& fileName) {
  try {
    setData(readFile(fileName));
    if (OnClear) OnClear();
    measureLoadedFile(fileName);
    changed();
  } catch (const std::exception&) {
    empty_ = true;
  }
}

}  // namespace gdip
