#include <gtest/gtest.h>

#include "framework/error/error_text.h"

TEST(ErrorBoxText, AddsAFullStopOnlyAfterACharacterThatSortsAfterIt) {
  EXPECT_EQ(fw::errorBoxText(L"Impossible d'écrire dans C:\\Plandrel.ini"), L"Impossible d'écrire dans C:\\Plandrel.ini.");
  EXPECT_EQ(fw::errorBoxText(L"Impression en cours"), L"Impression en cours.");
  EXPECT_EQ(fw::errorBoxText(L"Fini."), L"Fini.");
  EXPECT_EQ(fw::errorBoxText(L"Erreur (code 5)"), L"Erreur (code 5)");  // ')' sorts before '.'
  EXPECT_EQ(fw::errorBoxText(L"Erreur 5"), L"Erreur 5.");
  EXPECT_EQ(fw::errorBoxText(L""), L"");
}
