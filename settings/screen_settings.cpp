// Each monitor's pixel size as the user measured it, one key a monitor and
// resolution under [Ecrans], written with "." whatever the locale.
#include "framework/text/float_format.h"
#include "framework/text/number_text.h"
#include "ruler/screen_ruler.h"
#include "settings/morvi_settings.h"

namespace settings {
namespace {

constexpr wchar_t kScreens[] = L"Ecrans";

}  // namespace

// A monitor's name is the system's, as free as a printer's: it is written
// as a printer's name is.
std::optional<double> MorviSettings::screenPitch(const std::wstring& monitor) const {
  const std::optional<std::wstring>& stored = text(kScreens, keyOf(monitor));
  const std::optional<long double> pitch = stored ? fw::readPastedNumber(*stored, {L'.', L'\u00A0'}) : std::nullopt;
  if (!pitch || !(*pitch >= ruler::minPixelsPerMm && *pitch <= ruler::maxPixelsPerMm)) return std::nullopt;
  return static_cast<double>(*pitch);
}

void MorviSettings::setScreenPitch(const std::wstring& monitor, double pixelsPerMm) {
  if (pixelsPerMm != screenPitch(monitor))
    set(kScreens, keyOf(monitor), fw::formatGeneral(pixelsPerMm, L'.'));
}

}  // namespace settings
