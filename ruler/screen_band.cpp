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
  band.tickDepth = pixels(tickMm);
  band.markDepth = pixels(markMm);
  // Clear of the labelled marks, which end one pixel past their depth.
  band.labelAcross = std::max(pixels(labelTopMm), band.markDepth + 2);
  // Zero's label, centred on it, starts inside the band's border.
  band.zero = std::max(pixels(zeroMm), along(L"0m") / 2 + 1);
  const int nameLength = along(name);
  band.shortest = std::max(pixels(shortestMm), band.zero + gap + nameLength + gap);
  band.nameAlong = length - gap - nameLength;

  const ScreenBand marks{length, band.zero, along, gap, band.nameAlong - gap};
  band.marks = screenGraduation(graduation, pixelsPerMm, marks, decimalSeparator);
  int widest = across(name);
  for (const ScreenMark& mark : band.marks)
    if (!mark.label.empty()) widest = std::max(widest, across(mark.label));
  band.thickness = std::max(pixels(bandWidthMm), band.labelAcross + widest + gap);
  band.nameAcross = band.thickness - gap - across(name);
  return band;
}

PixelRect bandOnWorkArea(const PixelRect& work, int left, int top, int length, int thickness, bool vertical) {
  const int width = std::min(vertical ? thickness : length, work.right - work.left);
  const int height = std::min(vertical ? length : thickness, work.bottom - work.top);
  const int x = std::clamp(left, work.left, work.right - width);
  const int y = std::clamp(top, work.top, work.bottom - height);
  return {x, y, x + width, y + height};
}

}  // namespace ruler
