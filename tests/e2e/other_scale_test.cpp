// The scale item after the catalogue's, " Autre…": its dialog, and where the
// selection stays when the dialog is left without an answer.
#include <windows.h>

#include <gtest/gtest.h>

#include "morvi_process.h"
#include "printed_sheet.h"
#include "tests/support/window_search.h"

using namespace e2e;

namespace {

bool checked(HWND item) { return SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED; }

TEST(OtherScale, LeavingTheDialogWithoutAnAnswerKeepsTheScaleWhereItWas) {
  MorviProcess morvi;
  chooseScale(morvi, 8);  // 1:200
  const HWND scales = morvi.childWithText(printGroup(morvi), L"Echelles disponibles");
  const HWND at200 = morvi.childWithText(scales, L" 1:200");
  struct Way {
    const char* name;
    void (*close)(const MorviProcess&, HWND);
  };
  const Way ways[] = {
      {"Annuler", [](const MorviProcess& m, HWND d) { m.click(automation::descendantWithText(d, L"Annuler")); }},
      {"Escape", [](const MorviProcess& m, HWND) { m.press(VK_ESCAPE); }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    const HWND dialog = openOtherScale(morvi);
    ASSERT_TRUE(dialog) << "no dialog";
    EXPECT_NE(dialogText(dialog).find(L"Echelle 1 :"), std::wstring::npos) << narrow(dialogText(dialog));
    way.close(morvi, dialog);
    waitUntilClosed(dialog);
    morvi.settle();
    EXPECT_TRUE(checked(at200));
    EXPECT_FALSE(checked(otherScaleItem(morvi)));
    EXPECT_EQ(textOf(otherScaleItem(morvi)), L" Autre…");
  }

  // Once given, the item keeps its N and stays selected; clicked again it
  // asks again, and Annuler leaves it selected as it was.
  giveOtherScale(morvi, openOtherScale(morvi), L"33.3");
  EXPECT_EQ(textOf(otherScaleItem(morvi)), L" 1:33,3");
  EXPECT_TRUE(checked(otherScaleItem(morvi)));
  EXPECT_FALSE(checked(at200));
  const HWND again = openOtherScale(morvi);
  ASSERT_TRUE(again) << "a second click opens no dialog";
  EXPECT_EQ(proposedScale(again), L"33,3");
  morvi.click(automation::descendantWithText(again, L"Annuler"));
  waitUntilClosed(again);
  morvi.settle();
  EXPECT_TRUE(checked(otherScaleItem(morvi)));
  EXPECT_EQ(textOf(otherScaleItem(morvi)), L" 1:33,3");
}

}  // namespace
