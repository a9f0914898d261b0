#include "ui/open_target.h"

#include "ui/command_line.h"

namespace zq {

std::string linkTarget(LinkKind kind, std::string_view webAddress, std::string_view email) {
  switch (kind) {
    case LinkKind::Web:
      return std::string(webAddress);
    case LinkKind::Mail:
      return email.empty() ? std::string() : "mailto:" + std::string(email);
  }
  return {};
}

bool openTarget(Desktop& desktop, std::string_view target) {
  if (target.empty()) {
    return false;
  }
  if (desktop.openWithDefaultHandler(target)) {
    return true;
  }
  const std::optional<std::string> registered = desktop.registeredWebCommand();
  if (!registered) {
    return false;
  }
  const std::optional<std::string> command = composeFallbackCommand(*registered, target);
  return command && desktop.runCommandLine(*command);
}

}  // namespace zq
