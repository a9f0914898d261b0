#include "ui/control_access.h"

#include <optional>

#include "ui/control_host.h"
#include "ui/control_table.h"

namespace zq {
namespace {

ControlHost* gHost = nullptr;

// The row of `control` if it exists, is of class `cls` and there is a host to ask.
std::optional<std::size_t> resolve(std::string_view control, std::optional<ControlClass> cls) {
  if (gHost == nullptr) {
    return std::nullopt;
  }
  const std::optional<std::size_t> row = findControl(control);
  if (!row || (cls && kControls[*row].cls != *cls)) {
    return std::nullopt;
  }
  return row;
}

std::optional<std::size_t> resolveShowable(std::string_view control) {
  const std::optional<std::size_t> row = resolve(control, std::nullopt);
  if (!row || kControls[*row].cls == ControlClass::Timer) {
    return std::nullopt;
  }
  return row;
}

}  // namespace

ScopedControlHost::ScopedControlHost(ControlHost& host) noexcept : previous_(gHost) {
  gHost = &host;
}

ScopedControlHost::~ScopedControlHost() {
  gHost = previous_;
}

bool GetControlProperty(std::string_view control, BoolProperty /*Visible*/) {
  const std::optional<std::size_t> row = resolveShowable(control);
  return row && gHost->shown(*row);
}

std::int32_t GetControlProperty(std::string_view control, IntProperty /*Period*/) {
  const std::optional<std::size_t> row = resolve(control, ControlClass::Timer);
  return row ? gHost->period(*row) : 0;
}

OwnedText GetControlProperty(std::string_view control, TextProperty /*Caption*/) {
  const std::optional<std::size_t> row = resolve(control, ControlClass::Button);
  return row ? OwnedText::copyOf(gHost->caption(*row)) : OwnedText{};
}

void SetControlProperty(std::string_view control, BoolProperty /*Visible*/, bool value) {
  if (const std::optional<std::size_t> row = resolveShowable(control)) {
    gHost->setShown(*row, value);
  }
}

void SetControlProperty(std::string_view control, IntProperty /*Period*/, std::int32_t value) {
  if (const std::optional<std::size_t> row = resolve(control, ControlClass::Timer)) {
    gHost->setPeriod(*row, value);
  }
}

void SetControlProperty(std::string_view control, TextProperty /*Caption*/, const char* gbk) {
  if (const std::optional<std::size_t> row = resolve(control, ControlClass::Button)) {
    gHost->setCaption(*row, gbk != nullptr ? std::string_view(gbk) : std::string_view());
  }
}

void ReleaseText(OwnedText&& text) noexcept {
  text.reset();
}

}  // namespace zq
