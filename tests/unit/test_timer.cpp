// The timer control: the tick grid, the rules for writing a period, and real ticks. Real-time
// checks only use lower bounds and counts, never how fast the machine is.
#include <QtTest>

#include <chrono>
#include <thread>

#include "illusion/tick_schedule.h"
#include "illusion/timer.h"

using zq::TickSchedule;
using zq::Timer;

namespace {
constexpr std::int64_t kMs = 1'000'000;
}

class TimerTest : public QObject {
  Q_OBJECT

 private slots:
  void schedule_data() {
    QTest::addColumn<QList<qint64>>("deliveries");  // ms after the start
    QTest::addColumn<QList<qint64>>("nextDue");     // ms after the start, after each delivery
    QTest::newRow("on time") << QList<qint64>{100, 200, 300} << QList<qint64>{200, 300, 400};
    QTest::newRow("lateness does not accumulate")
        << QList<qint64>{130, 235, 310} << QList<qint64>{200, 300, 400};
    QTest::newRow("missed ticks merge into one, the grid stays")
        << QList<qint64>{100, 450, 500} << QList<qint64>{200, 500, 600};
    QTest::newRow("delivered just before due") << QList<qint64>{99} << QList<qint64>{200};
  }

  void schedule() {
    QFETCH(QList<qint64>, deliveries);
    QFETCH(QList<qint64>, nextDue);
    const std::int64_t origin = 7'000 * kMs;
    TickSchedule s;
    s.start(origin, 100 * kMs);
    QCOMPARE(s.nextDue(), origin + 100 * kMs);
    for (qsizetype i = 0; i < deliveries.size(); ++i) {
      s.deliver(origin + deliveries[i] * kMs);
      QCOMPARE(s.nextDue(), origin + nextDue[i] * kMs);
    }
  }

  void periodWrites() {
    Timer timer(nullptr);
    timer.setPeriod(-5);
    QCOMPARE(timer.period(), 0);
    QVERIFY(!timer.running());

    timer.setPeriod(100);
    QVERIFY(timer.running());
    const std::int64_t due = timer.schedule().nextDue();
    QTest::qWait(30);
    timer.setPeriod(100);  // same period: the rhythm is kept
    QCOMPARE(timer.schedule().nextDue(), due);

    timer.setPeriod(-1);
    QCOMPARE(timer.period(), 0);
    QVERIFY(!timer.running());
  }

  // A different period restarts the countdown: the first tick comes one new period after the
  // write, not on the old rhythm.
  void differentPeriodRestarts() {
    QElapsedTimer clock;
    qint64 firstTickAt = -1;
    Timer timer(nullptr);
    connect(&timer, &Timer::ticked, this, [&] {
      if (firstTickAt < 0) {
        firstTickAt = clock.nsecsElapsed();
      }
    });
    timer.setPeriod(100);
    QTest::qWait(70);
    QCOMPARE(timer.ticks(), std::uint64_t{0});
    clock.start();
    timer.setPeriod(120);
    QTRY_VERIFY_WITH_TIMEOUT(firstTickAt >= 0, 5000);
    QVERIFY2(firstTickAt >= 120 * kMs, qPrintable(QString::number(firstTickAt)));
  }

  // Every delivered tick is on the grid start + k * period and none is early, also when the
  // handler is slow.
  void ticksStayOnTheGrid() {
    QElapsedTimer clock;
    Timer timer(nullptr);
    QList<qint64> at;
    connect(&timer, &Timer::ticked, this, [&] {
      at.push_back(clock.nsecsElapsed());
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
    });
    clock.start();
    timer.setPeriod(50);
    const std::int64_t firstDue = timer.schedule().nextDue();
    std::int64_t lastDue = firstDue;
    int previousCount = 0;
    while (at.size() < 8) {
      QTest::qWait(5);
      if (at.size() != previousCount) {
        previousCount = int(at.size());
        QCOMPARE((timer.schedule().nextDue() - firstDue) % (50 * kMs), std::int64_t{0});
        QVERIFY(timer.schedule().nextDue() > lastDue);
        lastDue = timer.schedule().nextDue();
      }
    }
    for (qsizetype k = 0; k < at.size(); ++k) {
      QVERIFY(at[k] >= (k + 1) * 50 * kMs);
    }
  }

  // A busy thread gets one tick when it is free, not one for every period it missed.
  void ticksDoNotPileUp() {
    Timer timer(nullptr);
    timer.setPeriod(100);
    const std::int64_t firstDue = timer.schedule().nextDue();
    std::this_thread::sleep_for(std::chrono::milliseconds(450));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(timer.ticks(), std::uint64_t{1});
    // The next tick keeps to the rhythm that started at the write.
    QVERIFY(timer.schedule().nextDue() >= firstDue + 400 * kMs);
    QCOMPARE((timer.schedule().nextDue() - firstDue) % (100 * kMs), std::int64_t{0});
  }

  void zeroStopsAndEachTimerIsItsOwn() {
    Timer running(nullptr);
    Timer idle(nullptr);
    running.setPeriod(20);
    QTRY_VERIFY_WITH_TIMEOUT(running.ticks() >= 3, 5000);
    running.setPeriod(0);
    const std::uint64_t stoppedAt = running.ticks();
    QTest::qWait(150);
    QCOMPARE(running.ticks(), stoppedAt);
    QCOMPARE(idle.ticks(), std::uint64_t{0});
  }

  void handlerRunsOnEveryTick() {
    static int calls = 0;
    calls = 0;
    Timer timer(nullptr, [] { ++calls; });
    timer.setPeriod(10);
    QTRY_VERIFY_WITH_TIMEOUT(timer.ticks() >= 3, 5000);
    timer.setPeriod(0);
    QCOMPARE(std::uint64_t(calls), timer.ticks());
  }
};

QTEST_GUILESS_MAIN(TimerTest)
#include "test_timer.moc"
