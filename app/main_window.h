#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string_view>

#include "ui/control_host.h"
#include "ui/control_table.h"

namespace zq {

class Desktop;
class Timer;

QString mainWindowTitle();

// The program's one window. It owns the fourteen controls and is the host through which the
// property accessors reach them while it exists.
class MainWindow : public QWidget, public ControlHost {
  Q_OBJECT

 public:
  // The 498 x 282 outer size turned into a client size for a 3-px frame and a 19-px title bar,
  // the frame the layout was drawn for. The shown controls need 480 x 248 of it.
  static constexpr QSize kClientSize{492, 257};

  // Asked before each control is created, by name; returning false makes creating it fail.
  using CreationCheck = std::function<bool(std::string_view control)>;

  // `desktop` is what the link opens its address with.
  explicit MainWindow(Desktop& desktop);
  ~MainWindow() override;

  // Creates the controls as hidden children, last table row first, stacks them with the first
  // row on top, shows those that start visible and puts the focus on the first control of
  // the focus chain. False when a control could not be created.
  bool createControls(const CreationCheck& mayCreate = {});

  QWidget* widget(std::string_view control) const;
  Timer* timer(std::string_view control) const;

  // ControlHost
  bool shown(std::size_t control) const override;
  void setShown(std::size_t control, bool shown) override;
  std::string_view caption(std::size_t control) const override;
  void setCaption(std::size_t control, std::string_view gbk) override;
  std::int32_t period(std::size_t control) const override;
  void setPeriod(std::size_t control, std::int32_t milliseconds) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControl(std::size_t row);

  Desktop& desktop_;
  std::array<QWidget*, kControlCount> widgets_{};
  std::array<Timer*, kControlCount> timers_{};
  ScopedControlHost hostScope_;
};

}  // namespace zq
