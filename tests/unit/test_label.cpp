// The instruction label: its text, its font, and how it lays the text out and paints it
// (offscreen platform).
#include <QtTest>

#include <QFontDatabase>
#include <QFontInfo>

#include "app/main_window.h"
#include "support/window_fixture.h"
#include "ui/gbk.h"
#include "ui/instruction_text.h"
#include "ui/label.h"
#include "ui/system_colours.h"

using namespace zq;

namespace {

// Glyph pixels: the core of a black stroke, whatever the smoothing at its edges.
bool isInk(QRgb pixel) {
  return qRed(pixel) < 0x50 && qGreen(pixel) < 0x50 && qBlue(pixel) < 0x50;
}

int inkIn(const QImage& image, const QRect& area) {
  int n = 0;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      n += isInk(image.pixel(x, y));
    }
  }
  return n;
}

QImage grab(QWidget& w) {
  return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The label's text area of the line holding character `index` of the laid-out text.
QTextLine lineAt(const QTextLayout& layout, int index) {
  return layout.lineForTextPosition(index);
}

// A label on a white parent, so anything drawn outside the label shows.
struct LoneLabel {
  QWidget parent;
  Label* label;
  explicit LoneLabel(std::string_view gbk, QRect place = {10, 10, 212, 116}) {
    parent.resize(place.right() + 30, place.bottom() + 30);
    parent.setAutoFillBackground(true);
    QPalette white = parent.palette();
    white.setColor(QPalette::Window, Qt::white);
    parent.setPalette(white);
    label = new Label(&parent);
    label->setGeometry(place);
    label->setText(gbk);
    parent.show();
  }
};

const QString kParagraph1 = QStringLiteral(
    u"点击“开始”后一直盯着中间的十字的看，你会发现周围的紫色慢慢变淡，变为绿色，最后只剩下一个"
    u"绿色的点在那里转~~~");
const QString kParagraph2 = QStringLiteral(
    u"如果没成功，那就注意是否你的视线出线了偏移，并未紧盯十字，如果成功的可以去Zembrolt和大家"
    u"一起交流哦~~");

}  // namespace

class LabelTest : public QObject {
  Q_OBJECT

 private slots:
  void instructionTextIsExact() {
    const QString text = fromGbk(kInstructionText);
    QCOMPARE(text, kParagraph1 + QStringLiteral("\r\n") + kParagraph2);
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    // And back: the stored bytes are exactly what the codec makes of the text.
    const QByteArray bytes = toGbk(text);
    QCOMPARE(std::string_view(bytes.constData(), bytes.size()), kInstructionText);
    QCOMPARE(text.count(QChar(0x201C)), 1);
    QCOMPARE(text.count(QChar(0x201D)), 1);
    QCOMPARE(text.count(QChar(0xFF0C)), 6);
    QCOMPARE(text.count(QChar('~')), 5);
  }

  void songFaceFallsBackInOrder_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("chosen");  // empty: the default GUI font
    QTest::newRow("the face itself") << QStringList{"DejaVu Sans", u"宋体"_qs} << u"宋体"_qs;
    QTest::newRow("its English name") << QStringList{"simsun", "AR PL UMing CN"} << "SimSun";
    QTest::newRow("a free Ming face")
        << QStringList{"AR PL UMing TW", "AR PL UMing CN", "DejaVu Serif"} << "AR PL UMing CN";
    QTest::newRow("Noto before the Taiwan cut")
        << QStringList{"AR PL UMing TW", "Noto Serif CJK SC"} << "Noto Serif CJK SC";
    QTest::newRow("no CJK serif at all")
        << QStringList{"DejaVu Sans", "WenQuanYi Zen Hei"} << QString();
    QTest::newRow("no fonts") << QStringList{} << QString();
  }
  void songFaceFallsBackInOrder() {
    QFETCH(QStringList, installed);
    QFETCH(QString, chosen);
    QCOMPARE(songFace(installed).value_or(QString()), chosen);
  }

  // On this machine the stand-in is installed (scripts install fonts-arphic-uming): the
  // label's font must resolve to it, never to a face without Chinese glyphs.
  void labelFontResolvesToASongFace() {
    const QFont font = labelFont();
    QCOMPARE(font.pixelSize(), 13);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    const QFontInfo info(font);
    QVERIFY2(songFace({info.family()}).has_value(), qPrintable(info.family()));
    const QFontMetrics metrics(font);
    QVERIFY(metrics.inFont(QChar(0x70B9)));  // 点
    QCOMPARE(metrics.horizontalAdvance(QChar(0x70B9)), 13);
  }

  void windowShowsTheInstructions() {
    testing::ShownWindow shown;
    MainWindow& window = shown.window;
    QVERIFY(shown.created && QTest::qWaitForWindowExposed(&window));
    auto* label = qobject_cast<Label*>(window.widget(names::kLabel1));
    QVERIFY(label != nullptr);
    QCOMPARE(label->geometry(), QRect(268, 20, 212, 116));
    const QImage image = grab(window);

    // The text starts at the label's top-left corner: ink in the first character cell.
    const QTextLayout& layout = label->textLayout();
    const QTextLine first = layout.lineAt(0);
    QCOMPARE(first.position(), QPointF(0, 0));
    QVERIFY(inkIn(image, QRect(268, 20, 13, qCeil(first.height()))) > 10);

    // The second paragraph starts a line of its own, at the left edge, right under the last
    // line of the first, and its first character is drawn there.
    const int start2 = kParagraph1.size() + 1;  // CR LF became one line separator
    const QTextLine second = lineAt(layout, start2);
    QCOMPARE(second.textStart(), start2);
    QCOMPARE(second.x(), 0.0);
    const QTextLine before = layout.lineAt(second.lineNumber() - 1);
    QCOMPARE(second.y(), before.y() + before.height());
    QVERIFY(inkIn(image, QRect(268, 20 + qFloor(second.y()), 13, qCeil(second.height()))) > 10);

    // No line is wider than the label; the text runs over several lines.
    QVERIFY(layout.lineCount() >= 6);
    for (int i = 0; i < layout.lineCount(); ++i) {
      QVERIFY2(layout.lineAt(i).naturalTextWidth() <= 212, qPrintable(QString::number(i)));
    }

    // Nothing right of the label or in the gap between it and the button.
    QCOMPARE(inkIn(image, QRect(480, 0, 12, 148)), 0);
    QCOMPARE(inkIn(image, QRect(268, 136, 224, 12)), 0);
    // Between the glyphs, the fill is the window grey.
    QCOMPARE(image.pixel(479, 21) & 0xFFFFFF, kWindowGrey & 0xFFFFFF);
    QCOMPARE(image.pixel(268, 135) & 0xFFFFFF, kWindowGrey & 0xFFFFFF);
  }

  // Line breaks of the text always start a new line at the left edge, directly under the
  // previous one: after a short line, after a line that fills the width, and twice in a row.
  void lineBreaksStartNewLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("lineStarts");       // character index each line starts at
    const QString full = QString(16, QChar(0x5341));  // 16 x 十 = 208 px, fills a line
    QTest::newRow("short first line") << u"十字\r\n看"_qs << QList<int>{0, 3};
    QTest::newRow("full first line") << full + u"\r\n看"_qs << QList<int>{0, 17};
    QTest::newRow("one too many wraps") << full + u"十\r\n看"_qs << QList<int>{0, 16, 18};
    QTest::newRow("empty line between") << u"十\r\n\r\n看"_qs << QList<int>{0, 2, 3};
    QTest::newRow("long latin word broken")
        << QString(40, QChar('W')) << QList<int>{0, -1};  // -1: any later start
  }
  void lineBreaksStartNewLines() {
    QFETCH(QString, text);
    QFETCH(QList<int>, lineStarts);
    const QByteArray gbk = toGbk(text);
    LoneLabel lone(std::string_view(gbk.constData(), gbk.size()));
    const QTextLayout& layout = lone.label->textLayout();
    QVERIFY(layout.lineCount() >= lineStarts.size());
    qreal y = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
      const QTextLine line = layout.lineAt(i);
      if (i < lineStarts.size() && lineStarts[i] >= 0) {
        QCOMPARE(line.textStart(), lineStarts[i]);
      }
      QCOMPARE(line.x(), 0.0);
      QCOMPARE(line.y(), y);
      QVERIFY(line.naturalTextWidth() <= 212);
      y += line.height();
    }
  }

  // Text that does not fit is cut at the label's edges, never drawn over its neighbours.
  void overflowIsClipped() {
    const QByteArray gbk = toGbk(fromGbk(kInstructionText).repeated(3) + QString(60, 'W'));
    LoneLabel lone(std::string_view(gbk.constData(), gbk.size()));
    QVERIFY(lone.label->textLayout().lineCount() * 13 > 116);
    const QImage image = grab(lone.parent);
    QVERIFY(inkIn(image, QRect(10, 10, 212, 116)) > 0);
    QVERIFY(inkIn(image, QRect(10, 110, 212, 16)) > 0);  // the text reaches the bottom edge
    QCOMPARE(inkIn(image, QRect(0, 126, image.width(), image.height() - 126)), 0);
    QCOMPARE(inkIn(image, QRect(222, 0, image.width() - 222, image.height())), 0);
  }

  void emptyTextIsPlainGrey() {
    LoneLabel lone("");
    const QImage image = grab(*lone.label);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        QCOMPARE(image.pixel(x, y) & 0xFFFFFF, kWindowGrey & 0xFFFFFF);
      }
    }
  }

  void takesNoFocusAndShowsTheArrow() {
    LoneLabel lone("x");
    QCOMPARE(lone.label->focusPolicy(), Qt::NoFocus);
    QVERIFY(!lone.label->testAttribute(Qt::WA_SetCursor));  // the window's arrow shows through
  }
};

QTEST_MAIN(LabelTest)
#include "test_label.moc"
