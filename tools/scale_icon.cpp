// Derives a smaller application icon from the 128-px one, smoothly scaled (area-averaged when
// shrinking). Run by the build for every size the icon theme gets.
// Usage: scale_icon SOURCE.png SIZE OUTPUT.png
#include <QCoreApplication>
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: scale_icon SOURCE.png SIZE OUTPUT.png\n");
    return 2;
  }
  QCoreApplication app(argc, argv);
  const QImage source(QString::fromLocal8Bit(argv[1]));
  const int size = std::atoi(argv[2]);
  if (source.isNull() || size <= 0 || size > source.width()) {
    std::fprintf(stderr, "scale_icon: cannot make a %s-px icon from %s\n", argv[2], argv[1]);
    return 1;
  }
  const QImage scaled = source.convertToFormat(QImage::Format_ARGB32)
                            .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  if (!scaled.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "scale_icon: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
