// The settings file left behind by the real program: read at start, written
// once when the window closes, untouched when the process is killed.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "morvi_process.h"
#include "printed_sheet.h"
#include "settings_file.h"

using e2e::MorviProcess;

namespace {

// Starts each test without a settings file and gives the user's own one
// back afterwards.
class SettingsFileTest : public testing::Test {
 protected:
  bool readFile(std::string& content) const {
    std::ifstream in(std::filesystem::path(file), std::ios::binary);
    if (!in) return false;
    std::stringstream s;
    s << in.rdbuf();
    content = s.str();
    return true;
  }
  void writeFile(const std::string& content) const { std::ofstream(std::filesystem::path(file), std::ios::binary) << content; }
  int stored(const wchar_t* key) const {
    return int(GetPrivateProfileIntW(L"Morvi", key, -12345, file.c_str()));
  }
  std::wstring storedText(const wchar_t* key) const {
    wchar_t text[64]{};
    GetPrivateProfileStringW(L"Morvi", key, L"(absent)", text, 64, file.c_str());
    return text;
  }

  static HWND spinField(const MorviProcess& morvi) {
    HWND printing = morvi.childWithText(morvi.window(), L"Impression de règles graduées");
    return morvi.childAt(printing, 68, 119);
  }
  // The orientation item that is checked, or an empty text.
  static std::wstring checkedOrientation(const MorviProcess& morvi) {
    HWND printing = morvi.childWithText(morvi.window(), L"Impression de règles graduées");
    HWND group = morvi.childWithText(printing, L"Orientation");
    for (const e2e::Child& c : morvi.children(group))
      if (SendMessageW(c.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) return c.text;
    return L"";
  }

  e2e::SettingsFileSetAside setAside;
  const std::wstring& dir = setAside.dir;
  const std::wstring& file = setAside.file;
};

TEST_F(SettingsFileTest, StoredCalibrationAndOrientationAreShownAndKept) {
  writeFile("[Other]\r\nKeep=1\r\n[Morvi]\r\nCoef=25\r\nOrientation=5\r\nNote=mine\r\n");
  {
    MorviProcess morvi;
    EXPECT_EQ(e2e::textOf(spinField(morvi)), L"25");
    EXPECT_NEAR(morvi.calibrationCoef(), 1.025, 1e-12);
    EXPECT_EQ(checkedOrientation(morvi), L"Paysage");
    ASSERT_TRUE(morvi.close());
    EXPECT_EQ(morvi.exitCode(), 0u);
  }
  EXPECT_EQ(stored(L"Coef"), 25);
  EXPECT_EQ(storedText(L"Orientation"), L"5") << "a value nobody changed keeps its line";
  // Other sections and keys are left alone.
  EXPECT_EQ(GetPrivateProfileIntW(L"Other", L"Keep", 0, file.c_str()), 1u);
  wchar_t note[16]{};
  GetPrivateProfileStringW(L"Morvi", L"Note", L"", note, 16, file.c_str());
  EXPECT_STREQ(note, L"mine");
}

TEST_F(SettingsFileTest, OutOfRangeValuesAreBroughtIntoRange) {
  writeFile("[Morvi]\r\nCoef=-250\r\nOrientation=-7\r\n");
  {
    MorviProcess morvi;
    EXPECT_EQ(e2e::textOf(spinField(morvi)), L"-100");
    EXPECT_NEAR(morvi.calibrationCoef(), 0.9, 1e-12);
    EXPECT_EQ(checkedOrientation(morvi), L"");
    ASSERT_TRUE(morvi.close());
  }
  // Values the user did not change keep their lines as they were.
  std::string after;
  ASSERT_TRUE(readFile(after));
  EXPECT_EQ(after, "[Morvi]\r\nCoef=-250\r\nOrientation=-7\r\n");
}

TEST_F(SettingsFileTest, HexadecimalAndUnreadableValues) {
  writeFile("[Morvi]\r\nCoef=0x10\r\nOrientation=abc\r\n");
  MorviProcess morvi;
  EXPECT_EQ(e2e::textOf(spinField(morvi)), L"16");
  EXPECT_FALSE(checkedOrientation(morvi).empty());  // the printer's orientation
}

// The N of " Autre…" is written with a dot and read back in the next run;
// a stored value that does not read starts the program as if there were none.
TEST_F(SettingsFileTest, TheOtherScaleIsKeptAndABadOneIsLeftAside) {
  for (const char* bad : {"abc", "0", "141,45", "1e5"}) {
    writeFile(std::string("[Morvi]\r\nCoef=0\r\nAutreEchelle=") + bad + "\r\n");
    MorviProcess morvi;
    EXPECT_TRUE(morvi.startErrors().empty()) << bad;
    EXPECT_EQ(e2e::textOf(e2e::otherScaleItem(morvi)), L" Autre…") << bad;
    ASSERT_TRUE(morvi.close());
    EXPECT_EQ(morvi.exitCode(), 0u);
  }
  {
    MorviProcess morvi;
    const HWND dialog = e2e::openOtherScale(morvi);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(e2e::proposedScale(dialog), L"") << "nothing to propose";
    e2e::giveOtherScale(morvi, dialog, L"141,4");
    ASSERT_TRUE(morvi.close());
  }
  EXPECT_EQ(storedText(L"AutreEchelle"), L"141.4");
  MorviProcess morvi;
  EXPECT_EQ(e2e::textOf(e2e::otherScaleItem(morvi)), L" 1:141,4");
  const HWND dialog = e2e::openOtherScale(morvi);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(e2e::proposedScale(dialog), L"141,4");
  morvi.press(VK_ESCAPE);
  e2e::waitUntilClosed(dialog);
}

TEST_F(SettingsFileTest, ChangedCalibrationIsStoredOnCloseButNotWhenKilled) {
  writeFile("[Morvi]\r\nCoef=37\r\nOrientation=0\r\n");
  {
    MorviProcess morvi;
    HWND field = spinField(morvi);
    PostMessageW(field, WM_KEYDOWN, VK_UP, 1);
    PostMessageW(field, WM_KEYDOWN, VK_UP, 1);
    morvi.settle();
    EXPECT_EQ(e2e::textOf(field), L"39");
    EXPECT_EQ(stored(L"Coef"), 37);  // nothing is written during the run
    morvi.kill();
  }
  EXPECT_EQ(stored(L"Coef"), 37);
  {
    MorviProcess morvi;
    PostMessageW(spinField(morvi), WM_KEYDOWN, VK_DOWN, 1);
    morvi.settle();
    ASSERT_TRUE(morvi.close());
  }
  EXPECT_EQ(stored(L"Coef"), 36);
}

TEST_F(SettingsFileTest, EscapeInTheCalibrationAssistantChangesNothing) {
  writeFile("[Morvi]\r\nCoef=37\r\nOrientation=0\r\n");
  {
    MorviProcess morvi;
    morvi.press('E', VK_CONTROL);
    const HWND assistant = e2e::waitForTopLevel(morvi.processId(), L"Étalonner l'imprimante");
    ASSERT_TRUE(assistant);
    morvi.press(VK_TAB);
    morvi.type(L"248");
    ASSERT_NE(e2e::dialogText(assistant).find(L"Étalonnage proposé : +8"), std::wstring::npos) << "nothing to apply";
    morvi.press(VK_ESCAPE);
    for (int i = 0; i < 100 && IsWindowVisible(assistant); ++i) e2e::pause(50);
    ASSERT_FALSE(IsWindow(assistant) && IsWindowVisible(assistant));
    EXPECT_EQ(e2e::textOf(spinField(morvi)), L"37");
    EXPECT_NEAR(morvi.calibrationCoef(), 1.037, 1e-12);
    ASSERT_TRUE(morvi.close());
  }
  std::string after;
  ASSERT_TRUE(readFile(after));
  EXPECT_EQ(after, "[Morvi]\r\nCoef=37\r\nOrientation=0\r\n");
}

TEST_F(SettingsFileTest, RefusedWriteIsReportedAndTheProgramEndsNormally) {
  // A file where the folder should be: the folder cannot be made, the write fails.
  RemoveDirectoryW(dir.c_str());
  std::ofstream(std::filesystem::path(dir), std::ios::binary) << "not a folder";
  MorviProcess morvi;
  EXPECT_EQ(e2e::textOf(spinField(morvi)), L"0");
  EXPECT_NEAR(morvi.calibrationCoef(), 1.0, 1e-12);
  PostMessageW(morvi.window(), WM_SYSCOMMAND, SC_CLOSE, 0);

  HWND box = e2e::waitForTopLevel(morvi.processId(), L"Morvi");
  ASSERT_NE(box, nullptr) << "no error box";
  EXPECT_NE(e2e::dialogText(box).find(L"Impossible d'écrire dans " + file), std::wstring::npos) << e2e::dialogText(box);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(morvi.close());
  EXPECT_EQ(morvi.exitCode(), 0u);
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
    EXPECT_EQ(e2e::textOf(spinField(morvi)), field);
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
  e2e::calibrate(morvi, 21);
  // A window of the test's own has the foreground meanwhile.
  const HWND other = CreateWindowExW(0, L"STATIC", L"Autre", WS_POPUP | WS_VISIBLE, 0, 0, 80, 40, nullptr, nullptr,
                                     nullptr, nullptr);
  SetForegroundWindow(other);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION second{};
  std::wstring commandLine = L"\"" + e2e::morviExe() + L"\"";
  ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &second));
  const DWORD ended = WaitForSingleObject(second.hProcess, 20000);
  DWORD exitCode = 1;
  GetExitCodeProcess(second.hProcess, &exitCode);
  if (ended != WAIT_OBJECT_0) TerminateProcess(second.hProcess, 1);
  CloseHandle(second.hThread);
  CloseHandle(second.hProcess);
  DestroyWindow(other);
  ASSERT_EQ(ended, WAIT_OBJECT_0) << "the second start opened a window of its own";
  EXPECT_EQ(exitCode, 0u);
  EXPECT_EQ(GetForegroundWindow(), morvi.window());

  e2e::chooseOrientation(morvi, L"Paysage");
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
    const HWND field = spinField(morvi);
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
    e2e::chooseScale(morvi, 5);
    const e2e::Sheet sheet = e2e::printAndMeasure(morvi, folder);
    std::vector<double> labelled;
    for (const e2e::Sheet::Mark& mark : sheet.marks)
      if (mark.labelled) labelled.push_back(mark.mm);
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
    e2e::chooseOrientation(morvi, L"Paysage");
    e2e::giveOtherScale(morvi, e2e::openOtherScale(morvi), L"250,5");
    e2e::calibrate(morvi, 21);  // typed, the field not left
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION logoff{};
    std::wstring commandLine = L"wineboot.exe --end-session";  // what a logoff sends
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &logoff));
    WaitForSingleObject(logoff.hProcess, 30000);
    CloseHandle(logoff.hThread);
    CloseHandle(logoff.hProcess);
    for (int i = 0; i < 100 && morvi.exitCode() == STILL_ACTIVE; ++i) e2e::pause(100);
    ASSERT_NE(morvi.exitCode(), DWORD(STILL_ACTIVE)) << "the session's end did not end Morvi";
  }
  EXPECT_EQ(stored(L"Coef"), 21);
  EXPECT_EQ(stored(L"Orientation"), 1);
  EXPECT_EQ(storedText(L"AutreEchelle"), L"250.5");
  {
    MorviProcess morvi;
    e2e::calibrate(morvi, -3);
    morvi.press(VK_TAB);
    morvi.settle();
    morvi.kill();
  }
  EXPECT_EQ(stored(L"Coef"), -3);
}

}  // namespace
