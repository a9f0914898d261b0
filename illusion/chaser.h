#pragma once

namespace zq {

// Tick handler of the timer 时钟: moves the one blanked ring panel a place clockwise. The ring's
// state is nothing but the panels' visible flags, read back on every tick.
void StepChaser();

}  // namespace zq
