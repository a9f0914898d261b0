#pragma once

#include <cstdint>
#include <vector>

namespace zq::artwork {

struct Rgb {
  std::uint8_t r;
  std::uint8_t g;
  std::uint8_t b;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Pixels, 3 bytes each, row after row with no padding.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;

  Rgb at(int x, int y) const {
    const std::size_t i = (std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
  }
};

inline constexpr std::uint8_t kGrey = 178;  // #B2B2B2

// The disc picture: 54 x 59, a soft magenta disc centred on the pixel (25, 29) whose colour
// depends only on the distance r between pixel centres.
inline constexpr int kDiscWidth = 54;
inline constexpr int kDiscHeight = 59;
inline constexpr int kDiscCentreX = 25;
inline constexpr int kDiscCentreY = 29;

// The disc's colour at distance r: linear between the rows of its profile, grey from r = 36.
Rgb discColourAt(double r);
RgbImage synthesiseDisc();

// The cross picture: 32 x 32 grey with a black cross of two 3-px bars meeting at (15, 16).
inline constexpr int kCrossSize = 32;
bool onCross(int x, int y);
RgbImage synthesiseCross();

}  // namespace zq::artwork
