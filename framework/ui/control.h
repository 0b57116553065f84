// The base of every control: a window of its own, a place in its parent, a
// font and a colour (its own or its parent's), a place in the tab order, and
// events bound by name to handlers of the form.
//
// A custom control (a window of the framework's own class) is written as:
//
//   class Glow : public fw::Published<Glow, fw::Control> {
//    public:
//     static fw::Publication publication();  // its name and own properties
//     void paint(HDC dc, const RECT& client) override {
//       paintParentBackground(dc);         // the parent's pixels under us
//       ... draw the control into dc ...
//     }
//    protected:
//     LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;  // from WM_NCCREATE on
//   };
//
// - paint() is the one painting function. WM_PAINT reaches it with an
//   off-screen buffer of the client size (copied to the screen at once, no
//   flicker; WM_ERASEBKGND is swallowed) and WM_PRINTCLIENT with the given
//   device context, so a test paints the control into a memory bitmap.
//   invalidate() asks for a repaint. A control whose paint() is one fill
//   (a form's colour between its child windows) cannot flicker and says so
//   with paintsInOneFill(): it is painted straight to the screen.
// - paintParentBackground(dc, areas) has the parent paint its own image into
//   dc at this control's place, clipped to `areas` (client coordinates; none:
//   the whole client area): a transparent label calls it first, a rounded
//   button with its four corner pixels last.
// - font(), fontHandle(), color() and backgroundBrush() follow the parent
//   while the control inherits them; override fontChanged() / colorChanged()
//   (calling the base) to drop caches of one's own.
// - A failure thrown from paint() or any handler is reported by the framework
//   once the message has returned (see Application::reportLater).
#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/desc/color_value.h"
#include "framework/desc/properties.h"
#include "framework/graphics/gdi.h"

namespace fw {

class Form;

enum FontStyleBit : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
struct FontStyles {
  unsigned bits = 0;
  bool operator==(const FontStyles&) const = default;
};
template <>
struct FlagNames<FontStyles> {
  static constexpr std::pair<unsigned, const char*> table[] = {
      {fsBold, "fsBold"}, {fsItalic, "fsItalic"}, {fsUnderline, "fsUnderline"}, {fsStrikeOut, "fsStrikeOut"}};
};

struct FontSpec {
  std::wstring name = L"Tahoma";
  int height = -11;  // negative: character height in pixels
  Color color = clWindowText;
  FontStyles style;
  bool operator==(const FontSpec&) const = default;
};

COLORREF toColorRef(Color c);  // system colours resolved
Font createFont(const FontSpec& font);

class Control {
 public:
  Control();
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // The root of the published classes (see fw::Published).
  static const ClassInfo& info();
  virtual const ClassInfo& classInfo() const { return info(); }
  static constexpr bool kIsForm = false;

  // Tree. A control owns its children.
  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }
  Control* parent() const { return parent_; }
  Control& add(std::unique_ptr<Control> child);
  const std::vector<std::unique_ptr<Control>>& controls() const { return children_; }
  Control* find(std::string_view name);  // this control and its subtree
  // The children in tab order, those without one last: the order of their
  // windows and of the Tab key.
  std::vector<Control*> childrenInTabOrder() const;
  Form* form();
  // The dots per inch the control is laid out for: its window's.
  virtual int dpi() const;
  // The window moved to another DPI and its lengths are scaled: what the
  // control measures or places from its font is done again.
  virtual void dpiChanged() { fontChanged(); }

  // Geometry, relative to the parent's client area.
  int left() const { return bounds_.left; }
  int top() const { return bounds_.top; }
  int width() const { return bounds_.right - bounds_.left; }
  int height() const { return bounds_.bottom - bounds_.top; }
  void setLeft(int v) { setBounds(v, top(), width(), height()); }
  void setTop(int v) { setBounds(left(), v, width(), height()); }
  void setWidth(int v) { setBounds(left(), top(), v, height()); }
  void setHeight(int v) { setBounds(left(), top(), width(), v); }
  virtual void setBounds(int left, int top, int width, int height);

  const std::wstring& caption() const { return caption_; }
  void setCaption(std::wstring text);

  // Font: the parent's unless the control has one of its own.
  const FontSpec& font() const;
  bool parentFont() const { return !ownFont_; }
  void setParentFont(bool value);
  void setFontName(std::wstring v) { editFont([&](FontSpec& f) { f.name = std::move(v); }); }
  void setFontHeight(int v) { editFont([&](FontSpec& f) { f.height = v; }); }
  void setFontColor(Color v) { editFont([&](FontSpec& f) { f.color = v; }); }
  void setFontStyle(FontStyles v) { editFont([&](FontSpec& f) { f.style = v; }); }
  HFONT fontHandle();

  // Colour: the parent's unless set.
  Color color() const;
  void setColor(Color c);
  bool parentColor() const { return !ownColor_; }
  COLORREF colorRef() const { return toColorRef(color()); }
  HBRUSH backgroundBrush();

  bool visible() const { return visible_; }
  void setVisible(bool v);
  bool enabled() const { return enabled_; }
  void setEnabled(bool v);

  // Keyboard focus.
  int tabOrder() const { return tabOrder_; }
  void setTabOrder(int v) { tabOrder_ = v; }
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool v) { tabStop_ = v; }
  virtual bool canTabTo() const { return tabStop_ && visible_ && enabled_; }
  virtual void focus() { SetFocus(hwnd_); }
  // Whether the keyboard focus window belongs to this control.
  virtual bool holdsFocus(HWND focus) const { return focus == hwnd_; }
  // Enter stays with the focused control when it takes it; otherwise the
  // window offers Enter and Escape to its controls in turn (dialogKey), the
  // first taker wins, and Alt+letter likewise (dialogChar).
  virtual bool takesEnter() const { return false; }
  virtual bool dialogKey(WPARAM) { return false; }
  virtual bool dialogChar(wchar_t) { return false; }
  // The keyboard focus moved to `focused`, somewhere in the window.
  virtual void focusMoved(Control& /*focused*/) {}
  // Whether the control and every parent are visible and enabled.
  bool canFocus() const;
  virtual void click() {}

  // Assistive technology (see framework/ui/accessible.h): the role (an
  // oleacc ROLE_SYSTEM_ value), name, value and default action the control
  // gives of itself; 0 or empty: the system's answer for its window.
  virtual long accessibleRole() const { return 0; }
  // The name given, else the spoken caption of the label that names the
  // control, with its unit in brackets.
  virtual std::wstring accessibleName() const;
  virtual std::wstring accessibleValue() const { return {}; }
  // The action's name; a control that has one does click() for it.
  virtual std::wstring accessibleAction() const { return {}; }
  void setAccessibleName(std::wstring name) { accessibleName_ = std::move(name); }
  // For a field whose label is not read with it (not just before it in the
  // window order, or not a static text to the system).
  void setAccessibleLabel(const Control* label, std::wstring unit = {}) {
    accessibleLabel_ = label;
    accessibleUnit_ = std::move(unit);
  }

  // Events, bound by handler name.
  HandlerName handler(std::string_view event) const;
  void setHandler(std::string_view event, HandlerName name);
  const std::vector<std::pair<std::string, std::string>>& handlers() const { return events_; }
  void fire(std::string_view event);

  // The window.
  HWND handle() const { return hwnd_; }
  // This window, then the children in tab order. Throws fw::Error when a
  // window cannot be created.
  void createHandle();
  // Destroys the window (and the children's) without the object hearing of it.
  void destroyHandle();
  static Control* fromHandle(HWND window);
  void invalidate();

  // Paints the control into any device context (screen buffer, memory
  // bitmap); see the top of this file.
  virtual void paint(HDC dc, const RECT& client);
  virtual bool paintsInOneFill() const { return false; }
  // Has the parent paint its own image into dc at this control's place,
  // within `areas` of the client area (none: all of it).
  void paintParentBackground(HDC dc, std::span<const RECT> areas = {});

  // Called once every property of the window description is set.
  virtual void loaded() {}

  // A part of another control (a spin edit's buttons) is made by its owner
  // and not written to the window description.
  bool isPart() const { return part_; }
  void setPart(bool v) { part_ = v; }

 protected:
  struct WindowSpec {
    const wchar_t* className = nullptr;  // null: the framework's own class
    DWORD style = 0;
    DWORD exStyle = 0;
  };
  virtual WindowSpec windowSpec() const { return {}; }
  // The window that owns a top-level one.
  virtual HWND ownerWindow() const { return nullptr; }
  virtual void windowCreated() {}
  virtual LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT defaultHandling(UINT msg, WPARAM wp, LPARAM lp);
  // A notification (WM_COMMAND code) of the control's own standard window.
  virtual void command(WORD) {}
  // Colours of the control's own standard window (WM_CTLCOLOR*).
  virtual HBRUSH ctlColor(HDC dc);
  // The font or colour changed, the control's own or its parent's while
  // inherited: caches are dropped and the control repaints.
  virtual void fontChanged();
  virtual void colorChanged();
  virtual void captionChanged();
  // Records a text the window already shows.
  void setCaptionSilently(std::wstring text) { caption_ = std::move(text); }
  // Fills with the background colour.
  void paintBackground(HDC dc, const RECT& r);
  // A colour of the control's own that its kind starts with (an edit's
  // window colour): not written to the description.
  void setDefaultColor(Color c) {
    setColor(c);
    defaultColor_ = c;
  }
  RECT clientRect() const;

 private:
  template <class F>
  void editFont(F change) {
    FontSpec f = font();
    change(f);
    // While inherited, font_ is not what the control shows.
    if (std::exchange(ownFont_, true) && f == font_) return;
    font_ = std::move(f);
    fontChanged();
  }
  void createWindow(HWND parentWindow);
  static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK subclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT dispatch(UINT msg, WPARAM wp, LPARAM lp);
  friend class Form;

  std::string name_;
  Control* parent_ = nullptr;
  std::vector<std::unique_ptr<Control>> children_;
  RECT bounds_{};
  std::wstring caption_;
  FontSpec font_;
  bool ownFont_ = false;
  Color color_ = clBtnFace;
  bool ownColor_ = false;
  Color defaultColor_ = clNone;
  bool visible_ = true;
  bool enabled_ = true;
  int tabOrder_ = -1;
  bool tabStop_ = false;
  std::vector<std::pair<std::string, std::string>> events_;
  HWND hwnd_ = nullptr;
  bool subclassed_ = false;
  bool part_ = false;
  std::wstring accessibleName_;
  const Control* accessibleLabel_ = nullptr;
  std::wstring accessibleUnit_;
  Font hfont_;
  Brush brush_;
};

}  // namespace fw
