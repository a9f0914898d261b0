#pragma once

namespace zq {

// Gives screen readers the roles, names and descriptions of the program's own controls: the
// label as static text, the link as a link (its address as description, pressable), the
// picture panels as graphics. Installed once; later calls do nothing.
void installAccessibility();

}  // namespace zq
