#include "controls/glow_appearance.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "framework/text/rounding.h"

namespace ctl {
namespace {

using V = GlowAppearanceValues;
using M = TGlowButtonAppearance::Member;

constexpr AppearanceProperty kProperties[] = {
    {"BorderColor", &V::BorderColor, false},
    {"BorderColorHot", &V::BorderColorHot, false},
    {"BorderColorDown", &V::BorderColorDown, false},
    {"BorderColorChecked", &V::BorderColorChecked, false},
    {"BorderColorDisabled", &V::BorderColorDisabled, false},
    {"Color", &V::Color, false},
    {"ColorTo", &V::ColorTo, false},
    {"ColorChecked", &V::ColorChecked, true},
    {"ColorCheckedTo", &V::ColorCheckedTo, true},
    {"ColorDisabled", &V::ColorDisabled, true},
    {"ColorDisabledTo", &V::ColorDisabledTo, true},
    {"ColorDown", &V::ColorDown, true},
    {"ColorDownTo", &V::ColorDownTo, true},
    {"ColorHot", &V::ColorHot, true},
    {"ColorHotTo", &V::ColorHotTo, true},
    {"ColorMirror", &V::ColorMirror, false},
    {"ColorMirrorTo", &V::ColorMirrorTo, false},
    {"ColorMirrorHot", &V::ColorMirrorHot, true},
    {"ColorMirrorHotTo", &V::ColorMirrorHotTo, true},
    {"ColorMirrorDown", &V::ColorMirrorDown, true},
    {"ColorMirrorDownTo", &V::ColorMirrorDownTo, true},
    {"ColorMirrorChecked", &V::ColorMirrorChecked, true},
    {"ColorMirrorCheckedTo", &V::ColorMirrorCheckedTo, true},
    {"ColorMirrorDisabled", &V::ColorMirrorDisabled, true},
    {"ColorMirrorDisabledTo", &V::ColorMirrorDisabledTo, true},
    {"Gradient", &V::Gradient, false},
    {"GradientMirror", &V::GradientMirror, false},
    {"GradientHot", &V::GradientHot, false},
    {"GradientMirrorHot", &V::GradientMirrorHot, false},
    {"GradientDown", &V::GradientDown, false},
    {"GradientMirrorDown", &V::GradientMirrorDown, false},
    {"GradientChecked", &V::GradientChecked, false},
    {"GradientMirrorChecked", &V::GradientMirrorChecked, false},
    {"GradientDisabled", &V::GradientDisabled, false},
    {"GradientMirrorDisabled", &V::GradientMirrorDisabled, false},
    {"SystemFont", &V::SystemFont, false},
    {"TextColorChecked", &V::TextColorChecked, false},
    {"TextColorDown", &V::TextColorDown, false},
    {"TextColorHot", &V::TextColorHot, false},
};

// The order in which Assign copies (the faces state by state, the borders,
// the gradient kinds, the caption colours, the font switch), so that the
// OnChange calls come in that order.
constexpr M kAssignOrder[] = {
    &V::Color, &V::ColorTo, &V::ColorMirror, &V::ColorMirrorTo,
    &V::ColorHot, &V::ColorHotTo, &V::ColorMirrorHot, &V::ColorMirrorHotTo,
    &V::ColorDown, &V::ColorDownTo, &V::ColorMirrorDown, &V::ColorMirrorDownTo,
    &V::ColorChecked, &V::ColorCheckedTo, &V::ColorMirrorChecked, &V::ColorMirrorCheckedTo,
    &V::ColorDisabled, &V::ColorDisabledTo, &V::ColorMirrorDisabled, &V::ColorMirrorDisabledTo,
    &V::BorderColor, &V::BorderColorHot, &V::BorderColorDown, &V::BorderColorChecked, &V::BorderColorDisabled,
    &V::Gradient, &V::GradientMirror, &V::GradientHot, &V::GradientMirrorHot, &V::GradientDown,
    &V::GradientMirrorDown, &V::GradientChecked, &V::GradientMirrorChecked, &V::GradientDisabled,
    &V::GradientMirrorDisabled,
    &V::TextColorHot, &V::TextColorDown, &V::TextColorChecked,
    &V::SystemFont,
};

}  // namespace

std::span<const AppearanceProperty> appearanceProperties() { return kProperties; }

// OnChange is not assigned yet: the values start as they are, silently.
TGlowButtonAppearance::TGlowButtonAppearance() = default;

void TGlowButtonAppearance::setFrom(Member member, const Values& from) {
  std::visit([&](auto m) { set(m, from.*m); }, member);
}

void TGlowButtonAppearance::Assign(const fw::Persistent* source) {
  const auto* other = dynamic_cast<const TGlowButtonAppearance*>(source);
  if (!other) fw::assignError(source, *this);
  for (const Member& m : kAssignOrder) setFrom(m, other->values_);
  hoverTransparent_ = other->hoverTransparent_;
}

fw::Color BrightnessColor(fw::Color color, int dR, int dG, int dB, const gdip::SystemColorLookup& system) {
  const std::uint32_t rgb = gdip::resolveColor(color, system).value;
  const int deltas[3] = {dR, dG, dB};
  std::uint32_t out = 0;
  for (int i = 0; i < 3; ++i) {
    const int c = (rgb >> (8 * i)) & 0xFF, d = deltas[i];
    const int v = c == 0 ? std::max(d, 0) : fw::roundHalfEven(c * std::min(100 + d, 100) / 100.0L);
    out |= std::uint32_t(v & 0xFF) << (8 * i);
  }
  return fw::Color{out};
}

}  // namespace ctl
