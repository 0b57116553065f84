#include "ruler/printer_choice.h"

#include <algorithm>

#include "ruler/name_cut.h"

namespace ruler {
namespace {

// A name of a hundred characters would make the dialog wider than a screen.
constexpr std::size_t longest = 40;

std::wstring lineOf(std::wstring_view name, const PrinterOffer& printer) {
  return std::wstring(name) + L" \u00B7 " + calibrationSaid(printer);
}

// Where two names first differ.
std::size_t firstDifference(std::wstring_view a, std::wstring_view b) {
  return std::size_t(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
}

// The indexes of the lines that read as line `i` does, `i` among them.
std::vector<std::size_t> alike(const std::vector<std::wstring>& lines, std::size_t i) {
  std::vector<std::size_t> same;
  for (std::size_t j = 0; j < lines.size(); ++j)
    if (lines[j] == lines[i]) same.push_back(j);
  return same;
}

// Each printer's line, no two alike: a name cut in its middle that reads as
// another's keeps the part where it first differs from them; lines still
// alike get their rank among them, " (1)", " (2)"…
std::vector<std::wstring> distinctLines(const std::vector<PrinterOffer>& printers) {
  std::vector<std::wstring> lines;
  for (const PrinterOffer& p : printers) lines.push_back(printerLine(p));
  std::vector<std::wstring> kept = lines;
  for (std::size_t i = 0; i < printers.size(); ++i) {
    std::size_t at = printers[i].name.size();
    for (const std::size_t j : alike(lines, i))
      if (j != i) at = std::min(at, firstDifference(printers[i].name, printers[j].name));
    if (at < printers[i].name.size()) kept[i] = lineOf(cutAround(printers[i].name, longest, at), printers[i]);
  }
  std::vector<std::wstring> numbered = kept;
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const std::vector<std::size_t> same = alike(kept, i);
    if (same.size() > 1)
      numbered[i] += L" (" + std::to_wstring(std::find(same.begin(), same.end(), i) - same.begin() + 1) + L")";
  }
  return numbered;
}

}  // namespace

std::wstring calibrationSaid(const PrinterOffer& printer) {
  return printer.calibrated ? L"étalonnage " + printer.calibration.text() : L"non étalonnée";
}

std::wstring printerLine(const PrinterOffer& printer) {
  return lineOf(cutInMiddle(printer.name, longest), printer);
}

PrinterChoice printerChoice(const std::vector<PrinterOffer>& printers, const std::wstring& inForce,
                            const std::optional<std::wstring>& gone) {
  PrinterChoice choice;
  const auto found =
      std::find_if(printers.begin(), printers.end(), [&](const PrinterOffer& p) { return p.name == inForce; });
  if (printers.size() == 1) {
    choice.note = printerLine(printers.front());
    choice.chosen = 0;
  } else {
    choice.lines = distinctLines(printers);
    for (const PrinterOffer& p : printers) choice.spoken.push_back(lineOf(p.name, p));
    choice.chosen = found == printers.end() ? (printers.empty() ? -1 : 0) : int(found - printers.begin());
  }
  if (gone && !printers.empty()) {
    const std::wstring replacement = printers[std::size_t(choice.chosen)].name;
    const std::wstring said =
        L"L'imprimante « " + *gone + L" » n'est plus installée : « " + replacement + L" » la remplace";
    choice.note = choice.note.empty() ? said : said + L"\n" + choice.note;
  }
  return choice;
}

}  // namespace ruler
