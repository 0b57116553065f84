// The spin field's decisions at their edges.
#include "controls/spin_logic.h"

#include <gtest/gtest.h>

namespace {

using namespace ctl::spin;

TEST(SpinLogic, ClampKeepsWithinLimitsUnlessTheyAreEqual) {
  EXPECT_EQ(clampValue(150, -100, 100), 100);
  EXPECT_EQ(clampValue(-250, -100, 100), -100);
  EXPECT_EQ(clampValue(-100, -100, 100), -100);
  EXPECT_EQ(clampValue(37, -100, 100), 37);
  EXPECT_EQ(clampValue(INT32_MIN, 0, 0), INT32_MIN);
  EXPECT_EQ(clampValue(123456, 5, 5), 123456);
}

TEST(SpinLogic, TextThatIsNotAnIntegerReadsAsTheValueGiven) {
  EXPECT_EQ(readValue(L"25", -100), 25);
  EXPECT_EQ(readValue(L"-250", -100), -250);  // read as is; clamping comes on leaving
  EXPECT_EQ(readValue(L"+7", -100), 7);
  for (const wchar_t* text : {L"", L"-", L"+", L"1,5", L"0x10", L" 5", L"99999999999"})
    EXPECT_EQ(readValue(text, 7), 7);
}

TEST(SpinLogic, AcceptedCharacters) {
  for (wchar_t ch : {L'0', L'9', L'+', L'-', L',', wchar_t(8), wchar_t(3), wchar_t(22), wchar_t(1)})
    EXPECT_TRUE(acceptsChar(ch, L',', true)) << int(ch);
  for (wchar_t ch : {L'a', L' ', L'.', L'e', wchar_t(13), L'\x00e9'}) EXPECT_FALSE(acceptsChar(ch, L',', true)) << int(ch);
  EXPECT_TRUE(acceptsChar(L'.', L'.', true));  // the separator follows the locale
}

TEST(SpinLogic, DisabledEditorTakesOnlyControlCharactersOtherThanBackspaceAndReturn) {
  for (wchar_t ch : {L'0', L'-', L',', wchar_t(8), wchar_t(13), L'a'}) EXPECT_FALSE(acceptsChar(ch, L',', false)) << int(ch);
  for (wchar_t ch : {wchar_t(3), wchar_t(22), wchar_t(24), wchar_t(1)}) EXPECT_TRUE(acceptsChar(ch, L',', false)) << int(ch);
}

TEST(SpinLogic, PairSitsAtTheRightEdge) {
  EXPECT_EQ(pairBounds(53, 35, 15, true, 96), (Box{33, 0, 15, 30}));
  EXPECT_EQ(pairBounds(53, 35, 15, false, 96), (Box{38, 1, 15, 32}));
  EXPECT_EQ(textAreaRight(49, 15, 96), 32);
  EXPECT_EQ(textMargin(96), 2);
  // At 144 dpi the field, the pair and the insets are half as large again.
  EXPECT_EQ(pairBounds(80, 53, 23, true, 144), (Box{49, 0, 23, 45}));
  EXPECT_EQ(pairBounds(80, 53, 23, false, 144), (Box{57, 2, 23, 48}));
  EXPECT_EQ(textAreaRight(74, 23, 144), 48);
  EXPECT_EQ(textMargin(192), 4);
}

TEST(SpinLogic, ButtonsShareOneRowAndThePairIsWidened) {
  ButtonBoxes odd = fitButtons(15, 17, 96);
  EXPECT_EQ(odd.width, 15);
  EXPECT_EQ(odd.up, (Box{0, 0, 15, 8}));
  EXPECT_EQ(odd.down, (Box{0, 7, 15, 10}));
  EXPECT_EQ(odd.down.top + odd.down.height, 17);

  ButtonBoxes narrow = fitButtons(9, 30, 96);
  EXPECT_EQ(narrow.width, kMinimumPairWidth);
  EXPECT_EQ(narrow.up, (Box{0, 0, 15, 15}));
  EXPECT_EQ(narrow.down, (Box{0, 14, 15, 16}));

  // The narrowest pair grows with the display scale.
  EXPECT_EQ(fitButtons(9, 30, 144).width, 23);
  EXPECT_EQ(fitButtons(9, 30, 192).width, 30);
}

TEST(SpinLogic, MinimumHeightUsesTheSmallerFontForTheMargin) {
  EXPECT_EQ(minimumHeight(13, 25, 1), 25 + 3 + 4 + 2);
  EXPECT_EQ(minimumHeight(30, 25, 1), 25 + 6 + 4 + 2);
  EXPECT_EQ(minimumHeight(13, 13, 2), 13 + 3 + 8 + 2);
}

}  // namespace
