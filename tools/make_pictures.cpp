// Writes the two built-in pictures, disc.jpg and cross.jpg, into the given folder (assets/).
// Run through the build: cmake --build build --target assets
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/artwork/jpeg_encode.h"
#include "tools/artwork/picture_model.h"

namespace {

bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures OUTPUT-FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  using namespace zq::artwork;
  if (!write(folder + "/disc.jpg", encodeJpeg(synthesiseDisc())) ||
      !write(folder + "/cross.jpg", encodeJpeg(synthesiseCross()))) {
    std::fprintf(stderr, "make_pictures: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
