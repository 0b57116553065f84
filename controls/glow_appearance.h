// The colour set of a glow button: for each state (normal, hot, down,
// checked, disabled) the colours of the two halves of the face, the border
// colour and the gradient kind of each half; three caption colours and the
// system-font switch. Portable.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "framework/desc/color_value.h"
#include "framework/desc/persistent.h"
#include "framework/desc/properties.h"
#include "gdip/argb.h"

namespace ctl {

enum class TGDIPGradient : std::uint8_t { ggRadial = 0, ggVertical = 1, ggDiagonalForward = 2, ggDiagonalBackward = 3 };

// The published values under their published names, holding what a new
// button starts with. The upper half runs from Color (top) to ColorTo, the
// lower half from ColorMirrorTo (top) to ColorMirror; each state has its own.
struct GlowAppearanceValues {
  fw::Color BorderColor{0xC0C0C0};
  fw::Color BorderColorHot{0xFF0000};
  fw::Color BorderColorDown{0x800000};
  fw::Color BorderColorChecked{0xFF0000};
  fw::Color BorderColorDisabled{0x808080};
  fw::Color Color{0xFFFFFF};
  fw::Color ColorTo{0xFFFFFF};
  // The down, checked and disabled sets are the hot and normal sets through
  // BrightnessColor (-10, -10, 0 and -5, -5, -5).
  fw::Color ColorChecked{0xF5D8CA};
  fw::Color ColorCheckedTo{0xF9BDA0};
  fw::Color ColorDisabled{0xF2F2F2};
  fw::Color ColorDisabledTo{0xF2F2F2};
  fw::Color ColorDown{0xF5D8CA};
  fw::Color ColorDownTo{0xF9BDA0};
  fw::Color ColorHot{0xF5F0E1};
  fw::Color ColorHotTo{0xF9D2B2};
  fw::Color ColorMirror{0xC0C0C0};
  fw::Color ColorMirrorTo{0xFFFFFF};
  fw::Color ColorMirrorHot{0xF5C8AD};
  fw::Color ColorMirrorHotTo{0xFFF8F4};
  fw::Color ColorMirrorDown{0xF5B49C};
  fw::Color ColorMirrorDownTo{0xFFDFDC};
  fw::Color ColorMirrorChecked{0xF5B49C};
  fw::Color ColorMirrorCheckedTo{0xFFDFDC};
  fw::Color ColorMirrorDisabled{0xB6B6B6};
  fw::Color ColorMirrorDisabledTo{0xF2F2F2};
  TGDIPGradient Gradient = TGDIPGradient::ggVertical;
  TGDIPGradient GradientMirror = TGDIPGradient::ggVertical;
  TGDIPGradient GradientHot = TGDIPGradient::ggRadial;
  TGDIPGradient GradientMirrorHot = TGDIPGradient::ggRadial;
  TGDIPGradient GradientDown = TGDIPGradient::ggRadial;
  TGDIPGradient GradientMirrorDown = TGDIPGradient::ggRadial;
  TGDIPGradient GradientChecked = TGDIPGradient::ggRadial;
  TGDIPGradient GradientMirrorChecked = TGDIPGradient::ggVertical;
  TGDIPGradient GradientDisabled = TGDIPGradient::ggRadial;
  TGDIPGradient GradientMirrorDisabled = TGDIPGradient::ggRadial;
  bool SystemFont = true;
  fw::Color TextColorChecked{0};
  fw::Color TextColorDown{0};
  fw::Color TextColorHot{0};
  bool operator==(const GlowAppearanceValues&) const = default;
};

class TGlowButtonAppearance : public fw::Persistent {
 public:
  using Values = GlowAppearanceValues;
  // One published value, whatever its type.
  using Member = std::variant<fw::Color Values::*, TGDIPGradient Values::*, bool Values::*>;

  TGlowButtonAppearance();
  std::wstring className() const override { return L"TGlowButtonAppearance"; }

  const Values& values() const { return values_; }
  // Stores a changed value and raises OnChange; an equal value does nothing.
  template <class V>
  void set(V Values::*property, V value) {
    if (values_.*property == value) return;
    values_.*property = std::move(value);
    if (OnChange) OnChange(*this);
  }

  // From another colour set: every published value through its setter (so
  // OnChange fires once per value that differs), then the hover
  // transparency flag. Any other source is the framework's assignment error.
  void Assign(const fw::Persistent* source);

  // Only Assign copies it; nothing sets it.
  bool hoverTransparent() const { return hoverTransparent_; }

  // Called with the colour set as sender; the owning button repaints.
  std::function<void(TGlowButtonAppearance& sender)> OnChange;

 private:
  void setFrom(Member member, const Values& from);
  Values values_{};
  bool hoverTransparent_ = false;
};

// The published values in declaration order (the order of writing); the
// sixteen state colours without a default are written always.
struct AppearanceProperty {
  const char* name;
  TGlowButtonAppearance::Member member;
  bool alwaysWritten;
};
std::span<const AppearanceProperty> appearanceProperties();

// The property table entries "Appearance.<name>" of a control class T;
// access(t) gives t's colour set, for a const and a non-const t.
template <class T, class Access>
std::vector<fw::PropertyDef> appearancePropertyDefs(Access access) {
  std::vector<fw::PropertyDef> defs;
  const GlowAppearanceValues initial{};
  for (const AppearanceProperty& p : appearanceProperties()) {
    std::visit(
        [&](auto member) {
          using V = std::remove_cvref_t<decltype(initial.*member)>;
          defs.push_back(fw::property<T, V>(
              std::string("Appearance.") + p.name, initial.*member,
              [access, member](const T& t) { return access(t).values().*member; },
              [access, member](T& t, V v) { access(t).set(member, v); }, p.alwaysWritten));
        },
        p.member);
  }
  return defs;
}

// The colour with each channel c scaled by min(100 + d, 100) / 100 (Round,
// cut to 8 bits); a channel of 0 becomes d when d > 0. System colours are
// resolved first.
fw::Color BrightnessColor(fw::Color color, int dR, int dG, int dB, const gdip::SystemColorLookup& system);
inline fw::Color BrightnessColor(fw::Color color, int d, const gdip::SystemColorLookup& system) {
  return BrightnessColor(color, d, d, d, system);
}

}  // namespace ctl

#define MORVI_ENUM_NAME(v) {E::v, #v}

template <>
struct fw::EnumNames<ctl::TGDIPGradient> {
  using E = ctl::TGDIPGradient;
  static constexpr std::pair<E, const char*> table[] = {
      MORVI_ENUM_NAME(ggRadial), MORVI_ENUM_NAME(ggVertical), MORVI_ENUM_NAME(ggDiagonalForward),
      MORVI_ENUM_NAME(ggDiagonalBackward)};
};

#undef MORVI_ENUM_NAME
