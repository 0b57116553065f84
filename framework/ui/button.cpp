#include "framework/ui/button.h"

namespace fw {

Button::Button() { setTabStop(true); }

Publication Button::publication() {
  return {"TButton",
          {
              property<Button, std::wstring>("Caption", L"", &Button::caption, &Button::setCaption),
              property<Button, bool>("Default", false, &Button::isDefault, &Button::setDefault),
              property<Button, bool>("TabStop", true, &Button::tabStop, &Button::setTabStop),
              event("OnClick"),
          }};
}

}  // namespace fw
