// A push button (the system's button window).
#pragma once

#include "framework/ui/control.h"

namespace fw {

class Button : public Control {
 public:
  Button();
  static const ClassInfo& info();
  const ClassInfo& classInfo() const override { return info(); }

  bool isDefault() const { return default_; }
  void setDefault(bool v) { default_ = active_ = v; }
  void click() override { fire("OnClick"); }
  // Enter presses the focused button, or a default one when the focus is
  // not on a button.
  void focusMoved(Control& focused) override {
    active_ = dynamic_cast<Button*>(&focused) ? &focused == this : default_;
  }
  bool dialogKey(WPARAM key) override;

 protected:
  WindowSpec windowSpec() const override { return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0}; }
  void command(WORD code) override {
    if (code == BN_CLICKED) click();
  }

 private:
  bool default_ = false;
  bool active_ = false;
};

}  // namespace fw
