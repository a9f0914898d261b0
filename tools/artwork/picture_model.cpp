#include "tools/artwork/picture_model.h"

#include <array>
#include <cmath>

namespace zq::artwork {
namespace {

struct ProfileRow {
  double r;
  double redBlue;
  double green;
};

// Colour by distance from the disc centre; red and blue are always equal.
constexpr std::array<ProfileRow, 19> kProfile{{
    {0, 248, 23},   {2, 250, 31},   {4, 249, 42},   {6, 247, 55},   {8, 244, 68},
    {10, 239, 81},  {12, 234, 95},  {14, 229, 108}, {16, 222, 121}, {18, 215, 132},
    {20, 207, 143}, {22, 201, 152}, {24, 194, 160}, {26, 189, 165}, {28, 185, 170},
    {30, 182, 173}, {32, 180, 176}, {34, 178, 177}, {36, 178, 178},
}};

std::uint8_t level(double v) {
  return static_cast<std::uint8_t>(std::lround(v));
}

RgbImage blank(int width, int height) {
  return RgbImage{width, height, std::vector<std::uint8_t>(std::size_t(width * height * 3), kGrey)};
}

void put(RgbImage& image, int x, int y, Rgb c) {
  const std::size_t i = (std::size_t(y) * std::size_t(image.width) + std::size_t(x)) * 3;
  image.rgb[i] = c.r;
  image.rgb[i + 1] = c.g;
  image.rgb[i + 2] = c.b;
}

}  // namespace

Rgb discColourAt(double r) {
  if (r >= kProfile.back().r) {
    return {kGrey, kGrey, kGrey};
  }
  r = std::max(r, 0.0);
  std::size_t i = 0;
  while (kProfile[i + 1].r <= r) {
    ++i;
  }
  const ProfileRow& a = kProfile[i];
  const ProfileRow& b = kProfile[i + 1];
  const double t = (r - a.r) / (b.r - a.r);
  const std::uint8_t rb = level(a.redBlue + t * (b.redBlue - a.redBlue));
  return {rb, level(a.green + t * (b.green - a.green)), rb};
}

RgbImage synthesiseDisc() {
  RgbImage image = blank(kDiscWidth, kDiscHeight);
  for (int y = 0; y < kDiscHeight; ++y) {
    for (int x = 0; x < kDiscWidth; ++x) {
      put(image, x, y, discColourAt(std::hypot(x - kDiscCentreX, y - kDiscCentreY)));
    }
  }
  return image;
}

bool onCross(int x, int y) {
  const bool horizontalBar = x >= 6 && x <= 24 && y >= 15 && y <= 17;
  const bool verticalBar = y >= 8 && y <= 24 && x >= 14 && x <= 16;
  return horizontalBar || verticalBar;
}

RgbImage synthesiseCross() {
  RgbImage image = blank(kCrossSize, kCrossSize);
  for (int y = 0; y < kCrossSize; ++y) {
    for (int x = 0; x < kCrossSize; ++x) {
      if (onCross(x, y)) {
        put(image, x, y, {0, 0, 0});
      }
    }
  }
  return image;
}

}  // namespace zq::artwork
