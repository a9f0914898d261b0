#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

// The freedesktop base directories and current desktops, read from the environment with the
// standard defaults where a variable is unset or empty.
struct XdgDirs {
  std::string configHome;
  std::vector<std::string> configDirs;
  std::string dataHome;
  std::vector<std::string> dataDirs;
  std::vector<std::string> desktops;  // lower case, most specific first
};

using EnvLookup = std::function<std::optional<std::string>(std::string_view name)>;

XdgDirs xdgDirs(const EnvLookup& env);

// Where mimeapps.list files are looked for, most important first.
std::vector<std::string> mimeappsListPaths(const XdgDirs& dirs);

// Where desktop entries are looked for, most important first.
std::vector<std::string> applicationDirs(const XdgDirs& dirs);

}  // namespace zq
