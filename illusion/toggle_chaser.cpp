#include "illusion/toggle_chaser.h"

#include <utility>

#include "illusion/compare_text.h"
#include "ui/control_access.h"
#include "ui/control_table.h"

namespace zq {

void ToggleChaser() {
  OwnedText caption = GetControlProperty(names::kButton1, TextProperty::Caption);
  const bool start = CompareText(caption.get(), kCaptionStart) == 0;
  ReleaseText(std::move(caption));

  // The period goes first: once the stop path has written 0, no further tick can run.
  if (start) {
    SetControlProperty(names::kTimer, IntProperty::Period, kChaserPeriodMs);
    SetControlProperty(names::kButton1, TextProperty::Caption, kCaptionStop);
  } else {
    SetControlProperty(names::kTimer, IntProperty::Period, 0);
    SetControlProperty(names::kButton1, TextProperty::Caption, kCaptionStart);
  }
}

}  // namespace zq
