// The dialog "Caler la règle": the real length of the dimension the ruler
// on screen points at, from which it takes its scale.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "controls/edit_format.h"
#include "framework/ui/button.h"
#include "framework/ui/form.h"
#include "framework/ui/label.h"
#include "ruler/screen_ruler.h"

class TFormCalerRegle : public fw::Published<TFormCalerRegle, fw::Form> {
 public:
  static fw::Publication publication() { return {"TFormCalerRegle", {}}; }

  // What a length gives: the scale, or why none.
  using Judge = std::function<ruler::SetScale(std::optional<long double> metres)>;

  // Runs the dialog over `owner` with `proposed` in the field. The scale
  // given, when "OK" closed it; nothing otherwise.
  static std::optional<ruler::ScaleDenominator> run(HWND owner, const std::wstring& proposed, Judge judge);

  fw::Label* lblLongueur = nullptr;
  ctl::TEditFormat* Longueur = nullptr;
  fw::Label* lblMessage = nullptr;
  fw::Button* BtOK = nullptr;
  fw::Button* BtAnnuler = nullptr;

  // "OK" only while the length gives a scale; the line below says why not.
  void LongueurChange(fw::Control& sender);

 protected:
  std::vector<HandlerEntry> handlerTable() const override;
  void loaded() override;

 private:
  Judge judge_;
  ruler::SetScale set_;
};
