// Start-up of the program to its first painted frame, and its peak resident memory: the real
// start-up sequence (RunProgram) with a probe that watches the window. scripts/bench runs it
// against bench_first_frame_minimal.
#include "app/main_window.h"
#include "app/program.h"
#include "first_frame.h"
#include "support/fake_desktop.h"

int main() {
  zq::testing::FakeDesktop desktop;
  zq::StartupProbe probe;
  probe.desktop = &desktop;
  std::unique_ptr<zq::bench::FirstFrame> watch;
  probe.shown = [&](zq::MainWindow& window) {
    watch = std::make_unique<zq::bench::FirstFrame>(window, 300);
  };
  return zq::RunProgram(probe);
}
