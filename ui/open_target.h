#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/desktop.h"

namespace zq {

enum class LinkKind : std::uint8_t {
  Web,   // opens the web address unchanged
  Mail,  // opens "mailto:" and the e-mail address
};

// What a press opens: the web address, or "mailto:" and the e-mail address; empty when the
// address of the kind is empty.
std::string linkTarget(LinkKind kind, std::string_view webAddress, std::string_view email);

// Opens `target` with the default handler, else with the registered web command; true when
// something was launched. An empty target launches nothing.
bool openTarget(Desktop& desktop, std::string_view target);

}  // namespace zq
