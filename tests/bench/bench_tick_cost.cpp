// The cost of one chaser tick with the repaint it causes: StepChaser, then the window's pending
// repaint of the two cells it changed, in one function (oneTick) that callgrind can count:
//
//   valgrind --tool=callgrind --toggle-collect='oneTick()' build/tests/bench_tick_cost 1000
//
// ("Collected" divided by the tick count is the cost of a tick). Also prints the heap
// allocations made inside StepChaser itself.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/main_window.h"
#include "illusion/chaser.h"
#include "support/allocation_counter.h"
#include "support/window_fixture.h"

namespace {
long allocations = 0;
}  // namespace

__attribute__((noinline)) void oneTick() {
  {
    zq::testing::CountAllocations count;
    zq::StepChaser();
    allocations += count.count();
  }
  QCoreApplication::processEvents();  // the repaint of the cell hidden and the cell shown
}

int main(int argc, char** argv) {
  const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  QApplication app(argc, argv);
  zq::testing::ShownWindow shown;
  if (!shown.created) {
    return 1;
  }
  for (int i = 0; i < 50; ++i) {  // settle: mapped, pictures decoded, caches warm
    QCoreApplication::processEvents();
  }
  for (int i = 0; i < 16; ++i) {
    oneTick();
  }
  allocations = 0;
  for (int i = 0; i < ticks; ++i) {
    oneTick();
  }
  std::printf("ticks %d\nstepchaser-allocations %ld\n", ticks, allocations);
  return 0;
}
