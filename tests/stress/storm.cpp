// An event storm against the real program: RunProgram with a fake desktop, then a seeded run of
// random input (clicks anywhere, double clicks, every key but Esc, pointer moves, minimise and
// restore, short pauses so the chaser ticks) delivered through the window system's input path.
// After every event the program's state must hold together; the first breach ends the run
// with the seed and the event, so it can be replayed. Esc is tested on its own elsewhere.
//
//   scripts/storm [--seed N] [--events N]   (adds --max-stall-ms 200)
//   build/tests/storm [--seed N] [--events N] [--max-stall-ms N]   (QT_QPA_PLATFORM=offscreen)
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "illusion/timer.h"
#include "illusion/toggle_chaser.h"
#include "support/fake_desktop.h"
#include "ui/control_access.h"
#include "ui/control_table.h"

namespace {

struct Options {
  std::uint64_t seed = 20261211;
  long events = 10000;
  // The longest an event may take to handle; 0 only reports it. Off in the suite, which never
  // judges by the clock; scripts/storm sets it.
  long maxStallMs = 0;
};

std::string warnings;

void recordWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
  // The offscreen platform notes what a window system would do and it cannot (raise()).
  if (message.startsWith(QLatin1String("This plugin does not support"))) {
    return;
  }
  if (type != QtDebugMsg && type != QtInfoMsg) {
    warnings += message.toStdString() + "\n";
  }
}

// What must hold after every event; empty when it does.
std::string breach(zq::MainWindow& window, bool ticked) {
  int hidden = 0;
  for (std::string_view panel : zq::kRing) {
    hidden += !zq::GetControlProperty(panel, zq::BoolProperty::Visible);
  }
  if (hidden > 1 || (ticked && hidden != 1)) {
    return std::to_string(hidden) + " ring panels hidden";
  }
  if (!zq::GetControlProperty(zq::names::kPanel9, zq::BoolProperty::Visible)) {
    return "the cross is hidden";
  }
  zq::OwnedText caption = zq::GetControlProperty(zq::names::kButton1, zq::TextProperty::Caption);
  const std::string_view text = caption ? caption.view() : std::string_view();
  const std::int32_t period = zq::GetControlProperty(zq::names::kTimer, zq::IntProperty::Period);
  const bool running = text == zq::kCaptionStop;
  const bool stopped = text == zq::kCaptionStart;
  zq::ReleaseText(std::move(caption));
  if (!running && !stopped) {
    return "the caption is neither start nor stop";
  }
  if (period != (running ? zq::kChaserPeriodMs : 0)) {
    return "period " + std::to_string(period) + " does not match the caption";
  }
  if (window.timer(zq::names::kTimer8)->ticks() != 0) {
    return "时钟8 ticked";
  }
  if (!warnings.empty()) {
    return "a warning was printed: " + warnings;
  }
  return {};
}

class Storm {
 public:
  Storm(zq::MainWindow& window, Options options)
      : window_(window), options_(options), random_(options.seed) {}

  // Runs the storm; returns the process's exit code.
  int run() {
    QElapsedTimer total;
    total.start();
    const std::uint64_t ticksBefore = window_.timer(zq::names::kTimer)->ticks();
    for (long i = 0; i < options_.events; ++i) {
      QElapsedTimer clock;
      clock.start();
      const std::string what = nextEvent();
      QCoreApplication::processEvents();
      if (!what.starts_with("pause")) {
        longest_ = std::max(longest_, clock.elapsed());
        if (options_.maxStallMs > 0 && clock.elapsed() > options_.maxStallMs) {
          std::fprintf(stderr,
                       "storm FAILED at event %ld (%s): the event loop stalled for %lld ms\n"
                       "replay: storm --seed %llu --events %ld --max-stall-ms %ld\n",
                       i, what.c_str(), (long long)clock.elapsed(),
                       (unsigned long long)options_.seed, i + 1, options_.maxStallMs);
          return 1;
        }
      }
      const bool ticked = window_.timer(zq::names::kTimer)->ticks() > ticksBefore;
      if (const std::string problem = breach(window_, ticked); !problem.empty()) {
        std::fprintf(stderr,
                     "storm FAILED at event %ld (%s): %s\n"
                     "replay: storm --seed %llu --events %ld\n",
                     i, what.c_str(), problem.c_str(), (unsigned long long)options_.seed, i + 1);
        return 1;
      }
    }
    std::printf(
        "storm: seed %llu, %ld events in %.1f s, %llu ticks, %zu launches asked for, longest "
        "event handled in %lld ms, all checks held\n",
        (unsigned long long)options_.seed, options_.events, double(total.elapsed()) / 1000.0,
        (unsigned long long)(window_.timer(zq::names::kTimer)->ticks() - ticksBefore), launches_(),
        (long long)longest_);
    return 0;
  }

  std::function<std::size_t()> launches_;

 private:
  int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }

  // Anywhere in the window (the test input cannot point outside it; moving off a control
  // is what makes it see the pointer leave).
  QPoint somewhere() { return {pick(window_.width()), pick(window_.height())}; }

  Qt::KeyboardModifiers modifiers() {
    switch (pick(8)) {
      case 0:
        return Qt::ShiftModifier;
      case 1:
        return Qt::ControlModifier;
      case 2:
        return Qt::AltModifier;
      default:
        return Qt::NoModifier;
    }
  }

  // Delivers one random event; returns what it was.
  std::string nextEvent() {
    QWindow* handle = window_.windowHandle();
    const int kind = pick(100);
    if (kind < 35) {
      const Qt::MouseButton button =
          std::array{Qt::LeftButton, Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                     Qt::MiddleButton}[std::size_t(pick(5))];
      const QPoint at = somewhere();
      const bool twice = pick(10) == 0;
      if (twice) {
        QTest::mouseDClick(handle, button, modifiers(), at);
      } else {
        QTest::mouseClick(handle, button, modifiers(), at);
      }
      return std::string(twice ? "double click " : "click ") + std::to_string(int(button)) +
             " at " + std::to_string(at.x()) + "," + std::to_string(at.y());
    }
    if (kind < 60) {
      static const std::array keys{Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return,
                                   Qt::Key_Enter, Qt::Key_F1,      Qt::Key_Left,  Qt::Key_Right,
                                   Qt::Key_Up,    Qt::Key_Down,    Qt::Key_A,     Qt::Key_S,
                                   Qt::Key_Z,     Qt::Key_1,       Qt::Key_Home,  Qt::Key_PageDown};
      const Qt::Key key = keys[std::size_t(pick(int(keys.size())))];
      QTest::keyClick(handle, key, modifiers());
      return "key " + QKeySequence(key).toString().toStdString();
    }
    if (kind < 96) {
      const QPoint at = somewhere();
      QTest::mouseMove(handle, at);
      return "move to " + std::to_string(at.x()) + "," + std::to_string(at.y());
    }
    if (kind < 98) {
      window_.showMinimized();
      QCoreApplication::processEvents();
      window_.showNormal();
      window_.activateWindow();
      return "minimise and restore";
    }
    const int ms = pick(250);
    QTest::qWait(ms);
    return "pause " + std::to_string(ms) + " ms";
  }

  zq::MainWindow& window_;
  Options options_;
  std::mt19937_64 random_;
  qint64 longest_ = 0;
};

Options parse(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag == "--seed") {
      options.seed = std::strtoull(argv[i + 1], nullptr, 10);
    } else if (flag == "--events") {
      options.events = std::strtol(argv[i + 1], nullptr, 10);
    } else if (flag == "--max-stall-ms") {
      options.maxStallMs = std::strtol(argv[i + 1], nullptr, 10);
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = parse(argc, argv);
  QTemporaryDir runtime;
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  qInstallMessageHandler(&recordWarnings);

  zq::testing::FakeDesktop desktop;
  zq::StartupProbe probe;
  probe.desktop = &desktop;
  int result = 1;
  probe.shown = [&](zq::MainWindow& window) {
    QTimer::singleShot(0, &window, [&] {
      if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "storm: the window never became active\n");
      } else {
        Storm storm(window, options);
        storm.launches_ = [&] { return desktop.launchRequests(); };
        result = storm.run();
      }
      window.close();
    });
  };
  const int code = zq::RunProgram(probe);
  return code != 0 ? code : result;
}
