#include "ui/label.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/system_colours.h"

namespace zq {

Label::Label(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void Label::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), QColor::fromRgb(kWindowGrey));
}

}  // namespace zq
