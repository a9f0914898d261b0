#include "ui/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zq {

QString fromGbk(std::string_view bytes) {
  QStringDecoder decode("GBK");
  Q_ASSERT(decode.isValid());
  return decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QByteArray toGbk(const QString& text) {
  QStringEncoder encode("GBK");
  Q_ASSERT(encode.isValid());
  return encode(text);
}

}  // namespace zq
