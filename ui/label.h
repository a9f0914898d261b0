#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

namespace zq {

// The face that draws the label's Song-style text: 宋体 itself where it is installed, else the
// first installed stand-in of the same style; nothing when there is none.
std::optional<QString> songFace(const QStringList& installedFamilies);

// 宋体 (or its stand-in) at a 13-px em height and regular weight; the default GUI font when
// no Song-style face is installed.
QFont labelFont();

// The static text label control: black text on the window grey, left-aligned from the top-left
// corner and wrapped inside the label, each line break of the text starting a new line. It
// never takes the focus or reacts to the mouse.
class Label : public QWidget {
  Q_OBJECT

 public:
  explicit Label(QWidget* parent);

  // The text in GBK; CR LF starts a new line.
  void setText(std::string_view gbk);
  const std::string& text() const { return text_; }

  // The text as laid out in the label, in label pixels.
  const QTextLayout& textLayout() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Text, font and width each change at creation; the layout is made once, when first needed.
  void layOutAgain();

  std::string text_;
  mutable QTextLayout layout_;
  mutable bool laidOut_ = false;
};

}  // namespace zq
