// The property accessors: typed reads and writes by name, text ownership, and what happens
// with names, properties or windows that are not there.
#include <QtTest>

#include <cstring>

#include "illusion/toggle_chaser.h"
#include "support/fake_control_host.h"
#include "ui/control_access.h"

using namespace zq;
using zq::testing::FakeControlHost;

class ControlAccessTest : public QObject {
  Q_OBJECT

 private slots:
  void readsAndWritesReachTheNamedControl() {
    FakeControlHost host;
    ScopedControlHost scope(host);
    SetControlProperty(names::kPanel4, BoolProperty::Visible, false);
    QVERIFY(!GetControlProperty(names::kPanel4, BoolProperty::Visible));
    QVERIFY(GetControlProperty(names::kPanel3, BoolProperty::Visible));
    SetControlProperty(names::kTimer, IntProperty::Period, 100);
    QCOMPARE(GetControlProperty(names::kTimer, IntProperty::Period), 100);
    QCOMPARE(host.periodOf(names::kTimer8), 0);
  }

  void captionReadIsAnOwnedCopy() {
    FakeControlHost host;
    ScopedControlHost scope(host);
    host.putCaption(names::kButton1, kCaptionStart);

    OwnedText copy = GetControlProperty(names::kButton1, TextProperty::Caption);
    QVERIFY(copy);
    QCOMPARE(copy.size(), std::size_t{4});
    QCOMPARE(QByteArray(copy.get(), 5), QByteArray("\xBF\xAA\xCA\xBC\0", 5));
    QCOMPARE(OwnedText::liveCopies(), 1L);

    copy.data()[0] = 'X';
    QCOMPARE(host.captionOf(names::kButton1), std::string(kCaptionStart));

    ReleaseText(std::move(copy));
    QVERIFY(!copy);  // NOLINT(bugprone-use-after-move): released means empty
    QCOMPARE(OwnedText::liveCopies(), 0L);
    ReleaseText(std::move(copy));  // a second release of the same variable is harmless
    QCOMPARE(OwnedText::liveCopies(), 0L);
  }

  void emptyCaptionReadsAsNoText() {
    FakeControlHost host;
    ScopedControlHost scope(host);
    SetControlProperty(names::kButton1, TextProperty::Caption, nullptr);
    const OwnedText none = GetControlProperty(names::kButton1, TextProperty::Caption);
    QVERIFY(!none);
    QCOMPARE(none.get(), nullptr);
    SetControlProperty(names::kButton1, TextProperty::Caption, "");
    QVERIFY(!GetControlProperty(names::kButton1, TextProperty::Caption));
    QCOMPARE(OwnedText::liveCopies(), 0L);
  }

  void captionWriteCopiesTheCallersBytes() {
    FakeControlHost host;
    ScopedControlHost scope(host);
    char buffer[] = "\xCD\xA3\xD6\xB9";
    SetControlProperty(names::kButton1, TextProperty::Caption, buffer);
    std::memset(buffer, 'x', 4);
    QCOMPARE(host.captionOf(names::kButton1), std::string(kCaptionStop));
  }

  void copiesLiveUntilReleasedOrDropped() {
    FakeControlHost host;
    ScopedControlHost scope(host);
    host.putCaption(names::kButton1, "abc");
    {
      OwnedText a = GetControlProperty(names::kButton1, TextProperty::Caption);
      OwnedText b = std::move(a);
      QCOMPARE(OwnedText::liveCopies(), 1L);
      a = GetControlProperty(names::kButton1, TextProperty::Caption);
      QCOMPARE(OwnedText::liveCopies(), 2L);
      a = std::move(b);  // the copy a held is released, not leaked
      QCOMPARE(OwnedText::liveCopies(), 1L);
    }
    QCOMPARE(OwnedText::liveCopies(), 0L);
  }

  // Requests that name no control, or a property the control does not have, read as false, 0
  // or no text and reach no control at all.
  void requestsThatFitNoControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("property");
    QTest::newRow("unknown name, visible") << "画板10"
                                           << "visible";
    QTest::newRow("empty name, visible") << ""
                                         << "visible";
    QTest::newRow("class name, not a control") << "按钮"
                                               << "caption";
    QTest::newRow("name with trailing blank") << "画板1 "
                                              << "visible";
    QTest::newRow("caption of a panel") << "画板1"
                                        << "caption";
    QTest::newRow("caption of the label") << "标签1"
                                          << "caption";
    QTest::newRow("period of the button") << "按钮1"
                                          << "period";
    QTest::newRow("visible of a timer") << "时钟"
                                        << "visible";
    QTest::newRow("unknown name, period") << "时钟9"
                                          << "period";
  }

  void requestsThatFitNoControl() {
    QFETCH(QString, control);
    QFETCH(QString, property);
    const QByteArray name = control.toUtf8();
    const std::string_view n(name.constData(), std::size_t(name.size()));
    FakeControlHost host;
    ScopedControlHost scope(host);
    host.putCaption(names::kButton1, kCaptionStart);
    host.putPeriod(names::kTimer, 100);

    if (property == "visible") {
      QCOMPARE(GetControlProperty(n, BoolProperty::Visible), false);
      SetControlProperty(n, BoolProperty::Visible, false);
      SetControlProperty(n, BoolProperty::Visible, true);
    } else if (property == "caption") {
      QVERIFY(!GetControlProperty(n, TextProperty::Caption));
      SetControlProperty(n, TextProperty::Caption, "x");
    } else {
      QCOMPARE(GetControlProperty(n, IntProperty::Period), 0);
      SetControlProperty(n, IntProperty::Period, 5);
    }
    QCOMPARE(host.callCount(), std::size_t{0});
    QCOMPARE(host.hiddenRing(), std::string());
    QCOMPARE(host.captionOf(names::kButton1), std::string(kCaptionStart));
    QCOMPARE(host.periodOf(names::kTimer), 100);
  }

  void withoutAWindowNothingHappens() {
    QCOMPARE(GetControlProperty(names::kPanel1, BoolProperty::Visible), false);
    QCOMPARE(GetControlProperty(names::kTimer, IntProperty::Period), 0);
    QVERIFY(!GetControlProperty(names::kButton1, TextProperty::Caption));
    SetControlProperty(names::kPanel1, BoolProperty::Visible, true);
    SetControlProperty(names::kTimer, IntProperty::Period, 100);
    SetControlProperty(names::kButton1, TextProperty::Caption, "x");
  }

  void scopesNest() {
    FakeControlHost outer;
    ScopedControlHost outerScope(outer);
    {
      FakeControlHost inner;
      ScopedControlHost innerScope(inner);
      SetControlProperty(names::kPanel2, BoolProperty::Visible, false);
      QVERIFY(!inner.isShown(names::kPanel2));
    }
    SetControlProperty(names::kPanel3, BoolProperty::Visible, false);
    QCOMPARE(outer.hiddenRing(), std::string("3"));
  }
};

QTEST_APPLESS_MAIN(ControlAccessTest)
#include "test_control_access.moc"
