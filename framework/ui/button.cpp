#include "framework/ui/button.h"

#include "framework/ui/beep.h"
#include "framework/ui/form.h"

namespace fw {

Button::Button() { setTabStop(true); }

bool Button::dialogKey(WPARAM key) {
  const bool mine = key == VK_RETURN ? active_ : key == VK_ESCAPE && cancel_;
  if (!mine) return false;
  if (key == VK_RETURN && visible() && !enabled()) {
    // Greyed, it keeps Enter from the field, which would pass the focus on
    // and leave what the user types next to another control: it is refused.
    beep(0);
    return true;
  }
  if (!canFocus()) return false;
  click();
  return true;
}

Publication Button::publication() {
  return {"TButton",
          {
              property<Button, std::wstring>("Caption", L"", &Button::caption, &Button::setCaption),
              property<Button, bool>("Default", false, &Button::isDefault, &Button::setDefault),
              property<Button, bool>("Cancel", false, &Button::cancel, &Button::setCancel),
              field<Button>("ModalResult", ModalResult::None, &Button::modalResult_),
              property<Button, bool>("TabStop", true, &Button::tabStop, &Button::setTabStop),
              event("OnClick"),
          }};
}

void Button::click() {
  fire("OnClick");
  if (modalResult_ == ModalResult::None) return;
  if (Form* f = form()) f->setModalResult(modalResult_);
}

}  // namespace fw
