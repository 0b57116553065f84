// A Windows test's window made from its description, the form that counts
// what its handlers were called for, and keys typed into it: the machinery
// the control tests share.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>

#include "framework/ui/form.h"

namespace testwindow {

// A test's window: every event its description binds to "Handler" is
// counted by the name of the control that sent it, then handed to `also`.
class TestForm : public fw::Published<TestForm, fw::Form> {
 public:
  static fw::Publication publication() { return {"TTestForm", {}}; }
  std::map<std::string, int> calls;
  std::function<void(fw::Control&)> also;

 protected:
  std::vector<HandlerEntry> handlerTable() const override { return {handler<TestForm, &TestForm::Handler>("Handler")}; }

 private:
  void Handler(fw::Control& sender) {
    ++calls[sender.name()];
    if (also) also(sender);
  }
};

// The classes the description names registered, the window made, shown and
// brought to the front.
inline void show(fw::Form& form, std::string_view description, std::initializer_list<const fw::ClassInfo*> classes) {
  for (const fw::ClassInfo* c : classes) fw::Registry::instance().add(*c);
  form.create(description);
  form.show();
  SetForegroundWindow(form.handle());
}

// A key pressed and released, posted as the keyboard would.
inline void keystroke(HWND target, WPARAM vk) {
  PostMessageW(target, WM_KEYDOWN, vk, 1);
  PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
}

}  // namespace testwindow
