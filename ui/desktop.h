#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zq {

// What the link needs of the desktop. The program uses the system's (systemDesktop()); tests
// use a fake, so that no test ever starts a real browser.
class Desktop {
 public:
  virtual ~Desktop() = default;

  // Hands `target` (an address) to the desktop's default handler for it; true when the
  // handler was started.
  virtual bool openWithDefaultHandler(std::string_view target) = 0;

  // The command line registered for opening web pages, with "%1" where the document goes;
  // nothing when none is registered.
  virtual std::optional<std::string> registeredWebCommand() = 0;

  // Starts the program a command line names, without a shell; true when it started.
  virtual bool runCommandLine(std::string_view commandLine) = 0;
};

// The desktop this program runs on.
Desktop& systemDesktop();

}  // namespace zq
