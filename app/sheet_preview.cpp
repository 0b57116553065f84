#include "app/sheet_preview.h"

#include "framework/error/error.h"
#include "framework/graphics/gdi.h"
#include "framework/ui/accessible.h"
#include "framework/ui/window_state.h"
#include "ruler/page_preview.h"
#include "ruler/sheet_picture.h"

namespace {

constexpr wchar_t previewClass[] = L"MorviSheetPreview";
constexpr COLORREF refusalInk = RGB(0xA0, 0x10, 0x10);

LRESULT CALLBACK previewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SheetPreview* preview = fw::windowState<SheetPreview>(window, message, lParam);
  if (!preview) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(window, &ps);
      RECT box;
      GetClientRect(window, &box);
      preview->paint(dc, box);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT box;
      GetClientRect(window, &box);
      preview->paint(reinterpret_cast<HDC>(wParam), box);
      return 0;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      preview->windowDestroyed();
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void registerPreviewClass() {
  static const bool registered = [] {
    const WNDCLASSEXW cls{sizeof cls, CS_HREDRAW | CS_VREDRAW, previewProc, 0, 0, GetModuleHandleW(nullptr), nullptr,
                          LoadCursorW(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr,
                          previewClass, nullptr};
    return RegisterClassExW(&cls) != 0;
  }();
  (void)registered;
}

}  // namespace

SheetPreview::SheetPreview(PreviewedSheet sheet, std::optional<fw::Orientation> orientation,
                           std::vector<ruler::PrinterOffer> printers)
    : sheet_(std::move(sheet)), orientation_(orientation), printers_(std::move(printers)) {}

SheetPreview::~SheetPreview() {
  if (window_) DestroyWindow(window_);
}

void SheetPreview::create(HWND dialog, const RECT& place, HFONT font) {
  registerPreviewClass();
  font_ = font;
  window_ = CreateWindowExW(0, previewClass, nullptr, WS_CHILD | WS_VISIBLE, place.left, place.top,
                            place.right - place.left, place.bottom - place.top, dialog, nullptr,
                            GetModuleHandleW(nullptr), this);
}

bool SheetPreview::show(int chosen) {
  const ruler::PrinterOffer& offer = printers_.at(std::size_t(chosen));
  // A printer object of its own: the printer in force stays as it is until "Oui".
  fw::Printer printer;
  printer.use(offer.name);
  std::optional<ruler::PrintablePage> measured;
  bool answerable = true;
  std::wstring name;
  try {
    drawing_ = ruler::drawPage(printer, orientation_, [&](const ruler::PrintablePage& page) {
      measured = page;
      return sheet_.layout(printer, page, offer.calibration);
    });
    said_.clear();
    name = fw::spokenText(ruler::previewName(drawing_->page, sheet_.title, ruler::calibrationSaid(offer)));
  } catch (const fw::PrinterError& error) {
    said_ = name = error.message();
    // Measured, then refused: the page cannot hold the sheet, and nothing
    // would print. A printer that cannot be measured is said again by the
    // print itself, as it always was.
    drawing_.reset();
    if (measured) drawing_ = ruler::PageDrawing{*measured, {}};
    answerable = !measured;
  }
  if (window_) {
    SetWindowTextW(window_, name.c_str());
    fw::nameForScreenReaders(window_, name);
    InvalidateRect(window_, nullptr, TRUE);
  }
  return answerable;
}

void SheetPreview::paint(HDC dc, const RECT& box) const {
  FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
  if (drawing_) ruler::paintSheet(dc, box, *drawing_);
  if (said_.empty()) return;
  // The reason in the middle of the paper, in the dialog's font.
  const fw::Selection selection(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  RECT text = box;
  InflateRect(&text, -(box.right - box.left) / 8, 0);
  RECT measuredText = text;
  DrawTextW(dc, said_.c_str(), int(said_.size()), &measuredText, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  OffsetRect(&text, 0, ((box.bottom - box.top) - (measuredText.bottom - measuredText.top)) / 2);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, refusalInk);
  DrawTextW(dc, said_.c_str(), int(said_.size()), &text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}
