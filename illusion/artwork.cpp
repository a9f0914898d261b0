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

// The window system asks for a large (32 px) and a small (16 px) icon; the build scales them
// smoothly from the one 128-px picture rather than leaving it to the window manager.
QIcon applicationIcon() {
  QIcon icon;
  for (const QString& name :
       {QStringLiteral(":/artwork/icon.png"), QStringLiteral(":/artwork/icon-32.png"),
        QStringLiteral(":/artwork/icon-16.png")}) {
    icon.addPixmap(QPixmap(name));
  }
  return icon;
}

}  // namespace zq
