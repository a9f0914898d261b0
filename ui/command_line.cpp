#include "ui/command_line.h"

namespace zq {

std::optional<std::string> composeFallbackCommand(std::string_view registered,
                                                  std::string_view target) {
  if (registered.size() > kRegisteredCommandLimit) {
    return std::nullopt;
  }
  std::string_view kept = registered;
  if (const std::size_t quoted = registered.find("\"%1\""); quoted != std::string_view::npos) {
    kept = registered.substr(0, quoted);
  } else if (const std::size_t bare = registered.find("%1"); bare != std::string_view::npos) {
    kept = registered.substr(0, bare);
  }
  if (kept.size() + 1 + target.size() > kComposedCommandLimit) {
    return std::nullopt;
  }
  std::string line;
  line.reserve(kept.size() + 1 + target.size());
  line.append(kept).append(1, ' ').append(target);
  return line;
}

std::optional<std::vector<std::string>> splitCommandLine(std::string_view commandLine) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (std::size_t i = 0; i < commandLine.size(); ++i) {
    const char c = commandLine[i];
    if (quoted) {
      if (c == '"') {
        quoted = false;
      } else if (c == '\\' && i + 1 < commandLine.size() &&
                 std::string_view("\"`$\\").find(commandLine[i + 1]) != std::string_view::npos) {
        word += commandLine[++i];
      } else {
        word += c;
      }
    } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      if (inWord) {
        words.push_back(std::move(word));
        word.clear();
        inWord = false;
      }
    } else if (c == '"') {
      quoted = true;
      inWord = true;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quoted) {
    return std::nullopt;
  }
  if (inWord) {
    words.push_back(std::move(word));
  }
  if (words.empty() || words.front().empty()) {
    return std::nullopt;
  }
  return words;
}

}  // namespace zq
