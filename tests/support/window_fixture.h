#pragma once

#include <QRect>
#include <string_view>

#include "app/main_window.h"
#include "support/fake_desktop.h"
#include "ui/control_table.h"

namespace zq::testing {

// The program's window with its controls, shown; the link opens addresses with a fake desktop.
// `created` says whether the controls could be made; waiting for the window system is the
// caller's.
struct ShownWindow {
  FakeDesktop desktop;
  MainWindow window{desktop};
  const bool created = window.createControls();

  ShownWindow() { window.show(); }
};

// A control's place in the window's client area, as the control table gives it.
inline QRect controlRect(std::string_view control) {
  const ControlRect r = *kControls[*findControl(control)].rect;
  return {r.left, r.top, r.width, r.height};
}

}  // namespace zq::testing
