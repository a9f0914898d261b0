#include "app/display_check.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace zq {
namespace {

std::string_view env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string_view(value) : std::string_view();
}

}  // namespace

std::optional<std::string> missingDisplay() {
  const std::string_view platform = env("QT_QPA_PLATFORM");
  if (!platform.empty() && !platform.starts_with("xcb")) {
    return std::nullopt;
  }
  if (platform.empty() && !env("WAYLAND_DISPLAY").empty()) {
    return std::nullopt;
  }
  const std::string_view display = env("DISPLAY");
  if (display.empty()) {
    return std::string("no display: DISPLAY is not set and no Wayland compositor is named");
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  const bool failed = xcb_connection_has_error(connection) != 0;
  xcb_disconnect(connection);
  if (failed) {
    return "no display: cannot connect to the X server at DISPLAY=" + std::string(display);
  }
  return std::nullopt;
}

}  // namespace zq
