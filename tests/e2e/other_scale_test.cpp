// The scale item after the catalogue's, " Autre…": its dialog, and where the
// selection stays when the dialog is left without an answer.
#include <windows.h>

#include <gtest/gtest.h>

#include "morvi_process.h"
#include "settings_file.h"
#include "tests/support/clipboard.h"
#include "tests/support/window_search.h"

using namespace e2e;

namespace {

bool checked(HWND item) { return SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void annuler(const MorviProcess& m, HWND dialog) {
  m.answer(dialog, L"Annuler");
  waitUntilClosed(dialog);
  m.settle();
}

TEST(OtherScale, LeavingTheDialogWithoutAnAnswerKeepsTheScaleWhereItWas) {
  const SettingsFileSetAside setAside;
  MorviProcess morvi;
  morvi.chooseScale(8);
  const HWND at200 = morvi.item("RG_Morvi", 8);
  EXPECT_EQ(textOf(at200), L" 1:200");

  HWND dialog = morvi.openOtherScale();
  ASSERT_TRUE(dialog) << "no dialog";
  EXPECT_NE(dialogText(dialog).find(L"Echelle 1 :"), std::wstring::npos) << narrow(dialogText(dialog));
  annuler(morvi, dialog);
  EXPECT_TRUE(checked(at200));
  EXPECT_FALSE(checked(morvi.otherScaleItem()));
  EXPECT_EQ(textOf(morvi.otherScaleItem()), L" Autre…");

  // Once given, the item reads N and stays selected; clicked again it asks
  // again, and Annuler leaves it selected as it was.
  morvi.giveOtherScale(morvi.openOtherScale(), L"33.3");
  EXPECT_EQ(textOf(morvi.otherScaleItem()), L" 1:33,3");
  EXPECT_TRUE(checked(morvi.otherScaleItem()));
  EXPECT_FALSE(checked(at200));
  dialog = morvi.openOtherScale();
  ASSERT_TRUE(dialog) << "a second click opens no dialog";
  EXPECT_EQ(proposedScale(dialog), L"33,3");
  annuler(morvi, dialog);
  EXPECT_TRUE(checked(morvi.otherScaleItem()));
  EXPECT_EQ(textOf(morvi.otherScaleItem()), L" 1:33,3");

  // Escape as Annuler.
  morvi.chooseScale(8);
  dialog = morvi.openOtherScale();
  ASSERT_TRUE(dialog);
  morvi.press(VK_ESCAPE);
  waitUntilClosed(dialog);
  morvi.settle();
  EXPECT_TRUE(checked(at200));
  EXPECT_FALSE(checked(morvi.otherScaleItem()));
  EXPECT_EQ(textOf(morvi.otherScaleItem()), L" 1:33,3");
}

// The arrows move past " Autre…" without asking; Space on it asks. Left
// without an answer, the selection goes back where the arrows came from.
TEST(OtherScale, TheArrowsOnlyMoveTheSelectionAndSpaceAsks) {
  const SettingsFileSetAside setAside;
  MorviProcess morvi;
  morvi.chooseScale(16);  // 1:2500, the catalogue's last
  morvi.press(VK_DOWN);
  pause(500);
  EXPECT_TRUE(checked(morvi.otherScaleItem()));
  EXPECT_EQ(automation::topLevelOf(morvi.processId(), L"Autre échelle"), nullptr) << "the arrow asked";
  morvi.press(VK_SPACE);
  const HWND dialog = morvi.dialog(L"Autre échelle");
  ASSERT_TRUE(dialog) << "Space did not ask";
  morvi.press(VK_ESCAPE);
  waitUntilClosed(dialog);
  morvi.settle();
  EXPECT_TRUE(checked(morvi.item("RG_Morvi", 16)));
}

// The field reads N as the dimension fields read numbers: a key it does not
// take is not typed ("1e3" gives 13), the line below says why OK is greyed,
// and a paste grouped with the narrow no-break space reads: 1 000, which
// selects the catalogue's own 1:1000 and leaves " Autre…" as it was.
TEST(OtherScale, TheFieldReadsNumbersAsTheDimensionFieldsDo) {
  const SettingsFileSetAside setAside;
  MorviProcess morvi;
  const HWND dialog = morvi.openOtherScale();
  ASSERT_TRUE(dialog);
  const HWND ok = automation::descendantWithText(dialog, L"OK");
  morvi.type(L"1e3");
  EXPECT_EQ(proposedScale(dialog), L"13");
  morvi.type(L",25");
  EXPECT_FALSE(IsWindowEnabled(ok));
  EXPECT_NE(dialogText(dialog).find(L"Au dixième : une décimale au plus"), std::wstring::npos);
  ASSERT_TRUE(testclipboard::put(nullptr, L"1\u202F000"));
  morvi.press(VK_HOME);
  morvi.press(VK_END, VK_SHIFT);
  morvi.press(VK_INSERT, VK_SHIFT);
  morvi.press(VK_RETURN);
  waitUntilClosed(dialog);
  morvi.settle();
  EXPECT_TRUE(checked(morvi.item("RG_Morvi", 13)));
  EXPECT_EQ(textOf(morvi.item("RG_Morvi", 13)), L" 1:1000");
  EXPECT_EQ(textOf(morvi.otherScaleItem()), L" Autre…");
}

}  // namespace
