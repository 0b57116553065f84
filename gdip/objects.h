// One move-only owner per kind of native GDI+ object. Each deletes its handle
// exactly once and keeps the status of the last call made through it; a
// failed call changes nothing else, so drawing simply goes on.
#pragma once

#include "gdip/argb.h"
#include "gdip/gdiplus_api.h"
#include "gdip/session.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace gdip {

namespace flat = Gdiplus::DllExports;
using Gdiplus::PointF;
using Gdiplus::REAL;
using Gdiplus::RectF;

// The ARGB of a colour value, system colours read from Windows.
Argb argb(fw::Color c, std::uint8_t opacity = 255);

template <class Native, auto Delete>
class Owner {
 public:
  Owner(const Owner&) = delete;
  Owner& operator=(const Owner&) = delete;
  Owner(Owner&& other) noexcept
      : native_(std::exchange(other.native_, nullptr)), status_(other.status_) {}
  Owner& operator=(Owner&& other) noexcept {
    if (this != &other) {
      release();
      native_ = std::exchange(other.native_, nullptr);
      status_ = other.status_;
    }
    return *this;
  }
  ~Owner() { release(); }

  Native* get() const { return native_; }
  explicit operator bool() const { return native_ != nullptr; }
  GpStatus status() const { return status_; }

 protected:
  Owner() { startOnce(); }
  GpStatus keep(GpStatus s) { return status_ = s; }

  Native* native_ = nullptr;
  GpStatus status_ = Gdiplus::Ok;

 private:
  void release() {
    if (native_) Delete(native_);
    native_ = nullptr;
  }
};

class Path : public Owner<Gdiplus::GpPath, flat::GdipDeletePath> {
 public:
  Path() { keep(flat::GdipCreatePath(Gdiplus::FillModeAlternate, &native_)); }
  GpStatus reset() { return keep(flat::GdipResetPath(native_)); }
  GpStatus addLine(REAL x1, REAL y1, REAL x2, REAL y2) {
    return keep(flat::GdipAddPathLine(native_, x1, y1, x2, y2));
  }
  GpStatus addArc(REAL x, REAL y, REAL w, REAL h, REAL startAngle, REAL sweepAngle) {
    return keep(flat::GdipAddPathArc(native_, x, y, w, h, startAngle, sweepAngle));
  }
  GpStatus addEllipse(REAL x, REAL y, REAL w, REAL h) {
    return keep(flat::GdipAddPathEllipse(native_, x, y, w, h));
  }
  GpStatus closeFigure() { return keep(flat::GdipClosePathFigure(native_)); }
};

class Region : public Owner<Gdiplus::GpRegion, flat::GdipDeleteRegion> {
 public:
  explicit Region(const RectF& rect) { keep(flat::GdipCreateRegionRect(&rect, &native_)); }
  explicit Region(const Path& path) { keep(flat::GdipCreateRegionPath(path.get(), &native_)); }
};

class Pen : public Owner<Gdiplus::GpPen, flat::GdipDeletePen> {
 public:
  Pen(Argb color, REAL width) {
    keep(flat::GdipCreatePen1(color, width, Gdiplus::UnitWorld, &native_));
  }
  GpStatus setDashStyle(Gdiplus::DashStyle style) {
    return keep(flat::GdipSetPenDashStyle(native_, style));
  }
};

class SolidBrush : public Owner<Gdiplus::GpSolidFill, flat::GdipDeleteBrush> {
 public:
  explicit SolidBrush(Argb color) { keep(flat::GdipCreateSolidFill(color, &native_)); }
};

class HatchBrush : public Owner<Gdiplus::GpHatch, flat::GdipDeleteBrush> {
 public:
  HatchBrush(Gdiplus::HatchStyle style, Argb fore, Argb back) {
    keep(flat::GdipCreateHatchBrush(style, fore, back, &native_));
  }
};

class LinearBrush : public Owner<Gdiplus::GpLineGradient, flat::GdipDeleteBrush> {
 public:
  LinearBrush(const PointF& from, const PointF& to, Argb c1, Argb c2) {
    keep(flat::GdipCreateLineBrush(&from, &to, c1, c2, Gdiplus::WrapModeTile, &native_));
  }
  LinearBrush(const RectF& rect, Argb c1, Argb c2, Gdiplus::LinearGradientMode mode) {
    keep(flat::GdipCreateLineBrushFromRect(&rect, c1, c2, mode, Gdiplus::WrapModeTile, &native_));
  }
  LinearBrush(const RectF& rect, Argb c1, Argb c2, REAL angle, bool scalable) {
    keep(flat::GdipCreateLineBrushFromRectWithAngle(&rect, c1, c2, angle, scalable,
                                                    Gdiplus::WrapModeTile, &native_));
  }
  GpStatus setGammaCorrection(bool on) {
    return keep(flat::GdipSetLineGammaCorrection(native_, on));
  }
};

class PathGradientBrush : public Owner<Gdiplus::GpPathGradient, flat::GdipDeleteBrush> {
 public:
  explicit PathGradientBrush(const Path& path) {
    keep(flat::GdipCreatePathGradientFromPath(path.get(), &native_));
  }
  GpStatus setCenterColor(Argb color) {
    return keep(flat::GdipSetPathGradientCenterColor(native_, color));
  }
  GpStatus setCenterPoint(const PointF& p) {
    return keep(flat::GdipSetPathGradientCenterPoint(native_, &p));
  }
  GpStatus setCenterPoint(const Gdiplus::Point& p) {
    return keep(flat::GdipSetPathGradientCenterPointI(native_, &p));
  }
  // 0 when the count cannot be had.
  int pointCount() {
    INT count = 0;
    keep(flat::GdipGetPathGradientPointCount(native_, &count));
    return count;
  }
  GpStatus setSurroundColors(std::span<const Gdiplus::ARGB> colors) {
    INT count = static_cast<INT>(colors.size());
    return keep(flat::GdipSetPathGradientSurroundColorsWithCount(native_, colors.data(), &count));
  }
  // colors and positions pair up; the shorter one gives the count.
  GpStatus setPresetBlend(std::span<const Gdiplus::ARGB> colors, std::span<const REAL> positions) {
    const auto count = static_cast<INT>(std::min(colors.size(), positions.size()));
    return keep(flat::GdipSetPathGradientPresetBlend(native_, colors.data(), positions.data(), count));
  }
  GpStatus setWrapMode(Gdiplus::WrapMode mode) {
    return keep(flat::GdipSetPathGradientWrapMode(native_, mode));
  }
};

class FontFamily : public Owner<Gdiplus::GpFontFamily, flat::GdipDeleteFontFamily> {
 public:
  explicit FontFamily(const std::wstring& name) {
    keep(flat::GdipCreateFontFamilyFromName(name.c_str(), nullptr, &native_));
  }
};

class Font : public Owner<Gdiplus::GpFont, flat::GdipDeleteFont> {
 public:
  // style: Gdiplus::FontStyle flags.
  Font(const FontFamily& family, REAL size, INT style, Gdiplus::Unit unit) {
    keep(flat::GdipCreateFont(family.get(), size, style, unit, &native_));
  }
};

class StringFormat : public Owner<Gdiplus::GpStringFormat, flat::GdipDeleteStringFormat> {
 public:
  explicit StringFormat(INT flags = 0) {
    keep(flat::GdipCreateStringFormat(flags, LANG_NEUTRAL, &native_));
  }
  GpStatus setAlign(Gdiplus::StringAlignment a) {
    return keep(flat::GdipSetStringFormatAlign(native_, a));
  }
  GpStatus setLineAlign(Gdiplus::StringAlignment a) {
    return keep(flat::GdipSetStringFormatLineAlign(native_, a));
  }
  GpStatus setTrimming(Gdiplus::StringTrimming t) {
    return keep(flat::GdipSetStringFormatTrimming(native_, t));
  }
  GpStatus setHotkeyPrefix(Gdiplus::HotkeyPrefix p) {
    return keep(flat::GdipSetStringFormatHotkeyPrefix(native_, p));
  }
};

// An image decoded from a stream of file bytes.
class Image : public Owner<Gdiplus::GpImage, flat::GdipDisposeImage> {
 public:
  static Image load(IStream* stream) {
    Image image;
    image.keep(flat::GdipLoadImageFromStream(stream, &image.native_));
    return image;
  }
  UINT width() {
    UINT w = 0;
    keep(flat::GdipGetImageWidth(native_, &w));
    return w;
  }
  UINT height() {
    UINT h = 0;
    keep(flat::GdipGetImageHeight(native_, &h));
    return h;
  }
  Gdiplus::PixelFormat pixelFormat() {
    Gdiplus::PixelFormat f = 0;
    keep(flat::GdipGetImagePixelFormat(native_, &f));
    return f;
  }
  // The file format the image was decoded from (GUID_NULL when unknown).
  GUID rawFormat() {
    GUID g{};
    keep(flat::GdipGetImageRawFormat(native_, &g));
    return g;
  }

 protected:
  Image() = default;
};

// An image decoded as pixels, so that single pixels can be read.
class BitmapImage : public Image {
 public:
  static BitmapImage load(IStream* stream) {
    BitmapImage image;
    Gdiplus::GpBitmap* bitmap = nullptr;
    image.keep(flat::GdipCreateBitmapFromStream(stream, &bitmap));
    image.native_ = bitmap;
    return image;
  }
  // A bitmap over pixels the caller keeps alive as long as the image.
  static BitmapImage over(INT width, INT height, INT stride, Gdiplus::PixelFormat format, BYTE* pixels) {
    BitmapImage image;
    Gdiplus::GpBitmap* bitmap = nullptr;
    image.keep(flat::GdipCreateBitmapFromScan0(width, height, stride, format, pixels, &bitmap));
    image.native_ = bitmap;
    return image;
  }
  // 0 when the pixel cannot be read.
  Argb pixel(INT x, INT y) {
    Gdiplus::ARGB color = 0;
    keep(flat::GdipBitmapGetPixel(static_cast<Gdiplus::GpBitmap*>(native_), x, y, &color));
    return color;
  }

 private:
  BitmapImage() = default;
};

class TextureBrush : public Owner<Gdiplus::GpTexture, flat::GdipDeleteBrush> {
 public:
  explicit TextureBrush(const Image& image, Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile) {
    keep(flat::GdipCreateTexture(image.get(), wrap, &native_));
  }
};

class ImageAttributes : public Owner<Gdiplus::GpImageAttributes, flat::GdipDisposeImageAttributes> {
 public:
  ImageAttributes() { keep(flat::GdipCreateImageAttributes(&native_)); }
  // Colours from low to high (each channel) are left out when drawing.
  GpStatus setColorKeys(Argb low, Argb high) {
    return keep(flat::GdipSetImageAttributesColorKeys(native_, Gdiplus::ColorAdjustTypeDefault,
                                                      TRUE, low, high));
  }
};

// A drawing surface on a device context. Brushes of every kind are passed
// as their native pointer (brush.get()).
class Graphics : public Owner<Gdiplus::GpGraphics, flat::GdipDeleteGraphics> {
 public:
  explicit Graphics(HDC dc) { keep(flat::GdipCreateFromHDC(dc, &native_)); }

  Gdiplus::SmoothingMode smoothingMode() {
    Gdiplus::SmoothingMode mode = Gdiplus::SmoothingModeInvalid;
    keep(flat::GdipGetSmoothingMode(native_, &mode));
    return mode;
  }
  GpStatus setSmoothingMode(Gdiplus::SmoothingMode mode) {
    return keep(flat::GdipSetSmoothingMode(native_, mode));
  }
  GpStatus setTextRenderingHint(Gdiplus::TextRenderingHint hint) {
    return keep(flat::GdipSetTextRenderingHint(native_, hint));
  }
  GpStatus setClip(const Region& region) {
    return keep(flat::GdipSetClipRegion(native_, region.get(), Gdiplus::CombineModeReplace));
  }
  GpStatus resetClip() { return keep(flat::GdipResetClip(native_)); }

  GpStatus fillPath(Gdiplus::GpBrush* brush, const Path& path) {
    return keep(flat::GdipFillPath(native_, brush, path.get()));
  }
  GpStatus drawPath(const Pen& pen, const Path& path) {
    return keep(flat::GdipDrawPath(native_, pen.get(), path.get()));
  }
  GpStatus fillRectangle(Gdiplus::GpBrush* brush, const RectF& r) {
    return keep(flat::GdipFillRectangle(native_, brush, r.X, r.Y, r.Width, r.Height));
  }
  GpStatus drawRectangle(const Pen& pen, const RectF& r) {
    return keep(flat::GdipDrawRectangle(native_, pen.get(), r.X, r.Y, r.Width, r.Height));
  }
  GpStatus drawLine(const Pen& pen, const PointF& from, const PointF& to) {
    return keep(flat::GdipDrawLine(native_, pen.get(), from.X, from.Y, to.X, to.Y));
  }

  // The box the text takes when laid out in `layout` (empty on failure).
  RectF measureString(std::wstring_view text, const Font& font, const RectF& layout,
                      const StringFormat& format);
  GpStatus drawString(std::wstring_view text, const Font& font, const RectF& layout,
                      const StringFormat& format, Gdiplus::GpBrush* brush);

  // The whole image scaled into the rectangle.
  GpStatus drawImage(const Image& image, const RectF& dest) {
    return keep(flat::GdipDrawImageRect(native_, image.get(), dest.X, dest.Y, dest.Width, dest.Height));
  }
  // A part of the image (in pixels) into the rectangle, through the attributes.
  GpStatus drawImage(const Image& image, const RectF& dest, const RectF& source,
                     const ImageAttributes& attributes);
};

}  // namespace gdip
