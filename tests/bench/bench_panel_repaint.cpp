// Cost of repainting one ring cell: the main window on the offscreen platform, 画板1 repainted
// synchronously many times (its picture decoded once before timing starts). Prints the mean
// time per repaint; for instruction counts run it under callgrind:
//
//   QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind
//       --toggle-collect='zq::DrawPanel::paintEvent(QPaintEvent*)'
//       build/tests/bench_panel_repaint 1000
// (one command). The first, untimed repaint includes the decode, so the difference between
// runs of 1000 and 2000 repaints gives the cost of one.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "illusion/draw_panel.h"
#include "support/window_fixture.h"

int main(int argc, char** argv) {
  const int repaints = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
  QApplication app(argc, argv);
  zq::testing::ShownWindow shown;
  if (!shown.created) {
    return 1;
  }
  zq::MainWindow& window = shown.window;
  QApplication::processEvents();
  auto* panel = qobject_cast<zq::DrawPanel*>(window.widget(zq::names::kPanel1));
  panel->repaint();

  QElapsedTimer clock;
  clock.start();
  for (int i = 0; i < repaints; ++i) {
    panel->repaint();
  }
  const double us = double(clock.nsecsElapsed()) / 1e3 / repaints;
  std::printf("repaints         %d of a 54 x 59 ring cell\n", repaints);
  std::printf("mean per repaint %.2f us (paint event, backing store and flush)\n", us);
  std::printf("decodes          %d\n", panel->decodeAttempts());
  return 0;
}
