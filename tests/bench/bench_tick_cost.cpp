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
#include <new>

#include "app/main_window.h"
#include "illusion/chaser.h"
#include "support/fake_desktop.h"

namespace {
bool counting = false;
long allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  if (counting) {
    ++allocations;
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    return p;
  }
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

__attribute__((noinline)) void oneTick() {
  counting = true;
  zq::StepChaser();
  counting = false;
  QCoreApplication::processEvents();  // the repaint of the cell hidden and the cell shown
}

int main(int argc, char** argv) {
  const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  QApplication app(argc, argv);
  zq::testing::FakeDesktop desktop;
  zq::MainWindow window(desktop);
  if (!window.createControls()) {
    return 1;
  }
  window.show();
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
