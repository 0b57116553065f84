#include "framework/ui/accessible.h"

#include <oleacc.h>
#include <commctrl.h>

#include <cwctype>

#include "framework/system/com.h"
#include "framework/ui/control.h"

namespace fw {

std::wstring spokenText(std::wstring_view text) {
  std::wstring spoken;
  bool blank = false;
  for (wchar_t c : text) {
    if (std::iswspace(c)) {
      blank = !spoken.empty();
      continue;
    }
    if (blank) spoken += L' ';
    blank = false;
    spoken += c;
  }
  return spoken;
}

namespace {

// Not IID_IAccessible: MinGW's oleacc import library defines that name as an
// import thunk, whose bytes are no interface identifier at all.
const IID& kIAccessible = __uuidof(IAccessible);

bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT giveText(const std::wstring& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = SysAllocStringLen(text.data(), UINT(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

// A window named by nameForScreenReaders keeps its name in a property, and
// a subclass that answers WM_GETOBJECT with it and lets it go at the end.
constexpr wchar_t spokenNameProperty[] = L"Morvi.SpokenName";

std::wstring* spokenNameOf(HWND window) { return static_cast<std::wstring*>(GetPropW(window, spokenNameProperty)); }

std::wstring givenName(HWND window) {
  const std::wstring* name = spokenNameOf(window);
  return name ? *name : std::wstring();
}

// The system's object for the window with the control's own answers in it.
// The control is looked up by its window at each question: assistive
// technology may hold the object after the control is gone, and then hears
// only the system.
class ControlAccessible final : public IAccessible {
 public:
  ControlAccessible(HWND window, IAccessible* standard) : window_(window), standard_(standard) {}
  ControlAccessible(const ControlAccessible&) = delete;
  ControlAccessible& operator=(const ControlAccessible&) = delete;

  // IUnknown: the object's own interfaces; the others the system's object
  // offers (IEnumVARIANT over the children, IOleWindow) are its.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == kIAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    return standard_->QueryInterface(iid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) {
      standard_->Release();
      delete this;
    }
    return left;
  }

  // IDispatch: the system's.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return standard_->GetTypeInfoCount(n); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override {
    return standard_->GetTypeInfo(i, l, t);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT n, LCID l, DISPID* ids) override {
    return standard_->GetIDsOfNames(iid, names, n, l, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID l, WORD f, DISPPARAMS* p, VARIANT* r, EXCEPINFO* e,
                                   UINT* a) override {
    return standard_->Invoke(id, iid, l, f, p, r, e, a);
  }

  // What the control says of itself.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
    if (const std::wstring name = own(child, &Control::accessibleName); !name.empty()) return giveText(name, out);
    if (const std::wstring name = isSelf(child) ? givenName(window_) : L""; !name.empty()) return giveText(name, out);
    return standard_->get_accName(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
    if (const std::wstring value = own(child, &Control::accessibleValue); !value.empty()) return giveText(value, out);
    return standard_->get_accValue(child, out);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
    const Control* c = isSelf(child) ? Control::fromHandle(window_) : nullptr;
    if (!c || c->accessibleRole() == 0) return standard_->get_accRole(child, out);
    if (!out) return E_POINTER;
    out->vt = VT_I4;
    out->lVal = c->accessibleRole();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
    if (const std::wstring action = own(child, &Control::accessibleAction); !action.empty())
      return giveText(action, out);
    return standard_->get_accDefaultAction(child, out);
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    Control* c = isSelf(child) ? Control::fromHandle(window_) : nullptr;
    if (!c || c->accessibleAction().empty()) return standard_->accDoDefaultAction(child);
    // Posted: the caller must not wait on what the click opens.
    PostMessageW(window_, accessibleClickMessage(), 0, 0);
    return S_OK;
  }

  // The rest: the system's.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** p) override { return standard_->get_accParent(p); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* n) override { return standard_->get_accChildCount(n); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch** p) override { return standard_->get_accChild(c, p); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT c, BSTR* s) override {
    return standard_->get_accDescription(c, s);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT c, VARIANT* s) override { return standard_->get_accState(c, s); }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR* s) override { return standard_->get_accHelp(c, s); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* f, VARIANT c, long* t) override {
    return standard_->get_accHelpTopic(f, c, t);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR* s) override {
    return standard_->get_accKeyboardShortcut(c, s);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* c) override { return standard_->get_accFocus(c); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* c) override { return standard_->get_accSelection(c); }
  HRESULT STDMETHODCALLTYPE accSelect(long f, VARIANT c) override { return standard_->accSelect(f, c); }
  HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* w, long* h, VARIANT c) override {
    return standard_->accLocation(x, y, w, h, c);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long d, VARIANT from, VARIANT* to) override {
    return standard_->accNavigate(d, from, to);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* c) override { return standard_->accHitTest(x, y, c); }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR s) override { return standard_->put_accName(c, s); }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR s) override { return standard_->put_accValue(c, s); }

 private:
  std::wstring own(const VARIANT& child, std::wstring (Control::*answer)() const) const {
    const Control* c = isSelf(child) ? Control::fromHandle(window_) : nullptr;
    return c ? (c->*answer)() : std::wstring();
  }

  HWND window_;
  IAccessible* standard_;
  ULONG references_ = 1;
};

LRESULT accessibleObjectOf(HWND window, WPARAM flags) {
  startCom();  // COM hands the object over
  IAccessible* standard = nullptr;
  if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, kIAccessible, reinterpret_cast<void**>(&standard))))
    return -1;
  auto* object = new ControlAccessible(window, standard);
  const LRESULT result = LresultFromObject(kIAccessible, flags, object);
  object->Release();
  return result;
}

LRESULT CALLBACK namedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
    if (const LRESULT object = accessibleObjectOf(window, wParam); object >= 0) return object;
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, namedWindowProc, 0);
    delete spokenNameOf(window);
    RemovePropW(window, spokenNameProperty);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void nameForScreenReaders(HWND window, std::wstring name) {
  if (std::wstring* given = spokenNameOf(window)) {
    *given = std::move(name);
    return;
  }
  SetPropW(window, spokenNameProperty, new std::wstring(std::move(name)));
  SetWindowSubclass(window, namedWindowProc, 0, 0);
}

UINT accessibleClickMessage() {
  static const UINT message = RegisterWindowMessageW(L"Morvi.AccessibleClick");
  return message;
}

LRESULT accessibleObject(Control& control, WPARAM flags) { return accessibleObjectOf(control.handle(), flags); }

}  // namespace fw
