// The arithmetic of the GDI+ fill: the rounded-rectangle path, the content
// rectangle after the shadow, the two halves of a mirrored body, the shapes
// of the radial fill and the glow, and where a picture goes. Portable: the
// Windows side only hands these numbers to GDI+.
#pragma once

#include <variant>
#include <vector>

#include "framework/desc/color_value.h"
#include "gdip/fill_kinds.h"

namespace gdip {

struct FRect {
  float x = 0, y = 0, w = 0, h = 0;
  bool operator==(const FRect&) const = default;
};
struct FPoint {
  float x = 0, y = 0;
  bool operator==(const FPoint&) const = default;
};
struct FSize {
  float w = 0, h = 0;
  bool operator==(const FSize&) const = default;
};
// Integer edges, right and bottom excluded (as Windows' RECT).
struct IRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const IRect&) const = default;
};

// One piece of a path figure: a line from (x1, y1) to (x2, y2), or an arc of
// the ellipse in (x, y, w, h) from `start` degrees over `sweep` degrees.
struct PathLine {
  float x1, y1, x2, y2;
  bool operator==(const PathLine&) const = default;
};
struct PathArc {
  float x, y, w, h, start, sweep;
  bool operator==(const PathArc&) const = default;
};
using PathPiece = std::variant<PathLine, PathArc>;

// The pieces of one closed figure, in order: the corners that `type` rounds
// are quarter arcs of radius r. r is not limited: above half the width or
// height the arcs overlap.
std::vector<PathPiece> roundedRectangle(FRect r, float radius, TFillRoundingType type);

// What is left for the body once a shadow of `offset` pixels is drawn
// (no shadow when offset <= 0 or the colour is clNone).
FRect contentAfterShadow(FRect r, TShadowType type, int offset, fw::Color shadowColor);
// The strip at the bottom that a stBottom shadow fills.
FRect bottomShadowStrip(FRect r, int offset);

// A body with a mirror part: the upper and the mirror rectangles, which
// overlap by two pixels.
struct BodyHalves {
  FRect upper, mirror;
};
BodyHalves splitBody(FRect c);

// The corners a part keeps: the mirror shares its top edge with the upper
// part and the upper its bottom edge, so those corners are square.
TFillRoundingType partRounding(TFillRoundingType type, bool hasMirror, bool mirrorPart);

// How a part is painted: gtNone without its first colour, solid without its
// second, else its own kind.
TAdvGradientType effectiveKind(fw::Color first, fw::Color second, TAdvGradientType kind);

// The second colour of a pair, or the first when the second is clNone.
inline fw::Color secondOrFirst(fw::Color first, fw::Color second) {
  return second == fw::clNone ? first : second;
}

// The radial fill of q: its ellipse and the centre of its gradient, at the
// top or the bottom of q.
FRect radialEllipse(FRect q, bool centreAtTop);
FPoint radialCentre(FRect q, bool centreAtTop);

// The focus outline inside a border of `border` pixels.
FRect focusRect(FRect c, int border);

// The glow: its frame inside C, the top and bottom bands with the two corner
// triangles beside each, and the ellipse of the radial glow.
struct GlowBand {
  FRect band;
  FPoint leftTriangle[3], rightTriangle[3];
};
FRect glowFrame(FRect c);
GlowBand glowTopBand(FRect g);
GlowBand glowBottomBand(FRect g);
FRect glowEllipse(FRect g);
// A rectangle grown by one pixel on every side (the gradient brushes are).
FRect enlarged(FRect r);

// left round(x), top round(y), width round(w), height round(h).
IRect integerRect(FRect c);

// A w × h picture fitted into aw × ah.
FSize aspectFit(float w, float h, float aw, float ah, TPictureMode mode);

struct PicturePlacement {
  TFillPicturePosition position = ppTopLeft;
  int customLeft = 0, customTop = 0;
  bool aspectRatio = false;
  TPictureMode aspectMode = pmStretch;
};
// Where a w × h picture is drawn in `area`; for ppTiled the area the
// texture fills.
IRect placePicture(IRect area, int w, int h, const PicturePlacement& how);

}  // namespace gdip
