// The main window as a user meets it: its controls, the tab order, the
// taskbar, and the calibration coefficient following what is typed.
#include <gtest/gtest.h>

#include <cmath>

#include "morvi_process.h"

using e2e::MorviProcess;

namespace {

struct Expected {
  const wchar_t* parentText;  // nullptr: the window itself
  int left, top, width, height;
  const wchar_t* text;
  bool sizedToText;  // labels size themselves to their text
};

// Every control that has a window of its own, as the window is designed.
const Expected kControls[] = {
    {nullptr, 11, 8, 479, 179, L"Impression de règles graduées", false},
    {nullptr, 8, 202, 482, 79, L"Recherche d'échelle", false},
    {nullptr, 8, 287, 482, 194, L"Informations", false},
    {L"Impression de règles graduées", 16, 20, 386, 84, L"Echelles disponibles", false},
    {L"Impression de règles graduées", 282, 111, 183, 52, L"Imprimer le morvi", false},
    {L"Impression de règles graduées", 68, 119, 53, 35, nullptr, false},
    {L"Impression de règles graduées", 408, 26, 57, 79, L"Aide", false},
    {L"Impression de règles graduées", 140, 110, 136, 42, L"Orientation", false},
    {L"Impression de règles graduées", 16, 132, 0, 0, L"Etalonner", true},
    {L"Recherche d'échelle", 288, 19, 50, 21, nullptr, false},
    {L"Recherche d'échelle", 289, 46, 49, 21, nullptr, false},
    {L"Recherche d'échelle", 362, 14, 106, 57, L"Obtenir l'échelle", false},
    {L"Recherche d'échelle", 341, 22, 0, 0, L"m", true},
    {L"Recherche d'échelle", 341, 50, 0, 0, L"cm", true},
    {L"Informations", 10, 20, 128, 122, nullptr, false},
    {L"Informations", 10, 148, 0, 0, L"contact@plandrel.fr", true},
    {L"Informations", 13, 167, 0, 0, L"https://www.plandrel.fr", true},
    {L"Informations", 250, 111, 147, 48, L"En savoir plus...", false},
};

const wchar_t* const kScaleItems[] = {L" 1:20",  L" 1:25",  L" 1:30",   L" 1:50",   L" 1:75",  L" 1:100",
                                      L" 1:125", L" 1:150", L" 1:200",  L" 1:250",  L" 1:300", L" 1:400",
                                      L" 1:500", L" 1:1000", L" 1:1250", L" 1:2000", L" 1:2500"};

HWND group(const MorviProcess& m, const wchar_t* text) { return m.childWithText(m.window(), text); }

}  // namespace

TEST(MainWindow, ShowsEveryControlInItsPlaceWithItsText) {
  MorviProcess morvi;
  RECT client;
  GetClientRect(morvi.window(), &client);
  EXPECT_EQ(client.right, 497);
  EXPECT_EQ(client.bottom, 489);
  LONG style = GetWindowLongW(morvi.window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));

  for (const Expected& e : kControls) {
    SCOPED_TRACE(testing::Message() << "control at " << e.left << "," << e.top);
    HWND parent = e.parentText ? group(morvi, e.parentText) : morvi.window();
    ASSERT_TRUE(parent);
    HWND c = morvi.childAt(parent, e.left, e.top);
    ASSERT_TRUE(c);
    RECT r;
    GetWindowRect(c, &r);
    if (!e.sizedToText) {
      EXPECT_EQ(r.right - r.left, e.width);
      EXPECT_EQ(r.bottom - r.top, e.height);
    } else {
      EXPECT_GT(r.right - r.left, 0);
      EXPECT_GT(r.bottom - r.top, 8);
    }
    if (e.text) {
      wchar_t text[128] = {};
      GetWindowTextW(c, text, 128);
      EXPECT_STREQ(text, e.text);
    }
  }

  HWND scales = morvi.childWithText(group(morvi, L"Impression de règles graduées"), L"Echelles disponibles");
  std::vector<e2e::Child> items = morvi.children(scales);
  ASSERT_EQ(items.size(), std::size(kScaleItems));
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].text, kScaleItems[i]);
    EXPECT_EQ(SendMessageW(items[i].hwnd, BM_GETCHECK, 0, 0), i == 5 ? BST_CHECKED : BST_UNCHECKED);
  }
  // Six columns of three: 1:20 1:25 1:30 in the first, 1:2000 1:2500 in the last.
  EXPECT_EQ(items[0].rect.left, items[2].rect.left);
  EXPECT_LT(items[0].rect.top, items[1].rect.top);
  EXPECT_LT(items[2].rect.left, items[3].rect.left);
  EXPECT_EQ(items[15].rect.left, items[16].rect.left);
  EXPECT_GT(items[15].rect.left, items[14].rect.left);
}

TEST(MainWindow, TabVisitsTheControlsInTheirOrderAndComesBack) {
  MorviProcess morvi;
  HWND finder = group(morvi, L"Recherche d'échelle");
  HWND printing = group(morvi, L"Impression de règles graduées");
  HWND info = group(morvi, L"Informations");
  HWND scales = morvi.childWithText(printing, L"Echelles disponibles");
  HWND orientation = morvi.childWithText(printing, L"Orientation");
  HWND cotePlan = morvi.childAt(finder, 288, 19);

  morvi.click(cotePlan);
  ASSERT_EQ(morvi.focus(), cotePlan);
  struct Stop {
    const char* name;
    HWND expected;
    HWND alternative;  // a radio group with no selection holds the focus itself
  };
  const Stop stops[] = {
      {"CoteMesure", morvi.childAt(finder, 289, 46), nullptr},
      {"BtEchelle", morvi.childWithText(finder, L"Obtenir l'échelle"), nullptr},
      {"RG_Morvi", morvi.childWithText(scales, L" 1:100"), nullptr},
      {"SpinEdit", morvi.childAt(printing, 68, 119), nullptr},
      {"BtAide", morvi.childWithText(printing, L"Aide"), nullptr},
      {"RgOrient", orientation, nullptr},
      {"BtSavoirPlus", morvi.childWithText(info, L"En savoir plus..."), nullptr},
      {"CotePlan", cotePlan, nullptr},
  };
  for (const Stop& s : stops) {
    morvi.press(VK_TAB);
    HWND f = morvi.focus();
    if (s.expected == orientation) {
      // The selected item, or the group itself when nothing is selected.
      EXPECT_TRUE(f == orientation || GetParent(f) == orientation) << s.name;
      if (GetParent(f) == orientation) {
        EXPECT_EQ(SendMessageW(f, BM_GETCHECK, 0, 0), BST_CHECKED);
      }
    } else {
      EXPECT_EQ(f, s.expected) << s.name;
    }
  }
  // And back with Shift+Tab.
  morvi.press(VK_TAB, true);
  EXPECT_EQ(morvi.focus(), stops[6].expected);
}

TEST(MainWindow, HasOneTaskbarButtonWithItsCaption) {
  MorviProcess morvi;
  struct Count {
    DWORD pid;
    int buttons;
    std::wstring caption;
  } count{morvi.processId(), 0, {}};
  EnumWindows(
      [](HWND w, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<Count*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        LONG ex = GetWindowLongW(w, GWL_EXSTYLE);
        bool onTaskbar = IsWindowVisible(w) && !(ex & WS_EX_TOOLWINDOW) &&
                         ((ex & WS_EX_APPWINDOW) || !GetWindow(w, GW_OWNER));
        if (pid == c->pid && onTaskbar) {
          ++c->buttons;
          wchar_t text[128] = {};
          GetWindowTextW(w, text, 128);
          c->caption = text;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  EXPECT_EQ(count.buttons, 1);
  EXPECT_EQ(count.caption, e2e::kCaption);
}

TEST(MainWindow, CoefficientFollowsTheTypedCalibration) {
  MorviProcess morvi;
  HWND spin = morvi.childAt(group(morvi, L"Impression de règles graduées"), 68, 119);
  ASSERT_TRUE(spin);
  auto retype = [&](const std::wstring& text) {
    morvi.click(spin);
    morvi.press(VK_END);
    for (int i = 0; i < 6; ++i) morvi.press(VK_BACK);
    morvi.type(text);
  };
  retype(L"7");
  EXPECT_NEAR(morvi.calibrationCoef(), 1.007, 1e-12);
  retype(L"-");
  EXPECT_NEAR(morvi.calibrationCoef(), 0.9, 1e-12);
  retype(L"-25");
  EXPECT_NEAR(morvi.calibrationCoef(), 0.975, 1e-12);
  ASSERT_TRUE(morvi.close());
  EXPECT_EQ(morvi.exitCode(), 0u);
}
