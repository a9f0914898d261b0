#pragma once

#include <functional>
#include <string_view>

namespace zq {

class Desktop;
class MainWindow;

// Hooks of the start-up sequence that tests use to watch it and to make it fail. The shipped
// program passes none, so it has no switch or setting that changes how it starts.
struct StartupProbe {
  // Named steps, in the order they happen: "InitProgram", "ExitProgram registered",
  // "create <control>" for the window and each control, "MainWindowCreated", "shown",
  // "ExitProgram".
  std::function<void(std::string_view step)> trace;
  // Asked before the window ("MainWindow") and each control is created; true makes that
  // creation fail.
  std::function<bool(std::string_view what)> failCreating;
  // What the link opens its address with, instead of the system's desktop.
  Desktop* desktop = nullptr;
  // Called once the window is shown, before the event loop runs.
  std::function<void(MainWindow& window)> shown;
};

// The process's entry sequence; the result is the exit code: 0 after a normal close, -1 when
// the window could not be created or no display could be reached. The command line is ignored.
int RunProgram();
int RunProgram(const StartupProbe& probe);

// Program hooks, empty by design.
void InitProgram();
void ExitProgram();
void MainWindowCreated();

}  // namespace zq
