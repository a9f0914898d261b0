#pragma once

#include <cstdint>

namespace zq {

// When the ticks of a periodic countdown fall due, in nanoseconds of a monotonic clock.
// Tick k falls due at origin + k * period, so lateness never accumulates. Ticks that fall due
// while the thread is busy are merged into the one delivered when it is free; the countdown
// then carries on at the next grid point, not one period after the late delivery.
class TickSchedule {
 public:
  void start(std::int64_t nowNs, std::int64_t periodNs) noexcept;
  std::int64_t nextDue() const noexcept { return origin_ + next_ * period_; }
  // Records a delivery at `nowNs` and moves nextDue() past it.
  void deliver(std::int64_t nowNs) noexcept;

 private:
  std::int64_t origin_ = 0;
  std::int64_t period_ = 0;
  std::int64_t next_ = 1;
};

}  // namespace zq
