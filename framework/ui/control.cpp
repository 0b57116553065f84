#include "framework/ui/control.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/desc/value_codec.h"
#include "framework/error/error.h"
#include "framework/ui/accessible.h"
#include "framework/ui/application.h"
#include "framework/ui/form.h"

namespace fw {

namespace {

constexpr wchar_t kObjectProp[] = L"Morvi.Control";
constexpr wchar_t kOwnClass[] = L"MorviControl";

HINSTANCE instance() { return GetModuleHandleW(nullptr); }

HICON programIcon(int sizeMetric) {
  int size = GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(LoadImageW(instance(), L"MAINICON", IMAGE_ICON, size, size, LR_SHARED));
}

// The window procedure of the class is the framework's from the first
// message; every window of the class carries the program's icon, and its
// object in its first extra bytes: every message looks it up, and a window
// property would cost a round trip to the window server under Wine.
void registerOwnClass(WNDPROC procedure) {
  static bool done = [&] {
    WNDCLASSEXW wc{sizeof wc};
    wc.lpfnWndProc = procedure;
    wc.cbWndExtra = sizeof(Control*);
    wc.hInstance = instance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = programIcon(SM_CXICON);
    wc.hIconSm = programIcon(SM_CXSMICON);
    wc.lpszClassName = kOwnClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)done;
}

[[noreturn]] void creationFailed(const Control& c) {
  DWORD code = GetLastError();
  throw Error(L"La fenêtre du contrôle " + fromUtf8(c.name()) + L" (" + fromUtf8(c.classInfo().name()) +
              L") n'a pas pu être créée, erreur système " + std::to_wstring(code));
}

}  // namespace

COLORREF toColorRef(Color c) {
  if (c.isSystem()) return GetSysColor(c.systemIndex());
  return c.value & 0xFFFFFF;
}

Font createFont(const FontSpec& font) {
  LOGFONTW lf{};
  lf.lfHeight = font.height;
  lf.lfWeight = (font.style.bits & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (font.style.bits & fsItalic) != 0;
  lf.lfUnderline = (font.style.bits & fsUnderline) != 0;
  lf.lfStrikeOut = (font.style.bits & fsStrikeOut) != 0;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
  return Font(CreateFontIndirectW(&lf));
}

PropertyDef event(std::string name) {
  PropertyDef def;
  def.schema = {name, desc::Kind::Ident, desc::Ident{""}, false};
  def.isEvent = true;
  def.set = [name](Control& c, const desc::Value& v) { c.setHandler(name, {std::get<desc::Ident>(v).name}); };
  def.get = [name](const Control& c) -> desc::Value { return desc::Ident{c.handler(name).name}; };
  return def;
}

const ClassInfo& Control::info() {
  static const ClassInfo info("TControl", typeid(Control), nullptr, nullptr, {
      property<Control, int>("Left", 0, &Control::left, &Control::setLeft),
      property<Control, int>("Top", 0, &Control::top, &Control::setTop),
      property<Control, int>("Width", 0, &Control::width, &Control::setWidth),
      property<Control, int>("Height", 0, &Control::height, &Control::setHeight),
      property<Control, Color>("Color", clBtnFace, &Control::color, &Control::setColor,
                               [](const Control& c) { return !c.parentColor() && !(c.color_ == c.defaultColor_); }),
      property<Control, std::wstring>("Font.Name", L"", [](const Control& c) { return c.font().name; },
                                      &Control::setFontName, &Control::ownFont_),
      property<Control, int>("Font.Height", 0, [](const Control& c) { return c.font().height; },
                             &Control::setFontHeight, &Control::ownFont_),
      property<Control, Color>("Font.Color", clWindowText, [](const Control& c) { return c.font().color; },
                               &Control::setFontColor, &Control::ownFont_),
      property<Control, FontStyles>("Font.Style", {}, [](const Control& c) { return c.font().style; },
                                    &Control::setFontStyle, &Control::ownFont_),
      property<Control, bool>("Visible", true, &Control::visible, &Control::setVisible),
      property<Control, bool>("Enabled", true, &Control::enabled, &Control::setEnabled),
      property<Control, int>("TabOrder", -1, &Control::tabOrder, &Control::setTabOrder),
  });
  return info;
}

Control::Control() = default;

Control::~Control() { destroyHandle(); }

void Control::destroyHandle() {
  if (!hwnd_) return;
  // The object hears nothing of its window's end.
  HWND w = std::exchange(hwnd_, nullptr);
  RemovePropW(w, kObjectProp);
  if (subclassed_) RemoveWindowSubclass(w, subclassProc, 1);
  else SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
  DestroyWindow(w);
}

Control& Control::add(std::unique_ptr<Control> child) {
  child->parent_ = this;
  children_.push_back(std::move(child));
  return *children_.back();
}

Control* Control::find(std::string_view name) {
  if (name_ == name) return this;
  for (auto& c : children_)
    if (Control* found = c->find(name)) return found;
  return nullptr;
}

Form* Control::form() {
  Control* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<Form*>(c);
}

int Control::dpi() const { return parent_ ? parent_->dpi() : desc::kDesignDpi; }

void Control::setBounds(int l, int t, int w, int h) {
  RECT r{l, t, l + w, t + h};
  if (EqualRect(&r, &bounds_)) return;
  bounds_ = r;
  if (hwnd_) MoveWindow(hwnd_, l, t, w, h, TRUE);
}

RECT Control::clientRect() const {
  RECT r{0, 0, width(), height()};
  if (hwnd_) GetClientRect(hwnd_, &r);
  return r;
}

void Control::setCaption(std::wstring text) {
  if (text == caption_) return;
  caption_ = std::move(text);
  captionChanged();
}

void Control::captionChanged() {
  if (hwnd_) SetWindowTextW(hwnd_, caption_.c_str());
  invalidate();
}

const FontSpec& Control::font() const {
  if (ownFont_ || !parent_) return font_;
  return parent_->font();
}

void Control::setParentFont(bool value) {
  if (value == !ownFont_) return;
  ownFont_ = !value;
  fontChanged();
}

HFONT Control::fontHandle() {
  if (!hfont_) hfont_ = createFont(font());
  return hfont_.get();
}

void Control::fontChanged() {
  hfont_.reset();
  if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), TRUE);
  for (auto& c : children_)
    if (c->parentFont()) c->fontChanged();
  invalidate();
}

Color Control::color() const {
  if (ownColor_ || !parent_) return color_;
  return parent_->color();
}

void Control::setColor(Color c) {
  if (ownColor_ && c == color_) return;
  color_ = c;
  ownColor_ = true;
  colorChanged();
}

void Control::colorChanged() {
  brush_.reset();
  for (auto& child : children_)
    if (child->parentColor()) child->colorChanged();
  invalidate();
}

HBRUSH Control::backgroundBrush() {
  if (!brush_) brush_ = Brush(CreateSolidBrush(colorRef()));
  return brush_.get();
}

void Control::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  if (hwnd_) ShowWindow(hwnd_, v ? SW_SHOW : SW_HIDE);
}

bool Control::canFocus() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->visible_ || !c->enabled_) return false;
  return true;
}

void Control::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  if (hwnd_) EnableWindow(hwnd_, v);
}

HandlerName Control::handler(std::string_view event) const {
  for (auto& [e, h] : events_)
    if (e == event) return {h};
  return {};
}

void Control::setHandler(std::string_view event, HandlerName name) {
  for (auto& [e, h] : events_)
    if (e == event) {
      h = std::move(name.name);
      return;
    }
  events_.emplace_back(std::string(event), std::move(name.name));
}

void Control::fire(std::string_view event) {
  std::string name = handler(event).name;
  if (name.empty()) return;
  if (Form* f = form()) f->invoke(name, *this);
}

std::wstring Control::accessibleName() const {
  if (!accessibleName_.empty() || !accessibleLabel_) return accessibleName_;
  std::wstring name = spokenText(accessibleLabel_->caption());
  if (!accessibleUnit_.empty()) name += L" (" + accessibleUnit_ + L")";
  return name;
}

void Control::invalidate() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::paintBackground(HDC dc, const RECT& r) { FillRect(dc, &r, backgroundBrush()); }

void Control::paint(HDC dc, const RECT& client) { paintBackground(dc, client); }

void Control::paintParentBackground(HDC dc, std::span<const RECT> areas) {
  if (!parent_ || !parent_->hwnd_ || !hwnd_) return;
  POINT at{0, 0};  // this client area's origin in the parent's
  MapWindowPoints(hwnd_, parent_->hwnd_, &at, 1);
  SavedDC saved(dc);
  RECT client = clientRect();
  saved.clipTo(areas.empty() ? std::span<const RECT>(&client, 1) : areas);
  saved.moveOrigin(-at.x, -at.y);
  SendMessageW(parent_->hwnd_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}

HBRUSH Control::ctlColor(HDC dc) {
  SetBkColor(dc, colorRef());
  SetTextColor(dc, toColorRef(font().color));
  return backgroundBrush();
}

void Control::createHandle() {
  createWindow(parent_ ? parent_->hwnd_ : ownerWindow());
  // Creation order is the Z order.
  for (Control* c : childrenInTabOrder()) c->createHandle();
}

std::vector<Control*> Control::childrenInTabOrder() const {
  std::vector<Control*> order;
  for (auto& c : children_) order.push_back(c.get());
  std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) {
    auto key = [](Control* c) { return c->tabOrder_ < 0 ? INT_MAX : c->tabOrder_; };
    return key(a) < key(b);
  });
  return order;
}

void Control::createWindow(HWND parentWindow) {
  WindowSpec kind = windowSpec();
  DWORD style = kind.style;
  // No parent listens to its children's creation, end or clicks: without
  // WM_PARENTNOTIFY, which climbs to the window at the top each time, each
  // child is made sooner.
  if (parent_) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    kind.exStyle |= WS_EX_NOPARENTNOTIFY;
  }
  if (visible_ && parent_) style |= WS_VISIBLE;
  if (!enabled_) style |= WS_DISABLED;
  if (!kind.className) registerOwnClass(windowProc);
  // An own window meets its object at WM_NCCREATE, through the creation
  // parameter.
  HWND created = CreateWindowExW(kind.exStyle, kind.className ? kind.className : kOwnClass, caption_.c_str(), style,
                                 left(), top(), width(), height(), parentWindow, nullptr, instance(),
                                 kind.className ? nullptr : this);
  if (!created) creationFailed(*this);
  if (kind.className) {
    // A system control: its own procedure runs under ours.
    hwnd_ = created;
    SetPropW(hwnd_, kObjectProp, this);
    SetWindowSubclass(hwnd_, subclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    subclassed_ = true;
  }
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), FALSE);
  windowCreated();
}

Control* Control::fromHandle(HWND window) {
  return window ? static_cast<Control*>(GetPropW(window, kObjectProp)) : nullptr;
}

LRESULT Control::defaultHandling(UINT msg, WPARAM wp, LPARAM lp) {
  if (subclassed_) return DefSubclassProc(hwnd_, msg, wp, lp);
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT Control::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (!subclassed_) {
    switch (msg) {
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT: {
        PaintDC p(hwnd_);
        RECT client = clientRect();
        if (paintsInOneFill()) {
          paint(p.dc(), client);
          return 0;
        }
        PaintBuffer buffer(p.dc(), client);
        paint(buffer.dc(), client);
        buffer.copyToTarget();
        return 0;
      }
      case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wp), clientRect());
        return 0;
    }
  }
  return defaultHandling(msg, wp, lp);
}

LRESULT Control::dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == accessibleClickMessage()) {
    click();
    return 0;
  }
  switch (msg) {
    case WM_GETOBJECT:
      // A control that says something of itself answers with the system's
      // object holding its words; the system answers for the others.
      if (LONG(lp) == OBJID_CLIENT &&
          (accessibleRole() != 0 || !accessibleName().empty() || !accessibleValue().empty())) {
        const LRESULT object = accessibleObject(*this, wp);
        if (object >= 0) return object;
      }
      break;
    case WM_SETFOCUS:
      if (Form* f = form()) f->focusChanged(*this);
      break;
    case WM_COMMAND:
      if (Control* child = fromHandle(reinterpret_cast<HWND>(lp)); child && child != this) {
        child->command(HIWORD(wp));
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
      if (Control* child = fromHandle(reinterpret_cast<HWND>(lp)); child && child != this)
        return reinterpret_cast<LRESULT>(child->ctlColor(reinterpret_cast<HDC>(wp)));
      break;
  }
  return handleMessage(msg, wp, lp);
}

LRESULT CALLBACK Control::windowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    if (auto* created = static_cast<Control*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams)) {
      created->hwnd_ = w;
      SetPropW(w, kObjectProp, created);
      SetWindowLongPtrW(w, 0, reinterpret_cast<LONG_PTR>(created));
    }
  }
  auto* c = reinterpret_cast<Control*>(GetWindowLongPtrW(w, 0));
  if (!c) return DefWindowProcW(w, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    RemovePropW(w, kObjectProp);
    SetWindowLongPtrW(w, 0, 0);
    c->hwnd_ = nullptr;
    return DefWindowProcW(w, msg, wp, lp);
  }
  return handledSafely([&] { return c->dispatch(msg, wp, lp); });
}

LRESULT CALLBACK Control::subclassProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  Control* c = reinterpret_cast<Control*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(w, subclassProc, 1);
    RemovePropW(w, kObjectProp);
    c->hwnd_ = nullptr;
    return DefSubclassProc(w, msg, wp, lp);
  }
  return handledSafely([&] { return c->dispatch(msg, wp, lp); });
}

}  // namespace fw
