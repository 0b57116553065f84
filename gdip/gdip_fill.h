// TGDIPFill: how a control's background is painted through GDI+ (a gradient,
// hatch, texture or solid upper part, an optional mirror part, a soft
// shadow, a border, rounded corners, a glow, a focus outline, a background
// picture and a picture). Its owner publishes it as "Fill", repaints on its
// OnChange and calls Fill from its paint code.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "framework/desc/properties.h"
#include "framework/graphics/graphic.h"
#include "gdip/adv_gdip_picture.h"
#include "gdip/fill_geometry.h"
#include "gdip/objects.h"

namespace gdip {

// The published values, with the constructor's defaults.
struct FillValues {
  fw::Color Color{0xC0C0C0};
  fw::Color ColorTo{0x808080};
  fw::Color ColorMirror = fw::clNone;
  fw::Color ColorMirrorTo = fw::clNone;
  TAdvGradientType GradientType = gtVertical;
  TAdvGradientType GradientMirrorType = gtSolid;
  gdip::HatchStyle HatchStyle = HatchStyleHorizontal;
  gdip::HatchStyle HatchStyleMirror = HatchStyleHorizontal;
  bool BackGroundPictureAspectRatio = false;
  TFillPictureMode BackGroundPictureMode = pmOutsideFill;
  TFillPicturePosition BackGroundPicturePosition = ppTopLeft;
  int BackGroundPictureLeft = 0;
  int BackGroundPictureTop = 0;
  TPictureMode BackGroundPictureAspectMode = pmStretch;
  TFillPicturePosition PicturePosition = ppTopLeft;
  int PictureLeft = 0;
  int PictureTop = 0;
  TFillPictureSize PictureSize = psOriginal;
  int PictureWidth = 50;
  int PictureHeight = 50;
  bool PictureAspectRatio = false;
  TPictureMode PictureAspectMode = pmStretch;
  std::uint8_t Opacity = 255;
  std::uint8_t OpacityTo = 255;
  std::uint8_t OpacityMirror = 255;
  std::uint8_t OpacityMirrorTo = 255;
  fw::Color BorderColor = fw::clNone;
  std::uint8_t BorderOpacity = 255;
  int BorderWidth = 1;
  int Rounding = 0;
  TFillRoundingType RoundingType = rtBoth;
  fw::Color ShadowColor{0x808080};
  int ShadowOffset = 0;
  TShadowType ShadowType = stRightBottom;
  int Angle = 0;
  TGlowMode Glow = gmNone;
  fw::Color GlowGradientColor{0xFFFFFF};
  fw::Color GlowRadialColor{0xFFFFFF};
};

// The closed figure of roundedRectangle as a GDI+ path.
Path roundedPath(FRect r, float radius, TFillRoundingType type);

// Registers the clipboard format "GDI+ Fill" (once, at start-up) and keeps
// its identifier; nothing copies or pastes a fill.
void registerFillClipboardFormat();
UINT fillClipboardFormat();

class TGDIPFill : public fw::Persistent {
 public:
  TGDIPFill();
  TGDIPFill(const TGDIPFill&) = delete;
  TGDIPFill& operator=(const TGDIPFill&) = delete;

  // The published properties, in declaration order, for the owner's table.
  static const std::vector<fw::MemberDef<TGDIPFill>>& members();

  const FillValues& values() const { return values_; }
  template <class V>
  void set(V FillValues::*property, V value) {
    if (values_.*property == value) return;
    values_.*property = std::move(value);
    Changed();
  }
  TAdvGDIPPicture& BackGroundPicture() { return backGroundPicture_; }
  const TAdvGDIPPicture& BackGroundPicture() const { return backGroundPicture_; }
  TAdvGDIPPicture& Picture() { return picture_; }
  const TAdvGDIPPicture& Picture() const { return picture_; }
  // Copy the content of another picture into the owned one.
  void setBackGroundPicture(const TAdvGDIPPicture& picture);
  void setPicture(const TAdvGDIPPicture& picture);

  // Copies every published value and both pictures of another fill, then
  // Changed; any other source is ignored.
  void Assign(const fw::Persistent* source);
  void Changed();
  std::function<void(TGDIPFill& sender)> OnChange;

  // Not published.
  bool Focus = false;
  fw::Color FocusColor = fw::clBlack;
  FRect FocusRect;  // written by every Fill

  // Paints in r and returns the rectangle left for the content. An opacity
  // argument other than 255 replaces the property of its name for the call.
  // Without a graphics object nothing is painted and r is returned.
  FRect Fill(Graphics* graphics, FRect r, std::uint8_t borderOpacity = 255, std::uint8_t opacity = 255,
             std::uint8_t opacityTo = 255, std::uint8_t opacityMirror = 255, std::uint8_t opacityMirrorTo = 255);

 private:
  struct Part;
  struct Painter;

  FillValues values_;
  TAdvGDIPPicture backGroundPicture_;
  TAdvGDIPPicture picture_;
};

}  // namespace gdip
