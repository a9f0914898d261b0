#pragma once

#include <optional>
#include <string>

namespace zq {

// Why no window could be shown, or nothing when a display should be reachable. Asked before
// the toolkit starts: without a display it aborts the process with a core dump instead of
// saying what is wrong. Only the X11 case is probed; a Wayland session or a platform chosen
// with QT_QPA_PLATFORM (offscreen, for instance) is left to the toolkit.
std::optional<std::string> missingDisplay();

}  // namespace zq
