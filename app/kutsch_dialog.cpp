#include "app/kutsch_dialog.h"

#include <string>

#include "framework/system/locale_win.h"

namespace {

constexpr wchar_t rangeHint[] = L"De 1 à 100\u202F000, au dixième";

}  // namespace

std::vector<fw::Form::HandlerEntry> TFormKutsch::handlerTable() const {
  using F = TFormKutsch;
  return {handler<F, &F::RgJeuxClick>("RgJeuxClick"), handler<F, &F::EchelleChange>("EchelleChange"),
          handler<F, &F::BtImprimerClick>("BtImprimerClick")};
}

void TFormKutsch::loaded() {
  RgJeux = bind<fw::RadioGroup>("RgJeux");
  for (std::size_t i = 0; i < ruler::stripCount; ++i) {
    const std::string number = std::to_string(i + 1);
    lblEchelles[i] = bind<fw::Label>(("lblEchelle" + number).c_str());
    Echelles[i] = bind<ctl::TEditFormat>(("Echelle" + number).c_str());
    Echelles[i]->setAccessibleLabel(lblEchelles[i]);
    Echelles[i]->setBeepOnRefusedKey(true);  // as the other scale's field
  }
  lblPlage = bind<fw::Label>("lblPlage");
  BtImprimer = bind<fw::Button>("BtImprimer");
  BtAnnuler = bind<fw::Button>("BtAnnuler");
}

std::optional<ruler::StripScales> TFormKutsch::run(HWND owner, const ruler::StripScales& scales,
                                                   const Confirm& confirm) {
  TFormKutsch form;
  form.confirm_ = confirm;
  form.setOwner(owner);
  form.createFromResource(L"FORMKUTSCH");
  form.show(scales);
  if (form.showModal() != fw::ModalResult::OK) return std::nullopt;
  return form.scales();
}

std::optional<ruler::StripScales> TFormKutsch::scales() const {
  std::array<std::optional<ruler::ScaleDenominator>, ruler::stripCount> read;
  for (std::size_t i = 0; i < ruler::stripCount; ++i) {
    // The field's own reading, as the other scale's dialog reads its N.
    const std::optional<long double> n = Echelles[i]->textValue();
    if (n) read[i] = ruler::ScaleDenominator::ofValue(*n);
  }
  return ruler::allSix(read);
}

void TFormKutsch::show(const ruler::StripScales& scales) {
  // The text itself, not a value shown through the field's format: 141,4
  // and not 141,40.
  for (std::size_t i = 0; i < ruler::stripCount; ++i)
    Echelles[i]->setText(scales[i].text(fw::numberFormat().decimal));
  EchelleChange(*Echelles[0]);
}

void TFormKutsch::RgJeuxClick(fw::Control&) {
  const int index = RgJeux->itemIndex();
  if (index >= 0 && static_cast<std::size_t>(index) < ruler::scaleSets().size())
    show(ruler::scalesOf(ruler::scaleSets()[static_cast<std::size_t>(index)]));
}

void TFormKutsch::EchelleChange(fw::Control&) {
  const std::optional<ruler::StripScales> read = scales();
  BtImprimer->setEnabled(read.has_value());
  // Why "Imprimer" is greyed: the first field that holds no N.
  std::wstring fault;
  for (std::size_t i = 0; i < ruler::stripCount && fault.empty(); ++i) {
    const std::wstring why = ruler::denominatorFault(Echelles[i]->textValue());
    if (!why.empty()) fault = L"Bande " + std::to_wstring(i + 1) + L" : " + why;
  }
  lblPlage->setCaption(fault.empty() ? rangeHint : fault);
  int chosen = -1;
  for (std::size_t i = 0; read && i < ruler::scaleSets().size(); ++i) {
    if (ruler::scalesOf(ruler::scaleSets()[i]) == *read) chosen = static_cast<int>(i);
  }
  if (RgJeux->itemIndex() != chosen) RgJeux->setItemIndex(chosen);
}

void TFormKutsch::BtImprimerClick(fw::Control&) {
  // Enabled only while all six read.
  if (const std::optional<ruler::StripScales> six = scales(); six && confirm_(*six))
    setModalResult(fw::ModalResult::OK);
}
