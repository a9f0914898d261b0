// Runs the program's start-up sequence with a probe attached and prints what happens, one line
// per step, for test_startup to read. Usage: startup_probe normal | fail:<what>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <string>

#include "app/main_window.h"
#include "app/program.h"
#include "support/fake_desktop.h"

namespace {

void say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

zq::MainWindow* findMainWindow() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<zq::MainWindow*>(w)) {
      return window;
    }
  }
  return nullptr;
}

// While the start-up window hook runs: is the window hidden, and do all controls that start
// visible already stand shown inside it?
void describeCreatedState() {
  zq::MainWindow* window = findMainWindow();
  if (window == nullptr) {
    say("state: no window");
    return;
  }
  int shownInside = 0;
  for (const zq::ControlSpec& entry : zq::kControls) {
    if (QWidget* w = window->widget(entry.name); w != nullptr && !w->isHidden()) {
      ++shownInside;
    }
  }
  say("state: window " + std::string(window->isVisible() ? "shown" : "hidden") + ", " +
      std::to_string(shownInside) + " controls shown inside");
}

// Reports and dismisses the failure message box once it is up.
void dismissMessageBoxWhenShown() {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    poll->stop();
    say("box: icon=" + std::to_string(int(box->icon())) + " text=" + box->text().toStdString() +
        " modal=" + (box->isModal() ? "yes" : "no") +
        " mainwindow=" + (findMainWindow() != nullptr ? "exists" : "none"));
    box->accept();
  });
  poll->start(20);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string scenario = argc > 1 ? argv[1] : "normal";
  zq::StartupProbe probe;
  // Nothing this probe does may start a real browser.
  zq::testing::FakeDesktop desktop;
  probe.desktop = &desktop;
  probe.trace = [](std::string_view step) {
    say(std::string(step));
    if (step == "MainWindowCreated") {
      describeCreatedState();
    }
  };
  if (scenario.starts_with("fail:")) {
    const std::string what = scenario.substr(5);
    probe.failCreating = [what](std::string_view name) {
      if (name != what) {
        return false;
      }
      dismissMessageBoxWhenShown();
      return true;
    };
  }
  probe.shown = [](zq::MainWindow& window) {
    say(std::string("focus: ") + (window.focusWidget() != nullptr
                                      ? window.focusWidget()->objectName().toStdString()
                                      : "none"));
    say("desktop file: " + QGuiApplication::desktopFileName().toStdString());
    // Esc through the window system's input path, once the window is up.
    QTimer::singleShot(50, &window,
                       [&window] { QTest::keyClick(window.windowHandle(), Qt::Key_Escape); });
  };
  const int code = zq::RunProgram(probe);
  say("returned " + std::to_string(code));
  return code;
}
