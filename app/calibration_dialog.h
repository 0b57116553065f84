// The calibration assistant "Étalonner l'imprimante": prints the calibration
// sheet, reads the length the user measured on its bar and proposes the
// calibration that makes the printer draw true.
#pragma once

#include <functional>
#include <optional>

#include "controls/edit_format.h"
#include "framework/system/printer.h"
#include "framework/ui/button.h"
#include "framework/ui/form.h"
#include "framework/ui/label.h"
#include "ruler/calibration.h"

class TFormEtalonnage : public fw::Published<TFormEtalonnage, fw::Form> {
 public:
  static fw::Publication publication() { return {"TFormEtalonnage", {}}; }

  // Runs the assistant over `owner` for the printer in force in the
  // orientation given, else the printer's own. The sheet prints once
  // `confirm` says so, on the printer then in force. The calibration to set,
  // when "Appliquer" closed it; nothing otherwise.
  static std::optional<ruler::Calibration> run(HWND owner, std::optional<fw::Orientation> orientation,
                                               std::function<bool()> confirm);

  fw::Label* lblImprimante = nullptr;
  fw::Label* lblOrientation = nullptr;
  fw::Button* BtFeuille = nullptr;
  fw::Label* lblMesure = nullptr;
  ctl::TEditFormat* Mesure = nullptr;
  fw::Label* lblProposition = nullptr;
  fw::Label* lblConseil = nullptr;
  fw::Button* BtAppliquer = nullptr;
  fw::Button* BtAnnuler = nullptr;

  void BtFeuilleClick(fw::Control& sender);
  void MesureChange(fw::Control& sender);

 protected:
  std::vector<HandlerEntry> handlerTable() const override;
  void loaded() override;

 private:
  // Shows the proposal, or what is wrong, and allows "Appliquer" only with a proposal.
  void showProposal(const ruler::CalibrationProposal& proposal);
  // Names the printer in force and its page, and asks for the length of its bar.
  void showPrinter();

  std::optional<fw::Orientation> orientation_;
  std::function<bool()> confirm_;
  int barMm_ = 0;
  std::optional<ruler::Calibration> proposal_;
};
