#pragma once

namespace zq {

// Byte-wise comparison of two NUL-terminated strings, bytes taken as unsigned; either may be
// absent (nullptr), and an absent text equals the empty one. Returns -1, 0 or 1. No case
// folding, no trimming, no locale.
int CompareText(const char* a, const char* b) noexcept;

}  // namespace zq
