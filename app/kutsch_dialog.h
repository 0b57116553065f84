// The dialog "Planche de six échelles": the six scales of the kutsch sheet,
// from one of the three usual rules or each N typed as under " Autre…".
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "controls/edit_format.h"
#include "framework/ui/button.h"
#include "framework/ui/form.h"
#include "framework/ui/label.h"
#include "framework/ui/radio_group.h"
#include "ruler/kutsch_sheet.h"

class TFormKutsch : public fw::Published<TFormKutsch, fw::Form> {
 public:
  static fw::Publication publication() { return {"TFormKutsch", {}}; }

  // Runs the dialog over `owner` with `scales` in the fields; "Imprimer"
  // hands `confirm` the six N and closes the dialog once it says yes. The
  // six N to print, or nothing.
  using Confirm = std::function<bool(const ruler::StripScales&)>;
  static std::optional<ruler::StripScales> run(HWND owner, const ruler::StripScales& scales, const Confirm& confirm);

  fw::RadioGroup* RgJeux = nullptr;
  std::array<fw::Label*, ruler::stripCount> lblEchelles{};
  std::array<ctl::TEditFormat*, ruler::stripCount> Echelles{};
  fw::Label* lblPlage = nullptr;
  fw::Button* BtImprimer = nullptr;
  fw::Button* BtAnnuler = nullptr;

  // A set chosen, by a click or an arrow, fills the six fields.
  void RgJeuxClick(fw::Control& sender);
  // The set whose six N the fields hold is the one chosen; "Imprimer" only
  // while all six read as an N.
  void EchelleChange(fw::Control& sender);
  void BtImprimerClick(fw::Control& sender);

 protected:
  std::vector<HandlerEntry> handlerTable() const override;
  void loaded() override;

 private:
  std::optional<ruler::StripScales> scales() const;
  void show(const ruler::StripScales& scales);

  Confirm confirm_;
};
