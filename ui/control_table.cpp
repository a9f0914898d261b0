#include "ui/control_table.h"

#include <algorithm>

namespace zq {

std::vector<std::size_t> focusChain(std::span<const ControlSpec> table) {
  std::vector<std::size_t> chain;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ControlSpec& c = table[i];
    if (c.visible && c.enabled && c.tabStop && c.cls != ControlClass::Timer) {
      chain.push_back(i);
    }
  }
  std::stable_sort(chain.begin(), chain.end(), [&](std::size_t a, std::size_t b) {
    if (table[a].tabOrder != table[b].tabOrder) {
      return table[a].tabOrder < table[b].tabOrder;
    }
    return a > b;
  });
  return chain;
}

}  // namespace zq
