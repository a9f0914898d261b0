// The yardsticks for bench_first_frame_program: the smallest Qt Widgets program with a window
// of the same size and colour, shown the same way; with --texts, the same window also showing
// the program's texts in stock widgets (a word-wrapped label in the same face, a push button
// and a one-line label), which makes the toolkit load and draw the same fonts.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <cstring>

#include "first_frame.h"

int main(int argc, char** argv) {
  const bool texts = argc > 1 && std::strcmp(argv[1], "--texts") == 0;
  QApplication app(argc, argv);
  QWidget window;
  window.setFixedSize(492, 257);
  QPalette grey = window.palette();
  grey.setColor(QPalette::Window, QColor(0xB2, 0xB2, 0xB2));
  window.setPalette(grey);
  window.setAutoFillBackground(true);
  if (texts) {
    auto* label = new QLabel(
        QStringLiteral(u"点击“开始”后一直盯着中间的十字的看，你会发现周围的紫色慢慢变淡，变为绿色，"
                       u"最后只剩下一个"
                       u"绿色的点在那里转~~~"
                       u"\n如果没成功，那就注意是否你的视线出线了偏移，并未紧盯十字，如果成功"
                       u"的可以去Zembrolt和大家一起交流哦~~"),
        &window);
    QFont song(QStringLiteral("AR PL UMing CN"));
    song.setPixelSize(13);
    label->setFont(song);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(268, 20, 212, 116);
    (new QPushButton(QStringLiteral(u"开始"), &window))->setGeometry(284, 148, 180, 52);
    (new QLabel(QStringLiteral("Zembrolt www.zembrolt.com"), &window))
        ->setGeometry(284, 224, 180, 24);
  }
  zq::bench::FirstFrame watch(window, 300);
  window.show();
  return QApplication::exec();
}
