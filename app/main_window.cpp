#include "app/main_window.h"

#include <shellapi.h>

#include <bit>

#include "app/about_box.h"
#include "app/calibration_dialog.h"
#include "app/kutsch_dialog.h"
#include "app/links.h"
#include "app/other_scale_dialog.h"
#include "app/screen_calibration_dialog.h"
#include "app/set_ruler_dialog.h"
#include "framework/ui/button.h"
#include "framework/ui/edit.h"
#include "framework/error/error.h"
#include "framework/system/com.h"
#include "framework/system/locale_win.h"
#include "framework/system/printer.h"
#include "framework/ui/message_dialog.h"
#include "ruler/scale_finder.h"

namespace {

// The shell opens the address with the program registered for its scheme;
// what it answers is not looked at.
void openAddress(HWND owner, std::wstring address) {
  if (address.size() > 255) address.resize(255);
  fw::startCom();  // which the shell's handlers of an address may use
  ShellExecuteW(owner, L"open", address.c_str(), nullptr, nullptr, SW_SHOW);
}

std::wstring mailAddress(const std::wstring& mail) { return L"mailto:" + mail; }

}  // namespace

void TFormmorvi::registerClasses() {
  fw::Registry& r = fw::Registry::instance();
  for (const fw::ClassInfo* c :
       {&TFormmorvi::info(), &fw::GroupBox::info(), &fw::Label::info(), &fw::RadioGroup::info(), &fw::Image::info(),
        &fw::Edit::info(), &fw::Button::info(), &ctl::TAdvGlowButton::info(), &ctl::TSpinEdit::info(),
        &ctl::TEditFormat::info(), &ctl::TAdvSmoothLabel::info(), &TFormEtalonnage::info(), &TFormAutreEchelle::info(),
        &TFormKutsch::info(), &TFormCalerRegle::info(), &TFormEtalonnageEcran::info()})
    r.add(*c);
}

std::vector<fw::Form::HandlerEntry> TFormmorvi::handlerTable() const {
  using F = TFormmorvi;
  return {
      handler<F, &F::AdvGlowButton1Click>("AdvGlowButton1Click"),
      handler<F, &F::Label2Click>("Label2Click"),
      handler<F, &F::Label2MouseEnter>("Label2MouseEnter"),
      handler<F, &F::Label2MouseLeave>("Label2MouseLeave"),
      handler<F, &F::Label6Click>("Label6Click"),
      handler<F, &F::BtAideClick>("BtAideClick"),
      handler<F, &F::BtSavoirPlusClick>("BtSavoirPlusClick"),
      handler<F, &F::BtEchelleClick>("BtEchelleClick"),
      handler<F, &F::FormShow>("FormShow"),
      handler<F, &F::FormCreate>("FormCreate"),
      handler<F, &F::FormDestroy>("FormDestroy"),
      handler<F, &F::TBChange>("TBChange"),
      handler<F, &F::RG_MorviClick>("RG_MorviClick"),
      handler<F, &F::RgOrientClick>("RgOrientClick"),
      handler<F, &F::RG_MorviChange>("RG_MorviChange"),
  };
}

void TFormmorvi::loaded() {
  grpEchelle = bind<fw::GroupBox>("grpEchelle");
  lbl_M = bind<fw::Label>("lbl_M");
  lbl_cm = bind<fw::Label>("lbl_cm");
  CotePlan = bind<ctl::TEditFormat>("CotePlan");
  CoteMesure = bind<ctl::TEditFormat>("CoteMesure");
  BtEchelle = bind<ctl::TAdvGlowButton>("BtEchelle");
  GroupBox1 = bind<fw::GroupBox>("GroupBox1");
  RG_Morvi = bind<fw::RadioGroup>("RG_Morvi");
  BtImprimer = bind<ctl::TAdvGlowButton>("BtImprimer");
  GroupBox3 = bind<fw::GroupBox>("GroupBox3");
  Image1 = bind<fw::Image>("Image1");
  BtSavoirPlus = bind<ctl::TAdvGlowButton>("BtSavoirPlus");
  SpinEdit = bind<ctl::TSpinEdit>("SpinEdit");
  Label1 = bind<fw::Label>("Label1");
  BtAide = bind<ctl::TAdvGlowButton>("BtAide");
  RgOrient = bind<fw::RadioGroup>("RgOrient");
  Label2 = bind<fw::Label>("Label2");
  Label6 = bind<fw::Label>("Label6");
  AdvSmoothLabel1 = bind<ctl::TAdvSmoothLabel>("AdvSmoothLabel1");
  AdvSmoothLabel2 = bind<ctl::TAdvSmoothLabel>("AdvSmoothLabel2");
  AdvSmoothLabel3 = bind<ctl::TAdvSmoothLabel>("AdvSmoothLabel3");
  // Assistive technology reads each field by what to type in it, with its
  // unit: its label stands beside it, not before it in the window order.
  CotePlan->setAccessibleLabel(AdvSmoothLabel1);
  CoteMesure->setAccessibleLabel(AdvSmoothLabel2);
  SpinEdit->setAccessibleLabel(Label1, L"‰");
  Image1->setAccessibleName(L"Morvi");
  Label2->setLink(mailAddress(Label2->caption()));
  Label6->setLink(links::kWebSite);
  SpinEdit->setOnSettled([this] { calibrationSettled(); });
  // " Autre…" opens its dialog: Enter on it asks as Space does.
  RG_Morvi->setClickOnEnter(OtherScaleItem);
}

void TFormmorvi::windowCreated() {
  fw::Form::windowCreated();
  about::addToSystemMenu(handle());
  // Windows says a change of the default printer with WM_SETTINGCHANGE only
  // to top-level windows that listen and not always (Wine does not): it is
  // also looked at every second.
  SetTimer(handle(), defaultPrinterTimer, 1000, nullptr);
}

// Follows the field as the user types: a number beyond the range prints at
// the range's end, which is also what the field shows once left.
void TFormmorvi::TBChange(fw::Control&) { PrinterCalibration = ruler::Calibration::clamped(SpinEdit->value()); }

void TFormmorvi::FormShow(fw::Control&) {
  for (ctl::TEditFormat* field : {CotePlan, CoteMesure}) field->setDisplayFormat(L",0.00 ;,0.00");
  for (ctl::TEditFormat* field : {CotePlan, CoteMesure}) field->setValue(0);
  for (ctl::TEditFormat* field : {CotePlan, CoteMesure}) field->Validate();
  RG_Morvi->focus();
  // What the first paint does not show comes once the window is up, before
  // any input reaches it.
  offerCalibration();
  offerKutschSheet();
  offerScreenRuler();
}

void TFormmorvi::BtEchelleClick(fw::Control&) {
  // What was typed since the focus last moved counts.
  CotePlan->Validate();
  CoteMesure->Validate();
  // An enlargement (N below 1) is no scale a ruler is printed for.
  if (const auto n = ruler::scaleDenominator(CotePlan->value(), CoteMesure->value()); n && *n >= 1)
    LastScaleAnswer = ruler::ScaleDenominator::nearestWhole(*n);
  if (const auto message = ruler::scaleMessage(CotePlan->value(), CoteMesure->value(), fw::numberFormat().decimal))
    fw::showMessage(*message);
}

void TFormmorvi::Label2Click(fw::Control& sender) { openAddress(handle(), mailAddress(sender.caption())); }

void TFormmorvi::Label6Click(fw::Control&) { openAddress(handle(), links::kWebSite); }

void TFormmorvi::BtSavoirPlusClick(fw::Control&) { openAddress(handle(), links::kWebSite); }

void TFormmorvi::BtAideClick(fw::Control&) { openAddress(handle(), links::kHelpPage); }

void TFormmorvi::Label2MouseEnter(fw::Control& sender) {
  sender.setFontStyle({sender.font().style.bits | fw::fsUnderline});
}

void TFormmorvi::Label2MouseLeave(fw::Control& sender) {
  sender.setFontStyle({sender.font().style.bits & ~unsigned(fw::fsUnderline)});
}

bool TFormmorvi::shortCut(WPARAM key) {
  if (key == 'E') {
    EtalonnerImprimante();
  } else if (key == 'K') {
    PlancheKutsch();
  } else if (key == 'R') {
    RegleEcran();
  } else {
    return false;
  }
  return true;
}

LRESULT TFormmorvi::handleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // Automation: another process may ask for the calibration coefficient; the
  // answer is the bits of the double.
  static const UINT askCoefficient = RegisterWindowMessageW(L"Morvi.CalibrationCoef");
  if (msg == askCoefficient) return std::bit_cast<LRESULT>(double(calibrationCoef()));
  if (msg == WM_SYSCOMMAND && (about::onSystemCommand(handle(), wp) || systemCommand(wp) || kutschCommand(wp) ||
                                  screenRulerCommand(wp)))
    return 0;
  if (msg == WM_TIMER && wp == defaultPrinterTimer) {
    followPrinterInForce(fw::installedPrinters());
    return 0;
  }
  if (msg == WM_SETTINGCHANGE) followPrinterInForce(fw::installedPrinters());
  // Ending the session destroys no window: the process ends once the answer
  // to WM_ENDSESSION is given, so what the user set is written before it.
  if (msg == WM_QUERYENDSESSION) {
    saveSettings(true);
    return TRUE;
  }
  if (msg == WM_ENDSESSION) {
    if (wp) saveSettings(true);
    return 0;
  }
  return fw::Form::handleMessage(msg, wp, lp);
}
