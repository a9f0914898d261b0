#include "illusion/chaser.h"

#include "ui/control_access.h"
#include "ui/control_table.h"

namespace zq {

// At most seven reads and exactly two writes; the hide is written before the show so that a
// tick appears on screen as one change. 画板8 is never read: with 1..7 all shown the gap goes
// to 画板1 whatever 画板8 was.
void StepChaser() {
  for (std::size_t k = 0; k + 1 < kRing.size(); ++k) {
    if (!GetControlProperty(kRing[k], BoolProperty::Visible)) {
      SetControlProperty(kRing[k + 1], BoolProperty::Visible, false);
      SetControlProperty(kRing[k], BoolProperty::Visible, true);
      return;
    }
  }
  SetControlProperty(kRing.front(), BoolProperty::Visible, false);
  SetControlProperty(kRing.back(), BoolProperty::Visible, true);
}

}  // namespace zq
