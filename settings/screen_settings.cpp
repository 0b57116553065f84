// The ruler on screen: each monitor's pixel size as the user measured it,
// one key a monitor and resolution under [Ecrans], written with "." whatever
// the locale; under [Morvi] the scale it was set to and its direction.
#include <cmath>

#include "framework/text/float_format.h"
#include "framework/text/number_text.h"
#include "ruler/screen_ruler.h"
#include "settings/morvi_settings.h"

namespace settings {
namespace {

constexpr wchar_t kScreens[] = L"Ecrans";
constexpr wchar_t kMorvi[] = L"Morvi";
// N as AutreEchelle writes it; empty while the ruler shows the main window's.
constexpr wchar_t kRulerScale[] = L"RegleEcranCalee";
constexpr wchar_t kRulerVertical[] = L"RegleEcranVerticale";  // 1 or 0

}  // namespace

// A monitor's name is the system's, as free as a printer's: it is written
// as a printer's name is.
std::optional<double> MorviSettings::screenPitch(const std::wstring& monitor) const {
  const std::optional<std::wstring>& stored = text(kScreens, keyOf(monitor));
  // A value that does not read is not a number, and so out of range.
  const long double pitch =
      stored ? fw::readPastedNumber(*stored, {L'.', L'\u00A0'}).value_or(std::nanl("")) : std::nanl("");
  if (!(pitch >= ruler::minPixelsPerMm && pitch <= ruler::maxPixelsPerMm)) return std::nullopt;
  return static_cast<double>(pitch);
}

void MorviSettings::setScreenPitch(const std::wstring& monitor, double pixelsPerMm) {
  set(kScreens, keyOf(monitor), fw::formatGeneral(pixelsPerMm, L'.'));
}

std::optional<ruler::ScaleDenominator> MorviSettings::screenRulerScale() const {
  const std::optional<std::wstring>& stored = text(kMorvi, kRulerScale);
  return stored ? ruler::ScaleDenominator::read(*stored) : std::nullopt;
}

void MorviSettings::setScreenRulerScale(std::optional<ruler::ScaleDenominator> n) {
  set(kMorvi, kRulerScale, n ? n->text(L'.') : L"");
}

bool MorviSettings::screenRulerVertical() const { return text(kMorvi, kRulerVertical) == L"1"; }

void MorviSettings::setScreenRulerVertical(bool vertical) {
  set(kMorvi, kRulerVertical, vertical ? L"1" : L"0");
}

}  // namespace settings
