// The start-up and shutdown sequence of the real program, run in child processes: step order,
// exit codes, the failure path, and a clear message when there is no display.
#include <QtTest>

#include <QMessageBox>

namespace {

struct Run {
  int exitCode = -1;
  QProcess::ExitStatus status = QProcess::CrashExit;
  QStringList out;
  QString err;
};

Run run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.start(program, args);
  Run result;
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return result;
  }
  result.exitCode = process.exitCode();
  result.status = process.exitStatus();
  result.out = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
  result.err = QString::fromUtf8(process.readAllStandardError());
  return result;
}

QProcessEnvironment offscreen() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  return env;
}

// "create MainWindow", then every control from the last table row to the first.
QStringList creationSteps() {
  return {"create MainWindow", "create 画板1", "create 画板2",      "create 画板4",
          "create 画板8",      "create 画板6", "create 画板3",      "create 画板5",
          "create 时钟8",      "create 画板7", "create 画板9",      "create 按钮1",
          "create 标签1",      "create 时钟",  "create 超级链接框1"};
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void normalRunInOrder() {
    const Run r = run(ZQ_STARTUP_PROBE, {"normal"}, offscreen());
    QCOMPARE(r.status, QProcess::NormalExit);
    QCOMPARE(r.exitCode, 0);
    QStringList expected{"InitProgram", "ExitProgram registered"};
    expected << creationSteps();
    expected << "MainWindowCreated"
             << "state: window hidden, 12 controls shown inside"
             << "shown"
             << "focus: 按钮1"
             << "desktop file: " ZQ_APP_ID  // the name of the installed desktop entry
             << "ExitProgram"
             << "returned 0";
    QCOMPARE(r.out, expected);
  }

  void creationFailure_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("creations");
    QTest::newRow("the window") << "MainWindow" << 1;
    QTest::newRow("a panel") << "画板5" << 8;
    QTest::newRow("the last control") << "超级链接框1" << 15;
  }

  // A modal error box reports that the start-up window failed to load; once dismissed the
  // process ends with -1 and the exit hook never runs.
  void creationFailure() {
    QFETCH(QString, what);
    QFETCH(int, creations);
    const Run r = run(ZQ_STARTUP_PROBE, {"fail:" + what}, offscreen());
    QCOMPARE(r.status, QProcess::NormalExit);
    QCOMPARE(r.exitCode, 255);
    QStringList expected{"InitProgram", "ExitProgram registered"};
    expected << creationSteps().mid(0, creations);
    expected << QStringLiteral(u"box: icon=%1 text=启动窗口载入失败。 modal=yes mainwindow=none")
                    .arg(int(QMessageBox::Critical))
             << "returned -1";
    QCOMPARE(r.out, expected);
  }

  void noDisplay_data() {
    QTest::addColumn<QString>("display");
    QTest::newRow("unset") << QString();
    QTest::newRow("no server there") << ":4097";
  }

  // Without a display the toolkit would abort with a core dump; the program says why in one
  // line and exits with -1 instead.
  void noDisplay() {
    QFETCH(QString, display);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("WAYLAND_DISPLAY");
    env.remove("DISPLAY");
    if (!display.isEmpty()) {
      env.insert("DISPLAY", display);
    }
    const Run r = run(ZQ_PROGRAM, {}, env);
    QCOMPARE(r.status, QProcess::NormalExit);
    QCOMPARE(r.exitCode, 255);
    QVERIFY(r.out.isEmpty());
    const QStringList lines = r.err.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines[0].contains("no display"), qPrintable(lines[0]));
    if (!display.isEmpty()) {
      QVERIFY(lines[0].contains(display));
    }
  }

  // Arguments are ignored, the toolkit's own included.
  void argumentsAreIgnored() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("WAYLAND_DISPLAY");
    env.insert("DISPLAY", ":4097");
    const Run r = run(ZQ_PROGRAM, {"-platform", "offscreen", "--help"}, env);
    QCOMPARE(r.exitCode, 255);
    QVERIFY(r.err.contains("no display"));
  }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "test_startup.moc"
