#include "ruler/calibration_proposal.h"

#include <cmath>

namespace ruler {
namespace {

// "+8 ‰", "-8 ‰", "0 ‰", from a value already rounded.
std::wstring signedPermille(long double rounded) {
  return (rounded > 0 ? L"+" : L"") + std::to_wstring(static_cast<long long>(rounded)) + L" \u2030";
}

}  // namespace

CalibrationProposal proposeCalibration(int barMm, std::optional<long double> measuredMm) {
  if (!measuredMm || !(*measuredMm > 0)) {
    return {std::nullopt, L"La longueur mesurée doit être un nombre positif de millimètres.",
            L"Vérifiez la mesure : du trait 0 au trait " + std::to_wstring(barMm) + L" mm de la feuille."};
  }
  // std::round takes halves away from zero; the limits hold for the rounded value.
  const long double rounded = std::round((barMm / *measuredMm - 1) * 1000);
  if (std::fabs(rounded) > calibrationLimit) {
    // A measure a thousand times too small still gets its number said.
    const bool sayable = std::fabs(rounded) < 1e15L;
    return {std::nullopt,
            L"L'étalonnage serait " + (sayable ? L"de " + signedPermille(rounded) + L", " : L"") +
                L"hors des limites de -100 à +100 \u2030.",
            L"Vérifiez la mesure, et que l'imprimante n'ajuste pas l'impression à la page."};
  }
  return {static_cast<int>(rounded), L"Étalonnage proposé : " + signedPermille(rounded), L""};
}

}  // namespace ruler
