#include "illusion/tick_schedule.h"

#include <algorithm>

namespace zq {

void TickSchedule::start(std::int64_t nowNs, std::int64_t periodNs) noexcept {
  origin_ = nowNs;
  period_ = std::max<std::int64_t>(periodNs, 1);
  next_ = 1;
}

void TickSchedule::deliver(std::int64_t nowNs) noexcept {
  const std::int64_t passed = nowNs > origin_ ? (nowNs - origin_) / period_ : 0;
  next_ = std::max(next_, passed) + 1;
}

}  // namespace zq
