// The printer calibration: how many thousandths the printer's page is
// stretched down the ruler to make it print true, from -100 to +100. The
// window's field, the settings file, the assistant and the printing all hold
// it as this one type, so a value outside the range never reaches a page.
#pragma once

#include <optional>
#include <string>

namespace ruler {

class Calibration {
 public:
  static constexpr int minPermille = -100;
  static constexpr int maxPermille = 100;

  constexpr Calibration() = default;
  // The calibration nearest to `permille`: the range's end beyond it.
  static constexpr Calibration clamped(long long permille) {
    return Calibration(permille < minPermille ? minPermille : permille > maxPermille ? maxPermille : int(permille));
  }
  // Only a value within the range.
  static constexpr std::optional<Calibration> exactly(long long permille) {
    if (permille < minPermille || permille > maxPermille) return std::nullopt;
    return Calibration(int(permille));
  }

  constexpr int permille() const { return permille_; }
  // What the page is stretched by down the ruler: 1 + permille / 1000, in
  // extended precision (0.9 to 1.1).
  constexpr long double coefficient() const { return permille_ / 1000.0L + 1; }
  // "+7 ‰", "-8 ‰", "0 ‰": the sign always said, as a printer's drift is.
  std::wstring text() const;

  constexpr bool operator==(const Calibration&) const = default;

 private:
  constexpr explicit Calibration(int permille) : permille_(permille) {}
  int permille_ = 0;
};

struct CalibrationProposal {
  std::optional<Calibration> calibration;  // set only when it can be applied
  std::wstring text;                       // the proposal, or what is wrong
  std::wstring advice;                     // what to check, when something is wrong
};

// From the length the user measured on the calibration sheet's bar to the
// calibration that makes the printer draw true: (bar / measured - 1) x 1000,
// rounded half away from zero. A measure that is missing or not positive, or
// a result outside the range, gives no proposal and says what to check.
CalibrationProposal proposeCalibration(int barMm, std::optional<long double> measuredMm);

}  // namespace ruler
