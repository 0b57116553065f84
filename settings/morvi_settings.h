// What Morvi keeps from one run to the next, in the file's sections [Morvi]
// and [Imprimantes]: the calibration, each printer's own, the orientation,
// the N of the scale the catalogue lacks and the six of the kutsch sheet; in
// [Ecrans] the size of each monitor's pixels.
//
// A value is read once and written only when the user set it: a key nobody
// set in a run keeps its line as it was, a hand-edited value that reads
// clamped or not at all included. What the user sets is written even when
// the file held it already: the file may have been edited since it was read.
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
  // `printer`, the one in force (empty when there is none), and is written
  // as such with the first calibration kept for another printer.
  void takeEarlierCalibration(const std::wstring& printer);
  // Kept as the printer's own (none without a printer) and as Coef, which an
  // earlier version reads; nothing when the printer has it already, as the
  // field shows it.
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
  // orientation when one is known. Set as values the user would have set.
  void completeWith(ruler::Calibration shown, std::optional<int> shownOrientation);

  bool pending() const;
  // Writes what was set since it was last written, all of it or nothing. A
  // write the file refuses throws, and all of it stays pending.
  void save();

 private:
  struct Entry {
    std::wstring section, key;
    std::optional<std::wstring> text;  // as read, then as set
    bool pending = false;
  };
  Entry& entry(std::wstring_view section, std::wstring_view key) const;
  const std::optional<std::wstring>& text(std::wstring_view section, std::wstring_view key) const {
    return entry(section, key).text;
  }
  void set(std::wstring_view section, std::wstring_view key, std::wstring value);
  std::wstring keyOf(const std::wstring& printer) const;
  std::optional<ruler::Calibration> ownCalibration(const std::wstring& printer) const;

  fw::KeyValueStore& store_;
  // Each key read once, in the order first asked for; written in that order.
  mutable std::vector<Entry> entries_;
  // The printer whose calibration Coef is, in a file an earlier version wrote.
  std::optional<std::wstring> earlier_;
};

}  // namespace settings
