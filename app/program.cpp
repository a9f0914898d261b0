#include "app/program.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "app/display_check.h"
#include "app/main_window.h"
#include "app/placement.h"
#include "ui/desktop.h"

namespace zq {

void InitProgram() {}
void ExitProgram() {}
void MainWindowCreated() {}

namespace {

constexpr std::string_view kMainWindowName = "MainWindow";

// Steps 4 and 5 of the start-up: the window and its controls, or nothing.
std::unique_ptr<MainWindow> createMainWindow(const StartupProbe& probe) {
  auto failing = [&probe](std::string_view what) {
    if (probe.trace) {
      probe.trace("create " + std::string(what));
    }
    return probe.failCreating && probe.failCreating(what);
  };
  try {
    if (failing(kMainWindowName)) {
      return nullptr;
    }
    auto window =
        std::make_unique<MainWindow>(probe.desktop != nullptr ? *probe.desktop : systemDesktop());
    if (!window->createControls([&](std::string_view control) { return !failing(control); })) {
      return nullptr;
    }
    return window;
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace

int RunProgram() {
  return RunProgram(StartupProbe{});
}

int RunProgram(const StartupProbe& probe) {
  auto trace = [&probe](std::string_view step) {
    if (probe.trace) {
      probe.trace(step);
    }
  };

  if (const std::optional<std::string> problem = missingDisplay()) {
    std::fprintf(stderr, "zembroltquorvane: %s\n", problem->c_str());
    return -1;
  }

  // The command line is not the toolkit's either: no argument changes how the program runs.
  int argc = 1;
  char programName[] = "zembroltquorvane";
  char* argv[] = {programName, nullptr};
  QApplication application(argc, argv);
  // Lets the desktop match the window to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(ZQ_APP_ID));

  trace("InitProgram");
  InitProgram();

  // Registered for a normal end only: the failure path below returns before it runs.
  auto atNormalExit = [&trace] {
    trace("ExitProgram");
    ExitProgram();
  };
  trace("ExitProgram registered");

  std::unique_ptr<MainWindow> window = createMainWindow(probe);
  if (!window) {
    QMessageBox::critical(nullptr, QStringLiteral(u"ZembroltQuorvane程序"),
                          QStringLiteral(u"启动窗口载入失败。"));
    return -1;
  }

  trace("MainWindowCreated");
  MainWindowCreated();

  const QScreen* screen = QGuiApplication::primaryScreen();
  window->move(centredTopLeft(screen != nullptr ? screen->geometry() : QRect()));
  window->show();
  window->raise();
  window->activateWindow();
  trace("shown");
  if (probe.shown) {
    probe.shown(*window);
  }

  QApplication::exec();
  window.reset();
  atNormalExit();
  return 0;
}

}  // namespace zq
