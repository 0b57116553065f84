#include "framework/ui/button.h"

namespace fw {

Button::Button() { setTabStop(true); }

bool Button::dialogKey(WPARAM key) {
  if (key != VK_RETURN || !active_ || !canFocus()) return false;
  click();
  return true;
}

const ClassInfo& Button::info() {
  static const ClassInfo info("TButton", &Control::info(), [] { return std::unique_ptr<Control>(new Button); },
                              {
                                  property<Button, std::wstring>("Caption", L"", &Button::caption, &Button::setCaption),
                                  property<Button, bool>("Default", false, &Button::isDefault, &Button::setDefault),
                                  property<Button, bool>("TabStop", true, &Button::tabStop, &Button::setTabStop),
                                  event("OnClick"),
                              });
  return info;
}

}  // namespace fw
