// The two built-in pictures: the synthesised pixels against their description, the JPEG
// streams' structure read back from the bytes, the decoded streams against the model, the
// committed files against a fresh run of the generator, and what the decoder does with
// streams it must refuse.
#include <QtTest>

#include <QFile>
#include <csetjmp>

#include "illusion/jpeg_decode.h"
#include "tools/artwork/jpeg_encode.h"
#include "tools/artwork/picture_model.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

using namespace zq;
using namespace zq::artwork;

namespace {

std::vector<std::uint8_t> readAsset(const char* name) {
  QFile file(QStringLiteral(ZQ_ASSETS_DIR "/") + name);
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  const QByteArray bytes = file.readAll();
  return {bytes.begin(), bytes.end()};
}

struct Segment {
  int marker;
  std::vector<std::uint8_t> payload;  // without the length field
};

// The marker segments of a baseline stream, entropy-coded data skipped.
std::vector<Segment> segments(const std::vector<std::uint8_t>& b) {
  std::vector<Segment> out;
  std::size_t i = 0;
  while (i + 1 < b.size() && b[i] == 0xFF) {
    const int marker = b[i + 1];
    if (marker == 0xD8 || marker == 0xD9) {
      out.push_back({marker, {}});
      i += 2;
      continue;
    }
    const std::size_t length = std::size_t(b[i + 2]) << 8 | b[i + 3];
    out.push_back({marker, {b.begin() + long(i + 4), b.begin() + long(i + 2 + length)}});
    i += 2 + length;
    if (marker == 0xDA) {
      while (i + 1 < b.size() &&
             !(b[i] == 0xFF && b[i + 1] != 0 && (b[i + 1] < 0xD0 || b[i + 1] > 0xD7))) {
        ++i;
      }
    }
  }
  return out;
}

// The example tables of the JPEG standard (Annex K), in natural order, and the zig-zag order
// in which DQT stores them.
constexpr int kLuma[64] = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                           14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                           18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                           49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr int kChroma[64] = {17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
                             24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
                             99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
                             99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
constexpr int kZigZag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                             12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                             35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                             58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// Quality 75 scales by 50%, rounding as libjpeg does.
int scaled75(int q) {
  return std::clamp((q * 50 + 50) / 100, 1, 255);
}

int maxError(const DecodedPicture& d, const RgbImage& model, bool (*where)(int, int)) {
  int worst = 0;
  for (int y = 0; y < model.height; ++y) {
    for (int x = 0; x < model.width; ++x) {
      if (where != nullptr && !where(x, y)) {
        continue;
      }
      for (int c = 0; c < 3; ++c) {
        const std::size_t i = (std::size_t(y) * std::size_t(model.width) + std::size_t(x)) * 3 + c;
        worst = std::max(worst, std::abs(int(d.rgb[i]) - int(model.rgb[i])));
      }
    }
  }
  return worst;
}

bool blockTouchesCross(int x, int y) {
  for (int yy = y / 8 * 8; yy < y / 8 * 8 + 8; ++yy) {
    for (int xx = x / 8 * 8; xx < x / 8 * 8 + 8; ++xx) {
      if (onCross(xx, yy)) {
        return true;
      }
    }
  }
  return false;
}

// Test fixtures libjpeg can make but the generator never does: grey and progressive streams.
std::vector<std::uint8_t> encodeWith(int components, bool progressive) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = 40;
  cinfo.image_height = 24;
  cinfo.input_components = components;
  cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  if (progressive) {
    jpeg_simple_progression(&cinfo);
  }
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<std::uint8_t> row(40 * std::size_t(components));
  while (cinfo.next_scanline < cinfo.image_height) {
    for (std::size_t x = 0; x < row.size(); ++x) {
      row[x] = std::uint8_t(x * 5 + cinfo.next_scanline * 3);
    }
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&cinfo, &r, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

}  // namespace

class ArtworkTest : public QObject {
  Q_OBJECT

 private slots:
  void discProfile_data() {
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("redBlue");
    QTest::addColumn<int>("green");
    QTest::newRow("centre") << 0.0 << 248 << 23;
    QTest::newRow("row r=2") << 2.0 << 250 << 31;
    QTest::newRow("row r=18") << 18.0 << 215 << 132;
    QTest::newRow("row r=34") << 34.0 << 178 << 177;
    QTest::newRow("between 0 and 2") << 1.0 << 249 << 27;
    QTest::newRow("between 24 and 26, rounded") << 25.0 << 192 << 163;
    QTest::newRow("a quarter past 10") << 10.5 << 238 << 85;
    QTest::newRow("background from 36") << 36.0 << 178 << 178;
    QTest::newRow("far out") << 80.0 << 178 << 178;
  }

  void discProfile() {
    QFETCH(double, r);
    QFETCH(int, redBlue);
    QFETCH(int, green);
    const Rgb c = discColourAt(r);
    QCOMPARE(int(c.r), redBlue);
    QCOMPARE(int(c.g), green);
    QCOMPARE(int(c.b), redBlue);
  }

  void discPicture() {
    const RgbImage disc = synthesiseDisc();
    QCOMPARE(disc.width, 54);
    QCOMPARE(disc.height, 59);
    QCOMPARE(disc.at(25, 29), (Rgb{248, 23, 248}));
    // The disc is round: the same distance gives the same colour in every direction.
    QCOMPARE(disc.at(25 - 20, 29), disc.at(25 + 20, 29));
    QCOMPARE(disc.at(25, 29 - 20), disc.at(25 + 12, 29 + 16));
    QCOMPARE(disc.at(0, 29), discColourAt(25));   // the left edge cuts at r = 25
    QCOMPARE(disc.at(53, 29), discColourAt(28));  // the right edge at r = 28
    QCOMPARE(disc.at(25, 0), discColourAt(29));   // top and bottom at r = 29
    QCOMPARE(disc.at(25, 58), discColourAt(29));
    for (auto [x, y] : {std::pair{0, 0}, {53, 0}, {0, 58}, {53, 58}}) {
      QCOMPARE(disc.at(x, y), (Rgb{178, 178, 178}));  // corners are background
    }
  }

  void crossPicture() {
    const RgbImage cross = synthesiseCross();
    QCOMPARE(cross.width, 32);
    QCOMPARE(cross.height, 32);
    int black = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const Rgb c = cross.at(x, y);
        QVERIFY(c == (Rgb{0, 0, 0}) || c == (Rgb{178, 178, 178}));
        black += c.r == 0;
      }
    }
    QCOMPARE(black, 19 * 3 + 17 * 3 - 9);
    QCOMPARE(cross.at(15, 16), (Rgb{0, 0, 0}));
    for (auto [x, y] : {std::pair{6, 15}, {24, 17}, {14, 8}, {16, 24}}) {
      QCOMPARE(cross.at(x, y), (Rgb{0, 0, 0}));
    }
    for (auto [x, y] : {std::pair{5, 16}, {25, 16}, {15, 7}, {15, 25}, {13, 14}}) {
      QCOMPARE(cross.at(x, y), (Rgb{178, 178, 178}));
    }
  }

  void streamStructure_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("disc") << "disc.jpg" << 54 << 59;
    QTest::newRow("cross") << "cross.jpg" << 32 << 32;
  }

  void streamStructure() {
    QFETCH(QString, file);
    QFETCH(int, width);
    QFETCH(int, height);
    const std::vector<std::uint8_t> bytes = readAsset(qPrintable(file));
    QVERIFY(!bytes.empty());
    const std::vector<Segment> s = segments(bytes);
    QList<int> markers;
    for (const Segment& seg : s) {
      markers << seg.marker;
    }
    QCOMPARE(markers,
             (QList<int>{0xD8, 0xE0, 0xDB, 0xDB, 0xC0, 0xC4, 0xC4, 0xC4, 0xC4, 0xDA, 0xD9}));

    // JFIF 1.01, dots per inch, 96 x 96, no thumbnail.
    QCOMPARE(s[1].payload,
             (std::vector<std::uint8_t>{'J', 'F', 'I', 'F', 0, 1, 1, 1, 0, 96, 0, 96, 0, 0}));

    // Quantisation: Annex K, scaled for quality 75.
    for (int t = 0; t < 2; ++t) {
      const std::vector<std::uint8_t>& dqt = s[2 + t].payload;
      QCOMPARE(dqt.size(), std::size_t{65});
      QCOMPARE(int(dqt[0]), t);  // 8-bit precision, table t
      for (int k = 0; k < 64; ++k) {
        QCOMPARE(int(dqt[1 + k]), scaled75((t == 0 ? kLuma : kChroma)[kZigZag[k]]));
      }
    }

    // Baseline, 8 bits, size, three components: Y 2x2 with table 0, Cb and Cr 1x1 with table 1.
    const std::vector<std::uint8_t>& sof = s[4].payload;
    QCOMPARE(sof, (std::vector<std::uint8_t>{8, std::uint8_t(height >> 8), std::uint8_t(height),
                                             std::uint8_t(width >> 8), std::uint8_t(width), 3, 1,
                                             0x22, 0, 2, 0x11, 1, 3, 0x11, 1}));

    // The standard Huffman tables hold all 12 DC and all 162 AC symbols; optimised ones
    // would hold only those used.
    QList<qsizetype> sizes;
    for (int i = 5; i < 9; ++i) {
      sizes << qsizetype(s[i].payload.size());
    }
    QCOMPARE(sizes, (QList<qsizetype>{1 + 16 + 12, 1 + 16 + 162, 1 + 16 + 12, 1 + 16 + 162}));
  }

  // The committed pictures are exactly what the generator makes now.
  void assetsAreReproducible() {
    QVERIFY(readAsset("disc.jpg") == encodeJpeg(synthesiseDisc()));
    QVERIFY(readAsset("cross.jpg") == encodeJpeg(synthesiseCross()));
  }

  void decodedDiscMatchesTheModel() {
    const std::optional<DecodedPicture> d = decodeJpeg(readAsset("disc.jpg"));
    QVERIFY(d);
    QCOMPARE(d->width, 54);
    QCOMPARE(d->height, 59);
    QVERIFY(maxError(*d, synthesiseDisc(), nullptr) <= 10);
  }

  void decodedCrossMatchesTheModel() {
    const std::optional<DecodedPicture> d = decodeJpeg(readAsset("cross.jpg"));
    QVERIFY(d);
    const RgbImage model = synthesiseCross();
    QVERIFY(maxError(*d, model, [](int x, int y) { return onCross(x, y); }) <= 30);
    QVERIFY(maxError(*d, model,
                     [](int x, int y) { return !onCross(x, y) && blockTouchesCross(x, y); }) <= 35);
    QVERIFY(maxError(*d, model, [](int x, int y) { return !blockTouchesCross(x, y); }) <= 5);
  }

  void greyStreamsFillAllThreeChannels() {
    const std::optional<DecodedPicture> d = decodeJpeg(encodeWith(1, false));
    QVERIFY(d);
    QCOMPARE(d->width, 40);
    for (int i = 0; i < d->width * d->height; ++i) {
      QCOMPARE(d->rgb[i * 3], d->rgb[i * 3 + 1]);
      QCOMPARE(d->rgb[i * 3], d->rgb[i * 3 + 2]);
    }
  }

  void refusedStreams_data() {
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("maxScans");
    QTest::addColumn<int>("maxWidth");
    const std::vector<std::uint8_t> disc = readAsset("disc.jpg");
    const QByteArray good(reinterpret_cast<const char*>(disc.data()), qsizetype(disc.size()));
    QByteArray corrupt = good;
    for (qsizetype i = corrupt.size() - 200; i < corrupt.size() - 100; i += 7) {
      corrupt[i] = char(0xFF);  // markers inside the entropy-coded data
    }
    QByteArray badHeader = good;
    badHeader[good.indexOf("\xFF\xC0") + 5] = 0;  // zero height
    badHeader[good.indexOf("\xFF\xC0") + 6] = 0;
    const std::vector<std::uint8_t> progressive = encodeWith(3, true);
    const QByteArray manyScans(reinterpret_cast<const char*>(progressive.data()),
                               qsizetype(progressive.size()));
    QTest::newRow("empty") << QByteArray() << 32 << 4096;
    QTest::newRow("not a JPEG") << QByteArray("hello, world") << 32 << 4096;
    QTest::newRow("only the start marker") << QByteArray("\xFF\xD8") << 32 << 4096;
    QTest::newRow("truncated in the header") << good.left(100) << 32 << 4096;
    QTest::newRow("truncated in the scan") << good.left(good.size() - 300) << 32 << 4096;
    QTest::newRow("end marker missing") << good.left(good.size() - 2) << 32 << 4096;
    QTest::newRow("corrupt scan data") << corrupt << 32 << 4096;
    QTest::newRow("zero height") << badHeader << 32 << 4096;
    QTest::newRow("wider than allowed") << good << 32 << 53;
    QTest::newRow("more scans than allowed") << manyScans << 5 << 4096;
  }

  void refusedStreams() {
    QFETCH(QByteArray, stream);
    QFETCH(int, maxScans);
    QFETCH(int, maxWidth);
    DecodeLimits limits;
    limits.maxScans = maxScans;
    limits.maxWidth = std::uint32_t(maxWidth);
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(stream.constData()),
                                 std::size_t(stream.size()));
    QVERIFY(!decodeJpeg(bytes, limits));
  }

  void withinTheLimitsDecodes() {
    QVERIFY(decodeJpeg(encodeWith(3, true)));  // a progressive stream of ten scans
    DecodeLimits exact;
    exact.maxWidth = 54;
    exact.maxHeight = 59;
    exact.maxPixels = 54 * 59;
    QVERIFY(decodeJpeg(readAsset("disc.jpg"), exact));
  }
};

QTEST_APPLESS_MAIN(ArtworkTest)
#include "test_artwork.moc"
