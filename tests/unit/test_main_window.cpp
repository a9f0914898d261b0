// The main window with its real controls, on the offscreen platform: start-up state, focus,
// keys, closing, and what the screen shows when panels hide.
#include <QtTest>

#include <QPushButton>

#include "app/main_window.h"
#include "illusion/button.h"
#include "illusion/draw_panel.h"
#include "illusion/timer.h"
#include "illusion/toggle_chaser.h"
#include "support/fake_desktop.h"
#include "ui/control_access.h"
#include "ui/hyper_linker.h"
#include "ui/label.h"
#include "ui/system_colours.h"

using namespace zq;

namespace {

bool visible(std::string_view name) {
  return GetControlProperty(name, BoolProperty::Visible);
}

QByteArray caption() {
  const OwnedText text = GetControlProperty(names::kButton1, TextProperty::Caption);
  return text ? QByteArray(text.get()) : QByteArray();
}

QString hiddenRing() {
  QStringList hidden;
  for (std::size_t k = 0; k < kRing.size(); ++k) {
    if (!visible(kRing[k])) {
      hidden << QString::number(k + 1);
    }
  }
  return hidden.join(',');
}

// Counts the events that show a visible change on a widget.
class ChangeCounter : public QObject {
 public:
  int changes = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::Paint:
      case QEvent::Show:
      case QEvent::Hide:
        ++changes;
        break;
      default:
        break;
    }
    return false;
  }
};

// A control that claims Esc for itself through the shortcut-override path.
class EscapeTaker : public QWidget {
 public:
  using QWidget::QWidget;
  int escapes = 0;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      event->accept();
      return true;
    }
    return QWidget::event(event);
  }
  void keyPressEvent(QKeyEvent* event) override { escapes += event->key() == Qt::Key_Escape; }
};

bool uniform(const QImage& image, const QRect& area, QRgb colour) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if ((image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  testing::FakeDesktop desktop_;
  std::unique_ptr<MainWindow> window_;

  void showWindow() {
    window_ = std::make_unique<MainWindow>(desktop_);
    QVERIFY(window_->createControls());
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  QWindow* handle() { return window_->windowHandle(); }

 private slots:
  void init() { showWindow(); }
  void cleanup() { window_.reset(); }

  void controlsAreCreatedAsTheTableSays() {
    for (std::size_t row = 0; row < kControls.size(); ++row) {
      const ControlSpec& entry = kControls[row];
      const QString name = QString::fromUtf8(entry.name);
      if (entry.cls == ControlClass::Timer) {
        QVERIFY(window_->timer(entry.name) != nullptr);
        QCOMPARE(window_->timer(entry.name)->objectName(), name);
        QCOMPARE(window_->timer(entry.name)->period(), 0);
        QVERIFY(!visible(entry.name));
        continue;
      }
      QWidget* w = window_->widget(entry.name);
      QVERIFY2(w != nullptr, qPrintable(name));
      QCOMPARE(w->objectName(), name);
      QCOMPARE(w->parentWidget(), window_.get());
      QCOMPARE(w->geometry(),
               QRect(entry.rect->left, entry.rect->top, entry.rect->width, entry.rect->height));
      QCOMPARE(w->isVisible(), entry.visible);
      QCOMPARE(w->isEnabled(), entry.enabled);
      QCOMPARE(w->focusPolicy() != Qt::NoFocus, entry.tabStop);
      switch (entry.cls) {
        case ControlClass::DrawPanel:
          QVERIFY(qobject_cast<DrawPanel*>(w));
          break;
        case ControlClass::Label:
          QVERIFY(qobject_cast<Label*>(w));
          break;
        case ControlClass::Button:
          QVERIFY(qobject_cast<Button*>(w));
          break;
        case ControlClass::HyperLinker:
          QVERIFY(qobject_cast<HyperLinker*>(w));
          break;
        case ControlClass::Timer:
          break;
      }
    }
  }

  // The toolkit stacks later children on top: the first table row must come last.
  void firstRowIsOnTop() {
    QStringList stack;
    for (QObject* child : window_->children()) {
      if (auto* w = qobject_cast<QWidget*>(child);
          w && findControl(w->objectName().toStdString())) {
        stack.prepend(w->objectName());
      }
    }
    QStringList table;
    for (const ControlSpec& entry : kControls) {
      if (entry.cls != ControlClass::Timer) {
        table << QString::fromUtf8(entry.name);
      }
    }
    QCOMPARE(stack, table);
  }

  void startUpState() {
    QCOMPARE(hiddenRing(), QString());
    QVERIFY(visible(names::kPanel9));
    QCOMPARE(caption(), QByteArray("\xBF\xAA\xCA\xBC"));
    QCOMPARE(GetControlProperty(names::kTimer, IntProperty::Period), 0);
    QCOMPARE(GetControlProperty(names::kTimer8, IntProperty::Period), 0);
    auto* cross = qobject_cast<DrawPanel*>(window_->widget(names::kPanel9));
    QCOMPARE(cross->background(), std::optional<QColor>(QColor::fromRgb(kWindowGrey)));
    QCOMPARE(cross->placement(), DrawPanel::Placement::Centred);
    auto* ring = qobject_cast<DrawPanel*>(window_->widget(names::kPanel1));
    QCOMPARE(ring->background(), std::nullopt);
    QCOMPARE(ring->placement(), DrawPanel::Placement::Tiled);
    QCOMPARE(qobject_cast<Button*>(window_->widget(names::kButton1))->text(),
             QStringLiteral(u"开始"));
  }

  void windowSettings() {
    QCOMPARE(window_->windowTitle(), QStringLiteral(u"ZembroltQuorvane程序 - www.zembrolt.com"));
    QCOMPARE(window_->size(), MainWindow::kClientSize);
    QCOMPARE(window_->minimumSize(), MainWindow::kClientSize);
    QCOMPARE(window_->maximumSize(), MainWindow::kClientSize);
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window_->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(window_->palette().color(QPalette::Window), QColor::fromRgb(kWindowGrey));
  }

  void focusStaysOnTheButton_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier);
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier);
    QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier);
    QTest::newRow("Left") << int(Qt::Key_Left) << int(Qt::NoModifier);
    QTest::newRow("Right") << int(Qt::Key_Right) << int(Qt::NoModifier);
    QTest::newRow("Up") << int(Qt::Key_Up) << int(Qt::NoModifier);
    QTest::newRow("Down") << int(Qt::Key_Down) << int(Qt::NoModifier);
    QTest::newRow("Shift+Esc") << int(Qt::Key_Escape) << int(Qt::ShiftModifier);
    QTest::newRow("Ctrl+Esc") << int(Qt::Key_Escape) << int(Qt::ControlModifier);
  }

  // These keys change nothing: the focus stays on the button, the caption and the ring stay,
  // the window stays open.
  void focusStaysOnTheButton() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QWidget* button = window_->widget(names::kButton1);
    QCOMPARE(QApplication::focusWidget(), button);
    for (int i = 0; i < 3; ++i) {
      QTest::keyClick(handle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    }
    QCOMPARE(QApplication::focusWidget(), button);
    QCOMPARE(caption(), QByteArray(kCaptionStart));
    QCOMPARE(GetControlProperty(names::kTimer, IntProperty::Period), 0);
    QVERIFY(window_->isVisible());
  }

  void spacePressesTheButton() {
    QTest::keyClick(handle(), Qt::Key_Space);
    QCOMPARE(caption(), QByteArray(kCaptionStop));
    QCOMPARE(GetControlProperty(names::kTimer, IntProperty::Period), 100);
    QTest::keyClick(handle(), Qt::Key_Space);
    QCOMPARE(caption(), QByteArray(kCaptionStart));
    QCOMPARE(GetControlProperty(names::kTimer, IntProperty::Period), 0);
  }

  void escapeCloses() {
    QTest::keyClick(handle(), Qt::Key_Space);  // also while the chaser runs
    QTest::keyClick(handle(), Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
  }

  void escapeClaimedByTheFocusedControlDoesNotClose() {
    auto* taker = new EscapeTaker(window_.get());
    taker->setFocusPolicy(Qt::StrongFocus);
    taker->show();
    taker->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), taker);
    QTest::keyClick(handle(), Qt::Key_Escape);
    QVERIFY(window_->isVisible());
    QCOMPARE(taker->escapes, 1);
  }

  void panelsTakeNoInput() {
    for (std::string_view name : {names::kPanel1, names::kPanel9}) {
      QWidget* panel = window_->widget(name);
      QTest::mouseClick(handle(), Qt::LeftButton, {}, panel->geometry().center());
    }
    QCOMPARE(hiddenRing(), QString());
    QCOMPARE(caption(), QByteArray(kCaptionStart));
    QCOMPARE(QApplication::focusWidget(), window_->widget(names::kButton1));
  }

  // A hidden cell is uniform window grey, border and disc gone; showing it again restores the
  // very same pixels.
  void hiddenPanelLeavesPlainGrey() {
    const QRect cell(28, 20, 54, 59);
    const QImage before = window_->grab().toImage().copy(cell);
    SetControlProperty(names::kPanel1, BoolProperty::Visible, false);
    const QImage hidden = window_->grab().toImage();
    QVERIFY(uniform(hidden, cell.adjusted(-3, -3, 3, 3), kWindowGrey));

    SetControlProperty(names::kPanel1, BoolProperty::Visible, true);
    QCOMPARE(window_->grab().toImage().copy(cell), before);
  }

  void writingTheCurrentValueChangesNothing() {
    ChangeCounter counter;
    for (std::string_view name : kRing) {
      window_->widget(name)->installEventFilter(&counter);
    }
    window_->widget(names::kButton1)->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.changes = 0;
    for (std::string_view name : kRing) {
      SetControlProperty(name, BoolProperty::Visible, true);
    }
    SetControlProperty(names::kButton1, TextProperty::Caption, kCaptionStart);
    SetControlProperty(names::kTimer, IntProperty::Period, 0);
    QCoreApplication::processEvents();
    QCOMPARE(counter.changes, 0);
  }

  void minimisedPanelsStillReadVisible() {
    SetControlProperty(names::kPanel3, BoolProperty::Visible, false);
    window_->showMinimized();
    QCoreApplication::processEvents();
    QCOMPARE(hiddenRing(), QString("3"));
    QVERIFY(visible(names::kPanel9));
  }

  void clickStartsAndTheFirstTickHidesPanel1() {
    QWidget* button = window_->widget(names::kButton1);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(caption(), QByteArray(kCaptionStop));
    QCOMPARE(hiddenRing(), QString());  // no step at the click itself
    QTRY_COMPARE_WITH_TIMEOUT(hiddenRing(), QString("1"), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(hiddenRing(), QString("2"), 5000);
    QCOMPARE(window_->timer(names::kTimer8)->ticks(), std::uint64_t{0});
  }

  void stopBeforeTheFirstTickLeavesAllShown() {
    QWidget* button = window_->widget(names::kButton1);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(caption(), QByteArray(kCaptionStart));
    QTest::qWait(250);
    QCOMPARE(window_->timer(names::kTimer)->ticks(), std::uint64_t{0});
    QCOMPARE(hiddenRing(), QString());
  }

  void restartContinuesFromTheFrozenGap() {
    QWidget* button = window_->widget(names::kButton1);
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(hiddenRing(), QString("5"), 10000);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::qWait(300);
    QCOMPARE(hiddenRing(), QString("5"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(hiddenRing(), QString("5"));
    QTRY_VERIFY_WITH_TIMEOUT(hiddenRing() != "5", 5000);
    QCOMPARE(hiddenRing(), QString("6"));
  }

  void noTickAfterClose() {
    QTest::mouseClick(window_->widget(names::kButton1), Qt::LeftButton);
    Timer* timer = window_->timer(names::kTimer);
    QTRY_VERIFY_WITH_TIMEOUT(timer->ticks() >= 1, 5000);
    window_->close();
    const std::uint64_t ticks = timer->ticks();
    QTest::qWait(300);
    QCOMPARE(timer->ticks(), ticks);
  }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
