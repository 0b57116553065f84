// A text that sizes itself to its caption, with mouse enter and leave events.
#pragma once

#include "framework/ui/control.h"

namespace fw {

class Label : public Published<Label, Control> {
 public:
  static Publication publication();
  void paint(HDC dc, const RECT& client) override;
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool v);

 protected:
  void windowCreated() override;
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void fontChanged() override;
  void captionChanged() override;

 private:
  void fitToText();
  bool autoSize_ = true;
  bool mouseInside_ = false;
};

}  // namespace fw
