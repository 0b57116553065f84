// The kutsch sheet as a user prints it, from the keyboard: Ctrl+K, Enter in
// its dialog, Enter on the confirmation; then its six strips measured on the
// PDF and its six scales found in the settings file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "morvi_process.h"
#include "printed_sheet.h"
#include "ruler/kutsch_sheet.h"
#include "settings_file.h"

using namespace e2e;

namespace {

TEST(KutschSheet, CtrlKEnterAndTheConfirmationPrintSixTrueStrips) {
  const SettingsFileSetAside settings;
  PdfFolder folder;
  {
    MorviProcess morvi;
    morvi.calibrate(20);
    ASSERT_TRUE(morvi.openKutschSheet());
    morvi.press(VK_RETURN);
    ASSERT_TRUE(morvi.dialog(L"Confirmation"));
    EXPECT_EQ(settings.storedText(L"PlancheKutsch"), L"20;25;50;75;100;125") << "not kept when Imprimer is pressed";
    morvi.press(VK_RETURN);
    const std::optional<std::string> pdf = folder.next();
    ASSERT_TRUE(pdf) << "no sheet came out";
    const Sheet sheet = measure(*pdf);

    const ruler::ScaleSet& set = ruler::scaleSets()[0];  // the first time
    EXPECT_EQ(sheet.title, "1:20 1:25 1:50 1:75 1:100 1:125");
    ASSERT_EQ(sheet.strips.size(), ruler::stripCount);
    for (std::size_t i = 0; i < ruler::stripCount; ++i) {
      SCOPED_TRACE(testing::Message() << "1:" << set.denominators[i]);
      const Sheet::Strip& strip = sheet.strips[i];
      const double right = i + 1 < ruler::stripCount ? sheet.strips[i + 1].cutMm : sheet.inkRightMm;
      EXPECT_GE(right - strip.cutMm, 30);
      const ruler::ScaleDenominator n = ruler::scalesOf(set)[i];
      const double step = ruler::graduationOf(n, L"").labelStep;
      // Each labelled mark at k × step × 1000 / N × (1 + 20 / 1000) mm from
      // the first, down to 240 mm of ruler at least.
      EXPECT_GT(expectLabelledEvery(strip.marks, step * 1000 / n.value() * 1.02, step, 1), 240);
    }
    EXPECT_NEAR(sheet.checkBarMm, 102, 0.1);
    EXPECT_GE(sheet.inkLeftMm, 3);
    EXPECT_GE(sheet.inkTopMm, 3);
    EXPECT_LE(sheet.inkRightMm, sheet.paperWidthMm - 3);
    EXPECT_LE(sheet.inkBottomMm, sheet.paperHeightMm - 3);
    ASSERT_FALSE(sheet.texts.empty());
    EXPECT_NE(sheet.texts.back().find("Echelles 1:20, 1:25, 1:50, 1:75, 1:100, 1:125 · étalonnage +20 ‰ · portrait"),
              std::string::npos)
        << sheet.texts.back();
    ASSERT_TRUE(morvi.close());
  }
  EXPECT_EQ(settings.storedText(L"PlancheKutsch"), L"20;25;50;75;100;125");
}

}  // namespace
