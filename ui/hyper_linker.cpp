#include "ui/hyper_linker.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "ui/gbk.h"
#include "ui/system_colours.h"

namespace zq {

bool LinkState::pointerMoved(bool inside) {
  if (hover_ == inside) {
    return false;  // still over it, or still away: no repaint
  }
  hover_ = inside;
  return true;
}

bool LinkState::pressed(bool launched) {
  visited_ = launched;
  return launched;
}

QRgb LinkState::textColour(const LinkSettings& settings) const {
  if (hover_) {
    return settings.hoverColour;
  }
  return visited_ ? settings.visitedColour : settings.normalColour;
}

namespace {

QString textToShow(const LinkSettings& settings) {
  if (!settings.text.empty()) {
    return fromGbk(settings.text);
  }
  return QString::fromStdString(settings.kind == LinkKind::Web ? settings.webAddress
                                                               : settings.email);
}

}  // namespace

HyperLinker::HyperLinker(QWidget* parent, Desktop& desktop, LinkSettings settings)
    : QWidget(parent),
      desktop_(desktop),
      settings_(std::move(settings)),
      shownText_(textToShow(settings_)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  // Movements while no button is held, so the link sees the pointer arrive without a grab.
  setMouseTracking(true);
}

void HyperLinker::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Looked up at every repaint, like the desktop's own controls.
  painter.fillRect(event->rect(), buttonFaceColour());
  QFont font = this->font();
  font.setUnderline(false);
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(state_.textColour(settings_)));
  // No mnemonic flag: an "&" is drawn as itself.
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, shownText_);
}

void HyperLinker::pointerAt(QPointF position) {
  if (state_.pointerMoved(rect().contains(position.toPoint()))) {
    update();
  }
}

void HyperLinker::mouseMoveEvent(QMouseEvent* event) {
  pointerAt(event->position());
}

// Entering counts as a movement inside: the pointer may arrive without moving, when the
// window appears under it.
void HyperLinker::enterEvent(QEnterEvent* event) {
  pointerAt(event->position());
}

// The toolkit reports the pointer leaving instead of delivering movements outside, so no
// pointer grab is needed to notice it.
void HyperLinker::leaveEvent(QEvent*) {
  pointerAt(QPointF(-1, -1));
}

void HyperLinker::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  press();
}

std::string HyperLinker::target() const {
  return linkTarget(settings_.kind, settings_.webAddress, settings_.email);
}

void HyperLinker::press() {
  const bool launched = openTarget(desktop_, target());
  if (state_.pressed(launched)) {
    update();
  }
}

// Only the first press of a double click counts.
void HyperLinker::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
}

}  // namespace zq
