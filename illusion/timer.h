#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>
#include <cstdint>

#include "illusion/tick_schedule.h"

namespace zq {

// A timer control: no appearance, one setting (the period in ms, 0 = stopped) and a handler
// run on every tick. Ticks are drift-free and never pile up (see TickSchedule).
class Timer : public QObject {
  Q_OBJECT

 public:
  using Handler = void (*)();

  explicit Timer(QObject* parent, Handler onTick = nullptr);

  std::int32_t period() const noexcept { return period_; }

  // Negative counts as 0. The same period changes nothing and keeps the rhythm; a different
  // one cancels the countdown and, if positive, starts a new one whose first tick comes one
  // period after this call.
  void setPeriod(std::int32_t milliseconds);

  bool running() const noexcept { return timer_.isActive(); }
  std::uint64_t ticks() const noexcept { return ticks_; }
  const TickSchedule& schedule() const noexcept { return schedule_; }

 signals:
  // A tick is being delivered; emitted just before the handler runs.
  void ticked();

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  void arm();

  Handler onTick_;
  std::int32_t period_ = 0;
  std::uint64_t ticks_ = 0;
  QBasicTimer timer_;
  QElapsedTimer clock_;
  TickSchedule schedule_;
};

}  // namespace zq
