#include "framework/graphics/resample.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace fw {
namespace {

// The Catmull-Rom cubic, support [-2, 2]: 1 at 0 and 0 at every other
// whole number, so a picture kept at its size keeps its pixels, and sharper
// than smoother cubics at the 1.25 and 1.5 of common display scales.
double cubic(double x) {
  x = std::abs(x);
  if (x < 1) return (1.5 * x - 2.5) * x * x + 1;
  if (x < 2) return ((-0.5 * x + 2.5) * x - 4) * x + 2;
  return 0;
}

// The source pixels that make one output pixel, with their weights summing
// to 1; past the edge, the edge pixel repeats.
struct Tap {
  int index;
  double weight;
};
using Taps = std::vector<Tap>;

std::vector<Taps> taps(int from, int to) {
  const double scale = double(to) / from;
  const double widen = std::max(1.0, 1 / scale);
  const double support = 2 * widen;
  std::vector<Taps> out(to);
  for (int i = 0; i < to; ++i) {
    const double centre = (i + 0.5) / scale - 0.5;
    double sum = 0;
    for (int j = int(std::ceil(centre - support)); j <= int(std::floor(centre + support)); ++j) {
      const double w = cubic((j - centre) / widen);
      if (w == 0) continue;
      out[i].push_back({std::clamp(j, 0, from - 1), w});
      sum += w;
    }
    for (Tap& t : out[i]) t.weight /= sum;
  }
  return out;
}

using Channels = std::array<double, 4>;  // alpha, red, green, blue

Channels channels(std::uint32_t p) {
  return {double(p >> 24), double(p >> 16 & 0xFF), double(p >> 8 & 0xFF), double(p & 0xFF)};
}

// Rounded and clamped: the alpha to a byte, each colour to the alpha (the
// filter's negative lobes may overshoot either way).
std::uint32_t packed(const Channels& c) {
  const auto byte = [](double v, long most) { return std::uint32_t(std::clamp(std::lround(v), 0L, most)); };
  const std::uint32_t a = byte(c[0], 255);
  return a << 24 | byte(c[1], a) << 16 | byte(c[2], a) << 8 | byte(c[3], a);
}

}  // namespace

Pixels resample(const Pixels& source, int width, int height) {
  if (width <= 0 || height <= 0 || source.width <= 0 || source.height <= 0) return {};
  const std::vector<Taps> across = taps(source.width, width), down = taps(source.height, height);
  // Across first, into rows of the new width and the old height.
  std::vector<Channels> rows(std::size_t(width) * source.height);
  for (int y = 0; y < source.height; ++y)
    for (int x = 0; x < width; ++x) {
      Channels sum{};
      for (const Tap& t : across[x]) {
        const Channels c = channels(source.argb[std::size_t(y) * source.width + t.index]);
        for (int k = 0; k < 4; ++k) sum[k] += c[k] * t.weight;
      }
      rows[std::size_t(y) * width + x] = sum;
    }
  Pixels out{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      Channels sum{};
      for (const Tap& t : down[y])
        for (int k = 0; k < 4; ++k) sum[k] += rows[std::size_t(t.index) * width + x][k] * t.weight;
      out.argb[std::size_t(y) * width + x] = packed(sum);
    }
  return out;
}

}  // namespace fw
