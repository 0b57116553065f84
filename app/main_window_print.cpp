// The print button: confirm, then print the ruler of the selected scale, a
// catalogue one or the one the user gave.
#include "app/main_window.h"
#include "framework/system/locale_win.h"
#include "framework/system/printer.h"
#include "ruler/print_ruler.h"

void TFormmorvi::AdvGlowButton1Click(fw::Control&) {
  // " Autre…" reached by the arrows, before any N: the N is asked first.
  if (RG_Morvi->itemIndex() == OtherScaleItem && !OtherScale && !askOtherScale()) return;
  if (!confirmPrint()) return;
  const int index = RG_Morvi->itemIndex();
  if (const ruler::ScaleEntry* entry = ruler::scaleAt(index)) {
    PrintRuler(entry->graduation);
  } else if (index == OtherScaleItem && OtherScale) {
    const std::wstring title = ruler::scaleTitle(*OtherScale, fw::numberFormat().decimal);
    PrintRuler(ruler::graduationFor(*OtherScale, title));
  }
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
