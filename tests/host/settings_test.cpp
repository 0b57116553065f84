// The settings model over the bytes of a settings file in the code page,
// read and edited as the program does.
#include "settings/morvi_settings.h"

#include <gtest/gtest.h>

#include "framework/error/error.h"
#include "settings/printer_key.h"
#include "tests/support/latin1_code_page.h"

namespace {

using ruler::Calibration;
using settings::MorviSettings;

// The file on disk; `refuse` makes its writes fail as a full disk would.
class IniBytes : public fw::KeyValueStore {
 public:
  explicit IniBytes(std::string content) : bytes(std::move(content)) {}
  std::optional<std::wstring> read(std::wstring_view section, std::wstring_view key) const override {
    return text().read(section, key);
  }
  bool holdsKeys(std::wstring_view section) const override { return text().holdsKeys(section); }
  bool holdsExactly(std::wstring_view t) const override { return text().holdsExactly(t); }
  void write(const std::vector<fw::KeyValue>& values) override {
    if (refuse) throw fw::IniFileError(L"Impossible d'écrire");
    fw::IniText now = text();
    for (const fw::KeyValue& v : values) now.set(v.section, v.key, v.value);
    bytes = now.bytes();
  }
  fw::IniText text() const { return fw::IniText(bytes, codePage); }

  std::string bytes;
  bool refuse = false;
  test_support::Latin1 codePage;
};

TEST(Settings, WhatIsInForceForAPrinter) {
  const struct {
    const char* file;
    const wchar_t* printer;
    int permille;  // none: not calibrated
    bool calibrated;
  } rows[] = {
      {"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nPDF-Letter=-8\r\n", L"PDF-Letter", -8, true},
      // Coef is no printer's once any printer has its own.
      {"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nPDF-Letter=-8\r\n", L"PDF", 0, false},
      {"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nHOSTILE=500\r\nPDF=abc\r\n", L"HOSTILE", 100, true},
      {"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nHOSTILE=500\r\nPDF=abc\r\n", L"PDF", 0, false},
      // As an earlier version wrote it: Coef is the printer in force's, PDF.
      {"[Morvi]\r\nCoef=-250\r\n[Imprimantes]\r\n; none\r\n", L"PDF", -100, true},
      {"[Morvi]\r\nCoef=12\r\n", L"PDF2", 0, false},
  };
  for (const auto& row : rows) {
    IniBytes file(row.file);
    MorviSettings model(file);
    model.takeEarlierCalibration(L"PDF");
    EXPECT_EQ(model.calibrationFor(row.printer).permille(), row.permille) << row.file << row.printer;
    EXPECT_EQ(model.calibrated(row.printer), row.calibrated) << row.file << row.printer;
  }
  IniBytes file("[Morvi]\r\nOrientation=5\r\nCoef=12\r\n");
  MorviSettings noPrinter(file);
  noPrinter.takeEarlierCalibration(L"");
  EXPECT_EQ(noPrinter.calibrationFor(L"").permille(), 12);
  EXPECT_EQ(noPrinter.orientation(), 1);
}

// An earlier version's one calibration stays its printer's when another
// printer is given one.
TEST(Settings, AnEarlierVersionsCalibrationIsKeptAsItsPrintersOwn) {
  IniBytes file("[Morvi]\r\nCoef=12\r\n");
  MorviSettings model(file);
  model.takeEarlierCalibration(L"PDF");
  model.setCalibration(L"PDF2", Calibration::clamped(5));
  model.save();
  EXPECT_EQ(file.bytes, "[Morvi]\r\nCoef=5\r\n[Imprimantes]\r\nPDF2=5\r\nPDF=12\r\n");
  EXPECT_EQ(model.calibrationFor(L"PDF").permille(), 12);
}

TEST(Settings, OnlyWhatTheUserSetIsWritten) {
  const std::string handEdited =
      "; mine\r\n[Morvi]\r\nCoef = -250\r\nOrientation=-7\r\nAutreEchelle=abc\r\n\r\n[Imprimantes]\r\n"
      "  HOSTILE = 500\r\n";
  IniBytes file(handEdited);
  MorviSettings model(file);
  // What the window shows of them, given back unchanged, and a first run's
  // values where the file has its own.
  model.setCalibration(L"HOSTILE", model.calibrationFor(L"HOSTILE"));
  model.setCalibration(L"PDF", model.calibrationFor(L"PDF"));
  model.completeWith(Calibration::clamped(3), 0);
  EXPECT_FALSE(model.pending());
  model.save();
  EXPECT_EQ(file.bytes, handEdited);

  model.setCalibration(L"PDF", Calibration::clamped(7));
  model.setOrientation(1);
  ASSERT_TRUE(model.pending());
  model.save();
  EXPECT_FALSE(model.pending());
  EXPECT_EQ(file.bytes,
            "; mine\r\n[Morvi]\r\nCoef = 7\r\nOrientation=1\r\nAutreEchelle=abc\r\n\r\n[Imprimantes]\r\n"
            "  HOSTILE = 500\r\nPDF=7\r\n");
  EXPECT_EQ(model.calibrationFor(L"HOSTILE").permille(), 100) << "its own still counts";

  // Edited from outside meanwhile: the edit of another key stays, and what
  // the user sets lands though it is what was read at first.
  file.bytes = "[Morvi]\r\nCoef = 7\r\nOrientation=0\r\nPerso=garde-moi\r\n";
  model.setOrientation(1);
  // A refused write changes nothing, and all of it is written at the next.
  file.refuse = true;
  model.setOtherScale(*ruler::ScaleDenominator::ofTenths(1414));
  EXPECT_THROW(model.save(), fw::IniFileError);
  EXPECT_TRUE(model.pending());
  file.refuse = false;
  model.save();
  EXPECT_EQ(file.bytes, "[Morvi]\r\nCoef = 7\r\nOrientation=1\r\nPerso=garde-moi\r\nAutreEchelle=141.4\r\n");

  IniBytes empty("");
  MorviSettings firstRun(empty);
  firstRun.completeWith(Calibration::clamped(0), std::nullopt);
  firstRun.save();
  EXPECT_EQ(empty.bytes, "[Morvi]\r\nCoef=0\r\n") << "no orientation that nobody gave";
}

// The six N of the kutsch sheet, read back only when all six read.
TEST(Settings, TheKutschSheetsSixScales) {
  IniBytes file("");
  MorviSettings model(file);
  ruler::StripScales scales = ruler::scalesOf(ruler::scaleSets()[1]);
  scales[2] = *ruler::ScaleDenominator::ofTenths(1414);
  model.setKutschScales(scales);
  model.save();
  EXPECT_EQ(file.bytes, "[Morvi]\r\nPlancheKutsch=100;200;141.4;300;400;500\r\n");
  IniBytes back(file.bytes);
  EXPECT_EQ(MorviSettings(back).kutschScales(), scales);
  for (const char* bad : {"100;200;250;300;400", "100;200;250;300;400;500;600", "100;200;0;300;400;500"}) {
    IniBytes stored(std::string("[Morvi]\r\nPlancheKutsch=") + bad + "\r\n");
    EXPECT_EQ(MorviSettings(stored).kutschScales(), std::nullopt) << bad;
  }
}

TEST(Settings, EveryPrinterNameIsItsOwnKey) {
  const std::wstring names[] = {L"ΨMEGA", L"ΩMEGA", L"OMEGA", L"HOST=ILE", L"HOST", L"[HOSTX]",
                                L"HOSTX", L";PDF", L" PDF ", L"PDF", L"100 %", L"]%CE%A8MEGA", L"Bureau é",
                                std::wstring(220, L'Ж'), std::wstring(219, L'x') + L"="};
  IniBytes file("[Morvi]\r\nCoef=-99\r\n");
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
    EXPECT_EQ(nextRun.calibrationFor(name).permille(), ++permille) << file.bytes;
  EXPECT_FALSE(nextRun.calibrated(L"HOSTILE"));
  EXPECT_EQ(file.read(L"Morvi", L"Coef"), std::to_wstring(permille)) << "Coef: the last set";
}

// Keys that only the escaped form can hold, and one that no name writes.
TEST(Settings, PrinterKeys) {
  const struct {
    const wchar_t *name, *key;
  } rows[] = {{L";PDF", L"]%3BPDF"}, {L"PDF ", L"]PDF%20"}, {L"100 %", L"100 %"}, {L"Bureau é", L"Bureau é"}};
  for (const auto& row : rows) {
    EXPECT_EQ(settings::printerKey(row.name, true), row.key);
    EXPECT_EQ(settings::printerName(row.key), row.name);
  }
  EXPECT_EQ(settings::printerKey(L"100 %", false), L"]100%20%25");
  EXPECT_EQ(settings::printerName(L"]100%20%25"), L"100 %");
  EXPECT_EQ(settings::printerName(L"]%41"), std::nullopt) << "A is written ]A";
  IniBytes file("[Morvi]\r\nImprimante=]%41\r\n");
  EXPECT_EQ(MorviSettings(file).chosenPrinter(), std::nullopt);
}

}  // namespace
