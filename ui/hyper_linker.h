#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <string>

#include "ui/open_target.h"

namespace zq {

class Desktop;

// The fixed settings of a text link.
struct LinkSettings {
  LinkKind kind = LinkKind::Web;
  std::string text;        // GBK; when empty the link shows the address of its kind
  std::string email;       // ASCII
  std::string webAddress;  // ASCII, percent-encoded
  QRgb normalColour = 0xFF0000FF;
  QRgb visitedColour = 0xFF800000;
  QRgb hoverColour = 0xFF0A246A;
};

// The link's two flags and how pointer and presses change them.
class LinkState {
 public:
  // One pointer movement seen by the link, over it or away from it; true when the link must
  // be repainted. The flag follows the pointer and only a change repaints.
  bool pointerMoved(bool inside);
  // The outcome of a press; true when the link must be repainted at once.
  bool pressed(bool launched);

  bool hover() const { return hover_; }
  bool visited() const { return visited_; }
  QRgb textColour(const LinkSettings& settings) const;

 private:
  bool hover_ = false;
  bool visited_ = false;
};

// The text link control: one centred line on the button-face colour that opens its target on
// a left press. It takes no focus and ignores the keyboard.
class HyperLinker : public QWidget {
  Q_OBJECT

 public:
  HyperLinker(QWidget* parent, Desktop& desktop, LinkSettings settings);

  const LinkSettings& settings() const { return settings_; }
  const LinkState& state() const { return state_; }
  // What the link draws: its text, or its address when the text is empty.
  const QString& shownText() const { return shownText_; }

  // What a press opens: the address of the link's kind; empty when there is none.
  std::string target() const;

  // What a left press does: opens the target, sets the visited flag to whether something was
  // launched, and repaints if it was.
  void press();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void pointerAt(QPointF position);

  Desktop& desktop_;
  const LinkSettings settings_;
  const QString shownText_;
  LinkState state_;
};

}  // namespace zq
