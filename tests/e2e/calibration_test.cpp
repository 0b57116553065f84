// The calibration assistant, used as a user would: Ctrl+E, print the sheet,
// measure its bar on the PDF, type that length, apply; then a printed ruler
// measures true on the paper.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "morvi_process.h"
#include "printed_sheet.h"
#include "ruler/calibration.h"
#include "tests/support/window_search.h"

using namespace e2e;

namespace {

TEST(Calibration, OneMeasuredSheetMakesTheRulerTrueInBothOrientations) {
  PdfFolder folder;
  MorviProcess morvi;
  for (const bool landscape : {false, true}) {
    SCOPED_TRACE(landscape ? "landscape" : "portrait");
    morvi.chooseOrientation(landscape ? L"Paysage" : L"Portrait");
    morvi.calibrate(37);  // the sheet leaves the calibration out
    const HWND assistant = morvi.openAssistant();
    ASSERT_TRUE(assistant);
    EXPECT_NE(dialogText(assistant).find(landscape ? L"Orientation : Paysage" : L"Orientation : Portrait"),
              std::wstring::npos);

    morvi.press(VK_SPACE);  // the first control prints the sheet, once seen and confirmed
    const HWND confirmation = morvi.dialog(L"Confirmation");
    ASSERT_TRUE(confirmation) << "printed unseen";
    EXPECT_TRUE(automation::descendantWithText(confirmation, std::wstring(L"Aperçu : A4 ") +
                                                                 (landscape ? L"paysage" : L"portrait") +
                                                                 L", Feuille d'étalonnage, étalonnage +37 ‰"))
        << dialogText(confirmation);
    morvi.press(VK_RETURN);
    const std::optional<std::string> pdf = folder.next();
    ASSERT_TRUE(pdf) << "no sheet came out";
    const Sheet sheet = measure(*pdf);
    EXPECT_EQ(sheet.title, "Morvi : feuille d'étalonnage");
    EXPECT_EQ(sheet.orientation, landscape ? "landscape" : "portrait");
    ASSERT_GE(sheet.texts.size(), 3u);
    EXPECT_EQ(sheet.texts[1], landscape ? "Orientation : Paysage" : "Orientation : Portrait");
    const int nominal = landscape ? 180 : 250;
    ASSERT_FALSE(sheet.marks.empty());
    EXPECT_EQ(sheet.marks.size(), nominal / 10 + 1u);
    EXPECT_EQ(sheet.marks.back().label, std::to_string(nominal) + "mm");

    // Typed as a French user reads a ruler: to a tenth of a millimetre and more.
    wchar_t typed[32];
    std::swprintf(typed, 32, L"%.2f", sheet.barMm);
    const long double measured = std::wcstold(typed, nullptr);
    for (wchar_t* c = typed; *c; ++c)
      if (*c == L'.') *c = L',';
    morvi.press(VK_TAB);
    morvi.type(typed);
    const ruler::CalibrationProposal proposal = ruler::proposeCalibration(nominal, measured);
    ASSERT_TRUE(proposal.calibration);
    EXPECT_NE(dialogText(assistant).find(proposal.text), std::wstring::npos) << "shown as it is typed";
    std::printf("[ %s ] bar of %d mm measured %s mm: %+d per thousand proposed\n",
                landscape ? "landscape" : "portrait", nominal, narrow(typed).c_str(), proposal.calibration->permille());

    // Return leaves the field for "Appliquer", which Return then presses.
    for (int i = 0; i < 2 && IsWindowVisible(assistant); ++i) morvi.press(VK_RETURN);
    ASSERT_TRUE(waitUntilClosed(assistant));
    EXPECT_NEAR(morvi.calibrationCoef(), static_cast<double>(proposal.calibration->coefficient()), 1e-12);

    // 1:100: a labelled mark every 10 mm of true paper.
    morvi.chooseScale(5);
    const std::vector<double> labelled = morvi.printAndMeasure(folder).labelledMm();
    ASSERT_GE(labelled.size(), landscape ? 20u : 26u);
    for (std::size_t k = 1; k < labelled.size(); ++k)
      EXPECT_NEAR(labelled[k] - labelled[0], 10.0 * k, 0.1) << "label " << k;
  }
}

// The system menu (Alt+Space, its last item) and the tooltips of the
// calibration label and field lead to the assistant; its close box applies nothing.
TEST(Calibration, TheSystemMenuAndTheTooltipsLeadToTheAssistant) {
  MorviProcess morvi;
  for (const HWND target : {morvi.control("Label1"), morvi.control("SpinEdit")}) {
    morvi.hover(target);
    HWND tip = nullptr;
    for (int i = 0; i < 60 && !tip; ++i) {
      pause(50);
      for (HWND w = FindWindowExW(nullptr, nullptr, L"tooltips_class32", nullptr); w && !tip;
           w = FindWindowExW(nullptr, w, L"tooltips_class32", nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == morvi.processId() && IsWindowVisible(w)) tip = w;
      }
    }
    ASSERT_TRUE(tip) << "no tooltip";
    EXPECT_NE(textOf(tip).find(L"« Étalonner l'imprimante… » dans le menu système, ou Ctrl+E"), std::wstring::npos)
        << narrow(textOf(tip));
    morvi.hover(morvi.window());
  }

  const double before = morvi.calibrationCoef();
  morvi.press(VK_SPACE, VK_MENU);
  morvi.press(VK_UP);  // the ruler on screen's item, below the kutsch sheet's
  morvi.press(VK_UP);  // the kutsch sheet's item, below the assistant's
  morvi.press(VK_UP);
  morvi.press(VK_RETURN);
  const HWND assistant = morvi.dialog(L"Étalonner l'imprimante");
  ASSERT_TRUE(assistant);
  morvi.press(VK_TAB);
  morvi.type(L"248");
  PostMessageW(assistant, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(waitUntilClosed(assistant));
  EXPECT_EQ(morvi.calibrationCoef(), before);
}

}  // namespace
