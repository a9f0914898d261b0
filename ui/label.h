#pragma once

#include <QWidget>

namespace zq {

// The static text label control: fills its whole area with the window grey and never takes
// the focus or reacts to the mouse.
class Label : public QWidget {
  Q_OBJECT

 public:
  explicit Label(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zq
