// What Morvi keeps from one run to the next, in the file's sections [Morvi]
// and [Imprimantes]: the calibration, each printer's own, the orientation,
// the N of the scale the catalogue lacks and the six of the kutsch sheet; in
// [Ecrans] the size of each monitor's pixels.
//
// A value is read once and written only when the user set it: a key nobody
// set in a run keeps its line as it was, a hand-edited value that reads
// clamped or not at all included. What the user sets is written even when
// the file held it already: the file may have been edited since it was read.
// A few values follow the others into the file, never written alone: an
// earlier version's calibration as its printer's own, and Coef brought back
// to the calibration in force.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ruler/calibration.h"
#include "ruler/kutsch_sheet.h"
#include "ruler/other_scale.h"
#include "framework/system/key_value_store.h"

namespace settings {

class MorviSettings {
 public:
  explicit MorviSettings(fw::KeyValueStore& store) : store_(store) {}

  // The printer's own calibration, within range; 0 for a printer without
  // one.
  ruler::Calibration calibrationFor(const std::wstring& printer) const;
  bool calibrated(const std::wstring& printer) const { return ownCalibration(printer).has_value(); }
  // A file that an earlier version wrote, with no [Imprimantes] entry at
  // all, holds one calibration, [Morvi] Coef: it becomes the own of
  // `printer`, the one in force, and is written under [Imprimantes] with
  // the next value written. A Coef of 0 is no calibration: it is what every
  // run writes for a printer never calibrated.
  void takeEarlierCalibration(const std::wstring& printer);
  // Kept as the printer's own (none without a printer, which prints with
  // Coef) and as Coef, which an earlier version reads; nothing when the
  // printer has it already, as the field shows it, but a Coef that says
  // otherwise follows the next value written.
  void setCalibration(const std::wstring& printer, ruler::Calibration calibration);

  // The stored item of the orientation: 0 portrait, 1 landscape, -1 none (a
  // value beyond reads as the nearest); nothing when the file gives none.
  std::optional<int> orientation() const;
  void setOrientation(int item);

  // The printer last chosen in Morvi, whether installed or not; nothing when
  // none was.
  std::optional<std::wstring> chosenPrinter() const;
  void setChosenPrinter(const std::wstring& name);

  std::optional<ruler::ScaleDenominator> otherScale() const;
  void setOtherScale(ruler::ScaleDenominator n);

  // The six scales of the last kutsch sheet printed; nothing unless all six
  // read.
  std::optional<ruler::StripScales> kutschScales() const;
  void setKutschScales(const ruler::StripScales& scales);

  // The pixels per millimetre the user measured on a monitor, under [Ecrans]
  // (screen_settings.cpp); `monitor` names the monitor and its resolution.
  // Nothing when never measured or when the value does not read as a pitch.
  std::optional<double> screenPitch(const std::wstring& monitor) const;
  void setScreenPitch(const std::wstring& monitor, double pixelsPerMm);
  // The scale the ruler on screen was set to on a dimension, none while it
  // shows the main window's, and whether it stands vertical.
  std::optional<ruler::ScaleDenominator> screenRulerScale() const;
  void setScreenRulerScale(std::optional<ruler::ScaleDenominator> n);
  bool screenRulerVertical() const;
  void setScreenRulerVertical(bool vertical);

  // What the first run leaves in a file without them: Coef, and the
  // orientation when one is known. Written where the file, as it is when
  // written, has none: a file that could not be read at start keeps its own.
  void completeWith(ruler::Calibration shown, std::optional<int> shownOrientation);

  bool pending() const;
  // Writes what was set since it was last written, all of it or nothing. A
  // write the file refuses throws, and all of it stays pending.
  void save();

 private:
  // Whether and how a value is to be written: as the user set it, only with
  // another value, or only where the file holds none (a first run's).
  enum class Write { No, Set, WithNext, IfMissing };
  struct Entry {
    std::wstring section, key;
    std::optional<std::wstring> text;  // as read, then as set
    Write write = Write::No;
  };
  Entry& entry(std::wstring_view section, std::wstring_view key) const;
  const std::optional<std::wstring>& text(std::wstring_view section, std::wstring_view key) const {
    return entry(section, key).text;
  }
  void set(std::wstring_view section, std::wstring_view key, std::wstring value, Write write = Write::Set);
  std::wstring keyOf(const std::wstring& printer) const;
  std::optional<ruler::Calibration> ownCalibration(const std::wstring& printer) const;

  fw::KeyValueStore& store_;
  // Each key read once, in the order first asked for; written in that order,
  // those that follow the others last.
  mutable std::vector<Entry> entries_;
};

}  // namespace settings
