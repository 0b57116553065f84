// What a screen reader reads of the main window, of the calibration
// assistant and of the other windows, asked in the program's own process (Wine hands no accessible
// object to another process), and the link labels and dialogs as the keyboard meets them.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/calibration_dialog.h"
#include "app/kutsch_dialog.h"
#include "app/main_window.h"
#include "app/screen_calibration_dialog.h"
#include "app/screen_ruler_window.h"
#include "app/set_ruler_dialog.h"
#include "framework/ui/beep.h"
#include "framework/ui/button.h"
#include "tests/support/canvas.h"
#include "tests/support/message_pump.h"
#include "tests/support/test_window.h"
#include "tests/support/window_search.h"

namespace {

// Wine's standard objects give every window class but the edit the client
// role; the role the program gives is its own on both.
bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

struct Reading {
  long role = 0;
  std::wstring name, value;
};

Reading readingOf(HWND window) {
  Reading r;
  IAccessible* a = nullptr;
  const HRESULT got = AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&a));
  EXPECT_TRUE(SUCCEEDED(got)) << std::hex << got;
  if (FAILED(got)) return r;
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role{};
  if (a->get_accRole(self, &role) == S_OK && role.vt == VT_I4) r.role = role.lVal;
  for (auto [get, out] : {std::pair{&IAccessible::get_accName, &r.name}, std::pair{&IAccessible::get_accValue, &r.value}}) {
    BSTR text = nullptr;
    if ((a->*get)(self, &text) == S_OK && text) *out = text;
    SysFreeString(text);
  }
  a->Release();
  return r;
}

// Whether the window answers WM_GETOBJECT with an object of its own, rather
// than leaving it to the system.
bool answersItself(HWND window) {
  const LRESULT got = SendMessageW(window, WM_GETOBJECT, 0, OBJID_CLIENT);
  if (got <= 0) return false;
  IAccessible* a = nullptr;
  if (SUCCEEDED(ObjectFromLresult(got, __uuidof(IAccessible), 0, reinterpret_cast<void**>(&a)))) a->Release();
  return true;
}

enum class RoleBy { Program, System };

struct Expected {
  const char* control;
  long role;
  RoleBy roleBy;
  const wchar_t* name;
  const wchar_t* value;  // nullptr: none looked at
  bool ownObject;        // the control answers WM_GETOBJECT itself
};

constexpr RoleBy P = RoleBy::Program, S = RoleBy::System;

const Expected kMainWindow[] = {
    {"grpEchelle", ROLE_SYSTEM_GROUPING, P, L"Recherche d'échelle", nullptr, true},
    {"CotePlan", ROLE_SYSTEM_TEXT, S, L"Saisissez une cote (en mètre) figurant sur le plan", nullptr, true},
    {"CoteMesure", ROLE_SYSTEM_TEXT, S, L"Saisissez la même cote mesurée sur le plan (en cm)", nullptr, true},
    {"BtEchelle", ROLE_SYSTEM_PUSHBUTTON, P, L"Obtenir l'échelle", nullptr, true},
    {"AdvSmoothLabel1", ROLE_SYSTEM_STATICTEXT, P, L"Saisissez une cote (en mètre) figurant sur le plan", nullptr, true},
    {"AdvSmoothLabel2", ROLE_SYSTEM_STATICTEXT, P, L"Saisissez la même cote mesurée sur le plan (en cm)", nullptr, true},
    {"lbl_M", ROLE_SYSTEM_STATICTEXT, P, L"m", nullptr, true},
    {"lbl_cm", ROLE_SYSTEM_STATICTEXT, P, L"cm", nullptr, true},
    {"GroupBox1", ROLE_SYSTEM_GROUPING, P, L"Impression de règles graduées", nullptr, true},
    {"RG_Morvi", ROLE_SYSTEM_GROUPING, P, L"Echelles disponibles", nullptr, true},
    {"BtImprimer", ROLE_SYSTEM_PUSHBUTTON, P, L"Imprimer le morvi", nullptr, true},
    {"SpinEdit", ROLE_SYSTEM_TEXT, S, L"Etalonner (‰)", nullptr, true},
    {"BtAide", ROLE_SYSTEM_PUSHBUTTON, P, L"Aide", nullptr, true},
    {"RgOrient", ROLE_SYSTEM_GROUPING, P, L"Orientation", nullptr, true},
    {"Label1", ROLE_SYSTEM_STATICTEXT, P, L"Etalonner", nullptr, true},
    {"GroupBox3", ROLE_SYSTEM_GROUPING, P, L"Informations", nullptr, true},
    {"Image1", ROLE_SYSTEM_GRAPHIC, P, L"Morvi", nullptr, true},
    {"Label2", ROLE_SYSTEM_LINK, P, L"contact@plandrel.fr", L"mailto:contact@plandrel.fr", true},
    {"Label6", ROLE_SYSTEM_LINK, P, L"https://www.plandrel.fr", L"https://www.plandrel.fr", true},
    {"AdvSmoothLabel3", ROLE_SYSTEM_STATICTEXT, P, L"Découvrez nos autres logiciels", nullptr, true},
    {"BtSavoirPlus", ROLE_SYSTEM_PUSHBUTTON, P, L"En savoir plus...", nullptr, true},
};

const Expected kAssistant[] = {
    {"lblImprimante", ROLE_SYSTEM_STATICTEXT, P, L"Imprimante :", nullptr, true},
    {"lblOrientation", ROLE_SYSTEM_STATICTEXT, P, L"Orientation :", nullptr, true},
    {"BtFeuille", ROLE_SYSTEM_PUSHBUTTON, S, L"Imprimer la feuille d'étalonnage", nullptr, false},
    {"lblMesure", ROLE_SYSTEM_STATICTEXT, P, L"Longueur mesurée entre 0 et 250 mm", nullptr, true},
    {"Mesure", ROLE_SYSTEM_TEXT, S, L"Longueur mesurée entre 0 et 250 mm", nullptr, true},
    {"lblMm", ROLE_SYSTEM_STATICTEXT, P, L"mm", nullptr, true},
    {"BtAppliquer", ROLE_SYSTEM_PUSHBUTTON, S, L"Appliquer", nullptr, false},
    {"BtAnnuler", ROLE_SYSTEM_PUSHBUTTON, S, L"Annuler", nullptr, false},
};

const Expected kSixScales[] = {
    {"RgJeux", ROLE_SYSTEM_GROUPING, P, L"Jeux d'échelles", nullptr, true},
    {"Echelle1", ROLE_SYSTEM_TEXT, S, L"Bande 1, 1 :", L"20", true},
    {"Echelle6", ROLE_SYSTEM_TEXT, S, L"Bande 6, 1 :", L"125", true},
    {"BtImprimer", ROLE_SYSTEM_PUSHBUTTON, S, L"Imprimer", nullptr, false},
    {"BtAnnuler", ROLE_SYSTEM_PUSHBUTTON, S, L"Annuler", nullptr, false},
};

const Expected kSetRuler[] = {{"Longueur", ROLE_SYSTEM_TEXT, S, L"Longueur réelle (en mètre)", nullptr, true}};
const Expected kMeasureScreen[] = {{"Mesure", ROLE_SYSTEM_TEXT, S, L"Longueur mesurée (en mm)", nullptr, true}};

void expectReadings(fw::Form& form, std::span<const Expected> table) {
  for (const Expected& e : table) {
    SCOPED_TRACE(e.control);
    fw::Control* c = form.find(e.control);
    ASSERT_TRUE(c && c->handle());
    EXPECT_EQ(answersItself(c->handle()), e.ownObject);
    const Reading r = readingOf(c->handle());
    if (e.roleBy == S && underWine() && r.role == ROLE_SYSTEM_CLIENT && e.role != ROLE_SYSTEM_TEXT) {
      std::printf("%s: Wine gives the client role, not %ld\n", e.control, e.role);
    } else {
      EXPECT_EQ(r.role, e.role);
    }
    EXPECT_EQ(r.name, e.name);
    if (e.value) {
      EXPECT_EQ(r.value, e.value);
    }
  }
}

struct ComApartment {
  ComApartment() { EXPECT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
  ~ComApartment() { CoUninitialize(); }
};

}  // namespace

TEST(Accessibility, EveryControlOfBothWindowsIsReadWithItsRoleAndName) {
  ComApartment com;
  TFormmorvi::registerClasses();
  {
    TFormmorvi form;
    form.createFromResource(L"FORMMORVI");
    expectReadings(form, kMainWindow);
  }
  TFormEtalonnage assistant;
  assistant.createFromResource(L"FORMETALONNAGE");
  assistant.lblMesure->setCaption(L"Longueur mesurée entre 0 et 250 mm");
  expectReadings(assistant, kAssistant);
}

// The dialog of the six scales, as the others: each field read by its
// label, and Tab from the ready sets through the six fields to the buttons.
TEST(Accessibility, TheSixScalesDialogIsReadAndTabbedAsTheOthers) {
  ComApartment com;
  TFormmorvi::registerClasses();
  TFormKutsch dialog;
  dialog.createFromResource(L"FORMKUTSCH");
  for (std::size_t i = 0; i < ruler::stripCount; ++i)
    dialog.Echelles[i]->setText(std::to_wstring(ruler::scaleSets()[0].denominators[i]));
  expectReadings(dialog, kSixScales);
  std::vector<std::string> stops;
  for (fw::Control* c : dialog.tabList()) stops.push_back(c->name());
  EXPECT_EQ(stops, (std::vector<std::string>{"RgJeux", "Echelle1", "Echelle2", "Echelle3", "Echelle4", "Echelle5",
                                             "Echelle6", "BtImprimer", "BtAnnuler"}));
  // An arrow through the ready sets fills the fields with the next one.
  SendMessageW(dialog.RgJeux->itemHandle(0), WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(dialog.RgJeux->itemIndex(), 1);
  EXPECT_EQ(dialog.Echelles[5]->text(), L"500");
}

// The ruler on screen is read by its window text, its scale and reading;
// its dialogs' fields by their labels.
TEST(Accessibility, TheRulerOnScreenAndItsDialogsAreRead) {
  ComApartment com;
  TFormmorvi::registerClasses();
  ScreenRulerWindow band(nullptr, {[] { return std::nullopt; }, [](const std::wstring&) { return std::nullopt; },
                                   [](const std::wstring&, double) {}, [] { return ScreenRulerChoice{}; },
                                   [](const ScreenRulerChoice&) {}});
  band.open();
  EXPECT_TRUE(readingOf(band.handle()).name.starts_with(L"Règle à l'écran — 1:100"));
  TFormCalerRegle set;
  set.createFromResource(L"FORMCALERREGLE");
  expectReadings(set, kSetRuler);
  TFormEtalonnageEcran measure;
  measure.createFromResource(L"FORMETALONNAGEECRAN");
  expectReadings(measure, kMeasureScreen);
}

// What the program itself answers, whatever the platform's accessibility
// layer makes of it.
TEST(Accessibility, WindowTextsOrderAndKeysAreTheProgramsOwn) {
  TFormmorvi::registerClasses();
  TFormmorvi form;
  form.createFromResource(L"FORMMORVI");
  for (ctl::TAdvSmoothLabel* label : {form.AdvSmoothLabel1, form.AdvSmoothLabel2, form.AdvSmoothLabel3}) {
    wchar_t text[128]{};
    GetWindowTextW(label->handle(), text, 128);
    EXPECT_EQ(text, label->Caption().values().Text) << label->name();
  }

  // The links are the last tab stops, and their windows follow the last tab
  // stop before them; the stops before stay as they were.
  std::vector<std::string> stops;
  for (fw::Control* c : form.tabList()) stops.push_back(c->name());
  EXPECT_EQ(stops, (std::vector<std::string>{"CotePlan", "CoteMesure", "BtEchelle", "RG_Morvi", "BtImprimer",
                                             "SpinEdit", "BtAide", "RgOrient", "BtSavoirPlus", "Label2", "Label6"}));
  EXPECT_EQ(GetWindow(form.BtSavoirPlus->handle(), GW_HWNDNEXT), form.Label2->handle());
  EXPECT_EQ(GetWindow(form.Label2->handle(), GW_HWNDNEXT), form.Label6->handle());

  // A link asks for Enter (else the window gives it to a default button)
  // and for characters (Space); a plain label asks for nothing.
  MSG enter{form.Label2->handle(), WM_KEYDOWN, VK_RETURN, 0};
  for (fw::Label* link : {form.Label2, form.Label6})
    EXPECT_EQ(SendMessageW(link->handle(), WM_GETDLGCODE, VK_RETURN, LPARAM(&enter)), DLGC_WANTCHARS | DLGC_WANTMESSAGE);
  EXPECT_EQ(SendMessageW(form.Label2->handle(), WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS);
  EXPECT_EQ(SendMessageW(form.Label1->handle(), WM_GETDLGCODE, 0, 0), 0);
}

namespace {

constexpr char kLinkWindow[] = R"(Test: TTestForm {
  Caption = "Lien"
  ClientWidth = 200
  ClientHeight = 80
  Ok: TButton {
    Left = 10
    Top = 40
    Width = 80
    Height = 25
    TabOrder = 0
    Caption = "Ok"
    Default = true
  }
  Link: TLabel {
    Left = 10
    Top = 10
    TabOrder = 1
    Caption = "contact@plandrel.fr"
    OnClick = Handler
  }
}
)";

}  // namespace

TEST(Accessibility, ALinkOpensOnceForEachEnterSpaceOrDefaultActionAndShowsItsFocus) {
  testwindow::TestForm form;
  testwindow::show(form, kLinkWindow, {&testwindow::TestForm::info(), &fw::Label::info(), &fw::Button::info()});
  auto* link = dynamic_cast<fw::Label*>(form.find("Link"));
  ASSERT_TRUE(link);
  auto painted = [&] {
    auto canvas = std::make_unique<testcanvas::Canvas>(link->width(), link->height());
    SendMessageW(link->handle(), WM_PRINTCLIENT, WPARAM(canvas->dc()), PRF_CLIENT);
    return canvas;
  };
  const auto asLabel = painted();
  link->setLink(L"mailto:contact@plandrel.fr");
  EXPECT_TRUE(painted()->sameAs(*asLabel));  // unfocused, a link looks as before

  link->focus();
  testpump::pump(30, &form);
  ASSERT_EQ(GetFocus(), link->handle());
  EXPECT_FALSE(painted()->sameAs(*asLabel));  // the focus rectangle

  for (WPARAM key : {VK_RETURN, VK_SPACE}) {
    const int before = form.calls["Link"];
    testwindow::keystroke(link->handle(), key);
    testpump::pump(30, &form);
    EXPECT_EQ(form.calls["Link"], before + 1) << key;
  }
  // A held key repeats without opening again.
  PostMessageW(link->handle(), WM_KEYDOWN, VK_RETURN, 0x40000001);
  testpump::pump(30, &form);
  EXPECT_EQ(form.calls["Link"], 2);

  // Assistive technology opens it by its default action, once it is free.
  ComApartment com;
  IAccessible* a = nullptr;
  ASSERT_TRUE(SUCCEEDED(
      AccessibleObjectFromWindow(link->handle(), OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&a))));
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR action = nullptr;
  EXPECT_EQ(a->get_accDefaultAction(self, &action), S_OK);
  EXPECT_EQ(std::wstring(action ? action : L""), L"Ouvrir");
  SysFreeString(action);
  EXPECT_EQ(a->accDoDefaultAction(self), S_OK);
  EXPECT_EQ(form.calls["Link"], 2);
  testpump::pump(30, &form);
  EXPECT_EQ(form.calls["Link"], 3);
  a->Release();
}

namespace {

// A dialog run as the program runs it, in its own modal loop, where a thread
// timer plays the user, a step a tick: a length the dialog refuses typed in
// its field and Enter, then "90", then Escape, what has the focus read first.
std::wstring refused, shown;
int step = 0;

void CALLBACK typeOn(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND focus = GetFocus();
  if (step == 0) SetFocus(focus = FindWindowExW(GetActiveWindow(), nullptr, L"Edit", nullptr));
  const std::wstring typed = step == 0 ? refused : step == 1 ? L"90" : L"";
  for (const wchar_t ch : typed) PostMessageW(focus, WM_CHAR, ch, 1);
  if (step == 0) PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 1);
  if (step++ < 2) return;
  shown = automation::windowText(focus);
  PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 1);
  KillTimer(nullptr, timer);
}

}  // namespace

// Enter on a greyed OK only beeps: the focus stays in the field, where what
// is typed next goes, and the dialog stays open.
TEST(Accessibility, EnterOnAGreyedOkKeepsTheFocusInTheField) {
  TFormmorvi::registerClasses();
  const auto judge = [](std::optional<long double> m) { return ruler::scaleOnDimension(400, m, 4); };
  // The length each refuses, and the dialog run: whether it gave a result.
  const std::pair<const wchar_t*, std::function<bool()>> rows[] = {
      {L"49", [] { return TFormEtalonnageEcran::run(nullptr, {0, 0, 1024, 768}, 4).has_value(); }},
      {L"0", [&] { return TFormCalerRegle::run(nullptr, L"", judge).has_value(); }},
      {L"0", [] { return TFormEtalonnage::run(nullptr, std::nullopt, [] { return false; }).has_value(); }},
  };
  int beeps = 0;
  fw::setBeepHook([&](UINT) { ++beeps; });
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(i);
    refused = rows[i].first;
    step = beeps = 0;
    SetTimer(nullptr, 0, 150, typeOn);
    EXPECT_FALSE(rows[i].second());
    EXPECT_EQ(shown, refused + L"90") << "the focus left the field";
    EXPECT_EQ(beeps, 1);
  }
  fw::setBeepHook({});
}
