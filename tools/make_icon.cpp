// Draws the application icon, 128 x 128 and opaque: one large black brush-style character,
// 幻 ("illusion"), with thickened strokes on white, and faint grey concentric arcs over the upper
// part of the strokes. The brush face is AR PL UKai from Debian's fonts-arphic-ukai (Arphic
// Public License, which allows this use).
// Usage: make_icon OUTPUT.png [FONT-FILE]   (run through: cmake --build build --target assets)
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {
constexpr auto kDefaultFont = "/usr/share/fonts/truetype/arphic/ukai.ttc";
constexpr int kSize = 128;
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.png [FONT-FILE]\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  const QString fontFile = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString(kDefaultFont);
  const int id = QFontDatabase::addApplicationFont(fontFile);
  if (id < 0) {
    std::fprintf(stderr, "make_icon: cannot load %s (apt-get install fonts-arphic-ukai)\n",
                 qPrintable(fontFile));
    return 1;
  }
  QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
  font.setPixelSize(118);
  font.setHintingPreference(QFont::PreferNoHinting);

  // The glyph as a path, centred on its own bounding box.
  QPainterPath glyph;
  glyph.addText(0, 0, font, QStringLiteral(u"幻"));
  const QRectF box = glyph.boundingRect();
  glyph.translate(QPointF(kSize / 2.0, kSize / 2.0) - box.center());

  QImage icon(kSize, kSize, QImage::Format_RGB32);
  icon.fill(Qt::white);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  // A pen along the outline thickens the brush strokes.
  painter.setPen(QPen(Qt::black, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::black);
  painter.drawPath(glyph);

  // Concentric arcs, only where the strokes are, only in the upper part.
  QPainterPath strokes = QPainterPathStroker(QPen(Qt::black, 3.5)).createStroke(glyph) + glyph;
  QPainterPath upper;
  upper.addRect(0, 0, kSize, kSize * 0.45);
  painter.setClipPath(strokes.intersected(upper));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(0x4a, 0x4a, 0x4a), 1.4));
  for (int r = 8; r < 120; r += 7) {
    painter.drawEllipse(QPointF(kSize * 0.5, kSize * 0.08), r, r);
  }
  painter.end();

  if (!icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
