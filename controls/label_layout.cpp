#include "controls/label_layout.h"

#include <cstdlib>

#include "framework/text/rounding.h"

namespace ctl {

using namespace gdip;

namespace {

// Column 0, 1 or 2 and row 0, 1 or 2 of a location other than plCustom.
int column(TAdvSmoothLabelLocation l) { return static_cast<int>(l) % 3; }
int row(TAdvSmoothLabelLocation l) { return static_cast<int>(l) / 3; }

// a × b / c rounded half away from zero, as Windows' MulDiv.
int mulDiv(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  const long long q = (std::llabs(p) + std::abs(c) / 2) / std::abs(c);
  return static_cast<int>((p < 0) != (c < 0) ? -q : q);
}

}  // namespace

FPoint captionOrigin(const CaptionLayout& c) {
  FPoint at = c.custom;
  if (c.location != plCustom) {
    at.x = static_cast<float>(column(c.location)) * (c.area.w - c.text.w) / 2;
    at.y = static_cast<float>(row(c.location)) * (c.area.h - c.text.h) / 2;
  }
  return {c.offset.x + at.x + c.fillShift, c.offset.y + at.y + c.fillShift};
}

WrappedAlign wrappedAlignment(TAdvSmoothLabelLocation location) {
  if (location == plCustom) return WrappedAlign::FormatDefault;
  constexpr WrappedAlign byColumn[] = {WrappedAlign::Near, WrappedAlign::Centre, WrappedAlign::Far};
  return byColumn[column(location)];
}

TextBrushKind textBrushKind(TAdvGradientType type) {
  switch (type) {
    case gtSolid: return TextBrushKind::Solid;
    case gtVertical:
    case gtHorizontal:
    case gtForwardDiagonal:
    case gtBackwardDiagonal: return TextBrushKind::Linear;
    case gtHatch: return TextBrushKind::Hatch;
    case gtTexture: return TextBrushKind::Texture;
    default: return TextBrushKind::None;
  }
}

TextGradientLine textGradientLine(TAdvGradientType type, FPoint o, FSize t) {
  switch (type) {
    case gtHorizontal: return {o, {o.x + t.w, o.y}};
    case gtForwardDiagonal: return {o, {o.x + t.w, o.y + t.h}};
    // Drawn from the bottom-left in the end colour to the top-right in the
    // start colour: the same line seen from its other end.
    case gtBackwardDiagonal: return {{o.x + t.w, o.y}, {o.x, o.y + t.h}};
    default: return {o, {o.x, o.y + t.h}};
  }
}

int gdipFontStyle(unsigned styleBits) { return static_cast<int>(styleBits & 7u); }

int fontPoints(int height, int pixelsPerInch) { return -mulDiv(height, 72, pixelsPerInch); }

int fontHeight(int points, int pixelsPerInch) { return -mulDiv(points, pixelsPerInch, 72); }

float scaledCaptionPoints(float points, float measuredWidth, float designWidth, int dpi) {
  const float room = designWidth * static_cast<float>(dpi) / 96;
  return measuredWidth > room ? points * room / measuredWidth : points;
}

std::wstring drawnText(std::wstring_view text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')) out += text[i];
  return out;
}

std::string versionText(std::uint32_t version) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (!text.empty()) text += '.';
    text += std::to_string((version >> shift) & 0xFF);
  }
  return text;
}

ISize autoSize(FSize text) { return {fw::roundHalfEven(text.w + 2), fw::roundHalfEven(text.h + 2)}; }

}  // namespace ctl
