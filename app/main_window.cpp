#include "app/main_window.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QPalette>
#include <QShortcut>
#include <algorithm>

#include "illusion/artwork.h"
#include "illusion/button.h"
#include "illusion/chaser.h"
#include "illusion/draw_panel.h"
#include "illusion/timer.h"
#include "illusion/toggle_chaser.h"
#include "ui/accessibility.h"
#include "ui/hyper_linker.h"
#include "ui/instruction_text.h"
#include "ui/label.h"
#include "ui/publisher.h"
#include "ui/system_colours.h"

namespace zq {

QString mainWindowTitle() {
  return QStringLiteral(u"ZembroltQuorvane程序 - ") + QString::fromUtf8(kPublisherHost);
}

MainWindow::MainWindow(Desktop& desktop)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      desktop_(desktop),
      hostScope_(*this) {
  installAccessibility();
  setWindowTitle(mainWindowTitle());
  setWindowIcon(applicationIcon());
  setFixedSize(kClientSize);
  setCursor(Qt::ArrowCursor);
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor::fromRgb(kWindowGrey));
  setPalette(grey);
  setAutoFillBackground(true);

  // A window shortcut: the toolkit first offers the key to the focused control as a
  // shortcut override, so a control that wants Esc for itself keeps it.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
}

MainWindow::~MainWindow() = default;

bool MainWindow::createControls(const CreationCheck& mayCreate) {
  for (std::size_t row = kControls.size(); row-- > 0;) {
    if (mayCreate && !mayCreate(kControls[row].name)) {
      return false;
    }
    createControl(row);
  }
  for (std::size_t row = kControls.size(); row-- > 0;) {
    if (widgets_[row] != nullptr) {
      widgets_[row]->raise();
    }
  }
  for (std::size_t row = 0; row < kControls.size(); ++row) {
    if (widgets_[row] != nullptr && kControls[row].visible) {
      widgets_[row]->show();
    }
  }
  const std::vector<std::size_t> chain = focusChain(kControls);
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    setTabOrder(widgets_[chain[i]], widgets_[chain[i + 1]]);
  }
  if (!chain.empty()) {
    widgets_[chain.front()]->setFocus(Qt::OtherFocusReason);
  }
  return true;
}

void MainWindow::createControl(std::size_t row) {
  const ControlSpec& entry = kControls[row];
  const QString name = QString::fromUtf8(entry.name);
  if (entry.cls == ControlClass::Timer) {
    // Only 时钟 has a handler; 时钟8 is never started.
    auto* timer = new Timer(this, entry.name == names::kTimer ? &StepChaser : nullptr);
    timer->setObjectName(name);
    timers_[row] = timer;
    return;
  }

  QWidget* widget = nullptr;
  switch (entry.cls) {
    case ControlClass::DrawPanel: {
      // The ring keeps the panel defaults but for its picture; the centre cell shows the
      // cross on the window grey.
      auto* panel = new DrawPanel(this);
      if (entry.name == names::kPanel9) {
        panel->setBackground(QColor::fromRgb(kWindowGrey));
        panel->setPlacement(DrawPanel::Placement::Centred);
        panel->setPicture(crossPicture());
        panel->setAccessibleName(QStringLiteral(u"注视十字"));
        panel->setAccessibleDescription(QStringLiteral(u"看图时一直盯着这个十字"));
      } else {
        panel->setPicture(discPicture());
        const auto position =
            QString::number(std::find(kRing.begin(), kRing.end(), entry.name) - kRing.begin() + 1);
        panel->setAccessibleName(QStringLiteral(u"紫色圆点 ") + position);
        panel->setAccessibleDescription(QStringLiteral(u"圆环上从左上角起顺时针第 ") + position +
                                        QStringLiteral(u" 个圆点"));
      }
      widget = panel;
      break;
    }
    case ControlClass::Label: {
      auto* label = new Label(this);
      label->setText(kInstructionText);
      widget = label;
      break;
    }
    case ControlClass::Button: {
      auto* button = new Button(this);
      button->setCaption(kCaptionStart);
      button->setAccessibleDescription(QStringLiteral(u"开始或停止圆点的轮转"));
      connect(button, &QAbstractButton::clicked, button, &ToggleChaser);
      widget = button;
      break;
    }
    case ControlClass::HyperLinker:
      widget = new HyperLinker(this, desktop_, publisherLink());
      break;
    case ControlClass::Timer:
      break;
  }
  widget->hide();
  widget->setObjectName(name);
  widget->setGeometry(entry.rect->left, entry.rect->top, entry.rect->width, entry.rect->height);
  widget->setEnabled(entry.enabled);
  widget->setFocusPolicy(entry.tabStop ? Qt::StrongFocus : Qt::NoFocus);
  widgets_[row] = widget;
}

QWidget* MainWindow::widget(std::string_view control) const {
  const std::optional<std::size_t> row = findControl(control);
  return row ? widgets_[*row] : nullptr;
}

Timer* MainWindow::timer(std::string_view control) const {
  const std::optional<std::size_t> row = findControl(control);
  return row ? timers_[*row] : nullptr;
}

bool MainWindow::shown(std::size_t control) const {
  const QWidget* w = widgets_[control];
  return w != nullptr && w->isVisible();
}

void MainWindow::setShown(std::size_t control, bool shown) {
  QWidget* w = widgets_[control];
  if (w != nullptr && w->isHidden() == shown) {
    w->setVisible(shown);
  }
}

std::string_view MainWindow::caption(std::size_t control) const {
  const auto* button = qobject_cast<const Button*>(widgets_[control]);
  return button != nullptr ? button->caption() : std::string_view();
}

void MainWindow::setCaption(std::size_t control, std::string_view gbk) {
  if (auto* button = qobject_cast<Button*>(widgets_[control])) {
    button->setCaption(gbk);
  }
}

std::int32_t MainWindow::period(std::size_t control) const {
  return timers_[control] != nullptr ? timers_[control]->period() : 0;
}

void MainWindow::setPeriod(std::size_t control, std::int32_t milliseconds) {
  if (timers_[control] != nullptr) {
    timers_[control]->setPeriod(milliseconds);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The timers die with the window: no tick may arrive once it has closed.
  for (Timer* timer : timers_) {
    if (timer != nullptr) {
      timer->setPeriod(0);
    }
  }
  QWidget::closeEvent(event);
}

}  // namespace zq
