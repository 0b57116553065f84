// The application: its title, the top-level error box and the message loop.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace fw {

class Form;

class Application {
 public:
  // The program file's name without its extension ("Morvi").
  static std::wstring title();
  // The error box: error icon, the title as caption, the exception's text.
  // The program goes on afterwards.
  static void showException(const std::exception& e);
  // Shows the main form and runs the message loop until it is destroyed.
  static int run(Form& mainForm);
  // One message of a loop: the form's dialog keys first, else its window.
  static void dispatch(Form& form, const MSG& msg);
};

}  // namespace fw
