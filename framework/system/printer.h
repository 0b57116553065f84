// The system's default printer as this program uses it. The orientation
// lives in the program's own copy of the printer's settings: the system's
// settings never change.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "framework/graphics/gdi.h"
#include "framework/system/print_handles.h"

namespace fw {

enum class Orientation { Portrait, Landscape };

// The printer errors' texts.
inline constexpr wchar_t noDefaultPrinterText[] = L"Aucune imprimante par défaut sélectionnée";
inline constexpr wchar_t notSupportedText[] = L"Opération non supportée par l'imprimante sélectionnée";
inline constexpr wchar_t printingInProgressText[] = L"Impression en cours";

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

  // One page, no document name. A document that is open when the printer
  // goes away is aborted.
  bool printing() const { return printing_; }
  void beginDoc();
  void endDoc();
  void abort();

  // Drawing on the page in device pixels, with the default pen and the
  // default font at 8 points.
  void moveTo(int x, int y);
  void lineTo(int x, int y);
  void textOut(int x, int y, std::wstring_view text);

 private:
  struct Device {
    std::wstring name;
    PrinterHandle handle;
    DevModeBuffer settings;
  };
  Device& device();
  HDC page();  // the device context while a document is open
  void closeDocument(int(WINAPI* finish)(HDC));

  std::optional<Device> device_;
  DeviceContext dc_;
  Font font_;
  std::optional<Selection> fontSelection_;
  bool printing_ = false;
};

// The program's one printer object.
Printer& printer();

}  // namespace fw
