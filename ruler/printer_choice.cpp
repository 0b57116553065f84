#include "ruler/printer_choice.h"

#include <algorithm>

#include "ruler/name_cut.h"

namespace ruler {

std::wstring printerLine(const PrinterOffer& printer) {
  // A name of a hundred characters would make the dialog wider than a screen.
  constexpr std::size_t longest = 40;
  return cutInMiddle(printer.name, longest) + L" \u00B7 " +
         (printer.calibrated ? L"étalonnage " + printer.calibration.text() : L"non étalonnée");
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
    for (const PrinterOffer& p : printers) choice.lines.push_back(printerLine(p));
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
