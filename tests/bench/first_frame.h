#pragma once
// Shared by the start-up benchmarks: reports, on standard output, the wall-clock time at which
// a window's first frame has been painted and flushed, and the process's peak resident memory
// shortly after; then closes the window.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace zq::bench {

inline long long realtimeNs() {
  timespec t{};
  clock_gettime(CLOCK_REALTIME, &t);
  return (long long)t.tv_sec * 1000000000LL + t.tv_nsec;
}

inline long peakResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) {
      return std::stol(line.substr(6));
    }
  }
  return 0;
}

// Watches `window` for its first paint; once that paint has returned (the frame is flushed in
// the same pass), prints "first-frame NS", then after `settleMs` "peak-rss KIB", and closes it.
class FirstFrame : public QObject {
 public:
  FirstFrame(QWidget& window, int settleMs) : window_(window), settleMs_(settleMs) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, this, [this] {
        std::printf("first-frame %lld\n", realtimeNs());
        QTimer::singleShot(settleMs_, this, [this] {
          std::printf("peak-rss %ld\n", peakResidentKiB());
          std::fflush(stdout);
          window_.close();
        });
      });
    }
    return false;
  }

 private:
  QWidget& window_;
  int settleMs_;
  bool seen_ = false;
};

}  // namespace zq::bench
