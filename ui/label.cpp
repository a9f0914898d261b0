#include "ui/label.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QTextOption>

#include "ui/gbk.h"
#include "ui/system_colours.h"

namespace zq {

namespace {

constexpr int kLabelEmPixels = 13;

// 宋体 by its two names, then Song/Ming-style serif faces from free font packages: the
// simplified-Chinese cut of each first.
const QStringList kSongFaces{
    QStringLiteral(u"宋体"),
    QStringLiteral("SimSun"),
    QStringLiteral("AR PL UMing CN"),
    QStringLiteral("AR PL SungtiL GB"),
    QStringLiteral("Noto Serif CJK SC"),
    QStringLiteral("Source Han Serif SC"),
    QStringLiteral("AR PL UMing TW"),
    QStringLiteral("AR PL UMing HK"),
};

// Line breaks of the stored text become the layout's own line separator.
QString displayText(std::string_view gbk) {
  QString text = fromGbk(gbk);
  text.replace(QStringLiteral("\r\n"), QChar(QChar::LineSeparator));
  text.replace(QChar(u'\r'), QChar(QChar::LineSeparator));
  text.replace(QChar(u'\n'), QChar(QChar::LineSeparator));
  return text;
}

}  // namespace

std::optional<QString> songFace(const QStringList& installedFamilies) {
  for (const QString& face : kSongFaces) {
    if (installedFamilies.contains(face, Qt::CaseInsensitive)) {
      return face;
    }
  }
  return std::nullopt;
}

QFont labelFont() {
  const std::optional<QString> face = songFace(QFontDatabase::families());
  if (!face) {
    return QApplication::font();
  }
  QFont font(*face);
  font.setPixelSize(kLabelEmPixels);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  return font;
}

Label::Label(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setFont(labelFont());
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  // Between words or CJK characters; a word wider than the label is broken anywhere rather
  // than crossing the right edge.
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout_.setTextOption(option);
  layout_.setCacheEnabled(true);
}

void Label::setText(std::string_view gbk) {
  text_.assign(gbk);
  layOutAgain();
}

void Label::layOutAgain() {
  laidOut_ = false;
  update();
}

const QTextLayout& Label::textLayout() const {
  if (laidOut_) {
    return layout_;
  }
  laidOut_ = true;
  layout_.clearLayout();
  layout_.setText(displayText(text_));
  layout_.setFont(font());
  layout_.beginLayout();
  qreal y = 0;
  while (true) {
    QTextLine line = layout_.createLine();
    if (!line.isValid()) {
      break;
    }
    line.setLineWidth(width());
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout_.endLayout();
  return layout_;
}

void Label::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), QColor::fromRgb(kWindowGrey));
  if (text_.empty()) {
    return;
  }
  // Only the glyphs are drawn; the fill shows between them. The painter clips at the label's
  // edges.
  painter.setPen(Qt::black);
  textLayout().draw(&painter, QPointF(0, 0));
}

void Label::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    layOutAgain();
  }
  QWidget::changeEvent(event);
}

void Label::resizeEvent(QResizeEvent* event) {
  layOutAgain();
  QWidget::resizeEvent(event);
}

}  // namespace zq
