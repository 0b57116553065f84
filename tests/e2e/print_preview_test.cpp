// The print confirmation's preview, seen from outside as a user sees it: the
// sheet on the paper of the printer checked, following another choice at
// once, and a page that cannot hold the sheet said before "Oui", which is
// greyed meanwhile. The preview's name is what a screen reader reads.
#include <windows.h>

#include <gtest/gtest.h>

#include "morvi_process.h"
#include "screen_ink.h"
#include "settings_file.h"
#include "tests/support/window_search.h"

using namespace e2e;

namespace {

// A printer's line in the list, the preview's name once it is checked, the
// shape of the paper shown, and whether "Oui" may then be pressed.
struct Checked {
  const wchar_t *line, *preview;
  double widthOverHeight;
  BOOL oui;
};

// Checks each printer's line in turn, as a user reads the preview of each.
void checkEach(const MorviProcess& morvi, HWND dialog, std::initializer_list<Checked> rows) {
  const HWND oui = automation::descendantWithText(dialog, L"&Oui");
  pause(GetDoubleClickTime());  // a click sooner would count as the second of the one that opened it
  for (const Checked& row : rows) {
    SCOPED_TRACE(testing::Message() << std::wstring(row.line));
    morvi.click(automation::descendantWithText(dialog, row.line));
    HWND preview = nullptr;
    for (int i = 0; i < 50 && !(preview = automation::descendantWithText(dialog, row.preview)); ++i) pause(100);
    ASSERT_TRUE(preview) << "the preview does not follow";
    RECT client;
    GetClientRect(preview, &client);
    const Ink paper = inkOnScreen(preview, client);
    EXPECT_NEAR(double(paper.box.right - paper.box.left) / (paper.box.bottom - paper.box.top), row.widthOverHeight,
                0.02);
    EXPECT_EQ(IsWindowEnabled(oui), row.oui);
  }
  morvi.press(VK_ESCAPE);
  waitUntilClosed(dialog);
}

TEST(PrintPreview, FollowsThePrinterCheckedItsPaperAndCalibration) {
  const SettingsFileSetAside settings;
  settings.write("[Morvi]\r\nImprimante=PDF\r\n[Imprimantes]\r\nPDF=12\r\nPDF-Letter=-8\r\n");
  MorviProcess morvi;
  morvi.chooseOrientation(L"Portrait");
  morvi.chooseScale(5);
  const HWND dialog = morvi.askToPrint();
  ASSERT_TRUE(dialog);
  checkEach(morvi, dialog,
            {{L"PDF-Letter · étalonnage -8 ‰", L"Aperçu : Letter portrait, Echelle 1:100, étalonnage -8 ‰",
              215.9 / 279.4, TRUE},
             {L"PDF · étalonnage +12 ‰", L"Aperçu : A4 portrait, Echelle 1:100, étalonnage +12 ‰", 210 / 297.0, TRUE}});
}

// Six strips of 30 mm do not fit across A5 upright.
TEST(PrintPreview, APageTooSmallIsSaidBeforeOuiWhichIsGreyed) {
  const SettingsFileSetAside settings;
  settings.write("[Morvi]\r\nImprimante=PDF\r\n");
  MorviProcess morvi;
  morvi.chooseOrientation(L"Portrait");
  ASSERT_TRUE(morvi.openKutschSheet());
  morvi.press(VK_RETURN);
  const HWND dialog = morvi.dialog(L"Confirmation");
  ASSERT_TRUE(dialog);
  checkEach(morvi, dialog,
            {{L"PDF-A5 · non étalonnée",
              L"La page de « PDF-A5 » (149 × 210 mm) est trop étroite pour six bandes de 30 mm", 148 / 210.0, FALSE},
             {L"PDF · non étalonnée", L"Aperçu : A4 portrait, Planche kutsch, non étalonnée", 210 / 297.0, TRUE}});
}

}  // namespace
