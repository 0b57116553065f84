#include "framework/ui/label.h"

#include <oleacc.h>

namespace fw {

Publication Label::publication() {
  return {"TLabel",
          {
              property<Label, std::wstring>("Caption", L"", &Label::caption, &Label::setCaption),
              property<Label, bool>("AutoSize", true, &Label::autoSize, &Label::setAutoSize),
              event("OnClick"),
              event("OnMouseEnter"),
              event("OnMouseLeave"),
          }};
}

void Label::setAutoSize(bool v) {
  if (v == autoSize_) return;
  autoSize_ = v;
  fitToText();
}

void Label::setLink(std::wstring address) {
  linkAddress_ = std::move(address);
  setTabStop(true);
}

long Label::accessibleRole() const { return isLink() ? ROLE_SYSTEM_LINK : ROLE_SYSTEM_STATICTEXT; }

std::wstring Label::accessibleAction() const { return isLink() ? L"Ouvrir" : L""; }

void Label::windowCreated() { fitToText(); }

void Label::fontChanged() {
  Control::fontChanged();
  fitToText();
}

void Label::captionChanged() {
  Control::captionChanged();
  fitToText();
}

void Label::fitToText() {
  if (!autoSize_ || !handle()) return;
  ScreenDC screen;
  Selection selectFont(screen.dc(), fontHandle());
  RECT r{0, 0, 0, 0};
  DrawTextW(screen.dc(), caption().c_str(), int(caption().size()), &r, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
  setBounds(left(), top(), r.right, r.bottom);
}

void Label::paint(HDC dc, const RECT& client) {
  paintBackground(dc, client);
  Selection selectFont(dc, fontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, toColorRef(this->font().color));
  RECT r = client;
  DrawTextW(dc, caption().c_str(), int(caption().size()), &r, DT_NOPREFIX | DT_SINGLELINE);
  if (isLink() && GetFocus() == handle()) DrawFocusRect(dc, &client);
}

LRESULT Label::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!mouseInside_) {
        mouseInside_ = true;
        TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, handle(), 0};
        TrackMouseEvent(&t);
        fire("OnMouseEnter");
      }
      return 0;
    case WM_MOUSELEAVE:
      mouseInside_ = false;
      fire("OnMouseLeave");
      return 0;
    case WM_LBUTTONUP:
      click();
      return 0;
  }
  if (!isLink()) return Control::handleMessage(msg, wp, lp);
  switch (msg) {
    case WM_GETDLGCODE: {
      // Space comes as a character; Enter is asked for, or the window would
      // give it to its default button.
      const auto* asked = reinterpret_cast<const MSG*>(lp);
      const bool enter = asked && asked->message == WM_KEYDOWN && asked->wParam == VK_RETURN;
      return DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
      // Once per press: a held key repeats without opening again.
      if ((wp == VK_RETURN || wp == VK_SPACE) && !(lp & (1 << 30))) click();
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      invalidate();
      break;
  }
  return Control::handleMessage(msg, wp, lp);
}

}  // namespace fw
