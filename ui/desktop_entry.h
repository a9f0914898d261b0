#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

// Readers of the freedesktop files that say which program opens web pages: the mimeapps.list
// files and the desktop entries they point to. Plain text in, plain values out.

// The desktop file IDs a mimeapps.list gives as default applications for `mimeType`, in
// order of preference.
std::vector<std::string> defaultApplications(std::string_view mimeappsList,
                                             std::string_view mimeType);

// The Exec key of a desktop entry's [Desktop Entry] group, with the value's string escapes
// (\s \n \t \r \\) undone; nothing when the entry has none or is marked Hidden.
std::optional<std::string> desktopEntryExec(std::string_view desktopEntry);

// An Exec value as a command line for the fallback launch: the URL and file field codes
// (%u %U %f %F) become the placeholder %1, %% becomes %, the optional codes (%i %c %k) and
// the deprecated ones are dropped. Nothing when the value holds an unknown field code, which
// makes the whole entry invalid.
std::optional<std::string> execToCommandLine(std::string_view exec);

}  // namespace zq
