// The picture panels on screen (offscreen platform): what the ring and the cross look like in
// the window, placement, lazy decoding, and what a panel with a bad picture shows.
#include <QtTest>

#include "app/main_window.h"
#include "illusion/artwork.h"
#include "illusion/chaser.h"
#include "illusion/draw_panel.h"
#include "support/window_fixture.h"
#include "ui/control_table.h"
#include "ui/system_colours.h"

using namespace zq;

namespace {

bool near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

int countPixels(const QImage& image, const QRect& area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    }
  }
  return n;
}

QImage grab(QWidget& w) {
  return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A panel on its own, shown, with a picture.
struct LonePanel {
  QWidget parent;
  DrawPanel* panel;
  LonePanel(QSize size, const QByteArray& picture, DrawPanel::Placement placement,
            std::optional<QColor> background = std::nullopt) {
    parent.resize(size);
    panel = new DrawPanel(&parent);
    panel->setGeometry(QRect(QPoint(0, 0), size));
    panel->setPlacement(placement);
    panel->setBackground(background);
    panel->setPicture(picture);
    parent.show();
  }
};

}  // namespace

class DrawPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void theWindowShowsRingAndCross() {
    testing::ShownWindow shown;
    MainWindow& window = shown.window;
    QVERIFY(shown.created && QTest::qWaitForWindowExposed(&window));
    const QImage shot = grab(window);

    const QList<QPoint> discCentres{{53, 49},   {135, 49},  {217, 49}, {217, 130},
                                    {217, 209}, {135, 209}, {53, 209}, {53, 130}};
    for (const QPoint& c : discCentres) {
      QVERIFY2(near(shot.pixel(c), qRgb(248, 23, 248), 8),
               qPrintable(QString::number(shot.pixel(c), 16)));
    }
    // A ring panel shows its picture over every pixel: none of its own background colour.
    const QRgb face = buttonFaceColour().rgb();
    for (std::string_view name : kRing) {
      QCOMPARE(countPixels(shot, window.widget(name)->geometry(), face), 0);
    }
    // The cross is centred at (136, 130), with plain window grey around its picture: 11 px
    // left and right, 13 above, 14 below.
    QVERIFY(qRed(shot.pixel(136, 130)) < 40);
    const QRect cell = window.widget(names::kPanel9)->geometry();
    QCOMPARE(cell, QRect(110, 101, 54, 59));
    const QRect picture(cell.topLeft() + QPoint(11, 13), QSize(32, 32));
    QCOMPARE(countPixels(shot, cell, kWindowGrey), cell.width() * cell.height() -
                                                       picture.width() * picture.height() +
                                                       countPixels(shot, picture, kWindowGrey));
    QVERIFY(near(shot.pixel(picture.topLeft()), kWindowGrey, 5));
  }

  // Nine decodes in all, however often the ring panels are hidden, shown and repainted.
  void eachPanelDecodesOnce() {
    testing::ShownWindow shown;
    MainWindow& window = shown.window;
    QVERIFY(shown.created && QTest::qWaitForWindowExposed(&window));
    for (int tick = 0; tick < 1000; ++tick) {
      StepChaser();
      window.repaint();
    }
    int decodes = 0;
    for (const ControlSpec& entry : kControls) {
      if (auto* panel = qobject_cast<DrawPanel*>(window.widget(entry.name))) {
        QCOMPARE(panel->decodeAttempts(), 1);
        QVERIFY(panel->isDecoded());
        decodes += panel->decodeAttempts();
      }
    }
    QCOMPARE(decodes, 9);
  }

  void noDecodeBeforeTheFirstPaint() {
    QWidget parent;
    auto* panel = new DrawPanel(&parent);
    panel->setPicture(discPicture());
    QCOMPARE(panel->decodeAttempts(), 0);
    panel->resize(54, 59);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QTRY_COMPARE(panel->decodeAttempts(), 1);
  }

  void badPicture_data() {
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<bool>("defaultBackground");
    const QByteArray disc = discPicture();
    QByteArray flipped = disc;
    for (qsizetype i = 300; i < flipped.size() - 2; i += 11) {
      flipped[i] = char(flipped[i] ^ 0x5A);
    }
    QTest::newRow("truncated, ring panel") << disc.left(disc.size() / 2) << true;
    QTest::newRow("corrupted, ring panel") << flipped << true;
    QTest::newRow("not a picture, centre panel") << QByteArray("GIF89a") << false;
  }

  // A picture that cannot be decoded leaves a flat background, is tried once and dropped.
  void badPicture() {
    QFETCH(QByteArray, picture);
    QFETCH(bool, defaultBackground);
    const std::optional<QColor> background =
        defaultBackground ? std::nullopt : std::optional<QColor>(QColor::fromRgb(kWindowGrey));
    LonePanel lone(QSize(54, 59), picture, DrawPanel::Placement::Tiled, background);
    QVERIFY(QTest::qWaitForWindowExposed(&lone.parent));
    for (int i = 0; i < 50; ++i) {
      lone.panel->repaint();
    }
    const QRgb expected = defaultBackground ? buttonFaceColour().rgb() : kWindowGrey;
    QCOMPARE(countPixels(grab(lone.parent), QRect(0, 0, 54, 59), expected), 54 * 59);
    QCOMPARE(lone.panel->decodeAttempts(), 1);
    QVERIFY(!lone.panel->hasPicture());
  }

  void centredRect_data() {
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("cross in its cell") << QSize(54, 59) << QSize(32, 32) << QRect(11, 13, 32, 32);
    QTest::newRow("exact fit") << QSize(54, 59) << QSize(54, 59) << QRect(0, 0, 54, 59);
    QTest::newRow("too wide: halved") << QSize(54, 59) << QSize(108, 59) << QRect(0, 15, 54, 29);
    QTest::newRow("too tall") << QSize(54, 59) << QSize(54, 118) << QRect(13, 0, 27, 59);
    QTest::newRow("both too big, never enlarged")
        << QSize(20, 20) << QSize(54, 59) << QRect(1, 0, 18, 20);
    QTest::newRow("small stays small") << QSize(200, 200) << QSize(10, 10) << QRect(95, 95, 10, 10);
  }

  void centredRect() {
    QFETCH(QSize, panel);
    QFETCH(QSize, picture);
    QFETCH(QRect, expected);
    QCOMPARE(DrawPanel::centredRect(panel, picture), expected);
  }

  // One opaque 128-px picture: white field, a large black character, grey arcs only in its
  // upper part; the window carries it at the large and small sizes too.
  void applicationIcon() {
    const QImage icon(QStringLiteral(":/artwork/icon.png"));
    QCOMPARE(icon.size(), QSize(128, 128));
    QVERIFY(!icon.hasAlphaChannel());
    QCOMPARE(icon.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    int black = 0;
    int greyTop = 0;
    int greyBottom = 0;
    for (int y = 0; y < 128; ++y) {
      for (int x = 0; x < 128; ++x) {
        const QRgb p = icon.pixel(x, y);
        black += qRed(p) < 30;
        if (qRed(p) >= 60 && qRed(p) <= 110) {
          (y < 64 ? greyTop : greyBottom) += 1;
        }
      }
    }
    QVERIFY2(black > 128 * 128 / 8, "a large character with thick strokes");
    QVERIFY(greyTop > 50);
    QVERIFY(greyTop > 3 * greyBottom);

    testing::FakeDesktop desktop;
    MainWindow window(desktop);
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    for (QSize size : {QSize(16, 16), QSize(32, 32), QSize(128, 128)}) {
      QVERIFY(sizes.contains(size));
    }
  }

  // A small picture tiles from the top-left corner; the last copies are clipped.
  void tiledPlacementRepeatsThePicture() {
    LonePanel lone(QSize(54, 59), crossPicture(), DrawPanel::Placement::Tiled);
    QVERIFY(QTest::qWaitForWindowExposed(&lone.parent));
    const QImage shot = grab(lone.parent);
    for (QPoint origin : {QPoint(0, 0), QPoint(32, 0), QPoint(0, 32)}) {
      QVERIFY(qRed(shot.pixel(origin + QPoint(15, 16))) < 40);
      QVERIFY(near(shot.pixel(origin + QPoint(2, 2)), kWindowGrey, 5));
    }
    QCOMPARE(countPixels(shot, QRect(0, 0, 54, 59), buttonFaceColour().rgb()), 0);
  }

  // A picture larger than a centred panel shrinks to fit; the rest is background.
  void centredPlacementShrinksLargePictures() {
    const QColor background(10, 200, 30);
    LonePanel lone(QSize(20, 20), discPicture(), DrawPanel::Placement::Centred, background);
    QVERIFY(QTest::qWaitForWindowExposed(&lone.parent));
    const QImage shot = grab(lone.parent);
    QCOMPARE(countPixels(shot, QRect(0, 0, 1, 20), background.rgb()), 20);
    QCOMPARE(countPixels(shot, QRect(19, 0, 1, 20), background.rgb()), 20);
    QCOMPARE(countPixels(shot, QRect(1, 0, 18, 20), background.rgb()), 0);
    QVERIFY(qRed(shot.pixel(10, 10)) > 200 && qGreen(shot.pixel(10, 10)) < 100);
  }
};

QTEST_MAIN(DrawPanelTest)
#include "test_draw_panel.moc"
