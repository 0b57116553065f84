// The enumerations of the GDI+ fill and the smooth label, with the names the
// window description writes them by. Portable: the values are GDI+'s where
// GDI+ takes them unchanged (hatch styles).
#pragma once

#include <utility>

#include "framework/desc/value_codec.h"

namespace gdip {

enum TAdvGradientType {
  gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal, gtBackwardDiagonal,
  gtAngle, gtHatch, gtPath, gtTexture, gtNone
};
enum TFillRoundingType { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum TShadowType { stRightBottom, stBottom, stSurround };
enum TGlowMode { gmNone, gmGradient, gmRadial, gmRadialGradient };
enum TFillPicturePosition {
  ppTopLeft, ppTopCenter, ppTopRight, ppBottomLeft, ppBottomCenter, ppBottomRight,
  ppTiled, ppStretched, ppCenterLeft, ppCenterCenter, ppCenterRight, ppCustom
};
enum TFillPictureMode { pmInsideFill, pmOutsideFill };
enum TFillPictureSize { psOriginal, psCustom };
enum TPictureMode { pmStretch, pmNormal };
enum TAdvSmoothLabelLocation {
  plTopLeft, plTopCenter, plTopRight, plCenterLeft, plCenterCenter, plCenterRight,
  plBottomLeft, plBottomCenter, plBottomRight, plCustom
};
enum TTextRenderingHint { tAntiAlias, tClearType };

// GDI+'s hatch styles, in GDI+'s order.
enum HatchStyle {
  HatchStyleHorizontal, HatchStyleVertical, HatchStyleForwardDiagonal, HatchStyleBackwardDiagonal,
  HatchStyleCross, HatchStyleDiagonalCross, HatchStyle05Percent, HatchStyle10Percent,
  HatchStyle20Percent, HatchStyle25Percent, HatchStyle30Percent, HatchStyle40Percent,
  HatchStyle50Percent, HatchStyle60Percent, HatchStyle70Percent, HatchStyle75Percent,
  HatchStyle80Percent, HatchStyle90Percent, HatchStyleLightDownwardDiagonal,
  HatchStyleLightUpwardDiagonal, HatchStyleDarkDownwardDiagonal, HatchStyleDarkUpwardDiagonal,
  HatchStyleWideDownwardDiagonal, HatchStyleWideUpwardDiagonal, HatchStyleLightVertical,
  HatchStyleLightHorizontal, HatchStyleNarrowVertical, HatchStyleNarrowHorizontal,
  HatchStyleDarkVertical, HatchStyleDarkHorizontal, HatchStyleDashedDownwardDiagonal,
  HatchStyleDashedUpwardDiagonal, HatchStyleDashedHorizontal, HatchStyleDashedVertical,
  HatchStyleSmallConfetti, HatchStyleLargeConfetti, HatchStyleZigZag, HatchStyleWave,
  HatchStyleDiagonalBrick, HatchStyleHorizontalBrick, HatchStyleWeave, HatchStylePlaid,
  HatchStyleDivot, HatchStyleDottedGrid, HatchStyleDottedDiamond, HatchStyleShingle,
  HatchStyleTrellis, HatchStyleSphere, HatchStyleSmallGrid, HatchStyleSmallCheckerBoard,
  HatchStyleLargeCheckerBoard, HatchStyleOutlinedDiamond, HatchStyleSolidDiamond, HatchStyleTotal
};

}  // namespace gdip

#define MORVI_ENUM_NAME(v) {gdip::v, #v}

template <>
struct fw::EnumNames<gdip::TAdvGradientType> {
  static constexpr std::pair<gdip::TAdvGradientType, const char*> table[] = {
      MORVI_ENUM_NAME(gtSolid), MORVI_ENUM_NAME(gtRadial), MORVI_ENUM_NAME(gtVertical),
      MORVI_ENUM_NAME(gtHorizontal), MORVI_ENUM_NAME(gtForwardDiagonal), MORVI_ENUM_NAME(gtBackwardDiagonal),
      MORVI_ENUM_NAME(gtAngle), MORVI_ENUM_NAME(gtHatch), MORVI_ENUM_NAME(gtPath),
      MORVI_ENUM_NAME(gtTexture), MORVI_ENUM_NAME(gtNone)};
};
template <>
struct fw::EnumNames<gdip::TFillRoundingType> {
  static constexpr std::pair<gdip::TFillRoundingType, const char*> table[] = {
      MORVI_ENUM_NAME(rtNone), MORVI_ENUM_NAME(rtTop), MORVI_ENUM_NAME(rtBottom),
      MORVI_ENUM_NAME(rtBoth), MORVI_ENUM_NAME(rtLeft), MORVI_ENUM_NAME(rtRight)};
};
template <>
struct fw::EnumNames<gdip::TShadowType> {
  static constexpr std::pair<gdip::TShadowType, const char*> table[] = {
      MORVI_ENUM_NAME(stRightBottom), MORVI_ENUM_NAME(stBottom), MORVI_ENUM_NAME(stSurround)};
};
template <>
struct fw::EnumNames<gdip::TGlowMode> {
  static constexpr std::pair<gdip::TGlowMode, const char*> table[] = {
      MORVI_ENUM_NAME(gmNone), MORVI_ENUM_NAME(gmGradient), MORVI_ENUM_NAME(gmRadial),
      MORVI_ENUM_NAME(gmRadialGradient)};
};
template <>
struct fw::EnumNames<gdip::TFillPicturePosition> {
  static constexpr std::pair<gdip::TFillPicturePosition, const char*> table[] = {
      MORVI_ENUM_NAME(ppTopLeft), MORVI_ENUM_NAME(ppTopCenter), MORVI_ENUM_NAME(ppTopRight),
      MORVI_ENUM_NAME(ppBottomLeft), MORVI_ENUM_NAME(ppBottomCenter), MORVI_ENUM_NAME(ppBottomRight),
      MORVI_ENUM_NAME(ppTiled), MORVI_ENUM_NAME(ppStretched), MORVI_ENUM_NAME(ppCenterLeft),
      MORVI_ENUM_NAME(ppCenterCenter), MORVI_ENUM_NAME(ppCenterRight), MORVI_ENUM_NAME(ppCustom)};
};
template <>
struct fw::EnumNames<gdip::TFillPictureMode> {
  static constexpr std::pair<gdip::TFillPictureMode, const char*> table[] = {
      MORVI_ENUM_NAME(pmInsideFill), MORVI_ENUM_NAME(pmOutsideFill)};
};
template <>
struct fw::EnumNames<gdip::TFillPictureSize> {
  static constexpr std::pair<gdip::TFillPictureSize, const char*> table[] = {
      MORVI_ENUM_NAME(psOriginal), MORVI_ENUM_NAME(psCustom)};
};
template <>
struct fw::EnumNames<gdip::TPictureMode> {
  static constexpr std::pair<gdip::TPictureMode, const char*> table[] = {
      MORVI_ENUM_NAME(pmStretch), MORVI_ENUM_NAME(pmNormal)};
};
template <>
struct fw::EnumNames<gdip::TAdvSmoothLabelLocation> {
  static constexpr std::pair<gdip::TAdvSmoothLabelLocation, const char*> table[] = {
      MORVI_ENUM_NAME(plTopLeft), MORVI_ENUM_NAME(plTopCenter), MORVI_ENUM_NAME(plTopRight),
      MORVI_ENUM_NAME(plCenterLeft), MORVI_ENUM_NAME(plCenterCenter), MORVI_ENUM_NAME(plCenterRight),
      MORVI_ENUM_NAME(plBottomLeft), MORVI_ENUM_NAME(plBottomCenter), MORVI_ENUM_NAME(plBottomRight),
      MORVI_ENUM_NAME(plCustom)};
};
template <>
struct fw::EnumNames<gdip::TTextRenderingHint> {
  static constexpr std::pair<gdip::TTextRenderingHint, const char*> table[] = {
      MORVI_ENUM_NAME(tAntiAlias), MORVI_ENUM_NAME(tClearType)};
};
template <>
struct fw::EnumNames<gdip::HatchStyle> {
  static constexpr std::pair<gdip::HatchStyle, const char*> table[] = {
      MORVI_ENUM_NAME(HatchStyleHorizontal), MORVI_ENUM_NAME(HatchStyleVertical),
      MORVI_ENUM_NAME(HatchStyleForwardDiagonal), MORVI_ENUM_NAME(HatchStyleBackwardDiagonal),
      MORVI_ENUM_NAME(HatchStyleCross), MORVI_ENUM_NAME(HatchStyleDiagonalCross),
      MORVI_ENUM_NAME(HatchStyle05Percent), MORVI_ENUM_NAME(HatchStyle10Percent),
      MORVI_ENUM_NAME(HatchStyle20Percent), MORVI_ENUM_NAME(HatchStyle25Percent),
      MORVI_ENUM_NAME(HatchStyle30Percent), MORVI_ENUM_NAME(HatchStyle40Percent),
      MORVI_ENUM_NAME(HatchStyle50Percent), MORVI_ENUM_NAME(HatchStyle60Percent),
      MORVI_ENUM_NAME(HatchStyle70Percent), MORVI_ENUM_NAME(HatchStyle75Percent),
      MORVI_ENUM_NAME(HatchStyle80Percent), MORVI_ENUM_NAME(HatchStyle90Percent),
      MORVI_ENUM_NAME(HatchStyleLightDownwardDiagonal), MORVI_ENUM_NAME(HatchStyleLightUpwardDiagonal),
      MORVI_ENUM_NAME(HatchStyleDarkDownwardDiagonal), MORVI_ENUM_NAME(HatchStyleDarkUpwardDiagonal),
      MORVI_ENUM_NAME(HatchStyleWideDownwardDiagonal), MORVI_ENUM_NAME(HatchStyleWideUpwardDiagonal),
      MORVI_ENUM_NAME(HatchStyleLightVertical), MORVI_ENUM_NAME(HatchStyleLightHorizontal),
      MORVI_ENUM_NAME(HatchStyleNarrowVertical), MORVI_ENUM_NAME(HatchStyleNarrowHorizontal),
      MORVI_ENUM_NAME(HatchStyleDarkVertical), MORVI_ENUM_NAME(HatchStyleDarkHorizontal),
      MORVI_ENUM_NAME(HatchStyleDashedDownwardDiagonal), MORVI_ENUM_NAME(HatchStyleDashedUpwardDiagonal),
      MORVI_ENUM_NAME(HatchStyleDashedHorizontal), MORVI_ENUM_NAME(HatchStyleDashedVertical),
      MORVI_ENUM_NAME(HatchStyleSmallConfetti), MORVI_ENUM_NAME(HatchStyleLargeConfetti),
      MORVI_ENUM_NAME(HatchStyleZigZag), MORVI_ENUM_NAME(HatchStyleWave),
      MORVI_ENUM_NAME(HatchStyleDiagonalBrick), MORVI_ENUM_NAME(HatchStyleHorizontalBrick),
      MORVI_ENUM_NAME(HatchStyleWeave), MORVI_ENUM_NAME(HatchStylePlaid),
      MORVI_ENUM_NAME(HatchStyleDivot), MORVI_ENUM_NAME(HatchStyleDottedGrid),
      MORVI_ENUM_NAME(HatchStyleDottedDiamond), MORVI_ENUM_NAME(HatchStyleShingle),
      MORVI_ENUM_NAME(HatchStyleTrellis), MORVI_ENUM_NAME(HatchStyleSphere),
      MORVI_ENUM_NAME(HatchStyleSmallGrid), MORVI_ENUM_NAME(HatchStyleSmallCheckerBoard),
      MORVI_ENUM_NAME(HatchStyleLargeCheckerBoard), MORVI_ENUM_NAME(HatchStyleOutlinedDiamond),
      MORVI_ENUM_NAME(HatchStyleSolidDiamond), MORVI_ENUM_NAME(HatchStyleTotal)};
};

#undef MORVI_ENUM_NAME
