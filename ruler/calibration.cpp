#include "ruler/calibration.h"

#include <cmath>

namespace ruler {
namespace {

// "+8 ‰", "-8 ‰", "0 ‰", from a whole number of thousandths.
std::wstring signedPermille(long long permille) {
  return (permille > 0 ? L"+" : L"") + std::to_wstring(permille) + L" \u2030";
}

}  // namespace

std::wstring Calibration::text() const { return signedPermille(permille_); }

CalibrationProposal proposeCalibration(int barMm, std::optional<long double> measuredMm) {
  if (!measuredMm || !(*measuredMm > 0)) {
    return {std::nullopt, L"La longueur mesurée doit être un nombre positif de millimètres.",
            L"Vérifiez la mesure : du trait 0 au trait " + std::to_wstring(barMm) + L" mm de la feuille."};
  }
  // std::round takes halves away from zero; the range holds for the rounded value.
  const long double rounded = std::round((barMm / *measuredMm - 1) * 1000);
  const bool sayable = std::fabs(rounded) < 1e15L;  // a measure a thousand times too small still gets its number
  if (const auto calibration = sayable ? Calibration::exactly(static_cast<long long>(rounded)) : std::nullopt)
    return {calibration, L"Étalonnage proposé : " + calibration->text(), L""};
  return {std::nullopt,
          L"L'étalonnage serait " + (sayable ? L"de " + signedPermille(static_cast<long long>(rounded)) + L", " : L"") +
              L"hors des limites de -100 à +100 \u2030.",
          L"Vérifiez la mesure, et que l'imprimante n'ajuste pas l'impression à la page."};
}

}  // namespace ruler
