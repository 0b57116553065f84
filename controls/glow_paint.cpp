#include "controls/glow_paint.h"

#include <cstdlib>

#include "framework/desc/dpi_scaling.h"
#include "gdip/gdip_picture.h"
#include "gdip/objects.h"

namespace ctl {
namespace {

using gdip::argb;
using gdip::RectF;
using gdip::REAL;

std::uint32_t systemColour(int index) { return GetSysColor(index); }

RectF rectF(const GlowBox& b) { return RectF(REAL(b.x), REAL(b.y), REAL(b.w), REAL(b.h)); }
RectF rectF(const TextBox& b) { return RectF(REAL(b.x), REAL(b.y), REAL(b.w), REAL(b.h)); }
TextBox textBox(const RectF& r) { return {r.X, r.Y, r.Width, r.Height}; }

// A linear gradient covers the whole rectangle: only a radial one needs the
// solid fill under it.
void fillPart(gdip::Graphics& g, const GlowPart& part) {
  if (part.radial) {
    gdip::SolidBrush solid(argb(part.solid));
    g.fillRectangle(solid.get(), rectF(part.rect));
    gdip::Path ellipse;
    ellipse.addEllipse(REAL(part.ellipse.x), REAL(part.ellipse.y), REAL(part.ellipse.w), REAL(part.ellipse.h));
    gdip::PathGradientBrush brush(ellipse);
    brush.setCenterPoint(Gdiplus::Point(part.centreX, part.centreY));
    brush.setCenterColor(argb(part.centre));
    const Gdiplus::ARGB surround[] = {argb(part.surround)};
    brush.setSurroundColors(surround);
    g.fillRectangle(brush.get(), rectF(part.rect));
  } else {
    const auto mode = part.mode == LinearMode::ForwardDiagonal    ? Gdiplus::LinearGradientModeForwardDiagonal
                      : part.mode == LinearMode::BackwardDiagonal ? Gdiplus::LinearGradientModeBackwardDiagonal
                                                                  : Gdiplus::LinearGradientModeVertical;
    gdip::LinearBrush brush(rectF(part.rect), argb(part.from), argb(part.to), mode);
    g.fillRectangle(brush.get(), rectF(part.rect));
  }
}

// A closed outline of straight edges joined by quarter arcs of radius r.
void drawRounded(gdip::Graphics& g, const gdip::Pen& pen, int x, int y, int w, int h, int r) {
  if (r == 0) {
    g.drawRectangle(pen, RectF(REAL(x), REAL(y), REAL(w), REAL(h)));
    return;
  }
  const REAL d = REAL(2 * r);
  gdip::Path path;
  path.addArc(REAL(x), REAL(y), d, d, 180, 90);
  path.addArc(REAL(x + w) - d, REAL(y), d, d, 270, 90);
  path.addArc(REAL(x + w) - d, REAL(y + h) - d, d, d, 0, 90);
  path.addArc(REAL(x), REAL(y + h) - d, d, d, 90, 90);
  path.closeFigure();
  g.drawPath(pen, path);
}

void drawBorderAndFocus(gdip::Graphics& g, const GlowButtonPaint& p, fw::Color border, int w, int h) {
  const int r = p.rounded ? desc::scaleLength(3, p.dpi) : 0;
  if (p.borderSingle) {
    gdip::Pen pen(argb(border), 1);
    // Buttons joined in a row share their edges: the outline stays square.
    drawRounded(g, pen, 0, 0, w - 1, h - 1, p.position == TButtonPosition::bpStandalone ? r : 0);
  }
  if (wantsFocusOutline(p.state)) {
    gdip::Pen solid(argb(fw::Color{0xE4AD89}), 1);
    drawRounded(g, solid, 1, 1, w - 3, h - 3, r);
    gdip::Pen dotted(argb(fw::Color{0x808080}), 1);
    dotted.setDashStyle(Gdiplus::DashStyleDot);
    drawRounded(g, dotted, 2, 2, w - 5, h - 5, r);
  }
}

// "Segoe UI" where the system has it (Windows Vista and later), else Tahoma.
std::wstring captionFace(const GlowButtonPaint& p) {
  if (!p.appearance.SystemFont) return p.font.name;
  const bool vista = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetLocaleInfoEx") != nullptr;
  return vista ? L"Segoe UI" : L"Tahoma";
}

int CALLBACK noteTrueType(const LOGFONTW*, const TEXTMETRICW*, DWORD type, LPARAM found) {
  if (!(type & TRUETYPE_FONTTYPE)) return 1;
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool isTrueTypeFace(HDC dc, const std::wstring& face) {
  LOGFONTW lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  face.copy(lf.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  EnumFontFamiliesExW(dc, &lf, noteTrueType, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

Gdiplus::StringAlignment gdipAlign(TextAlign a) {
  return a == TextAlign::Near ? Gdiplus::StringAlignmentNear
         : a == TextAlign::Far ? Gdiplus::StringAlignmentFar
                               : Gdiplus::StringAlignmentCenter;
}

gdip::StringFormat stringFormat(const GlowButtonPaint& p, TextAlign align, TextAlign lineAlign) {
  gdip::StringFormat format(p.wordWrap ? 0 : Gdiplus::StringFormatFlagsNoWrap);
  format.setAlign(gdipAlign(align));
  format.setLineAlign(gdipAlign(lineAlign));
  format.setTrimming(static_cast<Gdiplus::StringTrimming>(p.trimming));
  format.setHotkeyPrefix(p.hidePrefix ? Gdiplus::HotkeyPrefixHide : Gdiplus::HotkeyPrefixShow);
  return format;
}

// Each line ends with a line break, the last one too. A bare line feed:
// GDI+ breaks the same on it, and Wine's draws a carriage return as a box.
std::wstring notesText(const GlowButtonPaint& p) {
  std::wstring text;
  for (const std::wstring& line : p.notes) text += line + L"\n";
  return text;
}

// The picture of the moment, measured; null when there is none.
gdip::TGDIPPicture* currentPicture(const GlowButtonPaint& p) {
  auto has = [](gdip::TGDIPPicture* picture) { return picture && !picture->empty(); };
  gdip::TGDIPPicture* chosen = nullptr;
  switch (glowPicture(p.state, has(p.hotPicture), has(p.disabledPicture))) {
    case GlowPicture::Disabled: chosen = p.disabledPicture; break;
    case GlowPicture::Hot: chosen = p.hotPicture; break;
    case GlowPicture::Normal: chosen = p.picture; break;
  }
  if (!has(chosen)) return nullptr;
  if (chosen->width() == 0 && chosen->height() == 0) chosen->UpdateSize();
  return chosen->width() > 0 ? chosen : nullptr;
}

// The picture is designed at 96 dpi: it takes its size scaled, as the
// button's other lengths.
GlowLayoutInput layoutInput(const GlowButtonPaint& p, const RECT& rect, gdip::TGDIPPicture* picture, bool classic) {
  const int size = p.smallPicture ? 16 : 0;
  return {int(rect.left),
          int(rect.top),
          int(rect.right - rect.left),
          int(rect.bottom - rect.top),
          effectiveLayout(p.layout, !p.notes.empty()),
          picture ? desc::scaleLength(size ? size : picture->width(), p.dpi) : 0,
          picture ? desc::scaleLength(size ? size : picture->height(), p.dpi) : 0,
          p.marginHorz,
          p.spacing,
          !p.caption.empty(),
          !p.notes.empty(),
          classic,
          p.dpi};
}

struct Measured {
  TextBox caption{};
  double notesWidth = 0, notesHeight = 0;
};

// GDI+ text: caption and notes measured, then laid out and drawn.
class GdipText {
 public:
  GdipText(HDC dc, gdip::Graphics& g, const GlowButtonPaint& p, const GlowLayoutInput& in, GlowPaintCache& cache)
      : g_(g), p_(p), in_(in), font_(cache.gdipFont(dc, p.font, captionFace(p))),
        notesFont_(cache.gdipFont(dc, p.notesFont, p.notesFont.name)) {
    g_.setTextRenderingHint(p.antiAlias == TAntiAlias::aaClearType ? Gdiplus::TextRenderingHintClearTypeGridFit
                                                                   : Gdiplus::TextRenderingHintAntiAlias);
  }

  Measured measure() {
    const auto [align, lineAlign] = textAlignment(in_.layout);
    const gdip::StringFormat format = stringFormat(p_, align, lineAlign);
    Measured m;
    if (in_.hasCaption) m.caption = textBox(g_.measureString(p_.caption, font_, rectF(captionMeasureArea(in_)), format));
    if (in_.hasNotes) {
      const RectF box = g_.measureString(notesText(p_), notesFont_, rectF(notesMeasureArea(in_)), format);
      m.notesWidth = box.Width;
      m.notesHeight = box.Height;
    }
    return m;
  }

  void draw(const GlowLayout& layout, fw::Color captionColour) {
    const gdip::StringFormat format = stringFormat(p_, layout.align, layout.lineAlign);
    gdip::SolidBrush caption(argb(captionColour));
    g_.drawString(p_.caption, font_, rectF(layout.captionArea), format, caption.get());
    if (!in_.hasNotes) return;
    gdip::SolidBrush notes(argb(p_.notesFont.color));
    g_.drawString(notesText(p_), notesFont_, rectF(layout.notesArea), format, notes.get());
  }

 private:
  gdip::Graphics& g_;
  const GlowButtonPaint& p_;
  const GlowLayoutInput& in_;
  const gdip::Font& font_;
  const gdip::Font& notesFont_;
};

// The system's text call, for no anti-aliasing or a face that is not
// TrueType.
class ClassicText {
 public:
  ClassicText(HDC dc, const GlowButtonPaint& p, const GlowLayoutInput& in)
      : dc_(dc), p_(p), in_(in), font_(fw::createFont({captionFace(p), p.font.height, p.font.color, p.font.style})),
        notesFont_(fw::createFont(p.notesFont)) {}

  Measured measure() {
    Measured m;
    const TextBox area = captionMeasureArea(in_);
    if (in_.hasCaption) {
      const auto [w, h] = extent(font_.get(), p_.caption, area, captionFlags(textAlignment(in_.layout).first));
      const auto align = textAlignment(in_.layout).first;
      const double x = align == TextAlign::Near ? area.x : align == TextAlign::Far ? area.x + area.w - w
                                                                                    : area.x + (area.w - w) / 2;
      m.caption = {x, area.y + (area.h - h) / 2, double(w), double(h)};
    }
    if (in_.hasNotes) {
      const auto [w, h] = extent(notesFont_.get(), notesText(p_), notesMeasureArea(in_), DT_WORDBREAK);
      m.notesWidth = w;
      m.notesHeight = h;
    }
    return m;
  }

  void draw(const GlowLayout& layout, const Measured& m, fw::Color captionColour) {
    SetBkMode(dc_, TRANSPARENT);
    const TextBox& a = layout.captionArea;
    const double h = m.caption.h;
    const double top = layout.lineAlign == TextAlign::Near ? a.y
                       : layout.lineAlign == TextAlign::Far ? a.y + a.h - h
                                                            : a.y + (a.h - h) / 2;
    text(font_.get(), captionColour, p_.caption, {a.x, top, a.w, h}, captionFlags(layout.align));
    if (in_.hasNotes)
      text(notesFont_.get(), p_.notesFont.color, notesText(p_), {a.x, top + h, a.w, m.notesHeight},
           DT_WORDBREAK | alignFlag(layout.align));
  }

 private:
  static UINT alignFlag(TextAlign a) {
    return a == TextAlign::Near ? DT_LEFT : a == TextAlign::Far ? DT_RIGHT : DT_CENTER;
  }
  UINT captionFlags(TextAlign a) const {
    return (p_.wordWrap ? DT_WORDBREAK : DT_SINGLELINE) | (p_.hidePrefix ? DT_HIDEPREFIX : 0) | alignFlag(a);
  }
  static RECT rect(const TextBox& b) {
    return RECT{LONG(b.x), LONG(b.y), LONG(b.x + b.w), LONG(b.y + b.h)};
  }
  std::pair<int, int> extent(HFONT font, const std::wstring& s, const TextBox& area, UINT flags) {
    fw::Selection select(dc_, font);
    RECT r = rect(area);
    DrawTextW(dc_, s.c_str(), int(s.size()), &r, flags | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
  }
  void text(HFONT font, fw::Color colour, const std::wstring& s, const TextBox& box, UINT flags) {
    fw::Selection select(dc_, font);
    SetTextColor(dc_, fw::toColorRef(colour));
    RECT r = rect(box);
    DrawTextW(dc_, s.c_str(), int(s.size()), &r, flags);
  }

  HDC dc_;
  const GlowButtonPaint& p_;
  const GlowLayoutInput& in_;
  fw::Font font_, notesFont_;
};

bool gdipTextWanted(HDC dc, const GlowButtonPaint& p, GlowPaintCache& cache) {
  return p.antiAlias != TAntiAlias::aaNone && cache.isTrueType(dc, captionFace(p));
}

void drawPicture(HDC dc, gdip::Graphics& g, const GlowButtonPaint& p, gdip::TGDIPPicture& picture,
                 const GlowLayoutInput& in, int x, int y) {
  if (p.smallPicture)
    picture.draw(dc, RECT{x, y, x + in.pictureWidth, y + in.pictureHeight});
  else
    picture.drawKeyed(g, x, y, in.pictureWidth, in.pictureHeight);
}

// The parent's background in the corner pixels a rounded border leaves.
void handCornersToParent(HDC dc, const RECT& r, const GlowButtonPaint& p) {
  const bool left = p.position == TButtonPosition::bpStandalone || p.position == TButtonPosition::bpLeft;
  const bool right = p.position == TButtonPosition::bpStandalone || p.position == TButtonPosition::bpRight;
  std::vector<RECT> corners;
  auto add = [&](LONG x, LONG y) { corners.push_back(RECT{x, y, x + 1, y + 1}); };
  if (left) add(r.left, r.top), add(r.left, r.bottom - 1);
  if (right) add(r.right - 1, r.top), add(r.right - 1, r.bottom - 1);
  if (!corners.empty()) p.paintParent(dc, corners);
}

}  // namespace

const gdip::Font& GlowPaintCache::gdipFont(HDC dc, const fw::FontSpec& font, const std::wstring& face) {
  const int points = MulDiv(std::abs(font.height), 72, GetDeviceCaps(dc, LOGPIXELSY));
  const INT style = INT(font.style.bits & (fw::fsBold | fw::fsItalic | fw::fsUnderline));
  // The last used goes to the back, so the fonts of one paint are never the
  // ones pushed out.
  for (auto e = fonts_.begin(); e != fonts_.end(); ++e)
    if (e->face == face && e->points == points && e->style == style) {
      fonts_.splice(fonts_.end(), fonts_, e);
      return e->font;
    }
  gdip::FontFamily family(face);
  if (family.status() != Gdiplus::Ok) family = gdip::FontFamily(L"Arial");
  constexpr std::size_t kept = 4;
  if (fonts_.size() == kept) fonts_.pop_front();
  return fonts_.emplace_back(FontEntry{face, points, style, gdip::Font(family, REAL(points), style, Gdiplus::UnitPoint)})
      .font;
}

bool GlowPaintCache::isTrueType(HDC dc, const std::wstring& face) {
  for (const auto& [name, trueType] : trueType_)
    if (name == face) return trueType;
  return trueType_.emplace_back(face, isTrueTypeFace(dc, face)).second;
}

void DrawGlowButton(HDC dc, const RECT& rect, const GlowButtonPaint& p) {
  GlowPaintCache ownCache;
  GlowPaintCache& cache = p.cache ? *p.cache : ownCache;
  const glow::GlowState& b = p.state.button;
  const bool hot = b.mouseInControl || b.hotLook;
  const bool down = normalisedState(p.state) == ButtonState::StateDown;
  if (p.state.transparent && !hot && p.paintParent) p.paintParent(dc, std::span<const RECT>(&rect, 1));
  const GlowColors colours = glowColors(p.state, p.appearance, systemColour);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  {
    gdip::Graphics g(dc);
    if (!(p.state.transparent && !hot && !down && !b.pressed)) {
      const auto [lower, upper] = glowFace(colours, rect.left, rect.top, w, h);
      fillPart(g, lower);
      fillPart(g, upper);
    }
    g.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    drawBorderAndFocus(g, p, colours.border, w, h);

    gdip::TGDIPPicture* picture = currentPicture(p);
    const bool classic = !gdipTextWanted(dc, p, cache);
    const GlowLayoutInput in = layoutInput(p, rect, picture, classic);
    const fw::Color captionColour = captionColor(p.state, p.font.color, p.appearance);
    GlowLayout layout;
    if (classic) {
      ClassicText text(dc, p, in);
      const Measured m = text.measure();
      layout = layoutGlowButton(in, m.caption, m.notesHeight);
      if (in.hasCaption) text.draw(layout, m, captionColour);
    } else {
      GdipText text(dc, g, p, in, cache);
      const Measured m = text.measure();
      layout = layoutGlowButton(in, m.caption, m.notesHeight);
      if (in.hasCaption) text.draw(layout, captionColour);
    }
    if (picture) drawPicture(dc, g, p, *picture, in, layout.pictureX, layout.pictureY);
  }
  if (p.onDrawButton) p.onDrawButton(dc, rect, drawButtonState(p.state));
  if (p.paintParent && p.rounded && (!p.state.transparent || hot || down)) handCornersToParent(dc, rect, p);
}

SIZE GlowButtonSize(HDC dc, const GlowButtonPaint& p) {
  const RECT area{0, 0, 4096, 4096};
  GlowPaintCache ownCache;
  GlowPaintCache& cache = p.cache ? *p.cache : ownCache;
  gdip::TGDIPPicture* picture = currentPicture(p);
  const bool classic = !gdipTextWanted(dc, p, cache);
  const GlowLayoutInput in = layoutInput(p, area, picture, classic);
  Measured m;
  if (classic) {
    m = ClassicText(dc, p, in).measure();
  } else {
    gdip::Graphics g(dc);
    m = GdipText(dc, g, p, in, cache).measure();
  }
  const auto [width, height] = glowButtonSize(in, m.caption.w, m.caption.h, m.notesWidth, m.notesHeight, p.marginVert);
  return SIZE{width, height};
}

}  // namespace ctl
