#include "app/screen_calibration_dialog.h"

#include <algorithm>

#include "ruler/screen_ruler.h"

std::vector<fw::Form::HandlerEntry> TFormEtalonnageEcran::handlerTable() const {
  using F = TFormEtalonnageEcran;
  return {handler<F, &F::MesureChange>("MesureChange")};
}

void TFormEtalonnageEcran::loaded() {
  lblConsigne = bind<fw::Label>("lblConsigne");
  Barre = bind<fw::Label>("Barre");
  lblMesure = bind<fw::Label>("lblMesure");
  Mesure = bind<ctl::TEditFormat>("Mesure");
  lblMessage = bind<fw::Label>("lblMessage");
  BtOK = bind<fw::Button>("BtOK");
  BtAnnuler = bind<fw::Button>("BtAnnuler");
  Mesure->setBeepOnRefusedKey(true);
  // The field is read with its label, which comes last in the window order.
  Mesure->setAccessibleLabel(lblMesure);
}

std::optional<double> TFormEtalonnageEcran::run(HWND owner, const RECT& workArea, double pixelsPerMm) {
  TFormEtalonnageEcran form;
  form.barPixels_ = ruler::screenBarPixels(pixelsPerMm);
  form.setOwner(owner);
  form.createFromResource(L"FORMETALONNAGEECRAN");
  // On the monitor being measured, before the bar takes its length: a move
  // to a monitor of another display scale lays the dialog out again.
  RECT frame, client;
  GetWindowRect(form.handle(), &frame);
  SetWindowPos(form.handle(), nullptr, (workArea.left + workArea.right - (frame.right - frame.left)) / 2,
               (workArea.top + workArea.bottom - (frame.bottom - frame.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Wide enough for the bar, however large the pixels' count.
  GetWindowRect(form.handle(), &frame);
  GetClientRect(form.handle(), &client);
  const int clientWidth = std::max<int>(client.right, form.barPixels_ + 2 * form.Barre->left());
  form.setClientWidth(clientWidth);
  SetWindowPos(form.handle(), nullptr, 0, 0, frame.right - frame.left + clientWidth - client.right,
               frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  form.Barre->setWidth(form.barPixels_);
  form.Mesure->setText(L"");
  form.MesureChange(*form.Mesure);
  form.lblMessage->setCaption(L"");  // nothing typed yet: nothing wrong yet
  if (form.showModal() != fw::ModalResult::OK) return std::nullopt;
  return form.pitch_;
}

void TFormEtalonnageEcran::MesureChange(fw::Control&) {
  const std::optional<long double> measured = Mesure->textValue();
  pitch_ = ruler::pitchFromBar(barPixels_, measured);
  lblMessage->setFontColor(fw::clRed);
  lblMessage->setCaption(ruler::barFault(measured));
  BtOK->setEnabled(pitch_.has_value());
}
