#pragma once

#include <cstdint>

namespace zq {

// The button's two captions in GBK: 开始 (start) and 停止 (stop). The caption is the only record
// of whether the chaser runs and always names what the next click does.
inline constexpr char kCaptionStart[] = "\xBF\xAA\xCA\xBC";
inline constexpr char kCaptionStop[] = "\xCD\xA3\xD6\xB9";
inline constexpr std::int32_t kChaserPeriodMs = 100;

// Click handler of 按钮1: starts the chaser when the caption is exactly 开始, stops it otherwise.
void ToggleChaser();

}  // namespace zq
