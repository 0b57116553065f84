// The window's push button. For now a system push button that carries the
// glow button's published values (caption, notes, picture, colours) and its
// behaviour towards the window: click, default button, tab stop.
#pragma once

#include <string>
#include <vector>

#include "framework/ui/button.h"

namespace ctl {

enum class ButtonLayout { GlyphLeft, GlyphTop, GlyphRight, GlyphBottom };

class TAdvGlowButton : public fw::Button {
 public:
  TAdvGlowButton();
  static const fw::ClassInfo& info();
  const fw::ClassInfo& classInfo() const override { return info(); }

 private:
  static std::vector<fw::PropertyDef> properties();
  std::vector<std::wstring> notes_;
  fw::FontSpec notesFont_{L"Tahoma", -11, fw::clWindowText, {}};
  desc::Bytes picture_;
  ButtonLayout layout_ = ButtonLayout::GlyphLeft;
  int modalResult_ = 0;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  fw::Color colors_[16]{};
};

}  // namespace ctl

template <>
struct fw::EnumNames<ctl::ButtonLayout> {
  static constexpr std::pair<ctl::ButtonLayout, const char*> table[] = {
      {ctl::ButtonLayout::GlyphLeft, "blGlyphLeft"}, {ctl::ButtonLayout::GlyphTop, "blGlyphTop"},
      {ctl::ButtonLayout::GlyphRight, "blGlyphRight"}, {ctl::ButtonLayout::GlyphBottom, "blGlyphBottom"}};
};
