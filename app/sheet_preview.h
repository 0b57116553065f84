// The print confirmation's preview: the sheet as it will print on the
// printer checked in the list, drawn from the operations the printer gets,
// redrawn at once for another printer. A page too small for the sheet is
// said in the preview in the refusal's own words, and "Oui" is greyed.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/system/printer.h"
#include "framework/ui/message_dialog.h"
#include "ruler/print_page.h"
#include "ruler/printer_choice.h"

// A sheet as the printer gets it, with the calibration it prints with.
struct PreviewedSheet {
  std::wstring title;  // "Echelle 1:100", as the preview's name says it
  std::function<std::vector<ruler::DrawOp>(fw::Printer&, const ruler::PrintablePage&, ruler::Calibration)> layout;
};

class SheetPreview final : public fw::ChoiceView {
 public:
  SheetPreview(PreviewedSheet sheet, std::optional<fw::Orientation> orientation,
               std::vector<ruler::PrinterOffer> printers);
  // Its window goes with it: the dialog leaves its own windows to the
  // message loop once answered, after the preview is gone.
  ~SheetPreview() override;
  SheetPreview(const SheetPreview&) = delete;
  SheetPreview& operator=(const SheetPreview&) = delete;
  void create(HWND dialog, const RECT& place, HFONT font) override;
  bool show(int chosen) override;

  // What the window shows, painted into `dc` within `box`.
  void paint(HDC dc, const RECT& box) const;
  void windowDestroyed() { window_ = nullptr; }

 private:
  PreviewedSheet sheet_;
  std::optional<fw::Orientation> orientation_;
  std::vector<ruler::PrinterOffer> printers_;
  HWND window_ = nullptr;
  HFONT font_ = nullptr;  // the dialog's
  std::optional<ruler::PageDrawing> drawing_;  // the page, and the sheet on it while it fits
  std::wstring said_;                          // why nothing prints, when something stands in the way
};
