#pragma once

#include "ui/desktop.h"
#include "ui/xdg_paths.h"

namespace zq {

// The desktop layer on a freedesktop system: the toolkit's default URL handler (xdg-open),
// the default application for text/html as the registered web command, and programs started
// directly, never through a shell.
class XdgDesktop : public Desktop {
 public:
  bool openWithDefaultHandler(std::string_view target) override;
  std::optional<std::string> registeredWebCommand() override;
  bool runCommandLine(std::string_view commandLine) override;

  // The lookup behind registeredWebCommand(), over the given directories.
  static std::optional<std::string> registeredWebCommand(const XdgDirs& dirs);
};

}  // namespace zq
