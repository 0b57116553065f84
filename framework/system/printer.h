// The printer this program prints on: the one it was told to use, else the
// system's default. The orientation lives in the program's own copy of the
// printer's settings: the system's settings, its default printer included,
// never change.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/gdi.h"
#include "framework/system/print_handles.h"

namespace fw {

enum class Orientation { Portrait, Landscape };

// The printer errors' texts.
inline constexpr wchar_t noDefaultPrinterText[] = L"Aucune imprimante par défaut sélectionnée";
inline constexpr wchar_t notSupportedText[] = L"Opération non supportée par l'imprimante sélectionnée";
inline constexpr wchar_t printingInProgressText[] = L"Impression en cours";
// A printer the system names but cannot open, and a job it refuses.
std::wstring printerUnavailableText(std::wstring_view printer);
std::wstring printRefusedText(std::wstring_view printer);

// The system's default printer, whatever the length of its name.
std::wstring defaultPrinterName();
// The printers installed for this user, local and connected, as the system
// names them; none when there are none or the spooler cannot be reached.
std::vector<std::wstring> installedPrinters();

// The face and size of the text on a page, to show it as it will print.
std::wstring pageFontFace();
int pageFontPoints();

class Printer {
 public:
  Printer() = default;
  ~Printer();
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  // Both throw PrinterError when there is no default printer or it offers no
  // settings; setting also while a document is open.
  Orientation orientation();
  void setOrientation(Orientation orientation);
  // The name the system knows the printer by.
  const std::wstring& name() { return device().name; }

  // The printer's device context in the current orientation, for
  // GetDeviceCaps.
  HDC handle();

  // The printer the next measurement and job go to: the one named, or the
  // system's default when the name is empty. Not while a document is open.
  void use(std::wstring name);
  // The default printer afresh when none is named and the system's default
  // is no longer the one these settings are for.
  void followDefault();

  // One page, no document name. A document that is open when the printer
  // goes away is aborted. Each step the system refuses throws
  // printRefusedText: nothing is reported as printed that was not.
  bool printing() const { return printing_; }
  void beginDoc();
  void endDoc();
  void abort();

  // Drawing on the page in device pixels, with the default pen and the
  // default font at 8 points.
  void moveTo(int x, int y);
  void lineTo(int x, int y);
  void textOut(int x, int y, std::wstring_view text);
  // The extent `text` will have on the page, in device pixels.
  SIZE textSize(std::wstring_view text);

 private:
  struct Device {
    std::wstring name;
    PrinterHandle handle;
    DevModeBuffer settings;
  };
  Device& device();
  static Font pageFont(HDC dc);  // the default font at 8 points on `dc`
  HDC page();  // the device context while a document is open
  int closeDocument(int(WINAPI* finish)(HDC));  // the system's answer
  [[noreturn]] void refuse();                   // aborts the job and says so

  std::wstring named_;
  std::optional<Device> device_;
  DeviceContext dc_;
  Font font_;
  std::optional<Selection> fontSelection_;
  bool printing_ = false;
};

// The program's one printer object.
Printer& printer();

}  // namespace fw
