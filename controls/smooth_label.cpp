#include "controls/smooth_label.h"

#include <oleacc.h>

#include <cstdlib>

#include "controls/label_layout.h"
#include "framework/desc/dpi_scaling.h"

namespace ctl {

using namespace gdip;

namespace {

RectF rectF(FRect r) { return RectF(r.x, r.y, r.w, r.h); }

int screenPixelsPerInch() {
  fw::ScreenDC screen;
  return GetDeviceCaps(screen.dc(), LOGPIXELSY);
}

// The family of the caption's font, or Arial when GDI+ has no such family
// or style.
FontFamily familyOf(const std::wstring& name) {
  FontFamily family(name);
  if (family.status() == Gdiplus::FontFamilyNotFound || family.status() == Gdiplus::FontStyleNotFound)
    return FontFamily(L"Arial");
  return family;
}

// The size of a caption's font in points at the label's DPI, no wider than
// its design.
REAL captionPoints(const FontFamily& family, const TAdvSmoothLabelCaption& caption, int dpi) {
  const fw::FontSpec& captionFont = caption.Font();
  const auto points = static_cast<REAL>(fontPoints(captionFont.height, screenPixelsPerInch()));
  if (dpi == desc::kDesignDpi || caption.values().Text.empty()) return points;
  fw::ScreenDC screen;
  Graphics graphics(screen.dc());
  const std::wstring text = drawnText(caption.values().Text);
  const StringFormat oneLine(Gdiplus::StringFormatFlagsNoWrap);
  const auto width = [&](REAL size, Gdiplus::Unit unit) {
    const Font font(family, size, gdipFontStyle(captionFont.style.bits), unit);
    return graphics.measureString(text, font, RectF(0, 0, 10000, 10000), oneLine).Width;
  };
  const auto designPixels =
      static_cast<REAL>(std::abs(captionFont.height)) * desc::kDesignDpi / static_cast<REAL>(dpi);
  return scaledCaptionPoints(points, width(points, Gdiplus::UnitPoint), width(designPixels, Gdiplus::UnitPixel), dpi);
}

// Font, style and format of a caption, as both drawing and sizing build them.
struct CaptionText {
  CaptionText(const TAdvSmoothLabelCaption& caption, bool wordWrap, int dpi)
      : family(familyOf(caption.Font().name)),
        font(family, captionPoints(family, caption, dpi), gdipFontStyle(caption.Font().style.bits),
             Gdiplus::UnitPoint),
        format(wordWrap ? 0 : Gdiplus::StringFormatFlagsNoWrap) {
    if (!wordWrap) return;
    switch (wrappedAlignment(caption.values().Location)) {
      case WrappedAlign::Near: format.setAlign(Gdiplus::StringAlignmentNear); break;
      case WrappedAlign::Centre: format.setAlign(Gdiplus::StringAlignmentCenter); break;
      case WrappedAlign::Far: format.setAlign(Gdiplus::StringAlignmentFar); break;
      case WrappedAlign::FormatDefault: break;
    }
  }
  FontFamily family;
  Font font;
  StringFormat format;
};

}  // namespace

TAdvSmoothLabelCaption::TAdvSmoothLabelCaption(TAdvSmoothLabel& owner) : owner_(owner) {
  font_.height = fontHeight(20, screenPixelsPerInch());
  picture_.OnChange = [this] { Changed(); };
}

const std::vector<fw::MemberDef<TAdvSmoothLabelCaption>>& TAdvSmoothLabelCaption::members() {
  using C = TAdvSmoothLabelCaption;
  using V = CaptionValues;
  auto font = []<class F>(const char* name, F fw::FontSpec::*field) {
    return fw::member<C, F>(
        name, F{}, [field](const C& c) { return c.font_.*field; },
        [field](C& c, F value) {
          fw::FontSpec f = c.font_;
          f.*field = std::move(value);
          c.setFont(f);
        },
        true);
  };
  static const std::vector<fw::MemberDef<C>> members{
      fw::member<C, std::wstring>(
          "Text", L"", [](const C& c) { return c.values_.Text; }, &C::setText, true),
      fw::valueMember<C>("Location", &V::Location),
      font("Font.Name", &fw::FontSpec::name),
      font("Font.Height", &fw::FontSpec::height),
      font("Font.Color", &fw::FontSpec::color),
      font("Font.Style", &fw::FontSpec::style),
      fw::valueMember<C>("Left", &V::Left),
      fw::valueMember<C>("Top", &V::Top),
      fw::member<C, desc::Bytes>(
          "Picture.Data", {}, [](const C& c) { return c.picture_.writeData(); },
          [](C& c, const desc::Bytes& data) { c.picture_.readData(data); }),
      fw::valueMember<C>("ColorStart", &V::ColorStart),
      fw::valueMember<C>("ColorEnd", &V::ColorEnd),
      fw::valueMember<C>("OpacityStart", &V::OpacityStart),
      fw::valueMember<C>("OpacityEnd", &V::OpacityEnd),
      fw::valueMember<C>("GradientType", &V::GradientType),
      fw::valueMember<C>("HatchStyle", &V::HatchStyle),
  };
  return members;
}

void TAdvSmoothLabelCaption::setText(std::wstring text) {
  if (values_.Text == text) return;
  values_.Text = std::move(text);
  if (owner_.values().AutoShadowCaption) owner_.CaptionShadow().setText(values_.Text);
  Changed();
}

void TAdvSmoothLabelCaption::setFont(const fw::FontSpec& font) {
  if (font == font_) return;
  font_ = font;
  Changed();
}

void TAdvSmoothLabelCaption::Assign(const fw::Persistent* source) {
  const auto* other = dynamic_cast<const TAdvSmoothLabelCaption*>(source);
  if (!other) return;
  values_ = other->values_;
  picture_.Assign(&other->picture_);
  Changed();
}

void TAdvSmoothLabelCaption::Changed() { owner_.Changed(); }

TAdvSmoothLabel::TAdvSmoothLabel() {
  fill_.OnChange = [this](TGDIPFill&) { Changed(); };
  setBounds(0, 0, 280, 50);
}

std::wstring TAdvSmoothLabel::Version() { return fw::fromUtf8(versionText(0x01060002)); }

fw::Publication TAdvSmoothLabel::publication() {
  using L = TAdvSmoothLabel;
  using V = LabelValues;
  std::vector<fw::PropertyDef> p;
  auto value = [&p](const fw::MemberDef<L>& m) { p.push_back(fw::publish<L>(m, [](auto& l) -> auto& { return l; })); };
  value(fw::valueMember<L>("AutoShadowCaption", &V::AutoShadowCaption));
  p.push_back(fw::property<L, bool>("AutoSize", false, &L::AutoSize, &L::setAutoSize));
  fw::publishAll<L>(p, TGDIPFill::members(), [](auto& l) -> auto& { return l.fill_; }, "Fill.");
  fw::publishAll<L>(p, TAdvSmoothLabelCaption::members(), [](auto& l) -> auto& { return l.caption_; }, "Caption.");
  fw::publishAll<L>(p, TAdvSmoothLabelCaption::members(), [](auto& l) -> auto& { return l.captionShadow_; },
                    "CaptionShadow.");
  value(fw::valueMember<L>("CaptionShadowVisible", &V::CaptionShadowVisible));
  value(fw::valueMember<L>("CaptionShadowOffsetLeft", &V::CaptionShadowOffsetLeft));
  value(fw::valueMember<L>("CaptionShadowOffsetTop", &V::CaptionShadowOffsetTop));
  // Read-only: a written value is ignored.
  p.push_back(fw::property<L, std::wstring>(
      "Version", L"", [](const L&) { return Version(); }, [](L&, const std::wstring&) {}, true));
  value(fw::valueMember<L>("Transparent", &V::Transparent));
  value(fw::valueMember<L>("WordWrap", &V::WordWrap));
  value(fw::valueMember<L>("TextRendering", &V::TextRendering));
  for (const char* e : {"OnChange", "OnClick", "OnResize"}) p.push_back(fw::event(e));
  return {"TAdvSmoothLabel", std::move(p)};
}

void TAdvSmoothLabel::setAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  fitToCaption();
}

void TAdvSmoothLabel::setFill(const TGDIPFill& fill) {
  if (&fill != &fill_) fill_.Assign(&fill);
}

void TAdvSmoothLabel::setCaption(const TAdvSmoothLabelCaption& caption) {
  if (&caption != &caption_) caption_.Assign(&caption);
}

void TAdvSmoothLabel::setCaptionShadow(const TAdvSmoothLabelCaption& caption) {
  if (&caption != &captionShadow_) captionShadow_.Assign(&caption);
}

void TAdvSmoothLabel::Assign(const fw::Control* source) {
  const auto* other = dynamic_cast<const TAdvSmoothLabel*>(source);
  if (!other) return;
  values_ = other->values_;
  autoSize_ = other->autoSize_;
  fill_.Assign(&other->fill_);
  caption_.Assign(&other->caption_);
  captionShadow_.Assign(&other->captionShadow_);
  Changed();
}

void TAdvSmoothLabel::Changed() {
  // The caption is also the window's text: what other programs and
  // assistive technology read.
  fw::Control::setCaption(caption_.values().Text);
  if (autoSize_) fitToCaption();
  invalidate();
  fire("OnChange");
}

long TAdvSmoothLabel::accessibleRole() const { return ROLE_SYSTEM_STATICTEXT; }

void TAdvSmoothLabel::loaded() {
  if (autoSize_) fitToCaption();
}

void TAdvSmoothLabel::setBounds(int left, int top, int width, int height) {
  const bool resized = width != this->width() || height != this->height();
  fw::Control::setBounds(left, top, width, height);
  if (!resized) return;
  fire("OnResize");
  if (autoSize_) fitToCaption();
}

void TAdvSmoothLabel::fitToCaption() {
  // The caption cannot be measured for a window that is not there yet.
  if (sizing_ || (parent() && !parent()->handle())) return;
  sizing_ = true;
  struct Release {
    bool& flag;
    ~Release() { flag = false; }
  } release{sizing_};
  fw::ScreenDC screen;
  Graphics graphics(screen.dc());
  const CaptionText text(caption_, values_.WordWrap, dpi());
  const RectF box =
      graphics.measureString(drawnText(caption_.values().Text), text.font, RectF(0, 0, 10000, 10000), text.format);
  const ISize size = autoSize({box.Width, box.Height});
  fw::Control::setBounds(left(), top(), size.w, size.h);
}

void TAdvSmoothLabel::paint(HDC dc, const RECT&) {
  // See-through: the parent's own image shows under the text.
  paintParentBackground(dc);
  if (width() < 2 || height() < 2) return;
  Graphics graphics(dc);
  FRect r{0, 0, static_cast<float>(width() - 1), static_cast<float>(height() - 1)};
  if (!values_.Transparent) r = fill_.Fill(&graphics, r);
  if (!captionShadow_.values().Text.empty() && values_.CaptionShadowVisible)
    drawCaption(graphics, captionShadow_, r,
                {static_cast<float>(values_.CaptionShadowOffsetLeft), static_cast<float>(values_.CaptionShadowOffsetTop)});
  if (!caption_.values().Text.empty()) drawCaption(graphics, caption_, r, {0, 0});
}

void TAdvSmoothLabel::drawCaption(Graphics& graphics, const TAdvSmoothLabelCaption& caption, FRect r, FPoint offset) {
  const CaptionValues& v = caption.values();
  const CaptionText text(caption, values_.WordWrap, dpi());
  const std::wstring shown = drawnText(v.Text);
  const RectF box = graphics.measureString(shown, text.font, rectF(r), text.format);
  const FSize size{box.Width, box.Height};
  // A custom place is the label's Caption's, for the shadow too.
  const FPoint custom{static_cast<float>(caption_.values().Left), static_cast<float>(caption_.values().Top)};
  const float fillShift = fill_.values().ShadowType == stSurround ? static_cast<float>(fill_.values().ShadowOffset) : 0;
  const FPoint at = captionOrigin({v.Location, {r.w, r.h}, size, custom, offset, fillShift});
  const Argb start = argb(v.ColorStart, v.OpacityStart);
  const Argb end = v.ColorEnd == fw::clNone ? start : argb(v.ColorEnd, v.OpacityEnd);
  graphics.setTextRenderingHint(values_.TextRendering == tClearType ? Gdiplus::TextRenderingHintClearTypeGridFit
                                                                    : Gdiplus::TextRenderingHintAntiAliasGridFit);
  const RectF layout(at.x, at.y, size.w, size.h);
  auto draw = [&](Gdiplus::GpBrush* brush) { graphics.drawString(shown, text.font, layout, text.format, brush); };
  switch (textBrushKind(v.GradientType)) {
    case TextBrushKind::Solid: {
      SolidBrush brush(start);
      draw(brush.get());
      break;
    }
    case TextBrushKind::Linear: {
      const TextGradientLine line = textGradientLine(v.GradientType, at, size);
      LinearBrush brush(PointF(line.from.x, line.from.y), PointF(line.to.x, line.to.y), start, end);
      draw(brush.get());
      break;
    }
    case TextBrushKind::Hatch: {
      HatchBrush brush(static_cast<Gdiplus::HatchStyle>(v.HatchStyle), start, end);
      draw(brush.get());
      break;
    }
    case TextBrushKind::Texture:
      caption.Picture().withTexture(draw);
      break;
    case TextBrushKind::None:
      break;
  }
}

LRESULT TAdvSmoothLabel::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_LBUTTONUP) {
    fire("OnClick");
    return 0;
  }
  return fw::Control::handleMessage(msg, wp, lp);
}

}  // namespace ctl
