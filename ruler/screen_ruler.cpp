#include "ruler/screen_ruler.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "framework/text/float_format.h"
#include "framework/text/rounding.h"
#include "ruler/ruler_layout.h"

namespace ruler {
int screenBarPixels(double pixelsPerMm) {
  return fw::roundHalfEven(screenBarMm * static_cast<long double>(pixelsPerMm));
}

std::wstring barFault(std::optional<long double> measuredMm) {
  if (!measuredMm) return L"Saisissez la longueur que mesure la barre, en millimètres.";
  if (!(*measuredMm >= minBarMm && *measuredMm <= maxBarMm))
    return L"La barre doit mesurer de 50 à 200 mm : mesurez-la de nouveau.";
  return L"";
}

std::optional<double> pitchFromBar(int barPixels, std::optional<long double> measuredMm) {
  if (!barFault(measuredMm).empty() || barPixels <= 0) return std::nullopt;
  return static_cast<double>(barPixels / *measuredMm);
}

std::optional<SizeMm> edidImageSize(std::span<const std::uint8_t> edid) {
  static constexpr std::uint8_t header[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
  if (edid.size() < 128 || !std::equal(std::begin(header), std::end(header), edid.begin())) return std::nullopt;
  // The first detailed timing, when it is one (its pixel clock not zero),
  // gives the image size to the millimetre: 12 low bits in bytes 66 to 68.
  if (edid[54] != 0 || edid[55] != 0) {
    const SizeMm fine{edid[66] | (edid[68] >> 4) << 8, edid[67] | (edid[68] & 0x0F) << 8};
    if (fine.width > 0 && fine.height > 0) return fine;
  }
  if (edid[21] == 0 || edid[22] == 0) return std::nullopt;  // no size: a projector
  return SizeMm{edid[21] * 10, edid[22] * 10};
}

double pitchOfSize(int width, int height, SizeMm size) {
  return (static_cast<double>(width) / size.width + static_cast<double>(height) / size.height) / 2;
}

long double readingMetres(int pixels, double pixelsPerMm, double scaleDenominator) {
  return pixels / static_cast<long double>(pixelsPerMm) * scaleDenominator / 1000;
}

int readingDecimals(double pixelsPerMm, double scaleDenominator) {
  const long double pixelMetres = readingMetres(1, pixelsPerMm, scaleDenominator);
  int decimals = 0;
  for (long double unit = 0.1L; unit >= pixelMetres && decimals < 6; unit /= 10) ++decimals;
  // The smallest power of ten a pixel's length does not exceed.
  for (long double unit = 1; unit < pixelMetres && decimals > -9; unit *= 10) --decimals;
  return decimals;
}

std::wstring readingValue(int pixels, double pixelsPerMm, double scaleDenominator, wchar_t decimalSeparator) {
  const long double metres = readingMetres(pixels, pixelsPerMm, scaleDenominator);
  const int decimals = readingDecimals(pixelsPerMm, scaleDenominator);
  if (decimals >= 0) return fw::formatFixed(metres, decimals, decimalSeparator);
  const long double unit = std::pow(10.0L, -decimals);
  return fw::formatFixed(std::round(metres / unit) * unit, 0, decimalSeparator);
}

std::wstring readingText(int pixels, double pixelsPerMm, double scaleDenominator, wchar_t decimalSeparator) {
  return readingValue(pixels, pixelsPerMm, scaleDenominator, decimalSeparator) + L" m";
}

SetScale scaleOnDimension(int pixels, std::optional<long double> metres, double pixelsPerMm) {
  if (pixels < minSetPixels) return {std::nullopt, L"Pointez l'autre bout de la cote, à 10 pixels au moins du zéro."};
  if (!metres || !(*metres > 0)) return {std::nullopt, L"La longueur réelle doit être plus grande que 0."};
  // N = the real length over the length on screen, both in millimetres.
  const long double n = *metres * 1000 / (pixels / static_cast<long double>(pixelsPerMm));
  const std::optional<ScaleDenominator> set =
      n * 10 < 1e12L ? ScaleDenominator::ofTenths(std::llround(n * 10)) : std::nullopt;
  if (!set) return {std::nullopt, L"Cette longueur donnerait une échelle hors de 1:1 à 1:100\u202F000."};
  return {set, L""};
}

std::wstring screenRulerTitle(const std::wstring& scale, bool set, const std::wstring& reading, bool calibrated) {
  std::wstring title = L"Règle à l'écran — " + scale;
  if (set) title += L" calée";
  if (!reading.empty()) title += L" — " + reading;
  if (!calibrated) title += L" — écran non étalonné";
  return title;
}

std::wstring scaleName(const ScaleEntry& entry) {
  std::wstring_view item = entry.itemText;
  item.remove_prefix(item.find_first_not_of(L' '));
  return std::wstring(item);
}

std::wstring scaleName(ScaleDenominator n, wchar_t decimalSeparator) { return L"1:" + n.text(decimalSeparator); }

std::vector<ScreenMark> screenGraduation(const Graduation& graduation, double pixelsPerMm, const ScreenBand& band,
                                         wchar_t decimalSeparator) {
  // The printed ruler's layout at 254 dots to the inch is one pixel to the
  // tenth of a millimetre, and its coefficient then the screen's pixels per
  // tenth. It runs along y from zero; the marks' x only tells a tick (ending
  // at 1) from a labelled mark (ending at 2).
  const long double pixelsPerTenth = pixelsPerMm / 10.0L;
  // Positions a little past the band's end, since the page stretches a
  // stored label interval to its exact length by a few hundredths at most.
  const auto endTenths = static_cast<std::int32_t>((band.length - band.zero) / pixelsPerTenth * 1.05L) + 1;
  const GraduationPlace place{.edge = 0, .tickEnd = 1, .markEnd = 2, .labelX = 0, .top = band.zero, .labelRise = 0,
                              .end = endTenths};
  int labelsEnd = -band.labelGap;
  const MarkFits fits = [&](const Line& mark, const Text& label) {
    const int extent = band.labelExtent(label.text);
    const int start = mark.from.y - extent / 2;
    if (start < 0 || start < labelsEnd + band.labelGap || start + extent > band.length) return false;
    labelsEnd = start + extent;
    return true;
  };
  const RulerPage page = layoutGraduation({254, 254}, graduation, pixelsPerTenth, decimalSeparator, place, fits);

  std::vector<ScreenMark> marks;
  for (const DrawOp& op : page.ops) {
    if (const Text* label = std::get_if<Text>(&op)) {
      marks.back().label = label->text;
      continue;
    }
    const Line& line = std::get<Line>(op);
    if (line.from.y >= band.length) break;
    // The labelled mark is drawn over the tick at the same place: one mark.
    if (!marks.empty() && !marks.back().labelled && marks.back().along == line.from.y) marks.pop_back();
    marks.push_back({line.from.y, line.to.x == place.markEnd, L""});
  }
  return marks;
}

}  // namespace ruler
