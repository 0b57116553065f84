// An instruction or about text of the window. For now drawn with the classic
// text call, in its caption's font and colour.
#pragma once

#include "framework/ui/label.h"

namespace gdip {

class TAdvSmoothLabel : public fw::Control {
 public:
  static const fw::ClassInfo& info();
  const fw::ClassInfo& classInfo() const override { return info(); }
  void paint(HDC dc, const RECT& client) override;

 private:
  static std::vector<fw::PropertyDef> properties();
  std::wstring text_;
  fw::FontSpec captionFont_{L"Tahoma", -11, fw::clWindowText, {}};
  fw::Color colorStart_ = fw::clBlack;
  fw::Color colorEnd_ = fw::clBlack;
  std::wstring shadowText_;
  fw::FontSpec shadowFont_{L"Tahoma", -11, fw::clWindowText, {}};
  fw::Font font_;
};

}  // namespace gdip
