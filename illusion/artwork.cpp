#include "illusion/artwork.h"

#include <QPixmap>
#include <QResource>

namespace zq {
namespace {

// Resource bytes stay where the linker put them; the array only refers to them.
QByteArray resourceBytes(const QString& path) {
  const QResource resource(path);
  return resource.uncompressedData();
}

}  // namespace

QByteArray discPicture() {
  return resourceBytes(QStringLiteral(":/artwork/disc.jpg"));
}
QByteArray crossPicture() {
  return resourceBytes(QStringLiteral(":/artwork/cross.jpg"));
}

// The window system asks for a large (32 px) and a small (16 px) icon; they are scaled down
// smoothly from the one 128-px picture rather than left to the window manager.
QIcon applicationIcon() {
  const QPixmap full(QStringLiteral(":/artwork/icon.png"));
  QIcon icon(full);
  for (int size : {32, 16}) {
    icon.addPixmap(full.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  return icon;
}

}  // namespace zq
