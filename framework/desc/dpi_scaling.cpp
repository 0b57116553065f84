#include "framework/desc/dpi_scaling.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace desc {
namespace {

// The last part of a property's dotted name that makes it a length: the
// bounds and client size, every font's height, the glow button's margins and
// spacing, a fill's rounding and shadow, the smooth label's caption place and
// shadow offsets.
constexpr std::array<std::string_view, 13> kLengthNames = {
    "Left",       "Top",        "Width",    "Height",       "ClientWidth",
    "ClientHeight", "MarginHorz", "MarginVert", "Spacing", "Rounding",
    "ShadowOffset", "CaptionShadowOffsetLeft", "CaptionShadowOffsetTop"};

void scaleObject(Object& object, const Schema& schema, int dpi) {
  if (const ClassSchema* cls = schema.find(object.className)) {
    for (const ClassSchema* c = cls; c; c = c->base)
      for (const PropertySchema& p : c->properties) {
        // A control's own font follows its parent's until it is written.
        if (p.kind != Kind::Integer || !isLength(p.name) || p.name == "Font.Height") continue;
        const bool written = std::any_of(object.properties.begin(), object.properties.end(),
                                         [&](const Property& w) { return w.name == p.name; });
        const auto designed = std::get<std::int64_t>(p.defaultValue);
        // A base's default that a derived class overrides is found there first.
        if (!written && cls->find(p.name) == &p && scaleLength(designed, dpi) != designed)
          object.properties.push_back({p.name, designed, 0});
      }
  }
  for (Property& p : object.properties)
    if (isLength(p.name) && kindOf(p.value) == Kind::Integer)
      p.value = std::int64_t{scaleLength(std::get<std::int64_t>(p.value), dpi)};
  for (Object& child : object.children) scaleObject(child, schema, dpi);
}

}  // namespace

int scaleLength(std::int64_t designed, int dpi) {
  const std::int64_t product = designed * dpi;
  const std::int64_t half = kDesignDpi / 2;
  return static_cast<int>((product + (product < 0 ? -half : half)) / kDesignDpi);
}

bool isLength(std::string_view property) {
  const std::size_t dot = property.rfind('.');
  const std::string_view last = dot == std::string_view::npos ? property : property.substr(dot + 1);
  return std::find(kLengthNames.begin(), kLengthNames.end(), last) != kLengthNames.end();
}

Object scaledToDpi(const Object& root, const Schema& schema, int dpi) {
  Object scaled = root;
  if (dpi != kDesignDpi) scaleObject(scaled, schema, dpi);
  return scaled;
}

}  // namespace desc
