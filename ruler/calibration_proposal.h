// From the length the user measured on the calibration sheet's bar to the
// calibration, in thousandths, that makes the printer draw true.
#pragma once

#include <optional>
#include <string>

namespace ruler {

inline constexpr int calibrationLimit = 100;  // the calibration field's range, both ways

struct CalibrationProposal {
  std::optional<int> permille;  // set only when it can be applied
  std::wstring text;            // the proposal, or what is wrong
  std::wstring advice;          // what to check, when something is wrong
};

// (bar / measured - 1) x 1000, rounded half away from zero. A measure that
// is missing or not positive, or a result outside the calibration's range,
// gives no proposal and says what to check.
CalibrationProposal proposeCalibration(int barMm, std::optional<long double> measuredMm);

}  // namespace ruler
