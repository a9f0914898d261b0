// Any bytes as the registered web command (and as the files it is read from): composing the
// fallback command line must keep to its limits and cut only where the placeholder rule says;
// splitting and the desktop-file readers must take anything. Input: the registered command,
// optionally followed by a NUL and the target (else the program's own address is the target).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ui/command_line.h"
#include "ui/desktop_entry.h"

namespace {

void check(bool holds) {
  if (!holds) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = input.find('\0');
  const std::string_view registered = input.substr(0, nul);
  const std::string_view target = nul == std::string_view::npos
                                      ? std::string_view("https://www.baidu.com/s?wd=Zembrolt")
                                      : input.substr(nul + 1);

  const auto composed = zq::composeFallbackCommand(registered, target);
  if (registered.size() > zq::kRegisteredCommandLimit) {
    check(!composed);
  }
  if (composed) {
    check(composed->size() <= zq::kComposedCommandLimit);
    // What is kept of the command, then one space and the target.
    const std::size_t kept = composed->size() - target.size() - 1;
    check(std::string_view(*composed).substr(kept) == std::string(" ").append(target));
    const std::string_view head = std::string_view(*composed).substr(0, kept);
    check(registered.starts_with(head));
    const bool hasQuoted = registered.find("\"%1\"") != std::string_view::npos;
    const bool hasBare = registered.find("%1") != std::string_view::npos;
    if (!hasBare) {
      check(head == registered);
    } else if (hasQuoted) {
      check(registered.substr(kept).starts_with("\"%1\"") && head.find("\"%1\"") == head.npos);
    } else {
      check(registered.substr(kept).starts_with("%1") && head.find("%1") == head.npos);
    }
    if (const auto words = zq::splitCommandLine(*composed)) {
      check(!words->empty() && !words->front().empty());
    }
  }

  (void)zq::splitCommandLine(input);
  (void)zq::defaultApplications(input, "text/html");
  if (const auto exec = zq::desktopEntryExec(input)) {
    (void)zq::execToCommandLine(*exec);
  }
  (void)zq::execToCommandLine(input);
  return 0;
}
