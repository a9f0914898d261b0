#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/desktop.h"

namespace zq::testing {

// A desktop that launches nothing: it answers as configured and records what it was asked.
class FakeDesktop : public Desktop {
 public:
  bool defaultHandlerWorks = true;
  std::optional<std::string> registered;
  bool commandStarts = true;

  std::vector<std::string> opened;  // targets handed to the default handler
  int registeredLookups = 0;
  std::vector<std::string> ran;  // command lines run

  bool openWithDefaultHandler(std::string_view target) override {
    opened.emplace_back(target);
    return defaultHandlerWorks;
  }
  std::optional<std::string> registeredWebCommand() override {
    ++registeredLookups;
    return registered;
  }
  bool runCommandLine(std::string_view commandLine) override {
    ran.emplace_back(commandLine);
    return commandStarts;
  }

  std::size_t launchRequests() const { return opened.size() + ran.size(); }
};

}  // namespace zq::testing
