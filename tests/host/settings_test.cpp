// The settings model over a file that behaves as a private-profile file in
// the code page 1252 does: keys matched without case and trimmed, a line
// starting with "[" a section, the first "=" ending the key, and characters
// the code page lacks written as "?".
#include "settings/morvi_settings.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <vector>

namespace {

using ruler::Calibration;
using settings::MorviSettings;

class IniText : public fw::KeyValueStore {
 public:
  explicit IniText(const std::wstring& text) {
    for (std::size_t begin = 0, end; begin < text.size(); begin = end + 2) {
      end = text.find(L"\r\n", begin);
      lines.push_back(text.substr(begin, end - begin));
    }
  }
  std::wstring text() const {
    std::wstring all;
    for (const std::wstring& line : lines) all += line + L"\r\n";
    return all;
  }
  std::optional<std::wstring> read(std::wstring_view section, std::wstring_view key) const override {
    const auto [at, end] = find(section, key);
    return at ? std::optional(trim(lines[*at].substr(lines[*at].find(L'=') + 1))) : std::nullopt;
  }
  void write(std::wstring_view section, std::wstring_view key, std::wstring_view value) override {
    const auto [at, end] = find(section, inCodePage(key));
    const std::wstring line = inCodePage(key) + L"=" + inCodePage(value);
    if (at) lines[*at] = line;
    else if (end) lines.insert(lines.begin() + std::ptrdiff_t(*end), line);
    else lines.insert(lines.end(), {L"[" + std::wstring(section) + L"]", line});
  }
  bool holdsExactly(std::wstring_view t) const override { return inCodePage(t) == t; }

 private:
  static std::wstring inCodePage(std::wstring_view t) {
    std::wstring out(t);
    for (wchar_t& c : out)
      if (c > 0xFF) c = L'?';
    return out;
  }
  static std::wstring trim(const std::wstring& t) {
    const auto first = t.find_first_not_of(L" \t"), last = t.find_last_not_of(L" \t");
    return first == std::wstring::npos ? L"" : t.substr(first, last - first + 1);
  }
  static bool same(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
  }
  // The line of `key` in `section`, and the line after the section's last.
  std::pair<std::optional<std::size_t>, std::optional<std::size_t>> find(std::wstring_view section,
                                                                         std::wstring_view key) const {
    std::wstring current;
    std::optional<std::size_t> at, end;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::wstring line = trim(lines[i]);
      if (line.starts_with(L"[")) current = line.substr(1, line.find(L']') - 1);
      if (!same(current, section)) continue;
      end = i + 1;
      if (const auto eq = line.find(L'='); !at && !line.starts_with(L"[") && eq != std::wstring::npos &&
                                           same(trim(line.substr(0, eq)), key))
        at = i;
    }
    return {at, end};
  }
  std::vector<std::wstring> lines;
};

TEST(Settings, WhatIsInForceForAPrinter) {
  const struct {
    const wchar_t* file;
    const wchar_t* printer;
    int permille;
  } rows[] = {
      {L"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nPDF-Letter=-8\r\n", L"PDF-Letter", -8},  // as earlier versions wrote
      {L"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nPDF-Letter=-8\r\n", L"PDF", 12},
      {L"[Morvi]\r\nCoef=12\r\n", L"", 12},
      {L"[Imprimantes]\r\nPDF=7\r\n", L"Other", 0},
      {L"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nHOSTILE=500\r\nPDF=abc\r\n", L"HOSTILE", 100},
      {L"[Morvi]\r\nCoef=12\r\n[Imprimantes]\r\nHOSTILE=500\r\nPDF=abc\r\n", L"PDF", 12},
      {L"[Morvi]\r\nCoef=-250\r\n", L"PDF", -100},
  };
  for (const auto& row : rows) {
    IniText file(row.file);
    EXPECT_EQ(MorviSettings(file).calibrationFor(row.printer).permille(), row.permille) << row.printer;
  }
  IniText file(L"[Morvi]\r\nOrientation=5\r\n");
  EXPECT_EQ(MorviSettings(file).orientation(), 1);
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
  model.setOrientation(*model.orientation());
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
            L"; mine\r\n[Morvi]\r\nCoef=7\r\nOrientation=1\r\nAutreEchelle=abc\r\n[Imprimantes]\r\nHOSTILE=500\r\n"
            L"PDF=7\r\n");
  EXPECT_EQ(model.calibrationFor(L"HOSTILE").permille(), 100) << "its own still counts";

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
  EXPECT_EQ(nextRun.calibrationFor(L"HOSTILE").permille(), permille) << "Coef: the last set";
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
}

}  // namespace
