#pragma once

#include <string>
#include <string_view>

#include "ui/hyper_linker.h"

namespace zq {

// The publisher, as the window title and the link show it. ASCII, so these bytes are the same
// in GBK and in UTF-8.
inline constexpr std::string_view kPublisherName = "Zembrolt";
inline constexpr std::string_view kPublisherHost = "www.zembrolt.com";

// The search engine that the link asks for the publisher's name.
inline constexpr std::string_view kSearchBase = "https://www.baidu.com/s?wd=";

// The results address for `gbkTerm`: the search base and the term's GBK bytes, percent-encoded
// with upper-case hex digits.
std::string searchAddress(std::string_view gbkTerm);

// 超级链接框1: "Zembrolt www.zembrolt.com", opening a web search for the publisher's name.
LinkSettings publisherLink();

}  // namespace zq
