// A push button (the system's button window).
#pragma once

#include "framework/ui/control.h"
#include "framework/ui/modal_result.h"

namespace fw {

class Button : public Published<Button, Control> {
 public:
  Button();
  static Publication publication();

  bool isDefault() const { return default_; }
  void setDefault(bool v) { default_ = active_ = v; }
  bool cancel() const { return cancel_; }
  void setCancel(bool v) { cancel_ = v; }
  // A button with a modal result closes its modal window with it, after
  // its OnClick.
  void click() override;
  // Enter presses the focused button, or a default one when the focus is
  // not on a button (a greyed default one only beeps); Escape presses a
  // cancel button.
  void focusMoved(Control& focused) override {
    active_ = dynamic_cast<Button*>(&focused) ? &focused == this : default_;
  }
  bool dialogKey(WPARAM key) override;

 protected:
  WindowSpec windowSpec() const override {
    return {L"BUTTON", DWORD(WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)), 0};
  }
  void command(WORD code) override {
    if (code == BN_CLICKED) click();
  }

 private:
  bool default_ = false;
  bool active_ = false;
  bool cancel_ = false;
  ModalResult modalResult_ = ModalResult::None;
};

}  // namespace fw
