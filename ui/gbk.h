#pragma once

#include <QByteArray>
#include <QString>
#include <string_view>

namespace zq {

// The program keeps its texts as GBK (code page 936) bytes; the toolkit draws Unicode.
QString fromGbk(std::string_view bytes);
QByteArray toGbk(const QString& text);

}  // namespace zq
