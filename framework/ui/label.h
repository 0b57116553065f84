// A text that sizes itself to its caption, with mouse enter and leave events,
// read by assistive technology as static text. A label made a link is a tab
// stop, read as a link to its address, shows a focus rectangle while it has
// the focus and clicks on Enter or Space.
#pragma once

#include "framework/ui/accessible.h"
#include "framework/ui/control.h"

namespace fw {

class Label : public Published<Label, Control> {
 public:
  static Publication publication();
  void paint(HDC dc, const RECT& client) override;
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool v);

  void setLink(std::wstring address);
  bool isLink() const { return !linkAddress_.empty(); }
  bool takesEnter() const override { return isLink(); }
  void click() override { fire("OnClick"); }

  long accessibleRole() const override;
  std::wstring accessibleName() const override { return spokenText(caption()); }
  std::wstring accessibleValue() const override { return linkAddress_; }
  std::wstring accessibleAction() const override;

 protected:
  void windowCreated() override;
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void fontChanged() override;
  void captionChanged() override;

 private:
  void fitToText();
  bool autoSize_ = true;
  bool mouseInside_ = false;
  std::wstring linkAddress_;
};

}  // namespace fw
