#include "app/other_scale_dialog.h"

#include "framework/system/locale_win.h"

std::vector<fw::Form::HandlerEntry> TFormAutreEchelle::handlerTable() const {
  using F = TFormAutreEchelle;
  return {handler<F, &F::DenominateurChange>("DenominateurChange")};
}

void TFormAutreEchelle::loaded() {
  lblEchelle = bind<fw::Label>("lblEchelle");
  Denominateur = bind<ctl::TEditFormat>("Denominateur");
  lblPlage = bind<fw::Label>("lblPlage");
  BtOK = bind<fw::Button>("BtOK");
  BtAnnuler = bind<fw::Button>("BtAnnuler");
  // A key dropped without a sound would leave "13" of a typed "1e3".
  Denominateur->setBeepOnRefusedKey(true);
}

std::optional<ruler::ScaleDenominator> TFormAutreEchelle::run(HWND owner,
                                                              std::optional<ruler::ScaleDenominator> proposed) {
  TFormAutreEchelle form;
  form.setOwner(owner);
  form.createFromResource(L"FORMAUTREECHELLE");
  // The text itself, not a value shown through the field's format: 141,4
  // and not 141,40.
  form.Denominateur->setText(proposed ? proposed->text(fw::numberFormat().decimal) : L"");
  form.DenominateurChange(*form.Denominateur);
  if (form.showModal() != fw::ModalResult::OK) return std::nullopt;
  const std::optional<long double> n = form.Denominateur->textValue();
  return n ? ruler::ScaleDenominator::ofValue(*n) : std::nullopt;
}

void TFormAutreEchelle::DenominateurChange(fw::Control&) {
  // The field's own reading, as the main window's dimension fields read.
  const std::optional<long double> n = Denominateur->textValue();
  BtOK->setEnabled(n && ruler::ScaleDenominator::ofValue(*n));
  lblPlage->setCaption(ruler::denominatorFault(n));
}
