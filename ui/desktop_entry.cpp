#include "ui/desktop_entry.h"

namespace zq {

namespace {

std::string_view trimmed(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) {
    return {};
  }
  const std::size_t last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

// Calls `entry(group, key, value)` for every key of a freedesktop key file, in order.
template <typename Entry>
void forEachKey(std::string_view file, Entry entry) {
  std::string_view group;
  while (!file.empty()) {
    const std::size_t end = file.find('\n');
    const std::string_view line = trimmed(file.substr(0, end));
    file = end == std::string_view::npos ? std::string_view() : file.substr(end + 1);
    if (line.empty() || line.front() == '#') {
      continue;
    }
    if (line.front() == '[') {
      group = line.back() == ']' ? line.substr(1, line.size() - 2) : std::string_view();
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals != std::string_view::npos) {
      entry(group, trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1)));
    }
  }
}

std::string unescapedValue(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      out += value[i];
      continue;
    }
    switch (value[++i]) {
      case 's':
        out += ' ';
        break;
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case '\\':
        out += '\\';
        break;
      // Not a string escape: leave it for the Exec quoting rules.
      default:
        out += '\\';
        out += value[i];
        break;
    }
  }
  return out;
}

}  // namespace

std::vector<std::string> defaultApplications(std::string_view mimeappsList,
                                             std::string_view mimeType) {
  std::vector<std::string> ids;
  forEachKey(mimeappsList,
             [&](std::string_view group, std::string_view key, std::string_view value) {
               if (group != "Default Applications" || key != mimeType) {
                 return;
               }
               while (!value.empty()) {
                 const std::size_t end = value.find(';');
                 const std::string_view id = trimmed(value.substr(0, end));
                 value = end == std::string_view::npos ? std::string_view() : value.substr(end + 1);
                 if (!id.empty()) {
                   ids.emplace_back(id);
                 }
               }
             });
  return ids;
}

std::optional<std::string> desktopEntryExec(std::string_view desktopEntry) {
  std::optional<std::string> exec;
  bool hidden = false;
  forEachKey(desktopEntry,
             [&](std::string_view group, std::string_view key, std::string_view value) {
               if (group != "Desktop Entry") {
                 return;
               }
               if (key == "Exec" && !exec) {
                 exec = unescapedValue(value);
               } else if (key == "Hidden") {
                 hidden = value == "true";
               }
             });
  if (hidden || (exec && exec->empty())) {
    return std::nullopt;
  }
  return exec;
}

std::optional<std::string> execToCommandLine(std::string_view exec) {
  std::string line;
  line.reserve(exec.size());
  for (std::size_t i = 0; i < exec.size(); ++i) {
    if (exec[i] != '%') {
      line += exec[i];
      continue;
    }
    if (i + 1 == exec.size()) {
      return std::nullopt;
    }
    switch (exec[++i]) {
      case 'u':
      case 'U':
      case 'f':
      case 'F':
        line += "%1";
        break;
      case '%':
        line += '%';
        break;
      case 'i':
      case 'c':
      case 'k':
      case 'd':
      case 'D':
      case 'n':
      case 'N':
      case 'v':
      case 'm':
        break;
      default:
        return std::nullopt;
    }
  }
  if (trimmed(line).empty()) {
    return std::nullopt;
  }
  return line;
}

}  // namespace zq
