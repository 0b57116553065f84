// A framed group with its caption in the frame's top edge.
#pragma once

#include "framework/ui/control.h"

namespace fw {

class GroupBox : public Published<GroupBox, Control> {
 public:
  static Publication publication();
  void paint(HDC dc, const RECT& client) override;

 protected:
  // Height of the caption's text in the control's font.
  int captionHeight();
};

}  // namespace fw
