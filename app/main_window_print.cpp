// The print button: confirm, then print the ruler of the selected scale.
#include "app/main_window.h"
#include "framework/system/locale_win.h"
#include "framework/ui/message_dialog.h"
#include "framework/system/printer.h"
#include "ruler/print_ruler.h"
#include "ruler/scale_catalogue.h"

void TFormmorvi::AdvGlowButton1Click(fw::Control&) {
  // Only "Oui" prints: a dialog closed without an answer prints nothing.
  if (fw::messageDialog(L"Confirmez l'impression", fw::DialogType::Confirmation,
                        {fw::DialogButton::Yes, fw::DialogButton::No}, 0) != fw::ModalResult::Yes)
    return;
  const ruler::ScaleEntry* entry = ruler::scaleAt(RG_Morvi->itemIndex());
  if (!entry) return;
  const ruler::Graduation& g = entry->graduation;
  PrintRuler(std::wstring(g.title), g.tickStep, g.labelInterval, g.labelStep, g.scaleDenominator);
}

void TFormmorvi::PrintRuler(const std::wstring& title, std::int32_t tickStep, std::int32_t labelInterval,
                            double labelStep, std::int32_t scaleDenominator) {
  const ruler::Graduation graduation{title, tickStep, labelInterval, labelStep, scaleDenominator};
  ruler::printRuler(fw::printer(), graduation, PrinterCalibration, RgOrient->itemIndex(), fw::numberFormat().decimal);
}
