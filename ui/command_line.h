#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

// Limits of the fallback launch, in bytes: a longer registered command, or a longer composed
// command line, launches nothing.
inline constexpr std::size_t kRegisteredCommandLimit = 260;
inline constexpr std::size_t kComposedCommandLimit = 520;

// The command line that opens `target` with a registered command: the command cut before its
// first quoted "%1" (dropping the opening quote), else before its first %1, else kept whole;
// then one space and the target, unquoted. Nothing when either limit would be passed.
std::optional<std::string> composeFallbackCommand(std::string_view registered,
                                                  std::string_view target);

// Splits a command line into the program and its arguments, by the quoting rules of a desktop
// entry's Exec key: blanks separate arguments; inside double quotes, a backslash makes the
// next of " ` $ \ literal. Nothing when a quote is left open or the line names no program.
std::optional<std::vector<std::string>> splitCommandLine(std::string_view commandLine);

}  // namespace zq
