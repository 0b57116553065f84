// A one-line text field (the system's edit window).
#pragma once

#include <string>

#include "framework/ui/control.h"

namespace fw {

class Edit : public Control {
 public:
  Edit();
  static const ClassInfo& info();
  const ClassInfo& classInfo() const override { return info(); }

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

}  // namespace fw
