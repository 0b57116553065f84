// The print button: confirm, then print the ruler of the selected scale, a
// catalogue one or the one the user gave.
#include "app/main_window.h"
#include "framework/system/locale_win.h"
#include "framework/system/printer.h"
#include "ruler/print_ruler.h"

void TFormmorvi::AdvGlowButton1Click(fw::Control&) {
  // " Autre…" reached by the arrows, before any N: the N is asked first.
  if (RG_Morvi->itemIndex() == OtherScaleItem && !OtherScale && !askOtherScale()) return;
  // The main window takes no input while the confirmation is open: the
  // scale selected now is the one printed.
  const int index = RG_Morvi->itemIndex();
  const wchar_t decimal = fw::numberFormat().decimal;
  const std::wstring otherTitle = OtherScale ? ruler::scaleTitle(*OtherScale, decimal) : L"";
  std::optional<ruler::Graduation> graduation;
  if (const ruler::ScaleEntry* entry = ruler::scaleAt(index)) {
    graduation = entry->graduation;
  } else if (index == OtherScaleItem && OtherScale) {
    graduation = ruler::graduationFor(*OtherScale, otherTitle);
  }
  PreviewedSheet sheet;
  if (graduation) {
    sheet = {std::wstring(graduation->title), [g = *graduation, decimal](fw::Printer& printer,
                                                                         const ruler::PrintablePage& page,
                                                                         ruler::Calibration calibration) {
               return ruler::rulerSheetOn(printer, page, g, calibration, decimal).ops;
             }};
  }
  if (confirmPrint(sheet) && graduation) PrintRuler(*graduation);
}

void TFormmorvi::PrintRuler(const ruler::Graduation& graduation) {
  ruler::printRuler(fw::printer(), graduation, PrinterCalibration, chosenOrientation(), fw::numberFormat().decimal);
}

std::optional<fw::Orientation> TFormmorvi::chosenOrientation() const {
  switch (RgOrient->itemIndex()) {
    case 0: return fw::Orientation::Portrait;
    case 1: return fw::Orientation::Landscape;
    default: return std::nullopt;
  }
}
