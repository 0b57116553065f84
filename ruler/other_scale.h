// A scale the catalogue lacks, 1:N for any N from 1 to 100 000 to a tenth
// (a plan copied smaller is at 1:141,4), and the ruler that measures true
// for it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ruler/scale_catalogue.h"

namespace ruler {

// N of the scale 1:N, held in tenths so that 141,4 stays exactly 141,4.
class ScaleDenominator {
 public:
  static constexpr long long minTenths = 10, maxTenths = 1'000'000;

  // Only within 1 to 100 000.
  static std::optional<ScaleDenominator> ofTenths(long long tenths);
  // A number from 1 to 100 000 that is a whole number of tenths, to the
  // precision of a double (141,4 whether held as a double or as an
  // extended float); nothing for any other.
  static std::optional<ScaleDenominator> ofValue(long double n);
  // Text read as a number field reads a paste (blanks grouping digits, ","
  // or "." the decimal mark, nothing else: "141,4", " 141.4 ", "1 000"),
  // then as ofValue.
  static std::optional<ScaleDenominator> read(std::wstring_view text);
  // The scale finder's answer as it shows it, to the unit; nothing when
  // that is out of range.
  static std::optional<ScaleDenominator> nearestWhole(double n);

  long long tenths() const { return tenths_; }
  double value() const { return static_cast<double>(tenths_) / 10; }
  // "141" or "141,4" with the separator given.
  std::wstring text(wchar_t decimalSeparator) const;

  bool operator==(const ScaleDenominator&) const = default;

 private:
  explicit ScaleDenominator(long long tenths) : tenths_(tenths) {}
  long long tenths_;
};

// What the line under the dialog's field says of what the field reads (no
// number at all when nothing): why it is no N; empty for an N.
std::wstring denominatorFault(std::optional<long double> read);

// The radio item once N is given: " 1:141,4".
std::wstring scaleItemText(ScaleDenominator n, wchar_t decimalSeparator);
// The page's title: "Echelle 1:141,4".
std::wstring scaleTitle(ScaleDenominator n, wchar_t decimalSeparator);

// The ruler of 1:N, titled `title` (which the caller keeps alive). A label
// every smallest real length of the series 1, 2, 2,5, 5 × 10^k that spans
// at least 8 mm on paper, ten ticks to a label. Positions are micrometres,
// each step the nearest whole one; the page layout stretches them to the
// exact interval.
Graduation graduationFor(ScaleDenominator n, std::wstring_view title);

// The catalogue's item of 1:N when N is one of its scales: given under
// " Autre…", it selects that item instead of showing a second one.
std::optional<int> catalogueItem(ScaleDenominator n);

// The ruler of 1:N: the catalogue's own when N is one of its scales, else
// the one above.
Graduation graduationOf(ScaleDenominator n, std::wstring_view title);

}  // namespace ruler
