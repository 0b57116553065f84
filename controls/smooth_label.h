// TAdvSmoothLabel: one text drawn anti-aliased through GDI+, filled with a
// gradient, hatch or picture texture, optionally over a TGDIPFill and with
// an offset copy of itself as a shadow. The text and its look are two
// TAdvSmoothLabelCaption objects, Caption and CaptionShadow.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/ui/accessible.h"
#include "framework/ui/control.h"
#include "gdip/adv_gdip_picture.h"
#include "gdip/gdip_fill.h"

namespace ctl {

class TAdvSmoothLabel;

// A caption's published values besides its font and picture, with the
// constructor's defaults: exactly what Assign copies.
struct CaptionValues {
  std::wstring Text;
  gdip::TAdvSmoothLabelLocation Location = gdip::plCenterCenter;
  int Left = 0;
  int Top = 0;
  fw::Color ColorStart{0xFFE09F};
  fw::Color ColorEnd{0x754F00};
  std::uint8_t OpacityStart = 255;
  std::uint8_t OpacityEnd = 255;
  gdip::TAdvGradientType GradientType = gdip::gtVertical;
  gdip::HatchStyle HatchStyle = gdip::HatchStyleHorizontal;
};

class TAdvSmoothLabelCaption : public fw::Persistent {
 public:
  explicit TAdvSmoothLabelCaption(TAdvSmoothLabel& owner);
  TAdvSmoothLabelCaption(const TAdvSmoothLabelCaption&) = delete;
  TAdvSmoothLabelCaption& operator=(const TAdvSmoothLabelCaption&) = delete;

  static const std::vector<fw::MemberDef<TAdvSmoothLabelCaption>>& members();

  const CaptionValues& values() const { return values_; }
  template <class V>
  void set(V CaptionValues::*property, V value) {
    if (values_.*property == value) return;
    values_.*property = std::move(value);
    Changed();
  }
  // Also sets the owner's CaptionShadow text while its AutoShadowCaption is on.
  void setText(std::wstring text);
  const fw::FontSpec& Font() const { return font_; }
  void setFont(const fw::FontSpec& font);
  gdip::TAdvGDIPPicture& Picture() { return picture_; }
  const gdip::TAdvGDIPPicture& Picture() const { return picture_; }

  // Copies every value and the picture of another caption (not its font, and
  // the text without reaching the shadow), then Changed; other sources are
  // ignored.
  void Assign(const fw::Persistent* source);
  // The owning label's Changed.
  void Changed();

 private:
  TAdvSmoothLabel& owner_;
  CaptionValues values_;
  fw::FontSpec font_;
  gdip::TAdvGDIPPicture picture_;
};

// The label's own published values besides AutoSize, with the constructor's
// defaults.
struct LabelValues {
  bool AutoShadowCaption = true;
  bool CaptionShadowVisible = false;
  int CaptionShadowOffsetLeft = 1;
  int CaptionShadowOffsetTop = 1;
  bool Transparent = true;
  bool WordWrap = false;
  gdip::TTextRenderingHint TextRendering = gdip::tAntiAlias;
};

class TAdvSmoothLabel : public fw::Published<TAdvSmoothLabel, fw::Control> {
 public:
  TAdvSmoothLabel();
  static fw::Publication publication();

  const LabelValues& values() const { return values_; }
  template <class V>
  void set(V LabelValues::*property, V value) {
    if (values_.*property == value) return;
    values_.*property = std::move(value);
    Changed();
  }
  bool AutoSize() const { return autoSize_; }
  // A change sizes the label to its caption at once, on or off.
  void setAutoSize(bool value);
  static std::wstring Version();

  gdip::TGDIPFill& Fill() { return fill_; }
  const gdip::TGDIPFill& Fill() const { return fill_; }
  TAdvSmoothLabelCaption& Caption() { return caption_; }
  const TAdvSmoothLabelCaption& Caption() const { return caption_; }
  TAdvSmoothLabelCaption& CaptionShadow() { return captionShadow_; }
  const TAdvSmoothLabelCaption& CaptionShadow() const { return captionShadow_; }
  // Copy the given object's content into the owned one.
  void setFill(const gdip::TGDIPFill& fill);
  void setCaption(const TAdvSmoothLabelCaption& caption);
  void setCaptionShadow(const TAdvSmoothLabelCaption& caption);

  // Only from another smooth label: its values, AutoSize, fill and captions.
  void Assign(const fw::Control* source);
  // Sizes (with AutoSize), repaints and raises OnChange.
  void Changed();

  void paint(HDC dc, const RECT& client) override;
  void loaded() override;
  long accessibleRole() const override;
  std::wstring accessibleName() const override { return fw::spokenText(caption_.values().Text); }
  void setBounds(int left, int top, int width, int height) override;

 protected:
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void drawCaption(gdip::Graphics& graphics, const TAdvSmoothLabelCaption& caption, gdip::FRect r,
                   gdip::FPoint offset);
  void fitToCaption();

  LabelValues values_;
  bool autoSize_ = false;
  bool sizing_ = false;
  gdip::TGDIPFill fill_;
  TAdvSmoothLabelCaption caption_{*this};
  TAdvSmoothLabelCaption captionShadow_{*this};
};

}  // namespace ctl
