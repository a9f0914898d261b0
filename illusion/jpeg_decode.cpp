#include "illusion/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

// clang-format off
#include <jpeglib.h>
// clang-format on

namespace zq {
namespace {

// libjpeg reports fatal errors by calling error_exit, which must not return; the default one
// ends the process. Ours jumps back to decodeInto's setjmp. That frame holds only plain C data,
// so the jump skips no destructor.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
};

struct ScanLimit {
  jpeg_progress_mgr pub;
  int maxScans;
};

[[noreturn]] void failDecode(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Level -1 is a warning about corrupt data (a truncated stream among them): a picture we would
// show damaged, so the decode fails. Trace messages (level >= 0) are ignored.
void onMessage(j_common_ptr cinfo, int level) {
  if (level < 0) {
    failDecode(cinfo);
  }
}

// A progressive stream may hold any number of scans, each costing a pass over the picture.
void limitScans(j_common_ptr cinfo) {
  if (cinfo->is_decompressor) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > reinterpret_cast<ScanLimit*>(cinfo->progress)->maxScans) {
      failDecode(cinfo);
    }
  }
}

struct RawPicture {
  int width;
  int height;
  std::uint8_t* rgb;  // malloc'ed
};

bool decodeInto(const std::uint8_t* data, std::size_t size, const DecodeLimits& limits,
                RawPicture* out) {
  jpeg_decompress_struct cinfo;
  ErrorManager err;
  ScanLimit scans;
  std::uint8_t* volatile pixels = nullptr;

  std::memset(&cinfo, 0, sizeof cinfo);
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = failDecode;
  err.pub.emit_message = onMessage;
  if (setjmp(err.jump) != 0) {
    jpeg_destroy_decompress(&cinfo);
    std::free(pixels);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = limits.maxMemory;
  scans.pub.progress_monitor = limitScans;
  scans.maxScans = limits.maxScans;
  cinfo.progress = &scans.pub;

  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK || cinfo.image_width > limits.maxWidth ||
      cinfo.image_height > limits.maxHeight ||
      std::uint64_t{cinfo.image_width} * cinfo.image_height > limits.maxPixels) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_start_decompress(&cinfo);
  const int components = cinfo.output_components;
  if (components != 1 && components != 3) {  // CMYK and the like: not a picture we can show
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  const std::size_t width = cinfo.output_width;
  const std::size_t height = cinfo.output_height;
  pixels = static_cast<std::uint8_t*>(std::malloc(width * height * 3));
  if (pixels == nullptr) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  while (cinfo.output_scanline < cinfo.output_height) {
    std::uint8_t* row = pixels + std::size_t(cinfo.output_scanline) * width * 3;
    JSAMPROW target = row;
    if (jpeg_read_scanlines(&cinfo, &target, 1) != 1) {
      failDecode(reinterpret_cast<j_common_ptr>(&cinfo));
    }
    if (components == 1) {
      // Grey samples sit in the first third of the row; spread them from the end backwards.
      for (std::size_t x = width; x-- > 0;) {
        row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = row[x];
      }
    }
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  *out = RawPicture{int(width), int(height), pixels};
  return true;
}

}  // namespace

std::optional<DecodedPicture> decodeJpeg(std::span<const std::uint8_t> stream,
                                         const DecodeLimits& limits) {
  if (stream.empty()) {
    return std::nullopt;
  }
  RawPicture raw{};
  if (!decodeInto(stream.data(), stream.size(), limits, &raw)) {
    return std::nullopt;
  }
  DecodedPicture picture;
  picture.width = raw.width;
  picture.height = raw.height;
  picture.rgb.reset(raw.rgb);
  return picture;
}

}  // namespace zq
