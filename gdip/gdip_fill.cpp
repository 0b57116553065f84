#include "gdip/gdip_fill.h"

#include <array>
#include <optional>

namespace gdip {
namespace {

RectF rectF(FRect r) { return RectF(r.x, r.y, r.w, r.h); }
PointF pointF(FPoint p) { return PointF(p.x, p.y); }

UINT clipboardFormat = 0;

// The closed triangle of three points.
Path triangle(const FPoint (&p)[3]) {
  Path path;
  path.addLine(p[0].x, p[0].y, p[1].x, p[1].y);
  path.addLine(p[1].x, p[1].y, p[2].x, p[2].y);
  path.closeFigure();
  return path;
}

Gdiplus::LinearGradientMode linearMode(TAdvGradientType kind) {
  switch (kind) {
    case gtHorizontal: return Gdiplus::LinearGradientModeHorizontal;
    case gtForwardDiagonal: return Gdiplus::LinearGradientModeForwardDiagonal;
    case gtBackwardDiagonal: return Gdiplus::LinearGradientModeBackwardDiagonal;
    default: return Gdiplus::LinearGradientModeVertical;
  }
}

// The smoothing mode set for a scope, the previous one restored after.
class Smoothing {
 public:
  Smoothing(Graphics& g, Gdiplus::SmoothingMode mode) : g_(g), old_(g.smoothingMode()) { g.setSmoothingMode(mode); }
  ~Smoothing() { g_.setSmoothingMode(old_); }
  Smoothing(const Smoothing&) = delete;
  Smoothing& operator=(const Smoothing&) = delete;

 private:
  Graphics& g_;
  Gdiplus::SmoothingMode old_;
};

}  // namespace

Path roundedPath(FRect r, float radius, TFillRoundingType type) {
  Path path;
  for (const PathPiece& piece : roundedRectangle(r, radius, type)) {
    if (const auto* l = std::get_if<PathLine>(&piece)) path.addLine(l->x1, l->y1, l->x2, l->y2);
    else if (const auto* a = std::get_if<PathArc>(&piece)) path.addArc(a->x, a->y, a->w, a->h, a->start, a->sweep);
  }
  path.closeFigure();
  return path;
}

void registerFillClipboardFormat() { clipboardFormat = RegisterClipboardFormatW(L"GDI+ Fill"); }

UINT fillClipboardFormat() { return clipboardFormat; }

const std::vector<fw::MemberDef<TGDIPFill>>& TGDIPFill::members() {
  using F = TGDIPFill;
  using V = FillValues;
  auto picture = [](const char* name, auto access) {
    return fw::member<F, desc::Bytes>(
        name, {}, [access](const F& f) { return access(f).writeData(); },
        [access](F& f, const desc::Bytes& data) { access(f).readData(data); });
  };
  static const std::vector<fw::MemberDef<F>> members{
      fw::valueMember<F>("Color", &V::Color),
      fw::valueMember<F>("ColorTo", &V::ColorTo),
      fw::valueMember<F>("ColorMirror", &V::ColorMirror, true),
      fw::valueMember<F>("ColorMirrorTo", &V::ColorMirrorTo, true),
      fw::valueMember<F>("GradientType", &V::GradientType, true),
      fw::valueMember<F>("GradientMirrorType", &V::GradientMirrorType, true),
      fw::valueMember<F>("HatchStyle", &V::HatchStyle),
      fw::valueMember<F>("HatchStyleMirror", &V::HatchStyleMirror),
      fw::valueMember<F>("BackGroundPictureAspectRatio", &V::BackGroundPictureAspectRatio),
      fw::valueMember<F>("BackGroundPictureMode", &V::BackGroundPictureMode),
      picture("BackGroundPicture.Data", [](auto& f) -> auto& { return f.BackGroundPicture(); }),
      fw::valueMember<F>("BackGroundPicturePosition", &V::BackGroundPicturePosition),
      fw::valueMember<F>("BackGroundPictureLeft", &V::BackGroundPictureLeft),
      fw::valueMember<F>("BackGroundPictureTop", &V::BackGroundPictureTop),
      fw::valueMember<F>("BackGroundPictureAspectMode", &V::BackGroundPictureAspectMode),
      picture("Picture.Data", [](auto& f) -> auto& { return f.Picture(); }),
      fw::valueMember<F>("PicturePosition", &V::PicturePosition),
      fw::valueMember<F>("PictureLeft", &V::PictureLeft),
      fw::valueMember<F>("PictureTop", &V::PictureTop),
      fw::valueMember<F>("PictureSize", &V::PictureSize),
      fw::valueMember<F>("PictureWidth", &V::PictureWidth),
      fw::valueMember<F>("PictureHeight", &V::PictureHeight),
      fw::valueMember<F>("PictureAspectRatio", &V::PictureAspectRatio),
      fw::valueMember<F>("PictureAspectMode", &V::PictureAspectMode),
      fw::valueMember<F>("Opacity", &V::Opacity),
      fw::valueMember<F>("OpacityTo", &V::OpacityTo),
      fw::valueMember<F>("OpacityMirror", &V::OpacityMirror),
      fw::valueMember<F>("OpacityMirrorTo", &V::OpacityMirrorTo),
      fw::valueMember<F>("BorderColor", &V::BorderColor, true),
      fw::valueMember<F>("BorderOpacity", &V::BorderOpacity),
      fw::valueMember<F>("BorderWidth", &V::BorderWidth),
      fw::valueMember<F>("Rounding", &V::Rounding, true),
      fw::valueMember<F>("RoundingType", &V::RoundingType),
      fw::valueMember<F>("ShadowColor", &V::ShadowColor),
      fw::valueMember<F>("ShadowOffset", &V::ShadowOffset, true),
      fw::valueMember<F>("ShadowType", &V::ShadowType),
      fw::valueMember<F>("Angle", &V::Angle),
      fw::valueMember<F>("Glow", &V::Glow, true),
      fw::valueMember<F>("GlowGradientColor", &V::GlowGradientColor),
      fw::valueMember<F>("GlowRadialColor", &V::GlowRadialColor),
  };
  return members;
}

TGDIPFill::TGDIPFill() {
  backGroundPicture_.OnChange = [this] { Changed(); };
  picture_.OnChange = [this] { Changed(); };
}

void TGDIPFill::setBackGroundPicture(const TAdvGDIPPicture& picture) {
  if (&picture != &backGroundPicture_) backGroundPicture_.Assign(&picture);
  Changed();
}

void TGDIPFill::setPicture(const TAdvGDIPPicture& picture) {
  if (&picture != &picture_) picture_.Assign(&picture);
  Changed();
}

void TGDIPFill::Assign(const fw::Persistent* source) {
  const auto* other = dynamic_cast<const TGDIPFill*>(source);
  if (!other) return;
  values_ = other->values_;
  backGroundPicture_.Assign(&other->backGroundPicture_);
  picture_.Assign(&other->picture_);
  Changed();
}

void TGDIPFill::Changed() {
  if (OnChange) OnChange(*this);
}

// One part of the body: the upper part or the mirror.
struct TGDIPFill::Part {
  fw::Color first, second;
  std::uint8_t firstOpacity, secondOpacity;
  gdip::HatchStyle hatch;
  TAdvGradientType kind;
  bool mirror;
};

// One Fill call: the values with this call's opacities, on one surface.
struct TGDIPFill::Painter {
  Graphics& g;
  FillValues v;
  TGDIPFill& fill;

  Path rounded(FRect r) const { return roundedPath(r, static_cast<float>(v.Rounding), v.RoundingType); }

  void shadow(FRect r) {
    if (v.ShadowOffset <= 0 || v.ShadowColor == fw::clNone) return;
    if (v.ShadowType == stBottom) {
      radial(bottomShadowStrip(r, v.ShadowOffset), argb(v.ShadowColor, 0), argb(v.ShadowColor, 255), rtBottom, true);
      return;
    }
    const Path path = v.ShadowType == stSurround ? roundedPath(r, static_cast<float>(v.ShadowOffset), rtBoth)
                                                 : rounded(r);
    PathGradientBrush brush(path);
    brush.setWrapMode(Gdiplus::WrapModeClamp);
    const Argb shade = argb(v.ShadowColor, 180);
    const std::array<Gdiplus::ARGB, 3> colors{argb(fw::clBlack, 0), shade, shade};
    const std::array<REAL, 3> positions{0.0f, 0.1f, 1.0f};
    // The preset blend stands for the centre and edge colours; where it is
    // not drawn (Wine takes it and ignores it), the same fade from the edge
    // comes from those two colours.
    const Gdiplus::ARGB edge = colors[0];
    brush.setCenterColor(shade);
    brush.setSurroundColors({&edge, 1});
    brush.setPresetBlend(colors, positions);
    g.fillPath(brush.get(), path);
  }

  // The rounded rectangle of q in the edge colour, and over it, clipped to
  // it, an elliptic gradient to the centre colour at its top or bottom.
  void radial(FRect q, Argb edge, Argb centre, TFillRoundingType type, bool centreAtTop) {
    const Path shape = roundedPath(q, static_cast<float>(v.Rounding), type);
    SolidBrush solid(edge);
    g.fillPath(solid.get(), shape);
    g.setClip(Region(shape));
    Path ellipse;
    const FRect e = radialEllipse(q, centreAtTop);
    ellipse.addEllipse(e.x, e.y, e.w, e.h);
    PathGradientBrush brush(ellipse);
    brush.setCenterPoint(pointF(radialCentre(q, centreAtTop)));
    brush.setCenterColor(centre);
    const Gdiplus::ARGB surround = edge;
    brush.setSurroundColors({&surround, 1});
    g.fillRectangle(brush.get(), rectF(q));
    g.resetClip();
  }

  void fillShape(Gdiplus::GpBrush* brush, FRect p, const Path* path) {
    if (path) g.fillPath(brush, *path);
    else g.fillRectangle(brush, rectF(p));
  }

  void part(FRect p, const Part& part) {
    const TAdvGradientType kind = effectiveKind(part.first, part.second, part.kind);
    std::optional<Path> path;
    std::optional<Smoothing> smooth;
    if (v.Rounding != 0) {
      path.emplace(roundedPath(p, static_cast<float>(v.Rounding),
                               partRounding(v.RoundingType, v.ColorMirror != fw::clNone, part.mirror)));
      smooth.emplace(g, Gdiplus::SmoothingModeAntiAlias);
    }
    const Path* shape = path ? &*path : nullptr;
    const Argb a = argb(part.first, part.firstOpacity);
    switch (kind) {
      case gtSolid: {
        SolidBrush brush(a);
        fillShape(brush.get(), p, shape);
        break;
      }
      case gtVertical:
      case gtHorizontal:
      case gtForwardDiagonal:
      case gtBackwardDiagonal:
      case gtAngle: {
        const Argb b = argb(part.second, part.secondOpacity);
        LinearBrush brush = kind == gtAngle ? LinearBrush(rectF(enlarged(p)), a, b, static_cast<REAL>(v.Angle), true)
                                            : LinearBrush(rectF(enlarged(p)), a, b, linearMode(kind));
        brush.setGammaCorrection(true);
        fillShape(brush.get(), p, shape);
        if (part.mirror && kind != gtAngle) {
          // Hides the seam where the two halves meet.
          SolidBrush seam(a);
          g.fillRectangle(seam.get(), RectF(p.x, p.y, p.w, 1));
        }
        break;
      }
      case gtHatch: {
        HatchBrush brush(static_cast<Gdiplus::HatchStyle>(part.hatch), a, argb(part.second, part.secondOpacity));
        fillShape(brush.get(), p, shape);
        break;
      }
      case gtTexture:
        if (v.BackGroundPicturePosition == ppTiled && !fill.backGroundPicture_.empty()) {
          if (shape) fill.backGroundPicture_.TextureFillPath(g, *shape);
          else fill.backGroundPicture_.TextureFillRect(g, rectF(p));
        }
        break;
      default:
        break;
    }
  }

  void upperRadial(FRect q, TFillRoundingType type) {
    if (v.Color == fw::clNone) return;
    radial(q, argb(v.Color, v.Opacity), argb(secondOrFirst(v.Color, v.ColorTo), v.OpacityTo), type, true);
  }

  void body(FRect c) {
    const Part upper{v.Color, v.ColorTo, v.Opacity, v.OpacityTo, v.HatchStyle, v.GradientType, false};
    if (v.GradientType == gtHatch || v.GradientType == gtTexture || v.ColorMirror == fw::clNone) {
      if (v.GradientType == gtRadial) upperRadial(c, v.RoundingType);
      else part(c, upper);
      return;
    }
    const BodyHalves halves = splitBody(c);
    if (v.GradientType == gtRadial) upperRadial(halves.upper, rtTop);
    else part(halves.upper, upper);
    if (v.GradientMirrorType == gtRadial) {
      radial(halves.mirror, argb(secondOrFirst(v.ColorMirror, v.ColorMirrorTo), v.OpacityMirrorTo),
             argb(v.ColorMirror, v.OpacityMirror), rtBottom, false);
    } else {
      part(halves.mirror,
           {v.ColorMirror, v.ColorMirrorTo, v.OpacityMirror, v.OpacityMirrorTo, v.HatchStyleMirror,
            v.GradientMirrorType, true});
    }
  }

  // A picture placed in the integer rectangle of c.
  void place(TAdvGDIPPicture& picture, FRect c, int w, int h, const PicturePlacement& how) {
    const IRect at = placePicture(integerRect(c), w, h, how);
    if (how.position == ppTiled) {
      picture.TextureFillRect(g, RectF(static_cast<REAL>(at.left), static_cast<REAL>(at.top),
                                       static_cast<REAL>(at.right - at.left), static_cast<REAL>(at.bottom - at.top)));
    } else {
      picture.DrawOnGraphics(g, RECT{at.left, at.top, at.right, at.bottom});
    }
  }

  void backGround(FRect c, TFillPictureMode mode) {
    TAdvGDIPPicture& picture = fill.backGroundPicture_;
    if (v.BackGroundPictureMode != mode || v.GradientType != gtTexture || picture.empty()) return;
    picture.UpdateSize();
    const bool clipped = mode == pmInsideFill;
    if (clipped) g.setClip(Region(rounded(c)));
    place(picture, c, picture.width(), picture.height(),
          {v.BackGroundPicturePosition, v.BackGroundPictureLeft, v.BackGroundPictureTop,
           v.BackGroundPictureAspectRatio, v.BackGroundPictureAspectMode});
    if (clipped) g.resetClip();
  }

  void border(FRect c) {
    if (v.BorderWidth <= 0 || v.BorderColor == fw::clNone) return;
    Pen pen(argb(v.BorderColor, v.BorderOpacity), static_cast<REAL>(v.BorderWidth));
    g.drawPath(pen, rounded(c));
  }

  void glowBand(const GlowBand& band, Argb from, Argb to) {
    LinearBrush brush(rectF(enlarged(band.band)), from, to, Gdiplus::LinearGradientModeVertical);
    g.fillPath(brush.get(), triangle(band.leftTriangle));
    g.fillPath(brush.get(), triangle(band.rightTriangle));
    g.fillRectangle(brush.get(), rectF(band.band));
  }

  void glow(FRect c) {
    if (v.Glow == gmNone) return;
    g.setClip(Region(rectF(c)));
    const FRect frame = glowFrame(c);
    if (v.Glow == gmGradient || v.Glow == gmRadialGradient) {
      Pen pen(argb(v.GlowGradientColor, 200), 1);
      g.drawPath(pen, rounded(frame));
      glowBand(glowTopBand(frame), argb(v.GlowGradientColor, 175), argb(v.GlowGradientColor, 0));
      glowBand(glowBottomBand(frame), argb(v.GlowGradientColor, 0), argb(v.GlowGradientColor, 220));
    }
    if (v.Glow == gmRadial || v.Glow == gmRadialGradient) {
      const FRect e = glowEllipse(frame);
      Path ellipse;
      ellipse.addEllipse(e.x, e.y, e.w, e.h);
      PathGradientBrush brush(ellipse);
      brush.setCenterPoint(PointF(e.x + e.w / 2, e.y + e.h / 2));
      brush.setCenterColor(argb(v.GlowRadialColor, 150));
      const Gdiplus::ARGB surround = argb(v.Color, 0);
      brush.setSurroundColors({&surround, 1});
      g.fillPath(brush.get(), ellipse);
    }
    g.resetClip();
  }

  void focus() {
    if (!fill.Focus) return;
    const FRect f = fill.FocusRect;
    Pen pen(argb(fill.FocusColor, v.Opacity), 1);
    pen.setDashStyle(Gdiplus::DashStyleDot);
    Smoothing plain(g, Gdiplus::SmoothingModeDefault);
    g.drawPath(pen, roundedPath(f, static_cast<float>(v.Rounding - v.BorderWidth), v.RoundingType));
  }

  void picture(FRect c) {
    TAdvGDIPPicture& picture = fill.picture_;
    if (picture.empty()) return;
    picture.UpdateSize();
    const bool own = v.PictureSize == psOriginal;
    place(picture, c, own ? picture.width() : v.PictureWidth, own ? picture.height() : v.PictureHeight,
          {v.PicturePosition, v.PictureLeft, v.PictureTop, v.PictureAspectRatio, v.PictureAspectMode});
  }
};

FRect TGDIPFill::Fill(Graphics* graphics, FRect r, std::uint8_t borderOpacity, std::uint8_t opacity,
                      std::uint8_t opacityTo, std::uint8_t opacityMirror, std::uint8_t opacityMirrorTo) {
  if (!graphics) return r;
  Painter p{*graphics, values_, *this};
  auto use = [](std::uint8_t& property, std::uint8_t argument) {
    if (argument != 255) property = argument;
  };
  use(p.v.BorderOpacity, borderOpacity);
  use(p.v.Opacity, opacity);
  use(p.v.OpacityTo, opacityTo);
  use(p.v.OpacityMirror, opacityMirror);
  use(p.v.OpacityMirrorTo, opacityMirrorTo);

  FRect c = r;
  if (r.w == 1 || r.h == 1) {
    // A thin area is only its line.
    if (p.v.BorderWidth > 0 && p.v.BorderColor != fw::clNone) {
      Pen pen(argb(p.v.BorderColor, p.v.BorderOpacity), static_cast<REAL>(p.v.BorderWidth));
      graphics->drawLine(pen, PointF(r.x, r.y), PointF(r.x + r.w, r.y + r.h));
    }
  } else {
    p.shadow(r);
    c = contentAfterShadow(r, p.v.ShadowType, p.v.ShadowOffset, p.v.ShadowColor);
    p.body(c);
    p.backGround(c, pmInsideFill);
    p.border(c);
  }
  p.glow(c);
  FocusRect = focusRect(c, p.v.BorderWidth);
  p.focus();
  p.backGround(c, pmOutsideFill);
  p.picture(c);
  return c;
}

}  // namespace gdip
