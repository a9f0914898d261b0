#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/control_host.h"
#include "ui/control_table.h"
#include "ui/owned_text.h"

namespace zq::testing {

// A control host with no widgets behind it. It keeps the state the handlers change and logs
// every call in a fixed buffer (no allocation while logging), so tests can check what a
// handler read and wrote, and in which order.
class FakeControlHost : public ControlHost {
 public:
  enum class Op : std::uint8_t {
    ReadShown,
    WriteShown,
    ReadCaption,
    WriteCaption,
    ReadPeriod,
    WritePeriod
  };

  struct Call {
    Op op;
    std::size_t control;
    std::int64_t value;   // flag or period written
    long liveTextCopies;  // OwnedText copies alive when the call came in
  };

  FakeControlHost() {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
      shown_[i] = kControls[i].visible;
    }
  }

  bool shown(std::size_t control) const override {
    log(Op::ReadShown, control, 0);
    return shown_[control];
  }
  void setShown(std::size_t control, bool shown) override {
    log(Op::WriteShown, control, shown);
    shown_[control] = shown;
  }
  std::string_view caption(std::size_t control) const override {
    log(Op::ReadCaption, control, 0);
    return captions_[control];
  }
  void setCaption(std::size_t control, std::string_view gbk) override {
    log(Op::WriteCaption, control, 0);
    captions_[control] = std::string(gbk);
  }
  std::int32_t period(std::size_t control) const override {
    log(Op::ReadPeriod, control, 0);
    return periods_[control];
  }
  void setPeriod(std::size_t control, std::int32_t milliseconds) override {
    log(Op::WritePeriod, control, milliseconds);
    periods_[control] = milliseconds;
  }

  // Direct state access, not logged.
  static std::size_t row(std::string_view name) { return *findControl(name); }
  bool isShown(std::string_view name) const { return shown_[row(name)]; }
  void putShown(std::string_view name, bool shown) { shown_[row(name)] = shown; }
  const std::string& captionOf(std::string_view name) const { return captions_[row(name)]; }
  void putCaption(std::string_view name, std::string caption) {
    captions_[row(name)] = std::move(caption);
  }
  std::int32_t periodOf(std::string_view name) const { return periods_[row(name)]; }
  void putPeriod(std::string_view name, std::int32_t period) { periods_[row(name)] = period; }

  // Which ring positions (1..8) are hidden, as a string such as "3,6" ("" when none).
  std::string hiddenRing() const {
    std::string out;
    for (std::size_t k = 0; k < kRing.size(); ++k) {
      if (!isShown(kRing[k])) {
        out += (out.empty() ? "" : ",") + std::to_string(k + 1);
      }
    }
    return out;
  }

  std::size_t callCount() const { return count_; }
  const Call& call(std::size_t i) const { return calls_[i]; }
  void clearCalls() { count_ = 0; }
  bool overflowed() const { return overflowed_; }

 private:
  void log(Op op, std::size_t control, std::int64_t value) const {
    if (count_ == calls_.size()) {
      overflowed_ = true;
      return;
    }
    calls_[count_++] = Call{op, control, value, OwnedText::liveCopies()};
  }

  std::array<bool, kControlCount> shown_{};
  std::array<std::string, kControlCount> captions_{};
  std::array<std::int32_t, kControlCount> periods_{};
  mutable std::array<Call, 64> calls_{};
  mutable std::size_t count_ = 0;
  mutable bool overflowed_ = false;
};

}  // namespace zq::testing
