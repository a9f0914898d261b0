// What a screen reader learns of the window through the toolkit's accessibility interface:
// every control a person can reach has a role and a name, and the link can be pressed.
#include <QtTest>

#include <QAccessible>
#include <QAccessibleActionInterface>

#include "app/main_window.h"
#include "support/window_fixture.h"
#include "ui/control_table.h"

using namespace zq;

namespace {

QAccessibleInterface* accessible(MainWindow& window, std::string_view control) {
  return QAccessible::queryAccessibleInterface(window.widget(control));
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

  std::unique_ptr<testing::ShownWindow> shown_;
  MainWindow* window_ = nullptr;

 private slots:
  void init() {
    shown_ = std::make_unique<testing::ShownWindow>();
    window_ = &shown_->window;
    QVERIFY(shown_->created && QTest::qWaitForWindowExposed(window_));
  }
  void cleanup() { shown_.reset(); }

  void everyControlHasARoleAndAName() {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(window_);
    QVERIFY(window != nullptr);
    QCOMPARE(window->text(QAccessible::Name), mainWindowTitle());
    QCOMPARE(window->childCount(), 12);  // the timers are no widgets
    QSet<QString> names;
    for (int i = 0; i < window->childCount(); ++i) {
      QAccessibleInterface* child = window->child(i);
      const QString name = child->text(QAccessible::Name);
      QVERIFY2(!name.isEmpty(), qPrintable(child->object()->objectName()));
      QVERIFY2(child->role() != QAccessible::Client, qPrintable(child->object()->objectName()));
      names.insert(name);
    }
    QCOMPARE(names.size(), 12);  // no two alike
  }

  void roles_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");  // null: not checked
    QTest::newRow("button") << u"按钮1"_qs << QAccessible::PushButton << u"开始"_qs << QString();
    QTest::newRow("link") << u"超级链接框1"_qs << QAccessible::Link << "Zembrolt www.zembrolt.com"
                          << "https://www.baidu.com/s?wd=Zembrolt";
    QTest::newRow("first ring cell") << u"画板1"_qs << QAccessible::Graphic << u"紫色圆点 1"_qs
                                     << u"圆环上从左上角起顺时针第 1 个圆点"_qs;
    QTest::newRow("last ring cell") << u"画板8"_qs << QAccessible::Graphic << u"紫色圆点 8"_qs
                                    << u"圆环上从左上角起顺时针第 8 个圆点"_qs;
    QTest::newRow("cross") << u"画板9"_qs << QAccessible::Graphic << u"注视十字"_qs
                           << u"看图时一直盯着这个十字"_qs;
  }
  void roles() {
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QAccessibleInterface* a = accessible(*window_, control.toStdString());
    QVERIFY(a != nullptr);
    QCOMPARE(a->role(), role);
    QCOMPARE(a->text(QAccessible::Name), name);
    if (!description.isNull()) {
      QCOMPARE(a->text(QAccessible::Description), description);
    }
  }

  void labelReadsItsText() {
    QAccessibleInterface* label = accessible(*window_, names::kLabel1);
    QCOMPARE(label->role(), QAccessible::StaticText);
    const QString text = label->text(QAccessible::Name);
    QVERIFY(text.startsWith(u"点击“开始”后"_qs));
    QVERIFY(text.contains(u"转~~~\n如果没成功"_qs));
    QVERIFY(text.endsWith(u"交流哦~~"_qs));
  }

  // The button's name follows its caption.
  void buttonNameFollowsTheCaption() {
    QTest::mouseClick(window_->widget(names::kButton1), Qt::LeftButton);
    QCOMPARE(accessible(*window_, names::kButton1)->text(QAccessible::Name), u"停止"_qs);
  }

  void hiddenCellIsInvisible() {
    window_->widget(names::kPanel3)->hide();
    QVERIFY(accessible(*window_, names::kPanel3)->state().invisible);
    QVERIFY(!accessible(*window_, names::kPanel4)->state().invisible);
  }

  void linkCanBePressed() {
    QAccessibleInterface* link = accessible(*window_, names::kLinker1);
    QVERIFY(link->state().linked);
    QVERIFY(!link->state().focusable);
    QAccessibleActionInterface* actions = link->actionInterface();
    QVERIFY(actions != nullptr);
    QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(shown_->desktop.opened,
             std::vector<std::string>{"https://www.baidu.com/s?wd=Zembrolt"});
    QVERIFY(link->state().traversed);
  }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
