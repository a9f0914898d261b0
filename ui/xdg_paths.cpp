#include "ui/xdg_paths.h"

#include <algorithm>
#include <cctype>

namespace zq {

namespace {

std::vector<std::string> split(std::string_view list, char separator) {
  std::vector<std::string> parts;
  while (!list.empty()) {
    const std::size_t end = list.find(separator);
    if (const std::string_view part = list.substr(0, end); !part.empty()) {
      parts.emplace_back(part);
    }
    list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
  }
  return parts;
}

std::optional<std::string> nonEmpty(const EnvLookup& env, std::string_view name) {
  std::optional<std::string> value = env(name);
  if (value && value->empty()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

XdgDirs xdgDirs(const EnvLookup& env) {
  const std::string home = nonEmpty(env, "HOME").value_or("");
  XdgDirs dirs;
  dirs.configHome = nonEmpty(env, "XDG_CONFIG_HOME").value_or(home + "/.config");
  dirs.configDirs = split(nonEmpty(env, "XDG_CONFIG_DIRS").value_or("/etc/xdg"), ':');
  dirs.dataHome = nonEmpty(env, "XDG_DATA_HOME").value_or(home + "/.local/share");
  dirs.dataDirs =
      split(nonEmpty(env, "XDG_DATA_DIRS").value_or("/usr/local/share:/usr/share"), ':');
  dirs.desktops = split(nonEmpty(env, "XDG_CURRENT_DESKTOP").value_or(""), ':');
  for (std::string& desktop : dirs.desktops) {
    std::transform(desktop.begin(), desktop.end(), desktop.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  }
  return dirs;
}

std::vector<std::string> mimeappsListPaths(const XdgDirs& dirs) {
  std::vector<std::string> bases{dirs.configHome};
  bases.insert(bases.end(), dirs.configDirs.begin(), dirs.configDirs.end());
  bases.push_back(dirs.dataHome + "/applications");
  for (const std::string& data : dirs.dataDirs) {
    bases.push_back(data + "/applications");
  }
  std::vector<std::string> paths;
  for (const std::string& base : bases) {
    for (const std::string& desktop : dirs.desktops) {
      paths.push_back(base + '/' + desktop + "-mimeapps.list");
    }
    paths.push_back(base + "/mimeapps.list");
  }
  return paths;
}

std::vector<std::string> applicationDirs(const XdgDirs& dirs) {
  std::vector<std::string> paths{dirs.dataHome + "/applications"};
  for (const std::string& data : dirs.dataDirs) {
    paths.push_back(data + "/applications");
  }
  return paths;
}

}  // namespace zq
