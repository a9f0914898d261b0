#pragma once

#include <QWidget>

namespace zq {

// The text link control: a one-line link on the button-face colour; never a tab stop.
class HyperLinker : public QWidget {
  Q_OBJECT

 public:
  explicit HyperLinker(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zq
