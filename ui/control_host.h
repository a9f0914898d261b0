#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zq {

// Whatever holds the live controls: the main window in the program, a recording fake in
// tests. Controls are addressed by their row in kControls. The property accessors check the
// control's class before they call in, so a host only sees requests that fit the control.
// A write of the value a property already has must change nothing.
class ControlHost {
 public:
  virtual ~ControlHost() = default;

  virtual bool shown(std::size_t control) const = 0;
  virtual void setShown(std::size_t control, bool shown) = 0;

  // Button captions, as GBK bytes; the view stays valid until the caption changes.
  virtual std::string_view caption(std::size_t control) const = 0;
  virtual void setCaption(std::size_t control, std::string_view gbk) = 0;

  virtual std::int32_t period(std::size_t control) const = 0;
  virtual void setPeriod(std::size_t control, std::int32_t milliseconds) = 0;
};

// Makes `host` the one the property accessors talk to, for the lifetime of this object.
class ScopedControlHost {
 public:
  explicit ScopedControlHost(ControlHost& host) noexcept;
  ~ScopedControlHost();
  ScopedControlHost(const ScopedControlHost&) = delete;
  ScopedControlHost& operator=(const ScopedControlHost&) = delete;

 private:
  ControlHost* previous_;
};

}  // namespace zq
