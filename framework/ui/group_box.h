// A framed group with its caption in the frame's top edge.
#pragma once

#include "framework/ui/accessible.h"
#include "framework/ui/control.h"

namespace fw {

class GroupBox : public Published<GroupBox, Control> {
 public:
  static Publication publication();
  void paint(HDC dc, const RECT& client) override;
  long accessibleRole() const override;
  std::wstring accessibleName() const override { return spokenText(caption()); }

 protected:
  // Height of the caption's text in the control's font.
  int captionHeight();
};

}  // namespace fw
