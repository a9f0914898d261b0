// The control table's geometry, the focus rule and the window placement, without a display.
#include <QtTest>

#include <cmath>

#include "app/main_window.h"
#include "app/placement.h"
#include "support/window_fixture.h"
#include "ui/control_table.h"

using namespace zq;

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void placement_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("1024 x 768") << QRect(0, 0, 1024, 768) << QPoint(263, 243);
    QTest::newRow("1280 x 1024") << QRect(0, 0, 1280, 1024) << QPoint(391, 371);
    QTest::newRow("320 wide: negative left") << QRect(0, 0, 320, 240) << QPoint(-89, -21);
    // -177 / 2 truncates to -88; flooring would give -89.
    QTest::newRow("odd deficit truncates toward zero") << QRect(0, 0, 321, 281) << QPoint(-88, 0);
    QTest::newRow("exactly the window") << QRect(0, 0, 498, 282) << QPoint(0, 0);
    QTest::newRow("primary screen not at the origin")
        << QRect(1920, 0, 1024, 768) << QPoint(1920 + 263, 243);
  }

  void placement() {
    QFETCH(QRect, screen);
    QFETCH(QPoint, topLeft);
    QCOMPARE(centredTopLeft(screen), topLeft);
  }

  void namesAreUnique() {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
      QCOMPARE(findControl(kControls[i].name), std::optional<std::size_t>(i));
    }
    QCOMPARE(findControl("画板"), std::nullopt);
  }

  // Shown controls do not overlap and fit the client area with room to spare; the timers
  // have no place on screen.
  void shownControlsFitAndDoNotOverlap() {
    const QRect layout(0, 0, 480, 248);
    QVERIFY(QRect(QPoint(0, 0), MainWindow::kClientSize).contains(layout));
    for (std::size_t i = 0; i < kControls.size(); ++i) {
      const ControlSpec& a = kControls[i];
      QCOMPARE(a.rect.has_value(), a.cls != ControlClass::Timer);
      if (!a.rect) {
        continue;
      }
      QVERIFY2(layout.contains(testing::controlRect(a.name)), a.name.data());
      for (std::size_t j = i + 1; j < kControls.size(); ++j) {
        if (kControls[j].rect) {
          QVERIFY(
              !testing::controlRect(a.name).intersects(testing::controlRect(kControls[j].name)));
        }
      }
    }
  }

  // The ring runs clockwise around the centre panel, one cell at a time, from the top-left.
  void ringRunsClockwiseAroundTheCross() {
    const QPointF centre = QRectF(testing::controlRect(names::kPanel9)).center();
    double previous = -1000;
    for (std::size_t k = 0; k < kRing.size(); ++k) {
      const QPointF c = QRectF(testing::controlRect(kRing[k])).center() - centre;
      // Screen y grows downwards, so atan2(y, x) grows clockwise; the turn starts at the top-left
      // cell, about -135 degrees.
      double angle = std::atan2(c.y(), c.x()) * 180 / M_PI;
      if (angle < -150) {
        angle += 360;
      }
      QVERIFY2(angle > previous, kRing[k].data());
      QVERIFY(std::abs(angle - previous) < 60 || k == 0);
      previous = angle;
    }
    QCOMPARE(testing::controlRect(kRing.front()).topLeft(), QPoint(28, 20));
  }

  void focusChain_data() {
    QTest::addColumn<QList<int>>("tabOrders");  // -1: not a tab stop
    QTest::addColumn<QList<int>>("chain");
    QTest::newRow("only the button") << QList<int>{-1, 0, -1} << QList<int>{1};
    QTest::newRow("equal orders: later rows first") << QList<int>{0, 0, 0} << QList<int>{2, 1, 0};
    QTest::newRow("lower order first") << QList<int>{2, 0, 1} << QList<int>{1, 2, 0};
    QTest::newRow("none") << QList<int>{-1, -1} << QList<int>{};
  }

  void focusChain() {
    QFETCH(QList<int>, tabOrders);
    QFETCH(QList<int>, chain);
    std::vector<ControlSpec> table;
    for (int order : tabOrders) {
      table.push_back(ControlSpec{"x", ControlClass::Button, ControlRect{0, 0, 1, 1}, true, true,
                                  order >= 0, std::max(order, 0)});
    }
    QList<int> got;
    for (std::size_t i : zq::focusChain(table)) {
      got.push_back(int(i));
    }
    QCOMPARE(got, chain);
  }

  void hiddenOrDisabledControlsTakeNoFocus() {
    std::vector<ControlSpec> table{
        {"a", ControlClass::Button, ControlRect{0, 0, 1, 1}, false, true, true, 0},
        {"b", ControlClass::Button, ControlRect{0, 0, 1, 1}, true, false, true, 0},
        {"c", ControlClass::Timer, std::nullopt, true, true, true, 0},
    };
    QVERIFY(zq::focusChain(table).empty());
    QCOMPARE(zq::focusChain(kControls), std::vector<std::size_t>{*findControl(names::kButton1)});
  }
};

QTEST_APPLESS_MAIN(LayoutTest)
#include "test_layout.moc"
