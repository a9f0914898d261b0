#pragma once

#include <QByteArray>
#include <QPushButton>
#include <string_view>

namespace zq {

// The push button control. Its caption is kept as the GBK bytes last written, so a read gives
// back exactly what was written; the toolkit draws the decoded text in the default GUI font.
// An ordinary push button: never the default button, so Enter does not press it.
class Button : public QPushButton {
  Q_OBJECT

 public:
  explicit Button(QWidget* parent);

  std::string_view caption() const noexcept {
    return {caption_.constData(), size_t(caption_.size())};
  }
  void setCaption(std::string_view gbk);

 private:
  QByteArray caption_;
};

}  // namespace zq
