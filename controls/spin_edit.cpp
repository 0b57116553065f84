#include "controls/spin_edit.h"

#include "framework/number_text.h"

namespace ctl {

const fw::ClassInfo& TSpinEdit::info() {
  using S = TSpinEdit;
  static const fw::ClassInfo info("TSpinEdit", &fw::Control::info(), [] { return std::unique_ptr<fw::Control>(new S); },
                                  {
                                      fw::property<S, int>("MaxValue", 0, &S::maxValue, &S::setMaxValue),
                                      fw::property<S, int>("MinValue", 0, &S::minValue, &S::setMinValue),
                                      fw::property<S, int>("Value", 0, &S::value, &S::setValue, true),
                                      fw::property<S, bool>("TabStop", true, &S::tabStop, &S::setTabStop),
                                      fw::event("OnChange"),
                                  });
  return info;
}

int TSpinEdit::value() const { return fw::parseInteger(text()).value_or(minValue_); }

void TSpinEdit::setValue(int v) {
  if (minValue_ != maxValue_) v = v < minValue_ ? minValue_ : v > maxValue_ ? maxValue_ : v;
  setText(std::to_wstring(v));
}

}  // namespace ctl
