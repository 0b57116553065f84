// The ruler page as numbers: where the title, the ticks, the labelled marks
// and their labels go on the printer's page. The printing code only draws it.
#pragma once

#include <climits>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "framework/text/rounding.h"
#include "ruler/scale_catalogue.h"

namespace ruler {

// What the printer reports of its resolution in the chosen orientation,
// exactly: device pixels per inch across and down the page.
struct Resolution {
  int dpiX;  // LOGPIXELSX
  int dpiY;  // LOGPIXELSY
};

// The paper around the printable area, in device pixels: its size and where
// the printable area starts on it. Zero when the printer does not say: the
// paper is then taken to be the printable area.
struct Paper {
  int width = 0;    // PHYSICALWIDTH
  int height = 0;   // PHYSICALHEIGHT
  int offsetX = 0;  // PHYSICALOFFSETX
  int offsetY = 0;  // PHYSICALOFFSETY
};

// A page as the printer reports it: its resolution, its printable area
// (device (0,0) is its top-left corner) and the paper it lies on.
struct PrintablePage {
  Resolution resolution;
  int heightPixels;     // VERTRES
  int widthPixels = 0;  // HORZRES
  Paper paper{};
};

// A text's extent in the printer's font, in device pixels.
struct TextSize {
  int width;
  int height;
};

// Where a page puts things: across in tenths of a millimetre, down in device
// pixels (the top of the ruler, the title's line, a label above its mark).
inline constexpr int titleX = 900, tickStartX = 500, tickEndX = 700, markEndX = 750, labelX = 800;
inline constexpr int titleY = 50, rulerTop = 100, labelRise = 20;
inline constexpr std::int32_t rulerEnd = 2500;  // the ruler's length, in tenths

struct Point {
  int x;
  int y;
  bool operator==(const Point&) const = default;
};
struct Line {
  Point from;
  Point to;
  bool operator==(const Line&) const = default;
};
struct Text {
  Point at;  // top-left corner of the text
  std::wstring text;
  bool operator==(const Text&) const = default;
};
using DrawOp = std::variant<Line, Text>;

struct RulerPage {
  long double printCoef;  // the coefficient this page is drawn with down the page
  double xScale;          // device pixels per tenth of a millimetre, across
  double yScale;          // the same down the page, stretched by printCoef
  std::vector<DrawOp> ops;  // in drawing order
};

using fw::roundHalfEven;

// Device pixels per tenth of a millimetre at `dotsPerInch`, stretched by
// `coef`: the one conversion of every printed page.
double pixelsPerTenth(int dotsPerInch, long double coef);

// Whether a labelled mark can be drawn whole: its long line and its label.
using MarkFits = std::function<bool(const Line& mark, const Text& label)>;

// Where a graduation lies on the page, in device pixels: its marks start at
// `edge` and run across to larger x; position 0 is at `top`.
struct GraduationPlace {
  int edge;
  int tickEnd;    // where a tick ends
  int markEnd;    // where a labelled mark ends
  int labelX;     // the left of a label
  int top;
  int labelRise;  // a label's top above its mark
  std::int32_t end = rulerEnd;  // the last position, in tenths of a millimetre
  int bottom = INT_MAX;  // the lowest row a line may ink: the ruler ends above it
};

// The graduation alone at `place`: for p = 0 to its end (2500 tenths of a
// millimetre on paper), or as far as the place's bottom lets it run, a tick
// and, over it, a labelled mark followed by its label. Only y is
// stretched, by the calibration coefficient times the scale's exact label
// interval over its stored one. A labelled position whose mark and label do
// not both `fit` is drawn as a plain tick: a user counting long marks reads
// each one's length beside it.
RulerPage layoutGraduation(const Resolution& resolution, const Graduation& graduation, long double calibrationCoef,
                           wchar_t decimalSeparator, const GraduationPlace& place, const MarkFits& fits);

// Where a page puts its ruler, when not where it always was: moved left by
// `shiftTenths` tenths of a millimetre, its title's line and its zero at
// those rows, its last line no lower than `bottom`.
struct RulerPlace {
  int shiftTenths = 0;
  int titleTop = titleY;
  int top = rulerTop;
  int bottom = INT_MAX;
};

// Lays out one page: the title at 90 mm across and 50 pixels down, then the
// graduation from 100 pixels down, ticks from 50 to 70 mm, labelled marks to
// 75 mm, labels at 80 mm, 20 pixels above their mark. The 50, 100 and 20
// pixel offsets are device pixels. A `place` moves all of it.
RulerPage layoutRuler(const Resolution& resolution, const Graduation& graduation, long double calibrationCoef,
                      wchar_t decimalSeparator, const MarkFits& fits = {}, const RulerPlace& place = {});

}  // namespace ruler
