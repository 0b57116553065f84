#include "settings/morvi_settings.h"

#include <algorithm>

#include "framework/system/ini_value.h"
#include "settings/printer_key.h"

namespace settings {

namespace {

constexpr wchar_t kMorvi[] = L"Morvi";
constexpr wchar_t kCoef[] = L"Coef";
constexpr wchar_t kOrientation[] = L"Orientation";
// Written with "." whatever the locale, so that every locale reads it back.
constexpr wchar_t kOtherScale[] = L"AutreEchelle";
// The six N one after the other, each as AutreEchelle: "20;25;50;75;100;125".
constexpr wchar_t kKutsch[] = L"PlancheKutsch";
constexpr wchar_t kKutschSeparator = L';';
// The printer last chosen, always written as a "]" key: a value is kept in
// the file's code page and loses its quotes and blanks at either end too.
constexpr wchar_t kChosenPrinter[] = L"Imprimante";
// Keys are the printers' names (printer_key.h), values whole ‰.
constexpr wchar_t kPrinters[] = L"Imprimantes";

std::optional<std::int32_t> integer(const std::optional<std::wstring>& text) {
  return text ? fw::iniInteger(*text) : std::nullopt;
}

}  // namespace

MorviSettings::Entry& MorviSettings::entry(std::wstring_view section, std::wstring_view key) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(),
                                  [&](const Entry& e) { return e.section == section && e.key == key; });
  if (found != entries_.end()) return *found;
  return entries_.emplace_back(Entry{std::wstring(section), std::wstring(key), store_.read(section, key)});
}

void MorviSettings::set(std::wstring_view section, std::wstring_view key, std::wstring value, Write write) {
  Entry& e = entry(section, key);
  e.text = std::move(value);
  // What the user set stays to write as set.
  if (e.write != Write::Set) e.write = write;
}

std::wstring MorviSettings::keyOf(const std::wstring& printer) const {
  return printerKey(printer, store_.holdsExactly(printer));
}

std::optional<ruler::Calibration> MorviSettings::ownCalibration(const std::wstring& printer) const {
  const std::optional<std::int32_t> permille =
      integer(printer.empty() ? text(kMorvi, kCoef) : text(kPrinters, keyOf(printer)));
  if (!permille) return std::nullopt;
  return ruler::Calibration::clamped(*permille);
}

ruler::Calibration MorviSettings::calibrationFor(const std::wstring& printer) const {
  return ownCalibration(printer).value_or(ruler::Calibration());
}

void MorviSettings::takeEarlierCalibration(const std::wstring& printer) {
  const std::optional<std::int32_t> coef = integer(text(kMorvi, kCoef));
  if (printer.empty() || !coef || *coef == 0 || store_.holdsKeys(kPrinters)) return;
  set(kPrinters, keyOf(printer), std::to_wstring(ruler::Calibration::clamped(*coef).permille()), Write::WithNext);
}

void MorviSettings::setCalibration(const std::wstring& printer, ruler::Calibration calibration) {
  const std::wstring permille = std::to_wstring(calibration.permille());
  if (calibration == calibrationFor(printer)) {
    // Coef of a printer no longer in force; one the file lacks, or that could
    // not be read, is a first run's.
    const std::optional<std::int32_t> coef = integer(text(kMorvi, kCoef));
    if (coef && ruler::Calibration::clamped(*coef) != calibration) set(kMorvi, kCoef, permille, Write::WithNext);
    return;
  }
  if (!printer.empty()) set(kPrinters, keyOf(printer), permille);
  set(kMorvi, kCoef, permille);
}

std::optional<int> MorviSettings::orientation() const {
  const std::optional<std::int32_t> item = integer(text(kMorvi, kOrientation));
  if (!item) return std::nullopt;
  return std::clamp(*item, -1, 1);
}

void MorviSettings::setOrientation(int item) {
  set(kMorvi, kOrientation, std::to_wstring(item));
}

std::optional<std::wstring> MorviSettings::chosenPrinter() const {
  const std::optional<std::wstring>& stored = text(kMorvi, kChosenPrinter);
  return stored ? printerName(*stored) : std::nullopt;
}

void MorviSettings::setChosenPrinter(const std::wstring& name) {
  set(kMorvi, kChosenPrinter, printerKey(name, false));
}

std::optional<ruler::ScaleDenominator> MorviSettings::otherScale() const {
  const std::optional<std::wstring>& stored = text(kMorvi, kOtherScale);
  return stored ? ruler::ScaleDenominator::read(*stored) : std::nullopt;
}

void MorviSettings::setOtherScale(ruler::ScaleDenominator n) {
  set(kMorvi, kOtherScale, n.text(L'.'));
}

std::optional<ruler::StripScales> MorviSettings::kutschScales() const {
  const std::optional<std::wstring>& stored = text(kMorvi, kKutsch);
  if (!stored) return std::nullopt;
  std::array<std::optional<ruler::ScaleDenominator>, ruler::stripCount> read;
  std::wstring_view rest = *stored;
  for (std::optional<ruler::ScaleDenominator>& n : read) {
    const std::size_t end = std::min(rest.find(kKutschSeparator), rest.size());
    n = ruler::ScaleDenominator::read(rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return rest.empty() ? ruler::allSix(read) : std::nullopt;  // no seventh
}

void MorviSettings::setKutschScales(const ruler::StripScales& scales) {
  std::wstring text;
  for (const ruler::ScaleDenominator& n : scales) {
    if (!text.empty()) text += kKutschSeparator;
    text += n.text(L'.');
  }
  set(kMorvi, kKutsch, text);
}

void MorviSettings::completeWith(ruler::Calibration shown, std::optional<int> shownOrientation) {
  if (!text(kMorvi, kCoef)) set(kMorvi, kCoef, std::to_wstring(shown.permille()), Write::IfMissing);
  if (!text(kMorvi, kOrientation) && shownOrientation)
    set(kMorvi, kOrientation, std::to_wstring(*shownOrientation), Write::IfMissing);
}

bool MorviSettings::pending() const {
  return std::any_of(entries_.begin(), entries_.end(),
                     [](const Entry& e) { return e.write == Write::Set || e.write == Write::IfMissing; });
}

void MorviSettings::save() {
  if (!pending()) return;
  std::vector<fw::KeyValue> values;
  for (const Write write : {Write::Set, Write::IfMissing, Write::WithNext})
    for (const Entry& e : entries_)
      if (e.write == write) values.push_back({e.section, e.key, *e.text, write == Write::IfMissing});
  store_.write(values);
  for (Entry& e : entries_) e.write = Write::No;
}

}  // namespace settings
