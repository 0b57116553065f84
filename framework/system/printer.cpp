#include "framework/system/printer.h"

#include <stdexcept>
#include <vector>

#include "framework/error/error.h"

namespace fw {
namespace {

constexpr int defaultFontPoints = 8;


// The system's usual dialog face, the one message boxes use.
std::wstring dialogFace() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return L"Tahoma";
  return metrics.lfMessageFont.lfFaceName;
}

}  // namespace

std::wstring pageFontFace() { return dialogFace(); }
int pageFontPoints() { return defaultFontPoints; }

std::wstring defaultPrinterName() {
  // Asked with room to spare rather than asked for its size first: Wine
  // answers the size query with nothing for a name of 100 characters.
  std::vector<wchar_t> name(256);
  for (;;) {
    DWORD size = static_cast<DWORD>(name.size());
    if (GetDefaultPrinterW(name.data(), &size)) return name.data();
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= name.size()) throw PrinterError(noDefaultPrinterText);
    name.resize(size);
  }
}

std::vector<std::wstring> installedPrinters() {
  constexpr DWORD which = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0, count = 0;
  EnumPrintersW(which, nullptr, 4, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (needed == 0 || !EnumPrintersW(which, nullptr, 4, buffer.data(), needed, &needed, &count)) return {};
  const auto* info = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
  std::vector<std::wstring> names;
  for (DWORD i = 0; i < count; ++i) names.emplace_back(info[i].pPrinterName);
  return names;
}

std::wstring printerUnavailableText(std::wstring_view printer) {
  return L"L'imprimante « " + std::wstring(printer) + L" » n'est pas disponible";
}

std::wstring printRefusedText(std::wstring_view printer) {
  return L"L'imprimante « " + std::wstring(printer) + L" » a refusé l'impression : rien n'a été imprimé";
}

Printer::~Printer() {
  if (printing_) abort();
}

Printer::Device& Printer::device() {
  if (device_) return *device_;
  Device d{named_.empty() ? defaultPrinterName() : named_, {}, {}};
  HANDLE opened = nullptr;
  if (!OpenPrinterW(d.name.data(), &opened, nullptr)) throw PrinterError(printerUnavailableText(d.name));
  d.handle.reset(opened);
  // Our own copy of the printer's current settings, asked from the driver.
  const LONG size = DocumentPropertiesW(nullptr, opened, d.name.data(), nullptr, nullptr, 0);
  if (size <= 0) throw PrinterError(notSupportedText);
  d.settings = DevModeBuffer(static_cast<std::size_t>(size));
  if (DocumentPropertiesW(nullptr, opened, d.name.data(), d.settings.get(), nullptr, DM_OUT_BUFFER) < 0) {
    throw PrinterError(notSupportedText);
  }
  return device_.emplace(std::move(d));
}

void Printer::use(std::wstring name) {
  if (printing_) throw PrinterError(printingInProgressText);
  if (name == named_) return;
  named_ = std::move(name);
  device_.reset();
  dc_.reset();
}

void Printer::followDefault() {
  if (printing_ || !device_ || !named_.empty()) return;
  if (defaultPrinterName() == device_->name) return;
  device_.reset();
  dc_.reset();
}

Orientation Printer::orientation() {
  return device().settings->dmOrientation == DMORIENT_LANDSCAPE ? Orientation::Landscape : Orientation::Portrait;
}

void Printer::setOrientation(Orientation orientation) {
  Device& d = device();
  if (printing_) throw PrinterError(printingInProgressText);
  const short wanted = orientation == Orientation::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
  if (d.settings->dmOrientation == wanted && (d.settings->dmFields & DM_ORIENTATION)) return;
  d.settings->dmOrientation = wanted;
  d.settings->dmFields |= DM_ORIENTATION;
  dc_.reset();  // the next measurement sees the new page
}

HDC Printer::handle() {
  if (!dc_) {
    Device& d = device();
    dc_.reset(CreateDCW(L"WINSPOOL", d.name.c_str(), nullptr, d.settings.get()));
    if (!dc_) throw PrinterError(notSupportedText);
  }
  return dc_.get();
}

void Printer::beginDoc() {
  if (printing_) throw PrinterError(printingInProgressText);
  HDC dc = handle();
  DOCINFOW doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = L"";
  if (StartDocW(dc, &doc) <= 0) {
    dc_.reset();
    throw PrinterError(printRefusedText(device().name));
  }
  printing_ = true;
  if (StartPage(dc) <= 0) refuse();
  font_ = pageFont(dc);
  fontSelection_.emplace(dc, font_.get());
}

Font Printer::pageFont(HDC dc) {
  LOGFONTW face{};
  face.lfHeight = -MulDiv(defaultFontPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
  face.lfWeight = FW_NORMAL;
  face.lfCharSet = DEFAULT_CHARSET;
  const std::wstring name = dialogFace();
  name.copy(face.lfFaceName, LF_FACESIZE - 1);
  return Font(CreateFontIndirectW(&face));
}

SIZE Printer::textSize(std::wstring_view text) {
  SIZE size{};
  if (printing_) {
    GetTextExtentPoint32W(page(), text.data(), static_cast<int>(text.size()), &size);
  } else {
    const HDC dc = handle();
    const Font font = pageFont(dc);
    const Selection selection(dc, font.get());
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  }
  return size;
}

void Printer::endDoc() {
  if (EndPage(page()) <= 0) refuse();
  // Under Wine the spooler's refusal (a queue gone, jobs rejected) shows here.
  if (closeDocument(EndDoc) <= 0) throw PrinterError(printRefusedText(device().name));
}

void Printer::refuse() {
  abort();
  throw PrinterError(printRefusedText(device().name));
}

void Printer::abort() { closeDocument(AbortDoc); }

int Printer::closeDocument(int(WINAPI* finish)(HDC)) {
  const int result = finish(page());
  fontSelection_.reset();
  font_.reset();
  dc_.reset();  // the next document starts on a fresh device context
  printing_ = false;
  return result;
}

HDC Printer::page() {
  if (!printing_) throw std::logic_error("no document is open on the printer");
  return dc_.get();
}

void Printer::moveTo(int x, int y) { MoveToEx(page(), x, y, nullptr); }
void Printer::lineTo(int x, int y) { LineTo(page(), x, y); }
void Printer::textOut(int x, int y, std::wstring_view text) {
  // Each letter where the extent put it. Left to itself a driver may place
  // the letters by the font's unrounded widths (Wine's PostScript driver
  // does, 0.3 % wider than the extent at 300 dpi), and a text measured to
  // end at the edge of the printable area would cross it.
  const HDC dc = page();
  const int count = static_cast<int>(text.size());
  std::vector<int> advances(text.size());
  SIZE size{};
  if (!GetTextExtentExPointW(dc, text.data(), count, 0, nullptr, advances.data(), &size)) {
    TextOutW(dc, x, y, text.data(), count);
    return;
  }
  for (std::size_t i = advances.size(); i-- > 1;) advances[i] -= advances[i - 1];
  ExtTextOutW(dc, x, y, 0, nullptr, text.data(), static_cast<UINT>(count), advances.data());
}

Printer& printer() {
  static Printer instance;
  return instance;
}

}  // namespace fw
