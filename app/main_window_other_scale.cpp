// The scale the catalogue lacks: its radio item opens the dialog
// "Autre échelle", and once N is given reads " 1:N".
#include "app/main_window.h"
#include "app/other_scale_dialog.h"
#include "framework/system/locale_win.h"

void TFormmorvi::showOtherScale() {
  RG_Morvi->setItem(OtherScaleItem,
                    OtherScale ? ruler::scaleItemText(*OtherScale, fw::numberFormat().decimal) : L" Autre…");
}

void TFormmorvi::RG_MorviClick(fw::Control&) {
  if (RG_Morvi->itemIndex() != OtherScaleItem) {
    SelectedScale = RG_Morvi->itemIndex();
    scaleInForceChanged();
    return;
  }
  askOtherScale();  // clicked again, the item asks again
}

void TFormmorvi::RG_MorviChange(fw::Control&) {
  // The arrows pass " Autre…" without asking; once N is given it is a scale
  // like the others.
  if (RG_Morvi->itemIndex() != OtherScaleItem || OtherScale) SelectedScale = RG_Morvi->itemIndex();
  scaleInForceChanged();
}

bool TFormmorvi::askOtherScale() {
  // The scale finder's answer first.
  const std::optional<ruler::ScaleDenominator> chosen =
      TFormAutreEchelle::run(handle(), LastScaleAnswer ? LastScaleAnswer : OtherScale);
  // A scale of the catalogue selects its own item; the item after keeps
  // what it read.
  const std::optional<int> catalogueItem = chosen ? ruler::catalogueItem(*chosen) : std::nullopt;
  if (catalogueItem) SelectedScale = *catalogueItem;
  if (!chosen || catalogueItem) {
    RG_Morvi->setItemIndex(SelectedScale);
    RG_Morvi->focus();
    scaleInForceChanged();
    return catalogueItem.has_value();
  }
  OtherScale = chosen;
  SelectedScale = OtherScaleItem;
  showOtherScale();
  scaleInForceChanged();
  if (Settings) {
    Settings->setOtherScale(*OtherScale);
    saveSettings();
  }
  return true;
}
