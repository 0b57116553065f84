// The application: its title, the top-level error box and the message loop.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace fw {

class Form;

class Application {
 public:
  // The program file's name without its extension ("Morvi").
  static std::wstring title();
  // The error box: error icon, the title as caption, the exception's text.
  // The program goes on afterwards. For failures outside any message
  // (start-up, the loop itself).
  static void showException(const std::exception& e);
  // A failure inside a message handler. It is shown once that message has
  // returned, never from inside it (a box opened from a paint would pile up
  // with the next failing paint); while one failure waits or its box is open,
  // further ones are dropped.
  static void reportLater(std::exception_ptr failure);
  // Shows the failure that waits, if any.
  static void showPendingError();
  // Tests: receives the text of each error box instead of showing it; an
  // empty function brings the box back.
  static void setErrorBoxHook(std::function<void(const std::wstring&)> hook);
  // Shows the main form and runs the message loop until its window is gone.
  static int run(Form& mainForm);
  // One message of a loop: the form's dialog keys first, else its window.
  static void dispatch(Form& form, const MSG& msg);
};

// Runs a window procedure's work: a failure is kept for the error box instead
// of unwinding through the system's frames, and the message answers 0.
template <class F>
LRESULT handledSafely(F work) noexcept {
  try {
    return work();
  } catch (...) {
    Application::reportLater(std::current_exception());
    return 0;
  }
}

}  // namespace fw
