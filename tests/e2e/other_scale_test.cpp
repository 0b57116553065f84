// The scale item after the catalogue's, " Autre…": its dialog, and where the
// selection stays when the dialog is left without an answer.
#include <windows.h>

#include <gtest/gtest.h>

#include "morvi_process.h"
#include "settings_file.h"

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

}  // namespace
