#include "illusion/button.h"

#include "ui/gbk.h"

namespace zq {

Button::Button(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  setDefault(false);
  setFocusPolicy(Qt::StrongFocus);
}

void Button::setCaption(std::string_view gbk) {
  if (caption() == gbk) {
    return;
  }
  caption_ = QByteArray(gbk.data(), static_cast<qsizetype>(gbk.size()));
  setText(fromGbk(gbk));
}

}  // namespace zq
