#include "gdip/fill_geometry.h"

#include "framework/text/rounding.h"

namespace gdip {

std::vector<PathPiece> roundedRectangle(FRect q, float r, TFillRoundingType type) {
  const float x = q.x, y = q.y, w = q.w, h = q.h, d = 2 * r;
  const PathArc topLeft{x, y, d, d, 180, 90}, topRight{x + w - d, y, d, d, 270, 90},
      bottomRight{x + w - d, y + h - d, d, d, 0, 90}, bottomLeft{x, y + h - d, d, d, 90, 90};
  switch (type) {
    case rtTop:
      return {topLeft, PathLine{x + r, y, x + w - r, y}, topRight, PathLine{x + w, y + r, x + w, y + h},
              PathLine{x + w, y + h, x, y + h}, PathLine{x, y + h, x, y + r}};
    case rtBottom:
      return {PathLine{x, y, x + w, y}, PathLine{x + w, y, x + w, y + h - r}, bottomRight,
              PathLine{x + w - r, y + h, x + r, y + h}, bottomLeft, PathLine{x, y + h - r, x, y}};
    case rtBoth:
      return {topLeft, PathLine{x + r, y, x + w - r, y}, topRight, PathLine{x + w, y + r, x + w, y + h - r},
              bottomRight, PathLine{x + w - r, y + h, x + r, y + h}, bottomLeft, PathLine{x, y + h - r, x, y + r}};
    case rtLeft:
      return {topLeft, PathLine{x + r, y, x + w - r, y}, PathLine{x + w, y, x + w, y + h},
              PathLine{x + w - r, y + h, x + r, y + h}, bottomLeft, PathLine{x, y + h - r, x, y + r}};
    case rtRight:
      return {PathLine{x, y, x + w - r, y}, topRight, PathLine{x + w, y + r, x + w, y + h - r}, bottomRight,
              PathLine{x + w - r, y + h, x, y + h}, PathLine{x, y + h - r, x, y + r}};
    case rtNone:
      break;
  }
  return {PathLine{x, y, x + w, y}, PathLine{x + w, y, x + w, y + h}, PathLine{x + w, y + h, x, y + h},
          PathLine{x, y + h, x, y}};
}

FRect contentAfterShadow(FRect r, TShadowType type, int offset, fw::Color shadowColor) {
  if (offset <= 0 || shadowColor == fw::clNone) return r;
  const float o = static_cast<float>(offset);
  switch (type) {
    case stSurround:
      return {r.x + o, r.y + o, r.w - 2 * o, r.h - 2 * o};
    case stBottom:
      return {r.x, r.y, r.w, r.h - o};
    case stRightBottom:
      break;
  }
  return {r.x, r.y, r.w - o, r.h - o};
}

FRect bottomShadowStrip(FRect r, int offset) {
  const float o = static_cast<float>(offset);
  return {r.x, r.y + r.h - 2 * o, r.w, 2 * o};
}

BodyHalves splitBody(FRect c) {
  const float h = c.h / 2;
  return {{c.x, c.y, c.w, c.h - h + 1}, {c.x, c.y + h - 1, c.w, c.h - h + 1}};
}

TFillRoundingType partRounding(TFillRoundingType type, bool hasMirror, bool mirrorPart) {
  if (!hasMirror || type == rtLeft || type == rtRight) return type;
  const TFillRoundingType kept = mirrorPart ? rtBottom : rtTop;
  return type == kept || type == rtBoth ? kept : rtNone;
}

TAdvGradientType effectiveKind(fw::Color first, fw::Color second, TAdvGradientType kind) {
  if (first == fw::clNone) return gtNone;
  if (second == fw::clNone) return gtSolid;
  return kind;
}

FRect radialEllipse(FRect q, bool centreAtTop) {
  return {q.x, centreAtTop ? q.y - q.h / 2 : q.y, q.w, 1.5f * q.h};
}

FPoint radialCentre(FRect q, bool centreAtTop) {
  return {q.x + q.w / 2, centreAtTop ? q.y : q.y + q.h};
}

FRect focusRect(FRect c, int border) {
  const float b = static_cast<float>(border);
  return {c.x + b, c.y + b, c.w - 2 * b, c.h - 2 * b};
}

FRect glowFrame(FRect c) { return {c.x + 1, c.y + 1, c.w - 2, c.h - 2}; }

GlowBand glowTopBand(FRect g) {
  return {{g.x + 5, g.y, g.w - 10, 4},
          {{g.x, g.y}, {g.x + 5, g.y}, {g.x + 5, g.y + 4}},
          {{g.x + g.w, g.y}, {g.x + g.w - 5, g.y}, {g.x + g.w - 5, g.y + 4}}};
}

GlowBand glowBottomBand(FRect g) {
  const float bottom = g.y + g.h;
  return {{g.x + 5, bottom - 7, g.w - 10, 7},
          {{g.x, bottom}, {g.x + 5, bottom}, {g.x + 5, bottom - 7}},
          {{g.x + g.w, bottom}, {g.x + g.w - 5, bottom}, {g.x + g.w - 5, bottom - 7}}};
}

FRect glowEllipse(FRect g) { return {g.x + 10, g.y - g.h / 2, g.w - 20, 3 * g.h}; }

FRect enlarged(FRect r) { return {r.x - 1, r.y - 1, r.w + 2, r.h + 2}; }

IRect integerRect(FRect c) {
  const int left = fw::roundHalfEven(c.x), top = fw::roundHalfEven(c.y);
  return {left, top, left + fw::roundHalfEven(c.w), top + fw::roundHalfEven(c.h)};
}

FSize aspectFit(float w, float h, float aw, float ah, TPictureMode mode) {
  if (w <= 0 || h <= 0 || aw <= 0 || ah <= 0) return {0, 0};
  if (mode == pmNormal && w < aw && h < ah) return {w, h};
  if (aw / ah > w / h) return {w * ah / h, ah};
  return {aw, h * aw / w};
}

IRect placePicture(IRect a, int w, int h, const PicturePlacement& how) {
  // Integer halves toward zero, as the area may be smaller than the picture.
  const int centreX = a.left + (a.right - a.left - w) / 2, centreY = a.top + (a.bottom - a.top - h) / 2;
  const int rightX = a.right - w, bottomY = a.bottom - h;
  auto at = [w, h](int left, int top) { return IRect{left, top, left + w, top + h}; };
  switch (how.position) {
    case ppTopLeft: return at(a.left, a.top);
    case ppTopCenter: return at(centreX, a.top);
    case ppTopRight: return at(rightX, a.top);
    case ppBottomLeft: return at(a.left, bottomY);
    case ppBottomCenter: return at(centreX, bottomY);
    case ppBottomRight: return at(rightX, bottomY);
    case ppCenterLeft: return at(a.left, centreY);
    case ppCenterCenter: return at(centreX, centreY);
    case ppCenterRight: return at(rightX, centreY);
    case ppCustom: return at(how.customLeft, how.customTop);
    case ppTiled: return a;
    case ppStretched: break;
  }
  const float aw = static_cast<float>(a.right - a.left), ah = static_cast<float>(a.bottom - a.top);
  const FSize s = how.aspectRatio ? aspectFit(static_cast<float>(w), static_cast<float>(h), aw, ah, how.aspectMode)
                                  : FSize{aw, ah};
  const int left = fw::roundHalfEven((aw - s.w) / 2 + a.left), top = fw::roundHalfEven((ah - s.h) / 2 + a.top);
  return {left, top, left + fw::roundHalfEven(s.w), top + fw::roundHalfEven(s.h)};
}

}  // namespace gdip
