// A push button (the system's button window).
#pragma once

#include "framework/ui/control.h"

namespace fw {

class Button : public Published<Button, Control> {
 public:
  Button();
  static Publication publication();

  bool isDefault() const { return default_; }
  void setDefault(bool v) { default_ = v; }
  bool isDefaultButton() const override { return default_; }
  bool isButton() const override { return true; }
  void click() override { fire("OnClick"); }

 protected:
  WindowSpec windowSpec() const override { return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0}; }
  void command(WORD code) override {
    if (code == BN_CLICKED) click();
  }

 private:
  bool default_ = false;
};

}  // namespace fw
