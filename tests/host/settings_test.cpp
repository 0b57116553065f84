// The settings model over the bytes of a settings file in the code page
// (Latin-1 here), read and edited as the program reads and edits them.
#include "settings/morvi_settings.h"

#include <gtest/gtest.h>

#include "framework/error/error.h"
#include "framework/system/ini_file.h"
#include "settings/printer_key.h"
#include "tests/support/latin1_code_page.h"

namespace {

using ruler::Calibration;
using settings::MorviSettings;

const test_support::Latin1 latin1;

// The file's bytes in Latin-1; `refuse` makes writes fail, as a full disk.
struct Disk : fw::IniBytes {
  explicit Disk(const std::wstring& text) {
    bool exact;
    bytes = latin1.encode(text, exact);
  }
  std::string read() const override { return bytes; }
  void write(const Edit& edit) override {
    if (refuse) throw fw::IniFileError(L"Impossible d'écrire");
    bytes = edit(bytes);
  }
  std::string bytes;
  bool refuse = false;
};

struct IniText : Disk, fw::IniFile {
  explicit IniText(const std::wstring& text) : Disk(text), fw::IniFile(static_cast<Disk&>(*this), latin1) {}
  std::wstring text() const { return latin1.decode(bytes); }
};

TEST(Settings, WhatIsInForceForAPrinter) {
  const struct {
    const wchar_t* file;
    const wchar_t* printer;
    int permille;
  } rows[] = {
      {L"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nPDF-Letter=-8\r\n", L"PDF-Letter", -8},  // as earlier versions wrote
      {L"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nPDF-Letter=-8\r\n", L"PDF", 0},
      {L"[Morvi]\r\nCoef=12\r\n", L"PDF", 12},  // PDF in force: Coef is its own
      {L"[Morvi]\r\nCoef=12\r\n", L"PDF2", 0},
      {L"[Imprimantes]\r\nPDF=7\r\n", L"Other", 0},
      {L"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nHOSTILE=500\r\nPDF=abc\r\n", L"HOSTILE", 100},
      {L"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nHOSTILE=500\r\nPDF=abc\r\n", L"PDF", 0},
      {L"[Morvi]\r\nCoef=-250\r\n", L"PDF", -100},
      {L"[Morvi]\r\nCoef=0\r\nImprimante=PDF\r\n", L"PDF", 0},  // a first run's 0: never calibrated
      {L"[Imprimantes]\r\n[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nPDF2=7\r\n", L"PDF", 12},  // the first is read
  };
  for (const auto& row : rows) {
    IniText file(row.file);
    MorviSettings model(file);
    model.takeEarlierCalibration(L"PDF");
    EXPECT_EQ(model.calibrationFor(row.printer).permille(), row.permille) << row.printer;
    EXPECT_EQ(model.calibrated(row.printer), row.permille != 0) << row.printer;
  }
  IniText file(L"[Morvi]\r\nOrientation=5\r\n");
  EXPECT_EQ(MorviSettings(file).orientation(), 1);
}

// An earlier version's one calibration stays its printer's once another
// printer has one.
TEST(Settings, AnEarlierVersionsCalibrationIsKeptAsItsPrintersOwn) {
  IniText file(L"[Morvi]\r\nCoef=12\r\n");
  MorviSettings model(file);
  model.takeEarlierCalibration(L"PDF");
  model.setCalibration(L"PDF2", Calibration::clamped(5));
  model.save();
  EXPECT_EQ(file.text(), L"[Morvi]\r\nCoef=5\r\n[Imprimantes]\r\nPDF2=5\r\nPDF=12\r\n");
}

TEST(Settings, OnlyWhatTheUserChangedIsWritten) {
  const std::wstring handEdited =
      L"; mine\r\n[Morvi]\r\nCoef = -250\r\nOrientation=-7\r\nAutreEchelle=abc\r\n[Imprimantes]\r\nHOSTILE=500\r\n";
  IniText file(handEdited);
  MorviSettings model(file);
  // What the window shows of them, given back unchanged, and a first run's
  // values where the file has its own.
  model.setCalibration(L"HOSTILE", model.calibrationFor(L"HOSTILE"));
  model.setCalibration(L"PDF", model.calibrationFor(L"PDF"));
  model.completeWith(Calibration::clamped(3), 0);
  EXPECT_FALSE(model.pending());
  model.save();
  EXPECT_EQ(file.text(), handEdited);

  model.setCalibration(L"PDF", Calibration::clamped(7));
  model.setOrientation(1);
  ASSERT_TRUE(model.pending());
  model.save();
  EXPECT_FALSE(model.pending());
  EXPECT_EQ(file.text(),
            L"; mine\r\n[Morvi]\r\nCoef = 7\r\nOrientation=1\r\nAutreEchelle=abc\r\n[Imprimantes]\r\nHOSTILE=500\r\n"
            L"PDF=7\r\n");
  EXPECT_EQ(model.calibrationFor(L"HOSTILE").permille(), 100) << "its own still counts";

  // Edited from outside since: that edit stays, and what the user sets lands
  // though it is what was read. A refused write leaves all to the next.
  file.bytes = "[Morvi]\r\nOrientation=0\r\nPerso=garde-moi\r\n";
  model.setOrientation(1);
  file.refuse = true;
  EXPECT_THROW(model.save(), fw::IniFileError);
  file.refuse = false;
  model.setOtherScale(*ruler::ScaleDenominator::ofTenths(1414));
  model.save();
  EXPECT_EQ(file.text(), L"[Morvi]\r\nOrientation=1\r\nPerso=garde-moi\r\nAutreEchelle=141.4\r\n");

  IniText empty(L"");
  MorviSettings firstRun(empty);
  firstRun.completeWith(Calibration::clamped(0), std::nullopt);
  firstRun.save();
  EXPECT_EQ(empty.text(), L"[Morvi]\r\nCoef=0\r\n") << "no orientation that nobody gave";
}

// The six N of the kutsch sheet, read back only when all six read.
TEST(Settings, TheKutschSheetsSixScales) {
  IniText file(L"");
  MorviSettings model(file);
  ruler::StripScales scales = ruler::scalesOf(ruler::scaleSets()[1]);
  scales[2] = *ruler::ScaleDenominator::ofTenths(1414);
  model.setKutschScales(scales);
  model.save();
  EXPECT_EQ(file.text(), L"[Morvi]\r\nPlancheKutsch=100;200;141.4;300;400;500\r\n");
  IniText back(file.text());
  EXPECT_EQ(MorviSettings(back).kutschScales(), scales);
  for (const wchar_t* bad : {L"100;200;250;300;400", L"100;200;250;300;400;500;600", L"100;200;0;300;400;500"}) {
    IniText stored(std::wstring(L"[Morvi]\r\nPlancheKutsch=") + bad + L"\r\n");
    EXPECT_EQ(MorviSettings(stored).kutschScales(), std::nullopt) << bad;
  }
}

TEST(Settings, EveryPrinterNameIsItsOwnKey) {
  const std::wstring names[] = {L"ΨMEGA", L"ΩMEGA", L"OMEGA", L"HOST=ILE", L"HOST", L"[HOSTX]",
                                L"HOSTX", L";PDF", L" PDF ", L"PDF", L"100 %", L"]%CE%A8MEGA", L"Bureau é",
                                std::wstring(220, L'Ж'), std::wstring(219, L'x') + L"="};
  IniText file(L"[Morvi]\r\nCoef=-99\r\n");
  {
    MorviSettings model(file);
    int permille = 0;
    for (const std::wstring& name : names) model.setCalibration(name, Calibration::clamped(++permille));
    model.setChosenPrinter(L"\"[ΨMEGA=1]\" ");
    model.save();
  }
  MorviSettings nextRun(file);
  EXPECT_EQ(nextRun.chosenPrinter(), L"\"[ΨMEGA=1]\" ");
  int permille = 0;
  for (const std::wstring& name : names)
    EXPECT_EQ(nextRun.calibrationFor(name).permille(), ++permille) << file.text();
  EXPECT_FALSE(nextRun.calibrated(L"HOSTILE"));
  EXPECT_NE(file.text().find(L"Coef=" + std::to_wstring(permille) + L"\r\n"), std::wstring::npos) << "the last set";
}

// Names only the escaped key holds, and a key that no name writes.
TEST(Settings, PrinterKeys) {
  for (const auto& [name, key] : {std::pair{L";PDF", L"]%3BPDF"}, {L"PDF ", L"]PDF%20"}, {L"100 %", L"100 %"}}) {
    EXPECT_EQ(settings::printerKey(name, true), key);
    EXPECT_EQ(settings::printerName(key), name);
  }
  EXPECT_EQ(settings::printerName(L"]100%20%25"), L"100 %");
  IniText file(L"[Morvi]\r\nImprimante=]%41\r\n");
  EXPECT_EQ(MorviSettings(file).chosenPrinter(), std::nullopt) << "A is written ]A";
}

// Each monitor at each resolution keeps its own pixel size; a value that
// reads as no pitch is none. The ruler keeps the scale it was set to and its
// direction, until it goes back to the main window's.
TEST(Settings, TheRulerOnScreen) {
  IniText file(L"[Ecrans]\r\nOld 800x600=abc\r\nHuge 800x600=250\r\n");
  MorviSettings model(file);
  model.setScreenPitch(L"MONITOR\\GSM5B09 1920x1080", 3.6);
  model.setScreenPitch(L"MONITOR\\GSM5B09 1280x720", 2.4);
  model.setScreenPitch(L"Écran Ψ 1920x1080", 4.25);
  model.save();
  IniText back(file.text());
  MorviSettings nextRun(back);
  EXPECT_EQ(nextRun.screenPitch(L"MONITOR\\GSM5B09 1920x1080"), 3.6) << file.text();
  EXPECT_EQ(nextRun.screenPitch(L"MONITOR\\GSM5B09 1280x720"), 2.4);
  EXPECT_EQ(nextRun.screenPitch(L"Écran Ψ 1920x1080"), 4.25);
  EXPECT_NE(file.text().find(L"MONITOR\\GSM5B09 1920x1080=3.6\r\n"), std::wstring::npos) << "written with a point";
  for (const wchar_t* none : {L"Écran ? 1920x1080", L"Old 800x600", L"Huge 800x600", L"Other 1920x1080"})
    EXPECT_EQ(nextRun.screenPitch(none), std::nullopt) << none;

  EXPECT_EQ(nextRun.screenRulerScale(), std::nullopt);
  EXPECT_FALSE(nextRun.screenRulerVertical());
  nextRun.setScreenRulerScale(ruler::ScaleDenominator::ofTenths(1372));
  nextRun.setScreenRulerVertical(true);
  nextRun.save();
  EXPECT_NE(back.text().find(L"RegleEcranCalee=137.2\r\nRegleEcranVerticale=1\r\n"), std::wstring::npos) << back.text();
  IniText third(back.text());
  MorviSettings thirdRun(third);
  EXPECT_EQ(thirdRun.screenRulerScale(), ruler::ScaleDenominator::ofTenths(1372));
  EXPECT_TRUE(thirdRun.screenRulerVertical());
  thirdRun.setScreenRulerScale(std::nullopt);
  thirdRun.save();
  EXPECT_EQ(MorviSettings(third).screenRulerScale(), std::nullopt) << third.text();
  third.bytes = "[Morvi]\r\nRegleEcranCalee=500\r\n";  // edited since: set again, written again
  thirdRun.setScreenRulerScale(std::nullopt);
  thirdRun.save();
  EXPECT_EQ(third.text(), L"[Morvi]\r\nRegleEcranCalee=\r\n");
}

}  // namespace
