// The dialog "Autre échelle": the N of a scale 1:N the catalogue lacks,
// from 1 to 100 000 with at most one decimal.
#pragma once

#include <optional>

#include "controls/edit_format.h"
#include "framework/ui/button.h"
#include "framework/ui/form.h"
#include "framework/ui/label.h"
#include "ruler/other_scale.h"

class TFormAutreEchelle : public fw::Published<TFormAutreEchelle, fw::Form> {
 public:
  static fw::Publication publication() { return {"TFormAutreEchelle", {}}; }

  // Runs the dialog over `owner` with `proposed` in the field (an empty
  // field without). The N given, when "OK" closed it; nothing otherwise.
  static std::optional<ruler::ScaleDenominator> run(HWND owner, std::optional<ruler::ScaleDenominator> proposed);

  fw::Label* lblEchelle = nullptr;
  ctl::TEditFormat* Denominateur = nullptr;
  fw::Label* lblPlage = nullptr;
  fw::Button* BtOK = nullptr;
  fw::Button* BtAnnuler = nullptr;

  // "OK" only while the text reads as an N; the line below says why not.
  void DenominateurChange(fw::Control& sender);

 protected:
  std::vector<HandlerEntry> handlerTable() const override;
  void loaded() override;
};
