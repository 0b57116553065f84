// The main window: the scale finder, the ruler printing and the information
// group, built from the window description "FORMMORVI".
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/screen_ruler_window.h"
#include "app/sheet_preview.h"
#include "controls/edit_format.h"
#include "controls/glow_button.h"
#include "controls/spin_edit.h"
#include "framework/system/printer.h"
#include "framework/ui/form.h"
#include "framework/ui/group_box.h"
#include "framework/ui/image.h"
#include "framework/ui/label.h"
#include "framework/ui/radio_group.h"
#include "controls/smooth_label.h"
#include "ruler/calibration.h"
#include "ruler/kutsch_sheet.h"
#include "ruler/other_scale.h"
#include "ruler/scale_catalogue.h"
#include "settings/morvi_settings.h"
#include "framework/system/ini_disk.h"

class TFormmorvi : public fw::Published<TFormmorvi, fw::Form> {
 public:
  static fw::Publication publication() { return {"TFormmorvi", {}}; }

  // Makes the classes of the window description known.
  static void registerClasses();

  // Controls, bound by name once the description is read.
  fw::GroupBox* grpEchelle = nullptr;
  fw::Label* lbl_M = nullptr;
  fw::Label* lbl_cm = nullptr;
  ctl::TEditFormat* CotePlan = nullptr;
  ctl::TEditFormat* CoteMesure = nullptr;
  ctl::TAdvGlowButton* BtEchelle = nullptr;
  fw::GroupBox* GroupBox1 = nullptr;
  fw::RadioGroup* RG_Morvi = nullptr;
  ctl::TAdvGlowButton* BtImprimer = nullptr;
  fw::GroupBox* GroupBox3 = nullptr;
  fw::Image* Image1 = nullptr;
  ctl::TAdvGlowButton* BtSavoirPlus = nullptr;
  ctl::TSpinEdit* SpinEdit = nullptr;
  fw::Label* Label1 = nullptr;
  ctl::TAdvGlowButton* BtAide = nullptr;
  fw::RadioGroup* RgOrient = nullptr;
  fw::Label* Label2 = nullptr;
  fw::Label* Label6 = nullptr;
  ctl::TAdvSmoothLabel* AdvSmoothLabel1 = nullptr;
  ctl::TAdvSmoothLabel* AdvSmoothLabel2 = nullptr;
  ctl::TAdvSmoothLabel* AdvSmoothLabel3 = nullptr;

  // Handlers.
  void AdvGlowButton1Click(fw::Control& sender);
  void Label2Click(fw::Control& sender);
  void Label2MouseEnter(fw::Control& sender);
  void Label2MouseLeave(fw::Control& sender);
  void Label6Click(fw::Control& sender);
  void BtAideClick(fw::Control& sender);
  void BtSavoirPlusClick(fw::Control& sender);
  void BtEchelleClick(fw::Control& sender);
  void FormShow(fw::Control& sender);
  void FormCreate(fw::Control& sender);
  void FormDestroy(fw::Control& sender);
  void TBChange(fw::Control& sender);
  void RG_MorviClick(fw::Control& sender);
  void RgOrientClick(fw::Control& sender);
  void RG_MorviChange(fw::Control& sender);

  long double calibrationCoef() const { return PrinterCalibration.coefficient(); }

 protected:
  std::vector<HandlerEntry> handlerTable() const override;
  void loaded() override;
  void windowCreated() override;
  LRESULT handleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool shortCut(WPARAM key) override;

 private:
  // The calibration assistant: its system menu item, Ctrl+E, the tooltips
  // that name both. When the window first shows.
  void offerCalibration();
  // The kutsch sheet: its system menu item below the assistant's, Ctrl+K.
  void offerKutschSheet();
  // The ruler on screen: its system menu item below the kutsch sheet's, Ctrl+R.
  void offerScreenRuler();
  bool systemCommand(WPARAM command);
  bool kutschCommand(WPARAM command);
  bool screenRulerCommand(WPARAM command);
  void RegleEcran();
  // The scale selected, as the ruler on screen shows it; nothing while none is.
  std::optional<RulerScale> scaleInForce() const;
  // Tells the ruler on screen, when open, that the scale in force may have changed.
  void scaleInForceChanged();
  void EtalonnerImprimante();
  void PlancheKutsch();
  void PrintRuler(const ruler::Graduation& graduation);
  // The orientation checked under "Orientation"; none while neither item is
  // (no settings, no printer at start): the printer's own then.
  std::optional<fw::Orientation> chosenOrientation() const;
  // The item after the catalogue's: " Autre…", or " 1:N" once N is given.
  void showOtherScale();
  // The dialog "Autre échelle"; the scale given, or the selection back where
  // it was before the item was chosen. True when N was given.
  bool askOtherScale();
  // The printer in force (the one last chosen in Morvi while it is
  // installed, else the system's default, empty without any) and its
  // calibration in the field, which follows when it changes.
  std::wstring printerInForce(const std::vector<std::wstring>& printers) const;
  void usePrinter(const std::wstring& printer);
  void showPrinterCalibration();  // at start
  void followPrinterInForce(const std::vector<std::wstring>& printers);
  void showCalibration(ruler::Calibration calibration);
  // The field's value once the user has set it (the field left, an arrow
  // clicked or its key let go, the assistant applied) is kept at once for
  // its printer.
  void calibrationSettled();
  // "Confirmez l'impression", with the printers to choose from, each with
  // its calibration, and the sheet's preview on the printer checked (none
  // without a layout); true when "Oui" was pressed, the printer chosen then
  // in force.
  bool confirmPrint(const PreviewedSheet& sheet);
  // Writes what the user set; a refusal is said once a run. At the end of
  // the run (`complete`), a first run's file also gets its calibration and
  // orientation.
  void saveSettings(bool complete = false);

  // What the calibration field holds, within its range: what prints.
  ruler::Calibration PrinterCalibration;
  // The printer the field's value is for (empty while none is known).
  std::wstring CalibratedPrinter;
  std::unique_ptr<fw::IniDisk> SettingsDisk;
  std::unique_ptr<fw::IniFile> SettingsFile;
  std::unique_ptr<settings::MorviSettings> Settings;
  bool SettingsRefusalSaid = false;
  // Whether the settings file or the printer gave an orientation at start.
  bool OrientationKnown = false;
  // The scale item that follows the catalogue's seventeen, its N once given
  // (kept in the settings), the scale finder's last answer that the dialog
  // proposes, and the item selected before the user chose it.
  static constexpr int OtherScaleItem = 17;
  static constexpr UINT_PTR defaultPrinterTimer = 0x5052;
  std::optional<ruler::ScaleDenominator> OtherScale;
  std::optional<ruler::ScaleDenominator> LastScaleAnswer;
  int SelectedScale = -1;
  // The six scales of the last kutsch sheet printed (kept in the settings).
  std::optional<ruler::StripScales> KutschScales;
  // Made when first opened; goes before the settings it keeps its pixel sizes in.
  std::unique_ptr<ScreenRulerWindow> ScreenRuler;
};
