// The window on a screen with twice the pixel density (run with QT_SCALE_FACTOR=2): it scales
// as one, the pictures smoothly, and its texts lay out as at the normal density.
#include <QtTest>

#include "app/main_window.h"
#include "support/window_fixture.h"
#include "ui/control_table.h"
#include "ui/label.h"
#include "ui/system_colours.h"

using namespace zq;

namespace {

bool isInk(QRgb p, QRgb background) {
  return std::abs(qRed(p) - qRed(background)) + std::abs(qGreen(p) - qGreen(background)) +
             std::abs(qBlue(p) - qBlue(background)) >
         120;
}

// The bounding box of what differs clearly from `background` inside `area`.
QRect inkBox(const QImage& image, const QRect& area, QRgb background) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (isInk(image.pixel(x, y), background)) {
        box |= QRect(x, y, 1, 1);
      }
    }
  }
  return box;
}

QRect twice(const QRect& r) {
  return {r.x() * 2, r.y() * 2, r.width() * 2, r.height() * 2};
}

}  // namespace

class HighDpiTest : public QObject {
  Q_OBJECT

  std::unique_ptr<testing::ShownWindow> shown_;
  MainWindow* window_ = nullptr;
  QImage dense_;   // as shown, two device pixels per window pixel
  QImage normal_;  // the same window drawn at one device pixel per window pixel

 private slots:
  void initTestCase() {
    shown_ = std::make_unique<testing::ShownWindow>();
    window_ = &shown_->window;
    QVERIFY(shown_->created && QTest::qWaitForWindowExposed(window_));
    QCOMPARE(window_->devicePixelRatio(), 2.0);
    dense_ = window_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    normal_ = QImage(window_->size(), QImage::Format_RGB32);
    normal_.setDevicePixelRatio(1);
    window_->render(&normal_);
  }
  void cleanupTestCase() { shown_.reset(); }

  void windowScalesAsOne() {
    QCOMPARE(dense_.size(), MainWindow::kClientSize * 2);
    // Shrunk back, the dense window is the normal one but for the finer edges.
    const QImage back =
        dense_.scaled(normal_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qint64 difference = 0;
    for (int y = 0; y < back.height(); ++y) {
      for (int x = 0; x < back.width(); ++x) {
        const QRgb a = back.pixel(x, y), b = normal_.pixel(x, y);
        difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                      std::abs(qBlue(a) - qBlue(b));
      }
    }
    const double mean = double(difference) / (3.0 * back.width() * back.height());
    QVERIFY2(mean < 4.0, qPrintable(QString::number(mean)));
    // Landmarks at twice their place: a disc centre, the cross centre, the link's background.
    const QRgb disc = dense_.pixel(2 * 53, 2 * 49);
    QVERIFY(qRed(disc) > 0xE0 && qGreen(disc) < 0x40 && qBlue(disc) > 0xE0);
    QVERIFY(qGray(dense_.pixel(2 * 136, 2 * 130)) < 0x10);
    const QRect link = twice(testing::controlRect(names::kLinker1));
    QCOMPARE(dense_.pixel(link.topLeft()) & 0xFFFFFF, buttonFaceColour().rgb() & 0xFFFFFF);
    QCOMPARE(dense_.pixel(link.bottomRight()) & 0xFFFFFF, buttonFaceColour().rgb() & 0xFFFFFF);
  }

  // Nearest-neighbour enlargement would repeat every picture pixel in a 2 x 2 block.
  void picturesAreSmoothlyScaled() {
    const QRect cell = twice(testing::controlRect(names::kPanel1));
    int pairs = 0, differing = 0;
    for (int y = cell.top(); y < cell.bottom(); y += 2) {
      for (int x = cell.left(); x < cell.right(); x += 2) {
        ++pairs;
        differing += dense_.pixel(x, y) != dense_.pixel(x + 1, y);
      }
    }
    QVERIFY2(differing * 4 > pairs,
             qPrintable(QStringLiteral("%1 of %2").arg(differing).arg(pairs)));
  }

  // Each text covers twice the extent it covers at the normal density: nothing is cut off.
  void textsLayOutAsAtNormalDensity_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRgb>("background");
    QTest::newRow("label") << u"标签1"_qs << QRgb(kWindowGrey);
    QTest::newRow("link") << u"超级链接框1"_qs << buttonFaceColour().rgb();
  }
  void textsLayOutAsAtNormalDensity() {
    QFETCH(QString, control);
    QFETCH(QRgb, background);
    const QRect place = testing::controlRect(control.toStdString());
    const QRect normalInk = inkBox(normal_, place, background);
    const QRect denseInk = inkBox(dense_, twice(place), background);
    QVERIFY(!normalInk.isEmpty());
    for (const auto& [dense, normal] : {std::pair{denseInk.left(), normalInk.left()},
                                        std::pair{denseInk.right(), normalInk.right()},
                                        std::pair{denseInk.top(), normalInk.top()},
                                        std::pair{denseInk.bottom(), normalInk.bottom()}}) {
      QVERIFY2(std::abs(dense - 2 * normal) <= 4,
               qPrintable(QStringLiteral("dense %1, normal %2").arg(dense).arg(normal)));
    }
  }
};

QTEST_MAIN(HighDpiTest)
#include "test_high_dpi.moc"
