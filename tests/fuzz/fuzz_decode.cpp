// Any bytes as a picture stream: the decoder must neither crash nor leak, must keep to its
// limits, and a picture it accepts must be fully written (ASan/UBSan catch what these do not).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "illusion/jpeg_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zq::DecodeLimits limits;
  limits.maxWidth = 1024;
  limits.maxHeight = 1024;
  limits.maxPixels = 256 * 1024;
  limits.maxScans = 16;
  limits.maxMemory = 32L << 20;
  const auto picture = zq::decodeJpeg({data, size}, limits);
  if (!picture) {
    return 0;
  }
  if (picture->width <= 0 || picture->height <= 0 ||
      std::uint32_t(picture->width) > limits.maxWidth ||
      std::uint32_t(picture->height) > limits.maxHeight ||
      std::uint64_t(picture->width) * std::uint64_t(picture->height) > limits.maxPixels) {
    std::abort();
  }
  // Reading every byte lets the sanitizers see a short or unwritten buffer.
  unsigned sum = 0;
  const std::size_t bytes = picture->bytesPerLine() * std::size_t(picture->height);
  for (std::size_t i = 0; i < bytes; ++i) {
    sum += picture->rgb[i];
  }
  volatile unsigned sink = sum;
  (void)sink;
  return 0;
}
