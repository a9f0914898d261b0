#include "app/placement.h"

namespace zq {

QPoint centredTopLeft(const QRect& screen, QSize frame) noexcept {
  return {screen.left() + (screen.width() - frame.width()) / 2,
          screen.top() + (screen.height() - frame.height()) / 2};
}

}  // namespace zq
