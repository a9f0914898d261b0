#pragma once

#include <cstdint>
#include <vector>

#include "tools/artwork/picture_model.h"

namespace zq::artwork {

// Baseline JFIF 1.01 at 96 dpi, YCbCr with Y sampled 2 x 2 and chroma 1 x 1, libjpeg's
// quality-75 scaling of the standard quantisation tables and the standard Huffman tables:
// markers SOI APP0 DQT DQT SOF0 DHT DHT DHT DHT SOS EOI, no restart interval, no comment.
// The same pixels always give the same bytes.
std::vector<std::uint8_t> encodeJpeg(const RgbImage& image);

}  // namespace zq::artwork
