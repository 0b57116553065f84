// A top-level window built from its window description. It holds the table
// of its handlers (the events of its controls are bound to them by name),
// moves the focus with Tab and Shift+Tab through its controls in tab order,
// and gives Enter to the first willing default button.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/error/error.h"
#include "framework/ui/control.h"
#include "framework/ui/modal_result.h"
#include "framework/desc/description.h"
#include "framework/desc/dpi_scaling.h"

namespace fw {

enum class BorderStyle { None, Single, Sizeable, Dialog };
template <>
struct EnumNames<BorderStyle> {
  static constexpr std::pair<BorderStyle, const char*> table[] = {
      {BorderStyle::None, "bsNone"}, {BorderStyle::Single, "bsSingle"},
      {BorderStyle::Sizeable, "bsSizeable"}, {BorderStyle::Dialog, "bsDialog"}};
};
enum class Position { Designed, ScreenCenter };
template <>
struct EnumNames<Position> {
  static constexpr std::pair<Position, const char*> table[] = {{Position::Designed, "poDesigned"},
                                                               {Position::ScreenCenter, "poScreenCenter"}};
};
enum BorderIconBit : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
struct BorderIcons {
  unsigned bits = 0;
  bool operator==(const BorderIcons&) const = default;
};
template <>
struct FlagNames<BorderIcons> {
  static constexpr std::pair<unsigned, const char*> table[] = {
      {biSystemMenu, "biSystemMenu"}, {biMinimize, "biMinimize"}, {biMaximize, "biMaximize"}};
};

class Form : public Published<Form, Control> {
 public:
  using Handler = std::function<void(Form&, Control&)>;
  struct HandlerEntry {
    const char* name;
    Handler call;
  };

  static Publication publication();
  static constexpr bool kIsForm = true;

  // Reads the description (the root object must be of this form's class),
  // creates the controls, binds their events, creates the windows and runs
  // OnCreate. Throws DescriptionError naming the line.
  void create(std::string_view description);
  // The first half of create: the controls and their properties, no windows.
  void load(std::string_view description);
  // Reads a description stored as an RCDATA resource of the program.
  void createFromResource(const wchar_t* resourceName);
  // The description of the form as it stands.
  desc::Object describe() const;
  // The control of the description with this name and kind, for binding the
  // form's fields once it is loaded; DescriptionError when there is none.
  template <class T>
  T* bind(const char* name) {
    T* c = dynamic_cast<T*>(find(name));
    if (!c) throw DescriptionError(L"Description de fenêtre : contrôle manquant " + fromUtf8(name));
    return c;
  }

  void show();
  void close();
  void invoke(std::string_view handler, Control& sender);

  // A form owned by another window (set before it is created) stays above
  // it, has no taskbar button, and closing it does not end the program.
  void setOwner(HWND owner) { owner_ = owner; }
  // Shows the form and runs the messages until it has a modal result: a
  // button's, or Cancel for Escape without a cancel button and for its
  // close box. The owner takes no input meanwhile.
  ModalResult showModal();
  void setModalResult(ModalResult result) { modalResult_ = result; }

  // Dialog keys; true when the message was used.
  bool preTranslate(const MSG& msg);
  // Tells every control of the window where the focus went.
  void focusChanged(Control& focused);
  // Set by the buttons that close a modal window; None while it runs.
  ModalResult modalResult() const { return modalResult_; }
  // The control that holds the keyboard focus, if any.
  Control* focusedControl();
  // Controls that Tab visits, in order.
  std::vector<Control*> tabList();

  int dpi() const override { return dpi_; }

  int clientWidth() const { return clientWidth_; }
  void setClientWidth(int v) { clientWidth_ = v; }
  int clientHeight() const { return clientHeight_; }
  void setClientHeight(int v) { clientHeight_ = v; }

 protected:
  // The published methods of the derived form.
  virtual std::vector<HandlerEntry> handlerTable() const { return {}; }
  template <class F, void (F::*Method)(Control&)>
  static HandlerEntry handler(const char* name) {
    return {name, [](Form& f, Control& sender) { (static_cast<F&>(f).*Method)(sender); }};
  }

  // A key pressed with Ctrl (and not Alt) anywhere in the form, before the
  // focused control sees it; true when it was used.
  virtual bool shortCut(WPARAM /*key*/) { return false; }

  WindowSpec windowSpec() const override;
  HWND ownerWindow() const override { return owner_; }
  void windowCreated() override;
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // Its colour between its child windows, which paint themselves: no buffer
  // the size of the window (a megabyte at 100 %, four at 200 %).
  bool paintsInOneFill() const override { return true; }

 private:
  void placeFrame();
  // Where the window opens: the middle of the work area it is centred on,
  // or its own corner.
  POINT openingPoint() const;
  // Lays the window and its controls out again at another DPI, from the
  // description it was made from.
  void rescale(int dpi);
  // The window's frame around its client area as designed.
  void keepClientSize();
  static POINT centredOnWorkArea(SIZE size);
  void build(Control& control, const desc::Object& object, const std::vector<HandlerEntry>& handlers);
  void moveFocus(bool forward);
  // Offers a key to the controls in turn; true when one took it.
  bool offer(const std::function<bool(Control&)>& take);

  int clientWidth_ = 0;
  int clientHeight_ = 0;
  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  BorderIcons borderIcons_{biSystemMenu | biMinimize | biMaximize};
  Position position_ = Position::Designed;
  int pixelsPerInch_ = 96;
  // The window's own, which its description is scaled to.
  int dpi_ = desc::kDesignDpi;
  desc::Object designed_;  // the description as read, at 96 dpi
  HWND lastFocus_ = nullptr;
  bool shown_ = false;
  HWND owner_ = nullptr;
  ModalResult modalResult_ = ModalResult::None;
};

}  // namespace fw
