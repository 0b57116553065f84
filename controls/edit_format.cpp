#include "controls/edit_format.h"

#include <algorithm>
#include <optional>

#include "framework/ui/beep.h"
#include "framework/desc/dpi_scaling.h"
#include "framework/graphics/gdi.h"
#include "framework/system/locale_win.h"
#include "framework/text/float_format.h"
#include "framework/ui/form.h"

namespace ctl {
namespace {

std::wstring currencyFormat(const std::wstring& currency) {
  return L"+,0.00 " + currency + L";-,0.00 " + currency;
}

// Digits, both decimal marks, the minus sign and Backspace. A French user
// types "," for the decimal point: refusing it would turn 12,5 into 125.
bool isNumberKey(wchar_t ch) {
  return (ch >= L'0' && ch <= L'9') || ch == L',' || ch == L'.' || ch == L'-' || ch == L'\b';
}

// The clipboard's text, if it holds any.
std::optional<std::wstring> clipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.emplace(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

DWORD alignmentStyle(Alignment a) {
  switch (a) {
    case Alignment::Left: return ES_LEFT;
    case Alignment::Center: return ES_CENTER;
    case Alignment::Right: break;
  }
  return ES_RIGHT;
}

}  // namespace

TEditFormat::TEditFormat() {
  setBounds(0, 0, 121, 25);
  displayFormat_ = currencyFormat(monnaie_);
  setFontColor(fw::clNavy);
  DisplayValue();
}

fw::Publication TEditFormat::publication() {
  using E = TEditFormat;
  return {"TEditFormat",
          {
              fw::property<E, Alignment>("Alignment", Alignment::Right, &E::alignment, &E::setAlignment),
              fw::property<E, bool>("AutoSize", true, &E::autoSize, &E::setAutoSize),
              fw::property<E, EditBorder>("BorderStyle", EditBorder::Single, &E::borderStyle, &E::setBorderStyle),
              // Before DisplayFormat, which a currency replaces: a stored format wins.
              fw::property<E, std::wstring>("Monnaie", L"", &E::monnaie, &E::setMonnaie),
              fw::property<E, std::wstring>("DisplayFormat", L"", &E::displayFormat, &E::setDisplayFormat),
              fw::property<E, bool>("HideSelection", true, &E::hideSelection, &E::setHideSelection),
              fw::property<E, int>("MaxLength", 0, &E::maxLength, &E::setMaxLength),
              fw::property<E, bool>("ReadOnly", false, &E::readOnly, &E::setReadOnly),
              fw::property<E, long double>("Value", 0, &E::value, &E::setValue),
              fw::event("OnChange"),
              fw::event("OnClick"),
              fw::event("OnDblClick"),
              fw::event("OnEnter"),
              fw::event("OnExit"),
              fw::event("OnKeyDown"),
              fw::event("OnKeyPress"),
              fw::event("OnKeyUp"),
              fw::event("OnMouseDown"),
              fw::event("OnMouseMove"),
              fw::event("OnMouseUp"),
          }};
}

void TEditFormat::setDisplayFormat(std::wstring format) {
  if (format == displayFormat_) return;
  displayFormat_ = std::move(format);
  DisplayValue();
}

void TEditFormat::setValue(long double value) {
  if (value == value_) return;
  value_ = value;
  DisplayValue();
}

void TEditFormat::setMonnaie(std::wstring currency) {
  if (currency == monnaie_) return;
  // One character: a surrogate pair stays whole.
  const bool pair = currency.size() > 1 && currency[0] >= 0xD800 && currency[0] < 0xDC00;
  monnaie_ = currency.substr(0, pair ? 2 : 1);
  displayFormat_ = currencyFormat(monnaie_);
  DisplayValue();
}

std::optional<long double> TEditFormat::textValue() const {
  const std::wstring shown = text();
  if (shown == shownText_) return value_;
  return fw::readNumber(shown, fw::numberFormat(), fw::NumberSource::Typed);
}

void TEditFormat::ParseText() {
  if (const auto read = textValue()) value_ = *read;
  else fw::beep(MB_ICONASTERISK);
}

void TEditFormat::DisplayValue() {
  std::wstring shown = fw::formatFloat(displayFormat_, value_, fw::numberFormat());
  shownText_ = shown;
  setText(std::move(shown));
  // By the text shown: a format may show a negative value without its sign.
  setFontColor(shownText_.find_first_of(L"-(") == std::wstring::npos ? fw::clNavy : fw::clRed);
}

void TEditFormat::Validate() {
  ParseText();
  // The caller reads the number the field then shows: a format without a
  // sign in its negative section shows -5 as 5, and 5 it is.
  value_ = fw::valueAsShown(value_, fw::formatFloat(displayFormat_, value_, fw::numberFormat()));
  DisplayValue();
}

void TEditFormat::setAlignment(Alignment v) {
  if (v == alignment_) return;
  alignment_ = v;
  if (!handle()) return;
  const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_STYLE) & ~LONG_PTR(ES_LEFT | ES_CENTER | ES_RIGHT);
  SetWindowLongPtrW(handle(), GWL_STYLE, style | LONG_PTR(alignmentStyle(v)));
  invalidate();
}

void TEditFormat::setAutoSize(bool v) {
  if (v == autoSize_) return;
  autoSize_ = v;
  adjustHeight();
}

void TEditFormat::setMaxLength(int v) {
  if (v == maxLength_) return;
  maxLength_ = v;
  if (handle()) SendMessageW(handle(), EM_LIMITTEXT, WPARAM(v), 0);
}

void TEditFormat::setReadOnly(bool v) {
  if (v == readOnly_) return;
  readOnly_ = v;
  if (handle()) SendMessageW(handle(), EM_SETREADONLY, v, 0);
}

fw::Control::WindowSpec TEditFormat::windowSpec() const {
  // A multi-line edit without word wrap and without Return, so that one
  // line can be right-aligned.
  WindowSpec window = EditBox::windowSpec();
  window.style |= ES_MULTILINE | alignmentStyle(alignment_) | (readOnly_ ? ES_READONLY : 0) |
                  (hideSelection_ ? 0 : ES_NOHIDESEL);
  if (borderStyle_ == EditBorder::None) window.exStyle &= ~DWORD(WS_EX_CLIENTEDGE);
  return window;
}

void TEditFormat::windowCreated() {
  SendMessageW(handle(), EM_LIMITTEXT, WPARAM(maxLength_), 0);
  adjustHeight();
}

void TEditFormat::fontChanged() {
  EditBox::fontChanged();
  adjustHeight();
}

void TEditFormat::adjustHeight() {
  if (!autoSize_ || borderStyle_ != EditBorder::Single || !handle()) return;
  fw::ScreenDC screen;
  TEXTMETRICW metrics{};
  fw::Selection s(screen.dc(), fontHandle());
  GetTextMetricsW(screen.dc(), &metrics);
  // The text and the sunken three-dimensional border with its margins,
  // designed at 96 dpi.
  setHeight(metrics.tmHeight + desc::scaleLength(8 * GetSystemMetrics(SM_CYBORDER), dpi()));
}

void TEditFormat::paste() {
  if (readOnly_) return;
  const std::optional<std::wstring> pasted = clipboardText(handle());
  if (!pasted) return;
  DWORD start = 0, end = 0;
  SendMessageW(handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  std::wstring result = text();
  result.replace(std::min<std::size_t>(start, result.size()), end - start, *pasted);
  // The field's whole text as it would be, not the pasted piece alone: a
  // paste completes what was typed ("12" and ",5"), and what is refused
  // leaves every character where it was.
  if (!fw::readPastedNumber(result, fw::numberFormat()) ||
      (maxLength_ > 0 && result.size() > static_cast<std::size_t>(maxLength_))) {
    fw::beep(MB_ICONASTERISK);
    return;
  }
  setText(std::move(result));
  const LPARAM caret = static_cast<LPARAM>(start + pasted->size());
  SendMessageW(handle(), EM_SETSEL, caret, caret);
}

void TEditFormat::keyPress(wchar_t ch) {
  if (ch == L'\r') {
    if (fw::Form* f = form()) SendMessageW(f->handle(), WM_NEXTDLGCTL, 0, 0);
  }
  fire("OnKeyPress");
}

LRESULT TEditFormat::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CHAR:
      if (wp == 0x16) {  // Ctrl+V
        paste();
        return 0;
      }
      keyPress(wchar_t(wp));
      if (!isNumberKey(wchar_t(wp))) {
        // Control characters (Ctrl+C, Return) are no typing to answer.
        if (beepOnRefusedKey_ && wp >= L' ') fw::beep(0);
        return 0;
      }
      break;
    case WM_SETFOCUS: {
      const LRESULT r = EditBox::handleMessage(msg, wp, lp);
      // The user edits the shown text itself, all of it selected.
      SendMessageW(handle(), EM_SETSEL, 0, -1);
      setFontColor(fw::clBlack);
      fire("OnEnter");
      return r;
    }
    case WM_KILLFOCUS: {
      const LRESULT r = EditBox::handleMessage(msg, wp, lp);
      ParseText();
      DisplayValue();
      fire("OnExit");
      return r;
    }
    case WM_PASTE:
      paste();
      return 0;
    case WM_KEYDOWN:
      // The edit pastes Shift+Insert itself, without a WM_PASTE to check.
      if (wp == VK_INSERT && (GetKeyState(VK_SHIFT) & 0x8000) && !(GetKeyState(VK_CONTROL) & 0x8000)) {
        paste();
        return 0;
      }
      fire("OnKeyDown");
      break;
    case WM_KEYUP: fire("OnKeyUp"); break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: fire("OnMouseDown"); break;
    case WM_MOUSEMOVE: fire("OnMouseMove"); break;
    case WM_LBUTTONUP: {
      const LRESULT r = EditBox::handleMessage(msg, wp, lp);
      fire("OnMouseUp");
      fire("OnClick");
      return r;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: fire("OnMouseUp"); break;
    case WM_LBUTTONDBLCLK: fire("OnDblClick"); break;
  }
  return EditBox::handleMessage(msg, wp, lp);
}

}  // namespace ctl
