// The seventeen plan scales the program prints rulers for: the radio item
// text, the page title and where graduations and labels fall.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ruler {

// What one ruler page draws. Positions along the ruler are counted in tenths
// of a millimetre, from 0 to 2500, or in a finer unit for steps that are no
// whole tenths.
struct Graduation {
  std::wstring_view title;      // printed at the top of the page
  std::int32_t tickStep;        // a tick at every multiple
  std::int32_t labelInterval;   // a long mark and a label at every multiple
  double labelStep;             // metres of the real object per label interval
  double scaleDenominator;      // N of the scale 1:N
  std::int32_t positionsPerTenth = 1;  // the unit of the positions
};

struct ScaleEntry {
  std::wstring_view itemText;   // the radio item, with its leading blank
  Graduation graduation;
};

std::span<const ScaleEntry> scaleCatalogue();

// The entry of a radio item index; nullptr when no valid item is selected.
const ScaleEntry* scaleAt(int itemIndex);

}  // namespace ruler
