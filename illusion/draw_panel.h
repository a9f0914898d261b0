#pragma once

#include <QByteArray>
#include <QColor>
#include <QWidget>
#include <optional>

#include "illusion/jpeg_decode.h"

namespace zq {

// The picture panel control: no border, a background colour (or the panel default, the
// desktop's button-face colour looked up at each fill), a JPEG picture and a placement. The
// picture is decoded at the first paint and the pixels are kept for the panel's life; a
// picture that cannot be decoded is dropped for good and the panel shows its background.
// A panel takes no input of its own; the main window creates every panel disabled.
class DrawPanel : public QWidget {
  Q_OBJECT

 public:
  enum class Placement { Tiled, Centred };

  explicit DrawPanel(QWidget* parent);

  // nullopt is the panel default.
  void setBackground(std::optional<QColor> colour);
  std::optional<QColor> background() const { return background_; }
  void setPlacement(Placement placement);
  Placement placement() const { return placement_; }

  // A JPEG stream; the panel keeps a reference to the bytes (resource data is never copied).
  void setPicture(const QByteArray& jpeg);
  bool hasPicture() const { return !picture_.isEmpty(); }
  bool isDecoded() const { return decoded_.has_value(); }
  int decodeAttempts() const { return decodeAttempts_; }

  // Where a picture of `picture` size goes in a panel of `panel` size when centred: at its
  // natural size if it fits, else shrunk by one common factor; offsets truncated.
  static QRect centredRect(QSize panel, QSize picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fillColour() const;
  void ensureDecoded();

  std::optional<QColor> background_;
  Placement placement_ = Placement::Tiled;
  QByteArray picture_;
  std::optional<DecodedPicture> decoded_;
  int decodeAttempts_ = 0;
};

}  // namespace zq
