// A one-line text field (the system's edit window).
#pragma once

#include <string>

#include "framework/ui/control.h"

namespace fw {

// The field's behaviour, published as nothing of its own: fields that
// publish their own properties (a dimension field, a spin edit) stand on it.
class EditBox : public Control {
 public:
  EditBox();

  // The text as it stands in the window.
  const std::wstring& text() const { return caption(); }
  void setText(std::wstring text) { setCaption(std::move(text)); }

 protected:
  WindowSpec windowSpec() const override;
  void command(WORD code) override;
  void captionChanged() override;
  // The text changed, typed or set.
  virtual void changed() { fire("OnChange"); }
};

// The plain field of a window description.
class Edit : public Published<Edit, EditBox> {
 public:
  static Publication publication();
};

}  // namespace fw
