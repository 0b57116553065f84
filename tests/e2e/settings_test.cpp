// The settings file left behind by the real program: read at start, written
// once when the window closes, untouched when the process is killed.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "morvi_process.h"
#include "printed_sheet.h"
#include "settings_file.h"
#include "tests/support/process.h"
#include "tests/support/window_search.h"

using e2e::MorviProcess;

namespace {

// Starts each test without a settings file and gives the user's own one
// back afterwards.
class SettingsFileTest : public testing::Test {
 protected:
  void writeFile(const std::string& content) const { settings.write(content); }
  int stored(const wchar_t* key) const { return settings.stored(L"Morvi", key); }
  std::wstring storedText(const wchar_t* key) const { return settings.storedText(key); }

  // The orientation item that is checked, or an empty text.
  static std::wstring checkedOrientation(const MorviProcess& morvi) {
    for (const e2e::Child& c : morvi.items("RgOrient"))
      if (SendMessageW(c.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) return c.text;
    return L"";
  }

  e2e::SettingsFileSetAside settings;
  const std::wstring& dir = settings.dir;
  const std::wstring& file = settings.file;
};

TEST_F(SettingsFileTest, StoredCalibrationAndOrientationAreShownAndKept) {
  writeFile("[Other]\r\nKeep=1\r\n[Morvi]\r\nCoef=25\r\nOrientation=5\r\nNote=mine\r\n");
  {
    MorviProcess morvi;
    EXPECT_EQ(e2e::textOf(morvi.control("SpinEdit")), L"25");
    EXPECT_NEAR(morvi.calibrationCoef(), 1.025, 1e-12);
    EXPECT_EQ(checkedOrientation(morvi), L"Paysage");
    ASSERT_TRUE(morvi.close());
    EXPECT_EQ(morvi.exitCode(), 0u);
  }
  EXPECT_EQ(stored(L"Coef"), 25);
  EXPECT_EQ(storedText(L"Orientation"), L"5") << "a value nobody changed keeps its line";
  // Other sections and keys are left alone.
  EXPECT_EQ(settings.stored(L"Other", L"Keep"), 1);
  EXPECT_EQ(storedText(L"Note"), L"mine");
}

TEST_F(SettingsFileTest, OutOfRangeValuesAreBroughtIntoRange) {
  writeFile("[Morvi]\r\nCoef=-250\r\nOrientation=-7\r\n");
  {
    MorviProcess morvi;
    EXPECT_EQ(e2e::textOf(morvi.control("SpinEdit")), L"-100");
    EXPECT_NEAR(morvi.calibrationCoef(), 0.9, 1e-12);
    EXPECT_EQ(checkedOrientation(morvi), L"");
    ASSERT_TRUE(morvi.close());
  }
  // Values the user did not change keep their lines as they were.
  EXPECT_EQ(settings.read(), "[Morvi]\r\nCoef=-250\r\nOrientation=-7\r\n");
}

TEST_F(SettingsFileTest, HexadecimalAndUnreadableValues) {
  writeFile("[Morvi]\r\nCoef=0x10\r\nOrientation=abc\r\n");
  MorviProcess morvi;
  EXPECT_EQ(e2e::textOf(morvi.control("SpinEdit")), L"16");
  EXPECT_FALSE(checkedOrientation(morvi).empty());  // the printer's orientation
}

// Started without %APPDATA%, or with one that is no full path, the program
// finds its file in the shell's folder all the same.
TEST_F(SettingsFileTest, FoundWithoutAFullApplicationDataPathInTheEnvironment) {
  writeFile("[Morvi]\r\nCoef=7\r\n");
  wchar_t saved[MAX_PATH]{};
  ASSERT_GT(GetEnvironmentVariableW(L"APPDATA", saved, MAX_PATH), 0u);
  for (const wchar_t* value : {static_cast<const wchar_t*>(nullptr), L"Roaming"}) {
    SetEnvironmentVariableW(L"APPDATA", value);
    MorviProcess morvi;
    SetEnvironmentVariableW(L"APPDATA", saved);
    EXPECT_EQ(e2e::textOf(morvi.control("SpinEdit")), L"7") << (value ? "relative" : "unset");
  }
}

// The N of " Autre…" is written with a dot and read back in the next run;
// a stored value that does not read, or that the catalogue has, starts the
// program as if there were none.
TEST_F(SettingsFileTest, TheOtherScaleIsKeptAndABadOneIsLeftAside) {
  for (const char* bad : {"abc", "0", "141,45", "1e5", "250"}) {
    writeFile(std::string("[Morvi]\r\nCoef=0\r\nAutreEchelle=") + bad + "\r\n");
    MorviProcess morvi;
    EXPECT_TRUE(morvi.startErrors().empty()) << bad;
    EXPECT_EQ(e2e::textOf(morvi.otherScaleItem()), L" Autre…") << bad;
    ASSERT_TRUE(morvi.close());
    EXPECT_EQ(morvi.exitCode(), 0u);
  }
  {
    MorviProcess morvi;
    const HWND dialog = morvi.openOtherScale();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(e2e::proposedScale(dialog), L"") << "nothing to propose";
    morvi.giveOtherScale(dialog, L"141,4");
    ASSERT_TRUE(morvi.close());
  }
  EXPECT_EQ(storedText(L"AutreEchelle"), L"141.4");
  MorviProcess morvi;
  EXPECT_EQ(e2e::textOf(morvi.otherScaleItem()), L" 1:141,4");
  const HWND dialog = morvi.openOtherScale();
  ASSERT_TRUE(dialog);
  EXPECT_EQ(e2e::proposedScale(dialog), L"141,4");
  morvi.press(VK_ESCAPE);
  e2e::waitUntilClosed(dialog);
}

// A calibration stepped with an arrow key is kept when the key is let go, as
// a click of the arrows is: a process killed then loses nothing.
TEST_F(SettingsFileTest, ACalibrationSteppedByAnArrowKeyIsKeptWhenTheKeyIsLetGo) {
  writeFile("[Morvi]\r\nCoef=37\r\nOrientation=0\r\n");
  {
    MorviProcess morvi;
    HWND field = morvi.control("SpinEdit");
    PostMessageW(field, WM_KEYDOWN, VK_UP, 1);
    PostMessageW(field, WM_KEYDOWN, VK_UP, 0x40000001);  // held: the key repeats
    morvi.settle();
    EXPECT_EQ(e2e::textOf(field), L"39");
    EXPECT_EQ(stored(L"Coef"), 37) << "written while the key is held";
    PostMessageW(field, WM_KEYUP, VK_UP, 0xC0000001);
    morvi.settle();
    morvi.kill();
  }
  EXPECT_EQ(stored(L"Coef"), 39);
  {
    MorviProcess morvi;
    PostMessageW(morvi.control("SpinEdit"), WM_KEYDOWN, VK_DOWN, 1);
    morvi.settle();
    ASSERT_TRUE(morvi.close());
  }
  EXPECT_EQ(stored(L"Coef"), 38);
}

TEST_F(SettingsFileTest, EscapeInTheCalibrationAssistantChangesNothing) {
  writeFile("[Morvi]\r\nCoef=37\r\nOrientation=0\r\n");
  {
    MorviProcess morvi;
    const HWND assistant = morvi.openAssistant();
    ASSERT_TRUE(assistant);
    morvi.press(VK_TAB);
    morvi.type(L"248");
    ASSERT_NE(e2e::dialogText(assistant).find(L"Étalonnage proposé : +8"), std::wstring::npos) << "nothing to apply";
    morvi.press(VK_ESCAPE);
    ASSERT_TRUE(e2e::waitUntilClosed(assistant));
    EXPECT_EQ(e2e::textOf(morvi.control("SpinEdit")), L"37");
    EXPECT_NEAR(morvi.calibrationCoef(), 1.037, 1e-12);
    ASSERT_TRUE(morvi.close());
  }
  EXPECT_EQ(settings.read(), "[Morvi]\r\nCoef=37\r\nOrientation=0\r\n");
}

TEST_F(SettingsFileTest, RefusedWriteIsReportedAndTheProgramEndsNormally) {
  // A file where the folder should be: the folder cannot be made, the write fails.
  RemoveDirectoryW(dir.c_str());
  std::ofstream(std::filesystem::path(dir), std::ios::binary) << "not a folder";
  MorviProcess morvi;
  EXPECT_EQ(e2e::textOf(morvi.control("SpinEdit")), L"0");
  EXPECT_NEAR(morvi.calibrationCoef(), 1.0, 1e-12);
  PostMessageW(morvi.window(), WM_SYSCOMMAND, SC_CLOSE, 0);

  HWND box = morvi.dialog(L"Morvi");
  ASSERT_NE(box, nullptr) << "no error box";
  EXPECT_NE(e2e::dialogText(box).find(L"Impossible d'écrire dans " + file), std::wstring::npos) << e2e::dialogText(box);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(morvi.close());
  EXPECT_EQ(morvi.exitCode(), 0u);
}

// A write the system refuses (here, the file held open by another program)
// leaves the file whole and says the system's reason; what was set is
// written as soon as the file can be.
TEST_F(SettingsFileTest, ARefusedWriteLeavesTheFileWholeAndSaysWhy) {
  const std::string before = "[Morvi]\r\nCoef=5\r\nOrientation=0\r\n\r\n[Perso]\r\n  Mien = garde-moi\r\n";
  writeFile(before);
  MorviProcess morvi;
  const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  morvi.chooseOrientation(L"Paysage");
  const HWND box = morvi.dialog(L"Morvi");
  ASSERT_TRUE(box) << "nothing said";
  // "Impossible d'écrire dans C:\…\Plandrel.ini : Violation de partage." under Wine.
  const std::wstring said = e2e::answerBox(box), prefix = L"Impossible d'écrire dans " + file + L" : ";
  EXPECT_TRUE(said.find(prefix) != std::wstring::npos && said.size() > said.find(prefix) + prefix.size() + 2) << said;
  CloseHandle(held);
  EXPECT_EQ(settings.read(), before);
  ASSERT_TRUE(morvi.close());
  // An earlier version's Coef is written as the printer's own with it.
  EXPECT_EQ(settings.read(),
            "[Morvi]\r\nCoef=5\r\nOrientation=1\r\n\r\n[Perso]\r\n  Mien = garde-moi\r\n[Imprimantes]\r\nPDF=5\r\n");
}

// A file held open by another program at start is said once and never
// written over; what is set meanwhile lands once the file is free, every
// other byte kept.
TEST_F(SettingsFileTest, AFileHeldOpenAtStartGetsWhatWasSetOnceFree) {
  writeFile("[Morvi]\r\nCoef=5\r\nOrientation=0\r\n; mine\r\n");
  const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  MorviProcess morvi(e2e::Printers::Installed, e2e::morviExe(), true);
  ASSERT_EQ(morvi.startErrors().size(), 1u);
  EXPECT_NE(morvi.startErrors()[0].find(L"Impossible de lire " + file + L" : "), std::wstring::npos);
  morvi.chooseOrientation(L"Paysage");
  morvi.settle();
  EXPECT_FALSE(automation::topLevelOf(morvi.processId(), L"Morvi")) << "said twice";
  CloseHandle(held);
  ASSERT_TRUE(morvi.close());
  EXPECT_EQ(settings.read(), "[Morvi]\r\nCoef=5\r\nOrientation=1\r\n; mine\r\n");
}

// With no printer at all the printer's error is shown once at start-up, and
// what the file holds is neither lost nor overwritten: an orientation that
// neither the file nor the printer gave is not written.
class NoPrinterSettings : public SettingsFileTest {
 protected:
  void runWithoutPrinter(const wchar_t* field, const wchar_t* orientation) {
    MorviProcess morvi(e2e::Printers::None);
    ASSERT_EQ(morvi.startErrors().size(), 1u);
    EXPECT_NE(morvi.startErrors()[0].find(L"Aucune imprimante par défaut sélectionnée."), std::wstring::npos);
    EXPECT_EQ(e2e::textOf(morvi.control("SpinEdit")), field);
    EXPECT_NEAR(morvi.calibrationCoef(), 1 + std::stoi(field) / 1000.0, 1e-12);
    EXPECT_EQ(checkedOrientation(morvi), orientation);
    ASSERT_TRUE(morvi.close());
    EXPECT_EQ(morvi.exitCode(), 0u);
  }
};

TEST_F(NoPrinterSettings, StoredCalibrationAndOrientationAreShownAndKept) {
  writeFile("[Morvi]\r\nCoef=25\r\nOrientation=1\r\n");
  runWithoutPrinter(L"25", L"Paysage");
  EXPECT_EQ(storedText(L"Coef"), L"25");
  EXPECT_EQ(storedText(L"Orientation"), L"1");
}

TEST_F(NoPrinterSettings, AFirstRunStoresNoOrientation) {
  runWithoutPrinter(L"0", L"");
  EXPECT_EQ(storedText(L"Coef"), L"0");
  EXPECT_EQ(storedText(L"Orientation"), L"(absent)");
}

TEST_F(NoPrinterSettings, AnUnreadableOrientationIsLeftAsItWas) {
  writeFile("[Morvi]\r\nCoef=-7\r\nOrientation=abc\r\n");
  runWithoutPrinter(L"-7", L"");
  EXPECT_EQ(storedText(L"Coef"), L"-7");
  EXPECT_EQ(storedText(L"Orientation"), L"abc");
}

// A second start brings the running window forward and ends, so the window
// that runs is the only one to write the settings: no change is lost.
TEST_F(SettingsFileTest, ASecondStartBringsTheRunningWindowForward) {
  writeFile("[Morvi]\r\nCoef=5\r\nOrientation=0\r\n");
  MorviProcess morvi;
  morvi.calibrate(21);
  // A window of the test's own has the foreground meanwhile.
  const HWND other = CreateWindowExW(0, L"STATIC", L"Autre", WS_POPUP | WS_VISIBLE, 0, 0, 80, 40, nullptr, nullptr,
                                     nullptr, nullptr);
  SetForegroundWindow(other);
  const automation::Process second(e2e::morviExe(), L"");
  const bool ended = second.ended(20000);
  if (!ended) second.kill();
  DestroyWindow(other);
  ASSERT_TRUE(ended) << "the second start opened a window of its own";
  EXPECT_EQ(second.exitCode(), 0u);
  EXPECT_EQ(GetForegroundWindow(), morvi.window());

  morvi.chooseOrientation(L"Paysage");
  ASSERT_TRUE(morvi.close());
  EXPECT_EQ(stored(L"Coef"), 21);
  EXPECT_EQ(stored(L"Orientation"), 1);
}

// A typo in the calibration field never becomes the calibration: the
// printed ruler, the coefficient and the file all keep the last number.
TEST_F(SettingsFileTest, ATypoNeverBecomesTheCalibration) {
  writeFile("[Morvi]\r\nCoef=7\r\nOrientation=0\r\n");
  e2e::PdfFolder folder;
  {
    MorviProcess morvi;
    const HWND field = morvi.control("SpinEdit");
    for (const wchar_t* typo : {L"5,5", L"--3", L"-", L"3-"}) {
      SCOPED_TRACE(testing::PrintToString(std::wstring(typo)));
      morvi.click(field);
      morvi.press(VK_HOME);
      morvi.press(VK_END, VK_SHIFT);
      morvi.type(typo);
      morvi.press(VK_TAB);
      EXPECT_EQ(e2e::textOf(field), L"7");
      EXPECT_NEAR(morvi.calibrationCoef(), 1.007, 1e-12);
    }
    morvi.chooseScale(5);
    const std::vector<double> labelled = morvi.printAndMeasure(folder).labelledMm();
    ASSERT_GE(labelled.size(), 26u);
    EXPECT_NEAR(labelled[25] - labelled[0], 250 * 1.007, 0.1) << "the 25 m mark of 1:100 at +7 per thousand";
    ASSERT_TRUE(morvi.close());
  }
  EXPECT_EQ(stored(L"Coef"), 7);
}

// What the user set survives the end of the Windows session, which destroys
// no window, and a process killed once the value has settled.
TEST_F(SettingsFileTest, WhatWasSetSurvivesASessionEndAndAKill) {
  writeFile("[Morvi]\r\nCoef=5\r\nOrientation=0\r\n");
  {
    MorviProcess morvi;
    morvi.chooseOrientation(L"Paysage");
    morvi.giveOtherScale(morvi.openOtherScale(), L"250,5");
    morvi.calibrate(21);  // typed, the field not left
    const automation::Process logoff(L"wineboot.exe", L"--end-session");  // what a logoff sends
    logoff.ended(30000);
    for (int i = 0; i < 100 && morvi.exitCode() == STILL_ACTIVE; ++i) e2e::pause(100);
    ASSERT_NE(morvi.exitCode(), DWORD(STILL_ACTIVE)) << "the session's end did not end Morvi";
  }
  EXPECT_EQ(stored(L"Coef"), 21);
  EXPECT_EQ(stored(L"Orientation"), 1);
  EXPECT_EQ(storedText(L"AutreEchelle"), L"250.5");
  {
    MorviProcess morvi;
    morvi.calibrate(-3);
    morvi.press(VK_TAB);
    morvi.settle();
    morvi.kill();
  }
  EXPECT_EQ(stored(L"Coef"), -3);
}

}  // namespace
