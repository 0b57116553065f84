#include "gdip/smooth_label.h"

namespace gdip {

std::vector<fw::PropertyDef> TAdvSmoothLabel::properties() {
  using L = TAdvSmoothLabel;
  auto fontName = [](fw::FontSpec L::*f) {
    return std::pair([f](const L& l) { return (l.*f).name; }, [f](L& l, std::wstring v) { (l.*f).name = std::move(v); });
  };
  auto fontHeight = [](fw::FontSpec L::*f) {
    return std::pair([f](const L& l) { return (l.*f).height; }, [f](L& l, int v) { (l.*f).height = v; });
  };
  auto [captionName, setCaptionName] = fontName(&L::captionFont_);
  auto [captionHeight, setCaptionHeight] = fontHeight(&L::captionFont_);
  auto [shadowName, setShadowName] = fontName(&L::shadowFont_);
  auto [shadowHeight, setShadowHeight] = fontHeight(&L::shadowFont_);
  return {
      fw::field<L>("Caption.Text", std::wstring{}, &L::text_, true),
      fw::property<L, std::wstring>("Caption.Font.Name", L"", captionName, setCaptionName, true),
      fw::property<L, int>("Caption.Font.Height", 0, captionHeight, setCaptionHeight, true),
      fw::field<L>("Caption.ColorStart", fw::clBlack, &L::colorStart_),
      fw::field<L>("Caption.ColorEnd", fw::clBlack, &L::colorEnd_),
      fw::field<L>("CaptionShadow.Text", std::wstring{}, &L::shadowText_, true),
      fw::property<L, std::wstring>("CaptionShadow.Font.Name", L"", shadowName, setShadowName, true),
      fw::property<L, int>("CaptionShadow.Font.Height", 0, shadowHeight, setShadowHeight, true),
  };
}

const fw::ClassInfo& TAdvSmoothLabel::info() {
  static const fw::ClassInfo info("TAdvSmoothLabel", &fw::Control::info(),
                                  [] { return std::unique_ptr<fw::Control>(new TAdvSmoothLabel); }, properties());
  return info;
}

void TAdvSmoothLabel::paint(HDC dc, const RECT& client) {
  paintBackground(dc, client);
  if (!font_) font_ = fw::createFont(captionFont_);
  fw::Selection selectFont(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, fw::toColorRef(colorStart_));
  RECT r = client;
  DrawTextW(dc, text_.c_str(), int(text_.size()), &r, DT_NOPREFIX);
}

}  // namespace gdip
