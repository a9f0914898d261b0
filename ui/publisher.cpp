#include "ui/publisher.h"

#include <QByteArray>

namespace zq {

std::string searchAddress(std::string_view gbkTerm) {
  // Bytes in, bytes out: the term is GBK and must not pass through a Unicode string.
  const QByteArray encoded =
      QByteArray(gbkTerm.data(), static_cast<qsizetype>(gbkTerm.size())).toPercentEncoding();
  return std::string(kSearchBase) + encoded.toStdString();
}

LinkSettings publisherLink() {
  LinkSettings link;
  link.kind = LinkKind::Web;
  link.text = std::string(kPublisherName) + ' ' + std::string(kPublisherHost);
  link.webAddress = searchAddress(kPublisherName);
  return link;
}

}  // namespace zq
