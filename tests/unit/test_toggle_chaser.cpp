// ToggleChaser and CompareText against a recording host.
#include <QtTest>

#include "illusion/compare_text.h"
#include "illusion/toggle_chaser.h"
#include "support/fake_control_host.h"

using zq::kCaptionStart;
using zq::kCaptionStop;
using zq::testing::FakeControlHost;
namespace names = zq::names;
using Op = FakeControlHost::Op;

class ToggleChaserTest : public QObject {
  Q_OBJECT

 private slots:
  void compareText_data() {
    QTest::addColumn<QByteArray>("a");  // a null QByteArray stands for an absent text
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<int>("expected");
    const QByteArray absent;
    const QByteArray empty("");
    QTest::newRow("both absent") << absent << absent << 0;
    QTest::newRow("absent a, empty b") << absent << empty << 0;
    QTest::newRow("absent a, text b") << absent << QByteArray("x") << -1;
    QTest::newRow("empty a, absent b") << empty << absent << 0;
    QTest::newRow("text a, absent b") << QByteArray("x") << absent << 1;
    QTest::newRow("both empty") << empty << empty << 0;
    QTest::newRow("equal") << QByteArray(kCaptionStart) << QByteArray(kCaptionStart) << 0;
    QTest::newRow("a is a prefix of b") << QByteArray("ab") << QByteArray("abc") << -1;
    QTest::newRow("b is a prefix of a") << QByteArray("abc") << QByteArray("ab") << 1;
    QTest::newRow("start caption with a blank")
        << QByteArray(kCaptionStart) + ' ' << QByteArray(kCaptionStart) << 1;
    // Bytes compare as unsigned: 0xCD is greater than 0xBF and greater than ASCII.
    QTest::newRow("high bytes unsigned")
        << QByteArray(kCaptionStop) << QByteArray(kCaptionStart) << 1;
    QTest::newRow("high byte above ASCII") << QByteArray("\x7f") << QByteArray("\x80") << -1;
    QTest::newRow("no case folding") << QByteArray("A") << QByteArray("a") << -1;
  }

  void compareText() {
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(int, expected);
    QCOMPARE(
        zq::CompareText(a.isNull() ? nullptr : a.constData(), b.isNull() ? nullptr : b.constData()),
        expected);
  }

  // The captions are GBK; check the constants against a real codec.
  void captionsAreGbk() {
    QStringEncoder gbk("GBK");
    QVERIFY(gbk.isValid());
    QCOMPARE(QByteArray(gbk(QStringLiteral(u"开始"))), QByteArray(kCaptionStart));
    QCOMPARE(QByteArray(gbk(QStringLiteral(u"停止"))), QByteArray(kCaptionStop));
  }

  void toggle_data() {
    QTest::addColumn<QByteArray>("caption");
    QTest::addColumn<int>("period");
    QTest::addColumn<QByteArray>("newCaption");
    QTest::newRow("start") << QByteArray(kCaptionStart) << 100 << QByteArray(kCaptionStop);
    QTest::newRow("stop") << QByteArray(kCaptionStop) << 0 << QByteArray(kCaptionStart);
    QTest::newRow("start followed by a blank stops")
        << QByteArray(kCaptionStart) + ' ' << 0 << QByteArray(kCaptionStart);
    QTest::newRow("empty caption stops") << QByteArray() << 0 << QByteArray(kCaptionStart);
    QTest::newRow("start as UTF-8 is not start")
        << QByteArray("开始") << 0 << QByteArray(kCaptionStart);
  }

  // One caption read, the copy released before the first write, the period written before
  // the caption, and nothing else touched.
  void toggle() {
    QFETCH(QByteArray, caption);
    QFETCH(int, period);
    QFETCH(QByteArray, newCaption);
    FakeControlHost host;
    zq::ScopedControlHost scope(host);
    host.putCaption(names::kButton1, caption.toStdString());
    host.putPeriod(names::kTimer, period == 0 ? 100 : 0);

    zq::ToggleChaser();

    QCOMPARE(host.callCount(), std::size_t{3});
    QCOMPARE(host.call(0).op, Op::ReadCaption);
    QCOMPARE(host.call(1).op, Op::WritePeriod);
    QCOMPARE(host.call(1).control, FakeControlHost::row(names::kTimer));
    QCOMPARE(host.call(1).value, std::int64_t{period});
    QCOMPARE(host.call(1).liveTextCopies, 0L);
    QCOMPARE(host.call(2).op, Op::WriteCaption);
    QCOMPARE(host.call(2).control, FakeControlHost::row(names::kButton1));
    QCOMPARE(QByteArray::fromStdString(host.captionOf(names::kButton1)), newCaption);
    QCOMPARE(zq::OwnedText::liveCopies(), 0L);
  }

  void clicksAlternateStrictly() {
    FakeControlHost host;
    zq::ScopedControlHost scope(host);
    host.putCaption(names::kButton1, kCaptionStart);
    for (int click = 1; click <= 21; ++click) {
      zq::ToggleChaser();
      const bool running = click % 2 == 1;
      QCOMPARE(host.periodOf(names::kTimer), running ? 100 : 0);
      QCOMPARE(host.captionOf(names::kButton1),
               std::string(running ? kCaptionStop : kCaptionStart));
    }
    QCOMPARE(host.periodOf(names::kTimer8), 0);
  }
};

QTEST_APPLESS_MAIN(ToggleChaserTest)
#include "test_toggle_chaser.moc"
