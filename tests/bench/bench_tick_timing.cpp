// Tick timing of the running window: shows the main window, presses the start button and
// timestamps every tick of 时钟 for a while, then prints the mean period, its standard
// deviation, the worst interval and the phase error of the last tick against the ideal grid.
//
//   tests/e2e/with-xsession build/tests/bench_tick_timing [seconds=30]
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/main_window.h"
#include "illusion/button.h"
#include "illusion/timer.h"
#include "illusion/toggle_chaser.h"
#include "support/window_fixture.h"

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
  QApplication app(argc, argv);
  zq::testing::ShownWindow shown;
  if (!shown.created) {
    return 1;
  }
  zq::MainWindow& window = shown.window;

  zq::Timer* timer = window.timer(zq::names::kTimer);
  QElapsedTimer clock;
  std::vector<qint64> ticks;
  ticks.reserve(std::size_t(seconds) * 12);
  QObject::connect(timer, &zq::Timer::ticked, &app, [&] { ticks.push_back(clock.nsecsElapsed()); });

  // Let the window settle, then press the button; tick k is due k * 100 ms after the press.
  QTimer::singleShot(500, &window, [&] {
    clock.start();
    static_cast<QAbstractButton*>(window.widget(zq::names::kButton1))->click();
  });
  QTimer::singleShot(500 + seconds * 1000 + 50, Qt::PreciseTimer, &app, &QApplication::quit);
  app.exec();

  if (ticks.size() < 2) {
    std::fprintf(stderr, "too few ticks\n");
    return 1;
  }
  const double periodMs = zq::kChaserPeriodMs;
  std::vector<double> intervals;
  for (std::size_t i = 1; i < ticks.size(); ++i) {
    intervals.push_back(double(ticks[i] - ticks[i - 1]) / 1e6);
  }
  double mean = 0;
  for (double v : intervals) {
    mean += v;
  }
  mean /= double(intervals.size());
  double variance = 0;
  double worst = intervals.front();
  for (double v : intervals) {
    variance += (v - mean) * (v - mean);
    worst = std::abs(v - periodMs) > std::abs(worst - periodMs) ? v : worst;
  }
  const double stddev = std::sqrt(variance / double(intervals.size()));
  const double phase = double(ticks.back()) / 1e6 - double(ticks.size()) * periodMs;
  const double firstLate = double(ticks.front()) / 1e6 - periodMs;

  if (std::getenv("ZQ_BENCH_DUMP") != nullptr) {
    for (double v : intervals) {
      std::printf("%.3f\n", v);
    }
  }
  std::printf("ticks            %zu over %d s\n", ticks.size(), seconds);
  std::printf("mean period      %.3f ms\n", mean);
  std::printf("std deviation    %.3f ms\n", stddev);
  std::printf("worst interval   %.3f ms\n", worst);
  std::printf("first tick late  %.3f ms\n", firstLate);
  std::printf("phase error end  %.3f ms\n", phase);
  return 0;
}
