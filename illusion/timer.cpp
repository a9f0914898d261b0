#include "illusion/timer.h"

#include <QTimerEvent>
#include <algorithm>

namespace zq {

Timer::Timer(QObject* parent, Handler onTick) : QObject(parent), onTick_(onTick) {
  clock_.start();
}

void Timer::setPeriod(std::int32_t milliseconds) {
  milliseconds = std::max(milliseconds, 0);
  if (milliseconds == period_) {
    return;
  }
  period_ = milliseconds;
  timer_.stop();
  if (period_ > 0) {
    schedule_.start(clock_.nsecsElapsed(), std::int64_t{period_} * 1'000'000);
    arm();
  }
}

// One single-shot wait to the next grid point at a time, on the toolkit's precise timer; a
// coarse timer may shift a tick by 5% of its interval. Rounding up keeps ticks from coming
// early.
void Timer::arm() {
  const std::int64_t waitNs = schedule_.nextDue() - clock_.nsecsElapsed();
  const int waitMs = waitNs <= 0 ? 0 : static_cast<int>((waitNs + 999'999) / 1'000'000);
  timer_.start(waitMs, Qt::PreciseTimer, this);
}

void Timer::timerEvent(QTimerEvent* event) {
  if (event->timerId() != timer_.timerId()) {
    QObject::timerEvent(event);
    return;
  }
  const std::int64_t now = clock_.nsecsElapsed();
  if (now < schedule_.nextDue()) {
    arm();
    return;
  }
  schedule_.deliver(now);
  // Re-armed before the handler runs, so that a handler that changes the period has the
  // last word.
  arm();
  ++ticks_;
  emit ticked();
  if (onTick_ != nullptr) {
    onTick_();
  }
}

}  // namespace zq
