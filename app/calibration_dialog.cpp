#include "app/calibration_dialog.h"

#include "framework/system/printer.h"
#include "ruler/print_calibration_sheet.h"

std::vector<fw::Form::HandlerEntry> TFormEtalonnage::handlerTable() const {
  using F = TFormEtalonnage;
  return {handler<F, &F::BtFeuilleClick>("BtFeuilleClick"), handler<F, &F::MesureChange>("MesureChange")};
}

void TFormEtalonnage::loaded() {
  lblImprimante = bind<fw::Label>("lblImprimante");
  lblOrientation = bind<fw::Label>("lblOrientation");
  BtFeuille = bind<fw::Button>("BtFeuille");
  lblMesure = bind<fw::Label>("lblMesure");
  Mesure = bind<ctl::TEditFormat>("Mesure");
  lblProposition = bind<fw::Label>("lblProposition");
  lblConseil = bind<fw::Label>("lblConseil");
  BtAppliquer = bind<fw::Button>("BtAppliquer");
  BtAnnuler = bind<fw::Button>("BtAnnuler");
  // The field is read with its label, which comes last in the window order.
  Mesure->setAccessibleLabel(lblMesure);
}

std::optional<ruler::Calibration> TFormEtalonnage::run(HWND owner, std::optional<fw::Orientation> orientation,
                                                     std::function<bool()> confirm) {
  // The page is measured first: without a printer or a bar there is nothing to do.
  const int barMm = ruler::calibrationBarMm(fw::printer(), orientation);
  TFormEtalonnage form;
  form.orientation_ = orientation;
  form.confirm_ = std::move(confirm);
  form.barMm_ = barMm;
  form.setOwner(owner);
  form.createFromResource(L"FORMETALONNAGE");
  form.showPrinter();
  // Until the user types, the field's own zero is no measure to complain of.
  form.showProposal({std::nullopt, L"Imprimez la feuille, mesurez sa barre et saisissez la longueur.", L""});
  if (form.showModal() != fw::ModalResult::OK) return std::nullopt;
  return form.proposal_;
}

void TFormEtalonnage::showProposal(const ruler::CalibrationProposal& p) {
  proposal_ = p.calibration;
  lblProposition->setFontColor(p.calibration || p.advice.empty() ? fw::clNavy : fw::clRed);
  lblProposition->setCaption(p.text);
  lblConseil->setCaption(p.advice);
  BtAppliquer->setEnabled(p.calibration.has_value());
}

void TFormEtalonnage::showPrinter() {
  fw::Printer& printer = fw::printer();
  lblImprimante->setCaption(L"Imprimante : " + printer.name());
  lblOrientation->setCaption(L"Orientation : " + ruler::orientationName(printer, orientation_));
  lblMesure->setCaption(L"Longueur mesurée entre 0 et " + std::to_wstring(barMm_) + L" mm");
}

void TFormEtalonnage::BtFeuilleClick(fw::Control&) {
  if (!confirm_()) return;
  // The printer checked in the confirmation is the one the sheet, and so
  // the calibration, is for.
  barMm_ = ruler::calibrationBarMm(fw::printer(), orientation_);
  showPrinter();
  ruler::printCalibrationSheet(fw::printer(), orientation_);
}

void TFormEtalonnage::MesureChange(fw::Control&) {
  // The proposal follows the text as it is typed, before the field reads it.
  showProposal(ruler::proposeCalibration(barMm_, Mesure->textValue()));
}
