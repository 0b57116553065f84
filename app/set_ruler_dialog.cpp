#include "app/set_ruler_dialog.h"

std::vector<fw::Form::HandlerEntry> TFormCalerRegle::handlerTable() const {
  using F = TFormCalerRegle;
  return {handler<F, &F::LongueurChange>("LongueurChange")};
}

void TFormCalerRegle::loaded() {
  lblLongueur = bind<fw::Label>("lblLongueur");
  Longueur = bind<ctl::TEditFormat>("Longueur");
  lblMessage = bind<fw::Label>("lblMessage");
  BtOK = bind<fw::Button>("BtOK");
  BtAnnuler = bind<fw::Button>("BtAnnuler");
  Longueur->setBeepOnRefusedKey(true);
  // The field is read with its label, which comes last in the window order.
  Longueur->setAccessibleLabel(lblLongueur);
}

std::optional<ruler::ScaleDenominator> TFormCalerRegle::run(HWND owner, const std::wstring& proposed, Judge judge) {
  TFormCalerRegle form;
  form.judge_ = std::move(judge);
  form.setOwner(owner);
  form.createFromResource(L"FORMCALERREGLE");
  form.Longueur->setText(proposed);
  form.LongueurChange(*form.Longueur);
  if (form.showModal() != fw::ModalResult::OK) return std::nullopt;
  return form.set_.n;
}

void TFormCalerRegle::LongueurChange(fw::Control&) {
  // The field's own reading, as the scale finder's fields read.
  set_ = judge_(Longueur->textValue());
  lblMessage->setFontColor(fw::clRed);
  lblMessage->setCaption(set_.fault);
  BtOK->setEnabled(set_.n.has_value());
}
