// The ruler on screen as numbers: the true size of a monitor's pixels, the
// scale a ruler laid on a written dimension is set to, the length it reads
// at a point, and where its graduation falls, in pixels along the band. The
// window only draws them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ruler/other_scale.h"
#include "ruler/scale_catalogue.h"

namespace ruler {

// The true size of a monitor's pixels, and whether anyone measured it: the
// user, or the monitor itself through what it reports of its size.
struct ScreenPitch {
  double pixelsPerMm;
  bool calibrated;
};

// 96 pixels to the inch, what Windows assumes of a screen it knows nothing of.
inline constexpr ScreenPitch uncalibratedPitch{96 / 25.4, false};

// The calibration bar: 100 mm long as the screen is now taken to be, and the
// lengths a user may say it measures.
inline constexpr int screenBarMm = 100;
inline constexpr long double minBarMm = 50, maxBarMm = 200;
// A pitch the settings file may hold: 25 to 2540 pixels to the inch.
inline constexpr double minPixelsPerMm = 1, maxPixelsPerMm = 100;

// The bar's length in whole pixels at `pitch`.
int screenBarPixels(double pixelsPerMm);
// The pitch that makes `barPixels` measure `measuredMm`; nothing for a
// length outside 50 to 200 mm (or none).
std::optional<double> pitchFromBar(int barPixels, std::optional<long double> measuredMm);
// What is wrong with that length, for the dialog's message; empty when right.
std::wstring barFault(std::optional<long double> measuredMm);

// The visible size a monitor reports in its EDID, in millimetres: the first
// detailed timing's image size, else the basic block's centimetres; nothing
// for a block that is no EDID or that gives no size (a projector).
struct SizeMm {
  int width;
  int height;
  bool operator==(const SizeMm&) const = default;
};
std::optional<SizeMm> edidImageSize(std::span<const std::uint8_t> edid);
// Pixels per millimetre of a monitor showing `width` × `height` pixels over
// `size`, the mean of both directions.
double pitchOfSize(int width, int height, SizeMm size);

// The real length, in metres, from zero to `pixels` along a ruler at 1:N.
long double readingMetres(int pixels, double pixelsPerMm, double scaleDenominator);
// How many decimals a reading keeps: its last digit is never finer than the
// real length one pixel stands for. Below zero, the whole metres it rounds
// to: -1 for tens, -2 for hundreds, where a pixel stands for that much.
int readingDecimals(double pixelsPerMm, double scaleDenominator);
// "2,35", the reading to readingDecimals; readingText adds its unit: "2,35 m".
std::wstring readingValue(int pixels, double pixelsPerMm, double scaleDenominator, wchar_t decimalSeparator);
std::wstring readingText(int pixels, double pixelsPerMm, double scaleDenominator, wchar_t decimalSeparator);

// Setting the ruler on a written dimension: the scale at which the point
// `pixels` from zero reads `metres`, N rounded to a tenth; or why not.
inline constexpr int minSetPixels = 10;
struct SetScale {
  std::optional<ScaleDenominator> n;
  std::wstring fault;  // empty with an N
};
SetScale scaleOnDimension(int pixels, std::optional<long double> metres, double pixelsPerMm);

// The window's text, read by screen readers: "Règle à l'écran — 1:100 —
// 2,35 m", the scale "1:137,2 calée" once set on a dimension, and
// "écran non étalonné" while the pitch is assumed.
std::wstring screenRulerTitle(const std::wstring& scale, bool set, const std::wstring& reading, bool calibrated);
// "1:100" of a catalogue item or of N.
std::wstring scaleName(const ScaleEntry& entry);
std::wstring scaleName(ScaleDenominator n, wchar_t decimalSeparator);

// One graduation of the band: `along` pixels from the band's start, a short
// tick or a long labelled mark with its label centred on it.
struct ScreenMark {
  int along;
  bool labelled;
  std::wstring label;
  bool operator==(const ScreenMark&) const = default;
};

// The least room between two labels along the band at 96 dots per inch;
// the band's texts, and so this room, grow with the display scale.
inline constexpr int screenLabelGap = 4;

// The band's length, where zero lies on it, the room a label takes along it
// (its width on a horizontal band, its height on a vertical one), and the
// least room between two labels, all in pixels.
struct ScreenBand {
  int length;
  int zero;
  std::function<int(const std::wstring&)> labelExtent;
  int labelGap = screenLabelGap;
};

// The marks of `graduation` as the printed ruler places them, at the true
// size of the pixels: every tick and labelled mark that falls on the band. A
// label that would touch the one before it, or stand past either end of the
// band, leaves its position a plain tick.
std::vector<ScreenMark> screenGraduation(const Graduation& graduation, double pixelsPerMm, const ScreenBand& band,
                                         wchar_t decimalSeparator);

}  // namespace ruler
