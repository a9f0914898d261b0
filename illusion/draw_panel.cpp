#include "illusion/draw_panel.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/system_colours.h"

namespace zq {

DrawPanel::DrawPanel(QWidget* parent) : QWidget(parent) {
  // The paint event covers the whole area itself; no separate erase step.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void DrawPanel::setBackground(std::optional<QColor> colour) {
  background_ = colour;
  update();
}

QColor DrawPanel::fillColour() const {
  return background_ ? *background_ : buttonFaceColour();
}

void DrawPanel::paintEvent(QPaintEvent* event) {
  const QRect area = event->rect() & rect();
  if (area.isEmpty()) {
    return;
  }
  QPainter painter(this);
  painter.fillRect(area, fillColour());
}

}  // namespace zq
