#include "illusion/draw_panel.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <span>

#include "ui/system_colours.h"

namespace zq {

DrawPanel::DrawPanel(QWidget* parent) : QWidget(parent) {
  // A repaint draws the whole area once, picture and background together: no erase step.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void DrawPanel::setBackground(std::optional<QColor> colour) {
  background_ = colour;
  update();
}

void DrawPanel::setPlacement(Placement placement) {
  placement_ = placement;
  update();
}

void DrawPanel::setPicture(const QByteArray& jpeg) {
  picture_ = jpeg;
  decoded_.reset();
  decodeAttempts_ = 0;
  update();
}

QColor DrawPanel::fillColour() const {
  return background_ ? *background_ : buttonFaceColour();
}

QRect DrawPanel::centredRect(QSize panel, QSize picture) {
  QSize size = picture;
  if (picture.width() > panel.width() || picture.height() > panel.height()) {
    const double factor = std::min(double(panel.width()) / picture.width(),
                                   double(panel.height()) / picture.height());
    size = QSize(int(picture.width() * factor), int(picture.height() * factor));
  }
  return {QPoint((panel.width() - size.width()) / 2, (panel.height() - size.height()) / 2), size};
}

void DrawPanel::ensureDecoded() {
  if (decoded_ || picture_.isEmpty()) {
    return;
  }
  ++decodeAttempts_;
  decoded_ = decodeJpeg(std::span(reinterpret_cast<const std::uint8_t*>(picture_.constData()),
                                  std::size_t(picture_.size())));
  if (!decoded_) {
    picture_.clear();  // dropped for good: no later paint tries again
  }
}

void DrawPanel::paintEvent(QPaintEvent* event) {
  const QRect area = event->rect() & rect();
  if (area.isEmpty()) {
    return;
  }
  ensureDecoded();
  QPainter painter(this);
  if (!decoded_) {
    painter.fillRect(area, fillColour());
    return;
  }
  painter.setClipRect(area);
  // Smooth wherever the picture is drawn scaled: shrunk to fit, or on a high-density screen.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // A view of the kept pixels, not a copy.
  const QImage image(decoded_->rgb.get(), decoded_->width, decoded_->height,
                     qsizetype(decoded_->bytesPerLine()), QImage::Format_RGB888);
  if (placement_ == Placement::Tiled) {
    // Copies at natural size from the top-left corner; the panel's edges clip the last ones.
    for (int y = 0; y < height(); y += image.height()) {
      for (int x = 0; x < width(); x += image.width()) {
        const QRect tile(QPoint(x, y), image.size());
        if (tile.intersects(area)) {
          painter.drawImage(tile.topLeft(), image);
        }
      }
    }
    return;
  }
  const QRect target = centredRect(size(), image.size());
  painter.drawImage(target, image);
  for (const QRect& rest : QRegion(area).subtracted(target)) {
    painter.fillRect(rest, fillColour());
  }
}

}  // namespace zq
