#pragma once

#include <QColor>

namespace zq {

// The grey shared by the window, the centre panel, the label and both pictures' backgrounds,
// so that a hidden panel leaves plain grey.
inline constexpr QRgb kWindowGrey = 0xFFB2B2B2;

// The desktop's face colour of buttons and dialogs, looked up now: the colour scheme may
// change while the program runs.
QColor buttonFaceColour();

}  // namespace zq
