// The ruler on screen's band laid out in pixels: how thick it must be for
// its texts, where its zero, marks, labels and scale name stand, and where
// it lies on the monitor's work area.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ruler/ruler_layout.h"
#include "ruler/scale_catalogue.h"
#include "ruler/screen_ruler.h"

namespace ruler {

// The band in millimetres of the screen: as wide as a drafting ruler;
// ticks, labelled marks and the labels' near side from the graduated edge;
// zero a little in from the start; the shortest band.
inline constexpr double bandWidthMm = 18, tickMm = 3, markMm = 6, labelTopMm = 7, zeroMm = 5, shortestMm = 30;

// A text's size on the screen, in pixels, in the band's font.
using MeasureText = std::function<TextSize(const std::wstring&)>;

// Where everything of the band stands, in pixels: `along` from its start,
// `across` from its graduated edge. Labels read across a vertical band as
// along a horizontal one, so a text takes its width along a horizontal band
// and its height along a vertical one.
struct BandLayout {
  bool vertical;
  int gap;  // the least room between two texts, and between a text and the border
  int thickness;
  int shortest;  // the least length that holds zero and the scale name
  int zero;
  int tickDepth, markDepth;
  int labelAcross;  // the near side of every label
  std::vector<ScreenMark> marks;
  int nameAlong, nameAcross;  // the scale name's corner nearest the start and the edge
};

// A text's corner nearest the band's start and its graduated edge.
struct TextPlace {
  int along, across;
};

// The band of `length` pixels at `pixelsPerMm`, `gap` pixels the least room
// between two texts and between a text and the band's border (it grows
// with the display scale, as the texts do). The labels stand in a row of
// their own beyond the marks, the scale name and the reading in the far row;
// the band is as thick as its widest texts need, and never thinner than a
// drafting ruler.
BandLayout layoutBand(const Graduation& graduation, const std::wstring& name, double pixelsPerMm, int length,
                      bool vertical, const MeasureText& measure, int gap, wchar_t decimalSeparator);

// Where the reading of the point `at` pixels along the band is written, a
// text of `size`: in the far row, beside the hairline.
TextPlace readingPlace(const BandLayout& band, int at, TextSize size);

// A rectangle of the screen, in pixels.
struct PixelRect {
  int left, top, right, bottom;
  bool operator==(const PixelRect&) const = default;
};

// The band's rectangle on a monitor's `work` area, its corner wished at
// `left`, `top`: no longer and no thicker than the area, moved in as little
// as it must be to lie whole on it.
PixelRect bandOnWorkArea(const PixelRect& work, int left, int top, int length, int thickness, bool vertical);

}  // namespace ruler
