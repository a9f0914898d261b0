#include "tools/artwork/jpeg_encode.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

// clang-format off
#include <jpeglib.h>
// clang-format on

namespace zq::artwork {

std::vector<std::uint8_t> encodeJpeg(const RgbImage& image) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);  // the generator may exit on a libjpeg error
  jpeg_create_compress(&cinfo);

  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);

  cinfo.image_width = JDIMENSION(image.width);
  cinfo.image_height = JDIMENSION(image.height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);  // YCbCr, 2x2/1x1/1x1, standard Huffman tables, JFIF 1.01
  jpeg_set_quality(&cinfo, 75, TRUE);
  cinfo.density_unit = 1;  // dots per inch
  cinfo.X_density = 96;
  cinfo.Y_density = 96;
  cinfo.optimize_coding = FALSE;
  cinfo.restart_interval = 0;
  cinfo.dct_method = JDCT_ISLOW;

  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.rgb.data() + std::size_t(cinfo.next_scanline) *
                                                               std::size_t(image.width) * 3);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);

  std::vector<std::uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

}  // namespace zq::artwork
