// What the print confirmation offers: one line a printer with the
// calibration it prints with, the printer in force chosen, and a printer
// chosen earlier that has gone said by name.
#include "ruler/printer_choice.h"

#include <gtest/gtest.h>

namespace {

using ruler::Calibration;

TEST(PrinterChoice, OneLineAPrinterThePrinterInForceChosen) {
  const auto a = [](std::size_t n) { return std::wstring(n, L'a'); };
  const std::wstring printerSign = {wchar_t(0xD83D), wchar_t(0xDDA8)};  // U+1F5A8 as Windows holds it
  const std::vector<ruler::PrinterOffer> two{{L"PDF", Calibration::clamped(12)},
                                             {L"PDF-Letter", Calibration::clamped(-8)}};
  const struct {
    std::vector<ruler::PrinterOffer> printers;
    std::wstring inForce;
    std::optional<std::wstring> gone;
    std::vector<std::wstring> lines;
    int chosen;
    std::wstring note;
  } rows[] = {
      {two, L"PDF-Letter", {}, {L"PDF · étalonnage +12 ‰", L"PDF-Letter · étalonnage -8 ‰"}, 1, L""},
      {two, L"PDF", L"Bureau", {L"PDF · étalonnage +12 ‰", L"PDF-Letter · étalonnage -8 ‰"}, 0,
       L"L'imprimante « Bureau » n'est plus installée : « PDF » la remplace"},
      // The replacement is the printer in force (the system's default), wherever it stands in the list.
      {two, L"PDF-Letter", L"Bureau", {L"PDF · étalonnage +12 ‰", L"PDF-Letter · étalonnage -8 ‰"}, 1,
       L"L'imprimante « Bureau » n'est plus installée : « PDF-Letter » la remplace"},
      {{two[1]}, L"PDF-Letter", {}, {}, 0, L"PDF-Letter · étalonnage -8 ‰"},
      {{{L"PDF2", Calibration(), false}}, L"PDF2", {}, {}, 0, L"PDF2 · non étalonnée"},
      // A name too long for its line keeps its start and its end, where the
      // printers of one site differ; one of 40 characters stays whole.
      {{{L"HOSTILE-Atelier-du-deuxieme-etage-batiment-nord-A", {}}, {std::wstring(40, L'N'), {}}}, L"", {},
       {L"HOSTILE-Atelier-du-d…age-batiment-nord-A · étalonnage 0 ‰", std::wstring(40, L'N') + L" · étalonnage 0 ‰"}, 0, L""},
      // Names alike but in their middle keep where they differ; names alike
      // even there are numbered.
      {{{L"HOSTILE-" + a(30) + L"1" + a(30), {}}, {L"HOSTILE-" + a(30) + L"2" + a(30), {}}}, L"", {},
       {L"HOSTILE-a…" + a(10) + L"1" + a(9) + L"…" + a(9) + L" · étalonnage 0 ‰",
        L"HOSTILE-a…" + a(10) + L"2" + a(9) + L"…" + a(9) + L" · étalonnage 0 ‰"}, 0, L""},
      {{{L"HOSTILE-" + a(30) + L"1" + a(30), {}}, {L"HOSTILE-" + a(30) + L"2" + a(30), {}},
        {L"HOSTILE-" + a(30) + L"1" + a(10) + L"z" + a(19), {}}}, L"", {},
       {L"HOSTILE-a…" + a(10) + L"1" + a(9) + L"…" + a(9) + L" · étalonnage 0 ‰ (1)",
        L"HOSTILE-a…" + a(10) + L"2" + a(9) + L"…" + a(9) + L" · étalonnage 0 ‰",
        L"HOSTILE-a…" + a(10) + L"1" + a(9) + L"…" + a(9) + L" · étalonnage 0 ‰ (2)"}, 0, L""},
      // A character outside the basic plane at either cut goes whole.
      {{{std::wstring(19, L'b') + printerSign + std::wstring(10, L'x') + printerSign + std::wstring(18, L'd'), {}},
        {L"PDF", {}}}, L"", {}, {std::wstring(19, L'b') + L"…" + std::wstring(18, L'd') + L" · étalonnage 0 ‰",
        L"PDF · étalonnage 0 ‰"}, 0, L""},
      // What became of the printer chosen earlier comes first.
      {{two[1]}, L"PDF-Letter", L"Bureau", {}, 0,
       L"L'imprimante « Bureau » n'est plus installée : « PDF-Letter » la remplace\nPDF-Letter · étalonnage -8 ‰"},
      {{}, L"", L"Bureau", {}, -1, L""},
  };
  for (const auto& row : rows) {
    const ruler::PrinterChoice choice = ruler::printerChoice(row.printers, row.inForce, row.gone);
    EXPECT_EQ(choice.lines, row.lines);
    EXPECT_EQ(choice.chosen, row.chosen);
    EXPECT_EQ(choice.note, row.note);
    // A screen reader hears each line with the printer's whole name.
    ASSERT_EQ(choice.spoken.size(), choice.lines.size());
    for (std::size_t i = 0; i < choice.spoken.size(); ++i)
      EXPECT_EQ(choice.spoken[i], row.printers[i].name + L" · " + ruler::calibrationSaid(row.printers[i]));
  }
}

}  // namespace
