#include "ruler/screen_band.h"

#include <algorithm>

#include "framework/text/rounding.h"

namespace ruler {

BandLayout layoutBand(const Graduation& graduation, const std::wstring& name, double pixelsPerMm, int length,
                      bool vertical, const MeasureText& measure, int gap, wchar_t decimalSeparator) {
  const auto pixels = [&](double mm) { return fw::roundHalfEven(mm * static_cast<long double>(pixelsPerMm)); };
  const auto along = [&](const std::wstring& text) {
    const TextSize size = measure(text);
    return vertical ? size.height : size.width;
  };
  const auto across = [&](const std::wstring& text) {
    const TextSize size = measure(text);
    return vertical ? size.width : size.height;
  };
  BandLayout band{};
  band.vertical = vertical;
  band.gap = gap;
  band.tickDepth = pixels(tickMm);
  band.markDepth = pixels(markMm);
  // Clear of the labelled marks, which end one pixel past their depth.
  band.labelAcross = std::max(pixels(labelTopMm), band.markDepth + 2);
  // Zero's label, centred on it, starts inside the band's border.
  band.zero = std::max(pixels(zeroMm), along(L"0m") / 2 + 1);
  const int nameLength = along(name);
  band.shortest = std::max(pixels(shortestMm), band.zero + gap + nameLength + gap);
  band.nameAlong = length - gap - nameLength;

  // Within the one-pixel border; its last pixel is the border's.
  const ScreenBand marks{length - 1, band.zero, along, gap};
  band.marks = screenGraduation(graduation, pixelsPerMm, marks, decimalSeparator);
  int widestLabel = 0;
  for (const ScreenMark& mark : band.marks)
    if (!mark.label.empty()) widestLabel = std::max(widestLabel, across(mark.label));
  // The far row, beyond the labels, holds the scale name and the reading,
  // the widest of which is at one end of the band or the other.
  int widestFar = across(name);
  for (const int at : {0, length - 1})
    widestFar = std::max(widestFar, across(readingText(at - band.zero, pixelsPerMm, graduation.scaleDenominator,
                                                        decimalSeparator)));
  band.thickness = std::max(pixels(bandWidthMm), band.labelAcross + widestLabel + gap + widestFar + gap);
  band.nameAcross = band.thickness - gap - across(name);
  return band;
}

TextPlace readingPlace(const BandLayout& band, int at, TextSize size) {
  const int along = band.vertical ? size.height : size.width, across = band.vertical ? size.width : size.height;
  // After the hairline, else before it, clear of the scale name either way.
  const int after = at + band.gap;
  const bool fitsAfter = after + along <= band.nameAlong - band.gap;
  return {fitsAfter ? after : std::min(at, band.nameAlong) - band.gap - along, band.thickness - band.gap - across};
}

PixelRect bandOnWorkArea(const PixelRect& work, int left, int top, int length, int thickness, bool vertical) {
  const int width = std::min(vertical ? thickness : length, work.right - work.left);
  const int height = std::min(vertical ? length : thickness, work.bottom - work.top);
  const int x = std::clamp(left, work.left, work.right - width);
  const int y = std::clamp(top, work.top, work.bottom - height);
  return {x, y, x + width, y + height};
}

}  // namespace ruler
