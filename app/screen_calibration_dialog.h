// The dialog "Étalonner l'écran": a bar that should measure 100 mm, and the
// length the user measures on it with a real ruler held against the screen,
// from which the monitor's pixel size follows.
#pragma once

#include <optional>

#include "controls/edit_format.h"
#include "framework/ui/button.h"
#include "framework/ui/form.h"
#include "framework/ui/label.h"

class TFormEtalonnageEcran : public fw::Published<TFormEtalonnageEcran, fw::Form> {
 public:
  static fw::Publication publication() { return {"TFormEtalonnageEcran", {}}; }

  // Runs the dialog in the middle of `workArea`, the monitor's, its bar
  // drawn at `pixelsPerMm`. The monitor's pixels per millimetre, when "OK"
  // closed it; nothing otherwise.
  static std::optional<double> run(HWND owner, const RECT& workArea, double pixelsPerMm);

  fw::Label* lblConsigne = nullptr;
  fw::Label* Barre = nullptr;
  fw::Label* lblMesure = nullptr;
  ctl::TEditFormat* Mesure = nullptr;
  fw::Label* lblMessage = nullptr;
  fw::Button* BtOK = nullptr;
  fw::Button* BtAnnuler = nullptr;

  // "OK" only for a length of 50 to 200 mm; the line below says why not.
  void MesureChange(fw::Control& sender);

 protected:
  std::vector<HandlerEntry> handlerTable() const override;
  void loaded() override;

 private:
  int barPixels_ = 0;
  std::optional<double> pitch_;
};
