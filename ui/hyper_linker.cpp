#include "ui/hyper_linker.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/system_colours.h"

namespace zq {

HyperLinker::HyperLinker(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void HyperLinker::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Looked up at every repaint, like the desktop's own controls.
  painter.fillRect(event->rect(), buttonFaceColour());
}

}  // namespace zq
