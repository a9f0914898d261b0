#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>

namespace zq {

// A decoded picture: 3 bytes per pixel (red, green, blue), rows without padding.
struct DecodedPicture {
  struct FreeBytes {
    void operator()(std::uint8_t* p) const noexcept { std::free(p); }
  };
  int width = 0;
  int height = 0;
  std::unique_ptr<std::uint8_t[], FreeBytes> rgb;

  std::size_t bytesPerLine() const noexcept { return std::size_t(width) * 3; }
};

// What a stream may cost before its decode is given up as failed.
struct DecodeLimits {
  std::uint32_t maxWidth = 4096;
  std::uint32_t maxHeight = 4096;
  std::uint64_t maxPixels = 4u << 20;
  int maxScans = 32;
  long maxMemory = 64L << 20;  // libjpeg's working memory
};

// Decodes a JPEG stream with libjpeg's default decompression parameters. Three-component data
// comes out as RGB; single-component (grey) data is copied into all three channels. Any libjpeg
// error, and any warning about corrupt or truncated data, makes the decode fail instead of ending
// the program or showing a damaged picture, and so does a stream over the limits.
std::optional<DecodedPicture> decodeJpeg(std::span<const std::uint8_t> stream,
                                         const DecodeLimits& limits = {});

}  // namespace zq
