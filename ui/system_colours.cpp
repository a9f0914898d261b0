#include "ui/system_colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace zq {

QColor buttonFaceColour() {
  return QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
}

}  // namespace zq
