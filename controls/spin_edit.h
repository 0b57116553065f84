// The calibration field: an integer between MinValue and MaxValue. For now a
// plain edit with the spin edit's published values and its reading of the
// text: Value is the text read as an integer, MinValue when it is not one.
#pragma once

#include "framework/edit.h"

namespace ctl {

class TSpinEdit : public fw::Edit {
 public:
  static const fw::ClassInfo& info();
  const fw::ClassInfo& classInfo() const override { return info(); }

  int minValue() const { return minValue_; }
  void setMinValue(int v) { minValue_ = v; }
  int maxValue() const { return maxValue_; }
  void setMaxValue(int v) { maxValue_ = v; }
  int value() const;
  void setValue(int v);

 private:
  int minValue_ = 0;
  int maxValue_ = 0;
};

}  // namespace ctl
