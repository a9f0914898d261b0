// StepChaser against a recording host: which panels it reads and writes, in which order, and
// how any set of gaps evolves tick by tick.
#include <QtTest>

#include "illusion/chaser.h"
#include "support/allocation_counter.h"
#include "support/fake_control_host.h"

using zq::kRing;
using zq::testing::FakeControlHost;
using Op = FakeControlHost::Op;

namespace {

void hideRing(FakeControlHost& host, const QString& positions) {
  for (const QString& p : positions.split(',', Qt::SkipEmptyParts)) {
    host.putShown(kRing[p.toUInt() - 1], false);
  }
}

}  // namespace

class StepChaserTest : public QObject {
  Q_OBJECT

 private slots:
  void oneTick_data() {
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<int>("reads");
    QTest::addColumn<int>("hides");
    QTest::addColumn<int>("shows");
    QTest::newRow("none hidden") << "" << 7 << 1 << 8;
    QTest::newRow("gap at 1") << "1" << 1 << 2 << 1;
    QTest::newRow("gap at 2") << "2" << 2 << 3 << 2;
    QTest::newRow("gap at 3") << "3" << 3 << 4 << 3;
    QTest::newRow("gap at 4") << "4" << 4 << 5 << 4;
    QTest::newRow("gap at 5") << "5" << 5 << 6 << 5;
    QTest::newRow("gap at 6") << "6" << 6 << 7 << 6;
    QTest::newRow("gap at 7") << "7" << 7 << 8 << 7;
    QTest::newRow("gap at 8: 8 is never read") << "8" << 7 << 1 << 8;
  }

  // Reads stop at the first hidden panel, in ring order; then exactly one hide and one show,
  // the hide first.
  void oneTick() {
    QFETCH(QString, hidden);
    QFETCH(int, reads);
    QFETCH(int, hides);
    QFETCH(int, shows);
    FakeControlHost host;
    zq::ScopedControlHost scope(host);
    hideRing(host, hidden);

    zq::StepChaser();

    QCOMPARE(host.callCount(), std::size_t(reads + 2));
    for (int i = 0; i < reads; ++i) {
      QCOMPARE(host.call(i).op, Op::ReadShown);
      QCOMPARE(host.call(i).control, FakeControlHost::row(kRing[i]));
    }
    const auto& hide = host.call(reads);
    const auto& show = host.call(reads + 1);
    QCOMPARE(hide.op, Op::WriteShown);
    QCOMPARE(hide.control, FakeControlHost::row(kRing[hides - 1]));
    QCOMPARE(hide.value, std::int64_t{0});
    QCOMPARE(show.op, Op::WriteShown);
    QCOMPARE(show.control, FakeControlHost::row(kRing[shows - 1]));
    QCOMPARE(show.value, std::int64_t{1});
  }

  void ticks_data() {
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("start-up: one gap runs round and wraps")
        << "" << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "1"};
    QTest::newRow("3 and 6 merge") << "3,6" << QStringList{"4,6", "5,6", "6", "7", "8", "1"};
    QTest::newRow("1 and 8: 8 waits for the gap")
        << "1,8" << QStringList{"2,8", "3,8", "4,8", "5,8", "6,8", "7,8", "8", "1"};
    QTest::newRow("all eight hidden")
        << "1,2,3,4,5,6,7,8" << QStringList{"2,3,4,5,6,7,8", "3,4,5,6,7,8", "4,5,6,7,8", "5,6,7,8",
                                            "6,7,8",         "7,8",         "8",         "1"};
  }

  void ticks() {
    QFETCH(QString, hidden);
    QFETCH(QStringList, after);
    FakeControlHost host;
    zq::ScopedControlHost scope(host);
    hideRing(host, hidden);

    for (const QString& expected : after) {
      zq::StepChaser();
      QCOMPARE(QString::fromStdString(host.hiddenRing()), expected);
    }
  }

  // Only the ring is ever touched: the cross, the button, the label, the link and the timers
  // see no call over many revolutions, whatever state the ring starts in.
  void touchesOnlyTheRing() {
    FakeControlHost host;
    zq::ScopedControlHost scope(host);
    hideRing(host, "2,5,8");
    for (int tick = 0; tick < 100; ++tick) {
      host.clearCalls();
      zq::StepChaser();
      for (std::size_t i = 0; i < host.callCount(); ++i) {
        const std::size_t control = host.call(i).control;
        QVERIFY(std::find(kRing.begin(), kRing.end(), zq::kControls[control].name) != kRing.end());
      }
    }
    QVERIFY(host.isShown(zq::names::kPanel9));
  }

  void allocatesNothing() {
    FakeControlHost host;
    zq::ScopedControlHost scope(host);
    long allocations = 0;
    for (int tick = 0; tick < 1000; ++tick) {
      host.clearCalls();
      zq::testing::CountAllocations count;
      zq::StepChaser();
      allocations += count.count();
    }
    QCOMPARE(allocations, 0L);
  }
};

QTEST_APPLESS_MAIN(StepChaserTest)
#include "test_step_chaser.moc"
