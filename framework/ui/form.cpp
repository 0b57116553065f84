#include "framework/ui/form.h"

#include <algorithm>

#include "framework/ui/application.h"
#include "framework/ui/monitor_dpi.h"
#include "framework/error/error.h"
#include "framework/desc/value_codec.h"

namespace fw {

Publication Form::publication() {
  return {"TForm",
          {
              property<Form, std::wstring>("Caption", L"", &Form::caption, &Form::setCaption),
              property<Form, int>("ClientWidth", 0, &Form::clientWidth, &Form::setClientWidth),
              property<Form, int>("ClientHeight", 0, &Form::clientHeight, &Form::setClientHeight),
              field<Form>("BorderStyle", BorderStyle::Sizeable, &Form::borderStyle_),
              field<Form>("BorderIcons", BorderIcons{biSystemMenu | biMinimize | biMaximize}, &Form::borderIcons_),
              field<Form>("Position", Position::Designed, &Form::position_),
              field<Form>("PixelsPerInch", 96, &Form::pixelsPerInch_),
              event("OnCreate"),
              event("OnShow"),
              event("OnDestroy"),
          }};
}

namespace {

[[noreturn]] void fail(int line, const std::string& what) {
  throw DescriptionError(L"Description de fenêtre, ligne " + std::to_wstring(line) + L" : " + fromUtf8(what));
}

}  // namespace

void Form::create(std::string_view description) {
  load(description);
  placeFrame();
  try {
    createHandle();
  } catch (...) {
    // No half-made window: without it no message loop runs.
    destroyHandle();
    throw;
  }
  fire("OnCreate");
}

namespace {

// Gives each control of the description its font heights, or its other
// lengths (a length it does not write takes its default); the window keeps
// its own place. Fonts go first: a field refuses a height below its font's.
void applyLengths(Form& form, const desc::Object& object, bool fonts) {
  Control* control = form.find(object.name);
  if (!control) return;
  for (const PropertyDef* def : control->classInfo().allProperties()) {
    const std::string& name = def->schema.name;
    if (def->schema.kind != desc::Kind::Integer || !desc::isLength(name)) continue;
    if ((name.find("Font.") != std::string::npos) != fonts) continue;
    if (control == &form && (name == "Left" || name == "Top" || name == "Width" || name == "Height")) continue;
    const auto written = std::find_if(object.properties.begin(), object.properties.end(),
                                      [&](const desc::Property& p) { return p.name == name; });
    // A control's own font follows its parent's until it is written.
    if (written == object.properties.end() && name == "Font.Height") continue;
    def->set(*control, written != object.properties.end() ? written->value : def->schema.defaultValue);
  }
  for (const desc::Object& child : object.children) applyLengths(form, child, fonts);
}

void dpiChangedThroughout(Control& control) {
  control.dpiChanged();
  for (auto& child : control.controls()) dpiChangedThroughout(*child);
}

// A control that shows a font of its own from birth, which the description
// does not write (a formatted field's navy Tahoma), has it designed at 96 dpi
// like every other: its height joins the design, to be scaled with it.
void designOwnFontHeights(Form& form, desc::Object& object) {
  const Control* control = form.find(object.name);
  const bool written = std::any_of(object.properties.begin(), object.properties.end(),
                                   [](const desc::Property& p) { return p.name == "Font.Height"; });
  if (control && !control->parentFont() && !written)
    object.properties.push_back({"Font.Height", std::int64_t{control->font().height}, 0});
  for (desc::Object& child : object.children) designOwnFontHeights(form, child);
}

}  // namespace

void Form::load(std::string_view description) {
  desc::Object root;
  try {
    root = desc::parse(description, Registry::instance());
  } catch (const desc::Error& e) {
    fail(e.line(), e.what());
  }
  if (root.className != classInfo().name()) fail(root.line, "the window is a " + classInfo().name());
  build(*this, root, handlerTable());
  dpi_ = desc::kDesignDpi;  // the controls stand as designed
  designOwnFontHeights(*this, root);
  designed_ = std::move(root);
  // Laid out at the DPI of the monitor it opens on, which may differ from the
  // system's. No window exists yet, so this costs no redraw.
  rescale(monitorDpiAt(openingPoint()));
}

POINT Form::openingPoint() const {
  if (position_ != Position::ScreenCenter) return {left(), top()};
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {(work.left + work.right) / 2, (work.top + work.bottom) / 2};
}

void Form::createFromResource(const wchar_t* resourceName) {
  HRSRC res = FindResourceW(nullptr, resourceName, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL data = res ? LoadResource(nullptr, res) : nullptr;
  if (!data) throw DescriptionError(L"Description de fenêtre introuvable");
  create(std::string_view(static_cast<const char*>(LockResource(data)), SizeofResource(nullptr, res)));
}

void Form::build(Control& control, const desc::Object& object, const std::vector<HandlerEntry>& handlers) {
  control.setName(object.name);
  for (const desc::Property& p : object.properties) {
    const PropertyDef* def = control.classInfo().find(p.name);
    if (!def) fail(p.line, "unknown property " + p.name);
    if (def->isEvent) {
      const std::string& h = std::get<desc::Ident>(p.value).name;
      if (std::none_of(handlers.begin(), handlers.end(), [&](const HandlerEntry& e) { return h == e.name; }))
        fail(p.line, "no handler " + h);
    }
    try {
      def->set(control, p.value);
    } catch (const BadValue& e) {
      fail(p.line, e.message);
    }
  }
  for (const desc::Object& child : object.children) {
    const ClassInfo* info = Registry::instance().info(child.className);
    if (!info || !info->factory()) fail(child.line, "cannot create a " + child.className);
    build(control.add(info->factory()()), child, handlers);
  }
  control.loaded();
}

void Form::rescale(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  const desc::Object scaled = desc::scaledToDpi(designed_, Registry::instance(), dpi);
  applyLengths(*this, scaled, true);
  applyLengths(*this, scaled, false);
  dpiChangedThroughout(*this);
}

namespace {

desc::Object describeControl(const Control& c) {
  // A class that is not Published of its own would pass for its base.
  if (typeid(c) != c.classInfo().type())
    throw Error(L"Le contrôle " + fromUtf8(c.name()) + L" n'a pas de classe publiée à son nom");
  desc::Object o{c.name(), c.classInfo().name(), {}, {}, 0};
  for (const PropertyDef* p : c.classInfo().allProperties()) {
    desc::Value v = p->get(c);
    bool write = p->stored ? p->stored(c) : (p->schema.alwaysWritten || !(v == p->schema.defaultValue));
    if (write) o.properties.push_back({p->schema.name, std::move(v), 0});
  }
  for (auto& child : c.controls())
    if (!child->isPart()) o.children.push_back(describeControl(*child));
  return o;
}

}  // namespace

desc::Object Form::describe() const { return describeControl(*this); }

void Form::invoke(std::string_view name, Control& sender) {
  for (const HandlerEntry& e : handlerTable())
    if (name == e.name) return e.call(*this, sender);
}

Control::WindowSpec Form::windowSpec() const {
  DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION;
  DWORD ex = (owner_ ? 0 : WS_EX_APPWINDOW) | WS_EX_CONTROLPARENT;
  if (borderIcons_.bits & biSystemMenu) style |= WS_SYSMENU;
  if (borderStyle_ == BorderStyle::Dialog) {
    ex |= WS_EX_DLGMODALFRAME;
  } else {
    if (borderStyle_ == BorderStyle::Sizeable) style |= WS_THICKFRAME;
    if (borderIcons_.bits & biMinimize) style |= WS_MINIMIZEBOX;
    if (borderIcons_.bits & biMaximize) style |= WS_MAXIMIZEBOX;
  }
  return {nullptr, style, ex};
}

// The window is made where it will show and as large as its client area
// needs: moving or sizing a top-level window once it exists costs a round
// trip to the display.
void Form::placeFrame() {
  const WindowSpec kind = windowSpec();
  RECT frame{0, 0, clientWidth_, clientHeight_};
  AdjustWindowRectEx(&frame, kind.style, FALSE, kind.exStyle);
  const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
  const POINT at = position_ == Position::ScreenCenter ? centredOnWorkArea(size) : POINT{left(), top()};
  setBounds(at.x, at.y, size.cx, size.cy);
}

POINT Form::centredOnWorkArea(SIZE size) {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left + ((work.right - work.left) - size.cx) / 2, work.top + ((work.bottom - work.top) - size.cy) / 2};
}

void Form::windowCreated() {
  // The title bar, the taskbar and Alt+Tab ask the window for its icons.
  for (auto [size, classIcon] : {std::pair{ICON_BIG, GCLP_HICON}, std::pair{ICON_SMALL, GCLP_HICONSM}})
    SendMessageW(handle(), WM_SETICON, size, LPARAM(GetClassLongPtrW(handle(), classIcon)));
  keepClientSize();
  if (borderStyle_ == BorderStyle::Dialog) {
    // A dialog frame has a close box and nothing else in its system menu.
    HMENU menu = GetSystemMenu(handle(), FALSE);
    for (UINT item : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) DeleteMenu(menu, item, MF_BYCOMMAND);
  }
}

// Should the frame the system drew differ from the one reckoned, the client
// area keeps its size.
void Form::keepClientSize() {
  RECT client;
  GetClientRect(handle(), &client);
  if (client.right != clientWidth_ || client.bottom != clientHeight_) {
    RECT frame;
    GetWindowRect(handle(), &frame);
    SetWindowPos(handle(), nullptr, 0, 0, frame.right - frame.left + clientWidth_ - client.right,
                 frame.bottom - frame.top + clientHeight_ - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Form::show() {
  if (position_ == Position::ScreenCenter) {
    RECT w;
    GetWindowRect(handle(), &w);
    const POINT at = centredOnWorkArea({w.right - w.left, w.bottom - w.top});
    if (at.x != w.left || at.y != w.top) SetWindowPos(handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
  ShowWindow(handle(), SW_SHOW);
  SetForegroundWindow(handle());
  if (!shown_) {
    shown_ = true;
    fire("OnShow");
  }
  if (!focusedControl()) {
    std::vector<Control*> list = tabList();
    if (!list.empty()) list.front()->focus();
  }
  // The whole window painted now, before any input is taken: a click that
  // was waiting opens nothing over a window still half drawn.
  RedrawWindow(handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Form::close() { PostMessageW(handle(), WM_CLOSE, 0, 0); }

ModalResult Form::showModal() {
  modalResult_ = ModalResult::None;
  if (owner_) EnableWindow(owner_, FALSE);
  show();
  MSG msg;
  while (modalResult_ == ModalResult::None) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: the outer loop gets the quit message back.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      modalResult_ = ModalResult::Cancel;
      break;
    }
    Application::dispatch(*this, msg);
  }
  // The owner is enabled again before the form hides, so it gets the focus back.
  if (owner_) EnableWindow(owner_, TRUE);
  ShowWindow(handle(), SW_HIDE);
  return modalResult_;
}

std::vector<Control*> Form::tabList() {
  std::vector<Control*> list;
  auto walk = [&](auto&& self, Control& parent) -> void {
    for (Control* c : parent.childrenInTabOrder()) {
      if (!c->visible() || !c->enabled()) continue;
      if (c->canTabTo()) list.push_back(c);
      self(self, *c);
    }
  };
  walk(walk, *this);
  return list;
}

Control* Form::focusedControl() {
  HWND focus = GetFocus();
  if (!focus) return nullptr;
  Control* found = nullptr;
  auto walk = [&](auto&& self, Control& c) -> void {
    if (c.holdsFocus(focus)) found = &c;
    for (auto& child : c.controls()) self(self, *child);
  };
  for (auto& child : controls()) walk(walk, *child);
  return found;
}

void Form::moveFocus(bool forward) {
  std::vector<Control*> list = tabList();
  if (list.empty()) return;
  auto at = std::find(list.begin(), list.end(), focusedControl());
  size_t i;
  if (at == list.end()) i = forward ? 0 : list.size() - 1;
  else i = (size_t(at - list.begin()) + (forward ? 1 : list.size() - 1)) % list.size();
  list[i]->focus();
}

bool Form::offer(const std::function<bool(Control&)>& take) {
  auto walk = [&](auto&& self, Control& parent) -> bool {
    for (auto& child : parent.controls())
      if (take(*child) || self(self, *child)) return true;
    return false;
  };
  return walk(walk, *this);
}

void Form::focusChanged(Control& focused) {
  offer([&](Control& c) {
    c.focusMoved(focused);
    return false;
  });
}

bool Form::preTranslate(const MSG& msg) {
  if (msg.hwnd != handle() && !IsChild(handle(), msg.hwnd)) return false;
  if (msg.message == WM_SYSCHAR) return offer([&](Control& c) { return c.dialogChar(wchar_t(msg.wParam)); });
  if (msg.message != WM_KEYDOWN) return false;
  if (GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0 && shortCut(msg.wParam)) return true;
  if (msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
    moveFocus(GetKeyState(VK_SHIFT) >= 0);
    return true;
  }
  if (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE) {
    Control* focused = focusedControl();
    if (msg.wParam == VK_RETURN && focused && focused->takesEnter()) return false;
    if (offer([&](Control& c) { return c.dialogKey(msg.wParam); })) return true;
    // Escape with no cancel button still closes a modal window.
    if (msg.wParam == VK_ESCAPE && owner_) {
      modalResult_ = ModalResult::Cancel;
      return true;
    }
  }
  return false;
}

LRESULT Form::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NEXTDLGCTL:
      // As in a dialog: the control given, or the next (wp 0) or previous one.
      if (LOWORD(lp)) SetFocus(reinterpret_cast<HWND>(wp));
      else moveFocus(wp == 0);
      return 0;
    case WM_ACTIVATE:
      // Give the focus back to the control that had it before a dialog.
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND f = GetFocus();
        if (f && IsChild(handle(), f)) lastFocus_ = f;
      } else if (lastFocus_ && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_DPICHANGED: {
      // Moved to a monitor of another scale: laid out anew, in the rectangle
      // the system suggests.
      rescale(LOWORD(wp));
      const RECT& r = *reinterpret_cast<const RECT*>(lp);
      SetWindowPos(handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
      keepClientSize();
      return 0;
    }
    case WM_CLOSE:
      // An owned form's close box cancels it; it is destroyed with its object.
      if (owner_) {
        modalResult_ = ModalResult::Cancel;
        return 0;
      }
      break;
    case WM_DESTROY:
      // A failed OnDestroy is reported like any other failure. No quit
      // message: one waiting would close that error box at once. The loop,
      // woken by an empty thread message, ends once the window is gone.
      handledSafely([&] {
        fire("OnDestroy");
        return 0;
      });
      PostThreadMessageW(GetCurrentThreadId(), WM_NULL, 0, 0);
      return 0;
  }
  return Control::handleMessage(msg, wp, lp);
}

}  // namespace fw
