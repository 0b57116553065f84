// The main window's controls that have a window of their own, where the
// window is designed at 96 dpi, and the check that the screen shows each of
// them there at its display scale; shared by the tests at every scale.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/desc/dpi_scaling.h"
#include "morvi_process.h"

namespace e2e {

struct Expected {
  const char* name;  // in the window's description
  int left, top, width, height;
  const wchar_t* text;
  bool sizedToText;  // labels size themselves to their text
};

// Every control that has a window of its own, as the window is designed.
inline const Expected kControls[] = {
    {"GroupBox1", 11, 8, 479, 179, L"Impression de règles graduées", false},
    {"grpEchelle", 8, 202, 482, 79, L"Recherche d'échelle", false},
    {"GroupBox3", 8, 287, 482, 194, L"Informations", false},
    {"RG_Morvi", 16, 20, 386, 84, L"Echelles disponibles", false},
    {"BtImprimer", 282, 111, 183, 52, L"Imprimer le morvi", false},
    {"SpinEdit", 68, 119, 68, 35, nullptr, false},
    {"BtAide", 408, 26, 57, 79, L"Aide", false},
    {"RgOrient", 140, 110, 136, 42, L"Orientation", false},
    {"Label1", 16, 132, 0, 0, L"Etalonner", true},
    {"CotePlan", 288, 19, 50, 21, nullptr, false},
    {"CoteMesure", 289, 46, 49, 21, nullptr, false},
    {"BtEchelle", 362, 14, 106, 57, L"Obtenir l'échelle", false},
    {"lbl_M", 341, 22, 0, 0, L"m", true},
    {"lbl_cm", 341, 50, 0, 0, L"cm", true},
    {"AdvSmoothLabel1", 3, 20, 283, 20, L"Saisissez une cote (en mètre) figurant sur le plan ", false},
    {"AdvSmoothLabel2", 9, 46, 283, 20, L"Saisissez la même cote mesurée sur le plan (en cm)", false},
    {"Image1", 10, 20, 128, 122, nullptr, false},
    {"Label2", 10, 148, 0, 0, L"contact@plandrel.fr", true},
    {"Label6", 13, 167, 0, 0, L"https://www.plandrel.fr", true},
    {"BtSavoirPlus", 250, 111, 147, 48, L"En savoir plus...", false},
    {"AdvSmoothLabel3", 184, 18, 284, 87, L"\r\n    \r\n\r\n               Découvrez nos autres logiciels", false},
};

// The window's client area and every control at its designed place and size
// scaled to the screen's DPI, with its text; at another scale a size may be
// a pixel off the designed size scaled.
inline void expectEveryControlInPlace(const MorviProcess& morvi) {
  const auto scaled = [dpi = screenDpi()](int designed) { return desc::scaleLength(designed, dpi); };
  const int slack = screenDpi() == desc::kDesignDpi ? 0 : 1;
  RECT client;
  GetClientRect(morvi.window(), &client);
  EXPECT_NEAR(client.right, scaled(497), slack);
  EXPECT_NEAR(client.bottom, scaled(489), slack);
  for (const Expected& e : kControls) {
    SCOPED_TRACE(e.name);
    const HWND c = morvi.control(e.name);
    ASSERT_TRUE(c);
    RECT r;
    GetWindowRect(c, &r);
    POINT at{r.left, r.top};
    ScreenToClient(GetParent(c), &at);
    EXPECT_EQ(at.x, scaled(e.left));
    EXPECT_EQ(at.y, scaled(e.top));
    if (!e.sizedToText) {
      EXPECT_NEAR(r.right - r.left, scaled(e.width), slack);
      EXPECT_NEAR(r.bottom - r.top, scaled(e.height), slack);
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
}

}  // namespace e2e
