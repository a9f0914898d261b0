#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zq {

// The main window's outer size, frame and title bar included.
inline constexpr QSize kWindowFrameSize{498, 282};

// Top-left corner that centres a window of `frame` size on `screen` (the primary screen's full
// area, taskbar included). Integer division truncates toward zero, so a screen narrower than
// the window gives a negative left edge.
QPoint centredTopLeft(const QRect& screen, QSize frame = kWindowFrameSize) noexcept;

}  // namespace zq
