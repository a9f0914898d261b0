#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

namespace zq {

// The picture panel control: no border, a background colour (or the panel default, the
// desktop's button-face colour looked up at each fill) and a picture placement. It takes no
// input of its own; the main window creates every panel disabled.
class DrawPanel : public QWidget {
  Q_OBJECT

 public:
  enum class Placement { Tiled, Centred };

  explicit DrawPanel(QWidget* parent);

  // nullopt is the panel default.
  void setBackground(std::optional<QColor> colour);
  std::optional<QColor> background() const { return background_; }
  void setPlacement(Placement placement) { placement_ = placement; }
  Placement placement() const { return placement_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fillColour() const;

  std::optional<QColor> background_;
  Placement placement_ = Placement::Tiled;
};

}  // namespace zq
