#include "controls/glow_look.h"

#include <algorithm>
#include <tuple>

#include "framework/desc/dpi_scaling.h"
#include "framework/text/rounding.h"

namespace ctl {
namespace {

using V = GlowAppearanceValues;

GlowColors normalSet(const V& a) {
  return {a.Color, a.ColorTo, a.ColorMirror, a.ColorMirrorTo, a.BorderColor, a.Gradient, a.GradientMirror};
}
GlowColors hotSet(const V& a) {
  return {a.ColorHot,    a.ColorHotTo,     a.ColorMirrorHot, a.ColorMirrorHotTo,
          a.BorderColorHot, a.GradientHot, a.GradientMirrorHot};
}
GlowColors downSet(const V& a) {
  return {a.ColorDown,       a.ColorDownTo,  a.ColorMirrorDown, a.ColorMirrorDownTo,
          a.BorderColorDown, a.GradientDown, a.GradientMirrorDown};
}
GlowColors checkedSet(const V& a) {
  return {a.ColorChecked,       a.ColorCheckedTo,  a.ColorMirrorChecked, a.ColorMirrorCheckedTo,
          a.BorderColorChecked, a.GradientChecked, a.GradientMirrorChecked};
}
GlowColors disabledSet(const V& a) {
  return {a.ColorDisabled,       a.ColorDisabledTo,  a.ColorMirrorDisabled, a.ColorMirrorDisabledTo,
          a.BorderColorDisabled, a.GradientDisabled, a.GradientMirrorDisabled};
}

// The face colours (and the border when asked) of c, blended from x and y;
// the gradient kinds stay c's.
GlowColors blended(GlowColors c, const GlowColors& x, const GlowColors& y, int p, bool border,
                   const gdip::SystemColorLookup& system) {
  c.color = BlendColor(x.color, y.color, p, system);
  c.colorTo = BlendColor(x.colorTo, y.colorTo, p, system);
  c.colorMirror = BlendColor(x.colorMirror, y.colorMirror, p, system);
  c.colorMirrorTo = BlendColor(x.colorMirrorTo, y.colorMirrorTo, p, system);
  if (border) c.border = BlendColor(x.border, y.border, p, system);
  return c;
}

GlowPart glowPart(int x, int y, int w, int h, fw::Color a, fw::Color b, bool upper, TGDIPGradient kind) {
  if (a == fw::clNone) a = b;
  else if (b == fw::clNone) b = a;
  GlowPart part{};
  part.rect = {x, y, w, h};
  part.solid = upper ? b : a;
  part.radial = kind == TGDIPGradient::ggRadial;
  part.ellipse = upper ? GlowBox{x, y - h / 2 + 2, w, h} : GlowBox{x, y, w, h};
  part.centreX = x + w / 2;
  part.centreY = upper ? y : y + h;
  part.centre = upper ? a : b;
  part.surround = upper ? b : a;
  part.from = b;
  part.to = a;
  part.mode = kind == TGDIPGradient::ggDiagonalForward    ? LinearMode::ForwardDiagonal
              : kind == TGDIPGradient::ggDiagonalBackward ? LinearMode::BackwardDiagonal
                                                          : LinearMode::Vertical;
  return part;
}

int round(double v) { return fw::roundHalfEven(v); }

}  // namespace

ButtonState normalisedState(const GlowPaintState& s) {
  ButtonState state = s.button.buttonState;
  if (!s.enabled) return ButtonState::StateDisabled;
  if (state == ButtonState::StateDisabled)
    state = s.button.down && s.group.groupIndex != 0 ? ButtonState::StateExclusive : ButtonState::StateUp;
  if (s.group.style == TAdvButtonStyle::bsCheck && s.button.down) state = ButtonState::StateDown;
  return state;
}

fw::Color BlendColor(fw::Color a, fw::Color b, int p, const gdip::SystemColorLookup& system) {
  if (p >= 100) return a;
  if (p < 1) return b;
  if (a == fw::clNone) return b;
  if (b == fw::clNone) return a;
  const std::uint32_t x = gdip::resolveColor(a, system).value, y = gdip::resolveColor(b, system).value;
  std::uint32_t out = 0;
  for (int shift : {0, 8, 16}) {
    const long double ca = (x >> shift) & 0xFF, cb = (y >> shift) & 0xFF;
    const int v = fw::roundHalfEven(p / 100.0L * ca + (1 - p / 100.0L) * cb);
    out |= std::uint32_t(std::min(v, 255)) << shift;
  }
  return fw::Color{out};
}

GlowColors glowColors(const GlowPaintState& s, const GlowAppearanceValues& a, const gdip::SystemColorLookup& system) {
  const ButtonState state = normalisedState(s);
  const bool check = s.group.style == TAdvButtonStyle::bsCheck;
  const bool checkDown = check && state == ButtonState::StateDown;
  const bool disabled = (state == ButtonState::StateDisabled || !s.enabled) && s.showDisabled;
  GlowColors c;
  if (disabled) {
    c = disabledSet(a);
  } else if (state == ButtonState::StateDown && !check) {
    c = downSet(a);
  } else if (state == ButtonState::StateExclusive || checkDown) {
    c = checkedSet(a);
    if (s.button.fadeTimer && (s.button.hoverTracking || (!check && (s.group.groupIndex <= 0 || state == ButtonState::StateDown)) ||
                     (s.button.mouseInControl && check && s.button.down)))
      c = blended(c, checkedSet(a), downSet(a), s.button.pressFade, false, system);
  } else {
    c = s.button.hotLook ? hotSet(a) : normalSet(a);
  }
  if (c.colorMirror == fw::clNone) c.colorMirror = c.color;

  if (s.button.fadeTimer) {
    if (!s.button.pressed && !s.transparent && state != ButtonState::StateExclusive && !checkDown)
      c = blended(c, hotSet(a), normalSet(a), s.button.hoverFade, true, system);
    else if (checkDown && s.button.pressed)
      c = s.button.mouseInControl ? blended(c, checkedSet(a), downSet(a), s.button.pressFade, false, system)
                           : blended(c, downSet(a), checkedSet(a), s.button.pressFade, false, system);
    else if (s.button.pressed && state != ButtonState::StateExclusive)
      c = blended(c, downSet(a), hotSet(a), s.button.pressFade, true, system);
  }
  if (disabled) c = disabledSet(a);
  if (s.button.focused && (s.focusType == TFocusType::ftHot || s.focusType == TFocusType::ftHotBorder) && !s.button.pressed)
    c = hotSet(a);
  return c;
}

fw::Color captionColor(const GlowPaintState& s, fw::Color fontColor, const GlowAppearanceValues& a) {
  if (!s.enabled) return fw::Color{0x808080};
  const ButtonState state = normalisedState(s);
  fw::Color c = fontColor;
  if (s.button.hotLook) c = a.TextColorHot;
  if (state == ButtonState::StateDown) c = a.TextColorDown;
  if (s.group.style == TAdvButtonStyle::bsCheck && state == ButtonState::StateDown) c = a.TextColorChecked;
  return c;
}

GlowPicture glowPicture(const GlowPaintState& s, bool hasHotPicture, bool hasDisabledPicture) {
  if (!s.enabled && hasDisabledPicture) return GlowPicture::Disabled;
  if (s.button.hotLook && hasHotPicture) return GlowPicture::Hot;
  return GlowPicture::Normal;
}

bool wantsFocusOutline(const GlowPaintState& s) {
  return s.button.focused && (s.focusType == TFocusType::ftBorder || s.focusType == TFocusType::ftHotBorder);
}

TGlowButtonState drawButtonState(const GlowPaintState& s) {
  if (normalisedState(s) == ButtonState::StateDown) return TGlowButtonState::gsDown;
  return s.button.mouseInControl ? TGlowButtonState::gsHot : TGlowButtonState::gsNormal;
}

std::pair<GlowPart, GlowPart> glowFace(const GlowColors& c, int x, int y, int w, int h) {
  const int half = h / 2;
  return {glowPart(x, y + half - 1, w, h - half + 1, c.colorMirror, c.colorMirrorTo, false, c.gradientMirror),
          glowPart(x, y, w, h - half, c.colorTo, c.color, true, c.gradient)};
}

std::pair<TextAlign, TextAlign> textAlignment(TButtonLayout layout) {
  using L = TButtonLayout;
  return {layout == L::blGlyphLeftAdjusted    ? TextAlign::Near
          : layout == L::blGlyphRightAdjusted ? TextAlign::Far
                                              : TextAlign::Center,
          layout == L::blGlyphTopAdjusted      ? TextAlign::Near
          : layout == L::blGlyphBottomAdjusted ? TextAlign::Far
                                               : TextAlign::Center};
}

TButtonLayout effectiveLayout(TButtonLayout layout, bool hasNotes) {
  return hasNotes ? TButtonLayout::blGlyphLeftAdjusted : layout;
}

TextBox captionMeasureArea(const GlowLayoutInput& in) {
  TextBox r{double(in.left), double(in.top), double(in.width), double(in.height)};
  if (in.layout == TButtonLayout::blGlyphLeftAdjusted) {
    r.x += in.marginHorz;
    r.w -= in.marginHorz;
  }
  return r;
}

TextBox notesMeasureArea(const GlowLayoutInput& in) {
  TextBox r = captionMeasureArea(in);
  if (in.pictureWidth > 0) r.w -= in.pictureWidth + in.spacing;
  return r;
}

GlowLayout layoutGlowButton(const GlowLayoutInput& in, const TextBox& caption, double notesHeight) {
  using L = TButtonLayout;
  const TextBox r = captionMeasureArea(in);
  const int left = int(r.x), top = in.top, w = int(r.w), h = in.height;
  const int pw = in.pictureWidth, ph = in.pictureHeight;
  const double cx = caption.x, cw = caption.w, ch = caption.h;
  // The gaps of 2, 4 and 5 pixels at 96 dpi, scaled as the picture is.
  const int g2 = desc::scaleLength(2, in.dpi), g4 = desc::scaleLength(4, in.dpi), g5 = desc::scaleLength(5, in.dpi);
  GlowLayout out{};
  const int beside = top + std::max(0, (h - ph) / 2);       // picture y beside the text
  const int centred = left + std::max(0, (w - pw) / 2);     // picture x above or below it
  const auto below = [&](int y) { return y > h - ph ? h - ph - g2 : y; };
  switch (in.layout) {
    case L::blGlyphLeft:
    case L::blGlyphLeftAdjusted:
      out.captionArea = {double(left + pw + g2), double(top), double(w - pw - g2), double(h)};
      out.pictureX = std::max(g2, in.classic && in.layout == L::blGlyphLeft ? (w - round(cw) - pw) / 2
                                                                             : round(cx - pw / 2));
      if (in.layout == L::blGlyphLeftAdjusted) out.pictureX += in.marginHorz;
      out.pictureY = beside;
      break;
    case L::blGlyphTop:
    case L::blGlyphTopAdjusted:
      out.captionArea = {double(left), double(top + ph), double(w), double(h - ph - g2)};
      out.pictureX = centred;
      out.pictureY = in.layout == L::blGlyphTop ? std::max(g2, top + std::max(0, round(h - ph - g2 - ch) / 2))
                                                : std::max(g2, top);
      if (in.classic && in.layout == L::blGlyphTop) out.pictureY -= g4;
      break;
    case L::blGlyphRight:
    case L::blGlyphRightAdjusted:
      out.captionArea = {double(g2), double(top), double(w - pw - g4), double(h)};
      if (in.layout == L::blGlyphRight) {
        out.pictureX = std::max(0, round(w - pw - g4 - cw) / 2) + round(cw) + g4;
        if (out.pictureX > w - pw) out.pictureX = w - pw - g2;
      } else {
        out.pictureX = w - pw - g2;
      }
      out.pictureX += in.spacing;
      out.pictureY = beside;
      break;
    case L::blGlyphBottom:
      out.captionArea = {double(left), double(g2), double(w), double(h - ph - g2)};
      out.pictureX = centred;
      out.pictureY = below(std::max(0, round(h - ph - g2 - ch) / 2) + round(ch + (in.classic ? g5 : g2)));
      break;
    case L::blGlyphBottomAdjusted:
      out.captionArea = {double(left), double(g2), double(w), double(h - ph - (in.classic ? g4 : g2))};
      out.pictureX = centred;
      out.pictureY = in.classic ? h - ph - g2 : below(h / 2 + round(ch + g2));
      break;
  }
  if (!in.hasCaption) {
    out.pictureX = in.left + (in.width - pw) / 2;
    out.pictureY = in.top + (in.height - ph) / 2;
  }
  std::tie(out.align, out.lineAlign) = textAlignment(in.layout);
  // Caption and notes form one block centred in the height.
  if (in.hasNotes) {
    out.lineAlign = TextAlign::Near;
    out.captionArea.y += ((out.captionArea.h - round(ch)) - round(notesHeight)) / 2;
  }
  out.captionArea.x -= 1;
  out.notesArea = out.captionArea;
  out.notesArea.y += round(ch);
  return out;
}

std::pair<int, int> glowButtonSize(const GlowLayoutInput& in, double cw, double ch, double nw, double nh,
                                   int marginVert) {
  using L = TButtonLayout;
  const int pw = in.pictureWidth, ph = in.pictureHeight, s = in.spacing;
  const bool stacked = in.layout == L::blGlyphTop || in.layout == L::blGlyphBottom ||
                       in.layout == L::blGlyphTopAdjusted || in.layout == L::blGlyphBottomAdjusted;
  const int contentWidth = stacked ? std::max(round(cw) + s, pw + s) : std::max(round(cw), round(nw)) + pw + s;
  const int contentHeight = stacked ? round(ch) + ph : std::max(round(ch) + s + round(nh), ph + s);
  return {s * 3 + contentWidth + in.marginHorz * 2 + 2,
          contentHeight + (stacked ? 0 : s * 2) + marginVert * 2};
}

}  // namespace ctl
