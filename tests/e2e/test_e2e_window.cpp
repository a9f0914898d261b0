// The real program on a real X server with a window manager, driven by real input (xdotool)
// and checked by reading the screen back. Runs under tests/e2e/with-xsession.
#include <QtTest>

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr QRgb kGrey = 0xB2B2B2;
const QRect kLink{284, 224, 180, 24};
constexpr auto kTitle = "ZembroltQuorvane";

QString run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(20000)) {
    p.kill();
    p.waitForFinished();
  }
  return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString xdotool(const QStringList& args) {
  return run("xdotool", args);
}

// Disc centres of the ring, clockwise from the top-left cell, in client pixels.
const QList<QPoint> kDiscCentres{{53, 49},   {135, 49},  {217, 49}, {217, 130},
                                 {217, 209}, {135, 209}, {53, 209}, {53, 130}};

bool isGrey(QRgb pixel) {
  return std::abs(qRed(pixel) - qRed(kGrey)) <= 2 && std::abs(qGreen(pixel) - qGreen(kGrey)) <= 2 &&
         std::abs(qBlue(pixel) - qBlue(kGrey)) <= 2;
}

// How many pixels of the link's area show exactly `colour`.
int inLink(const QImage& client, QRgb colour) {
  int n = 0;
  for (int y = kLink.top(); y <= kLink.bottom(); ++y) {
    for (int x = kLink.left(); x <= kLink.right(); ++x) {
      n += (client.pixel(x, y) & 0xFFFFFF) == colour;
    }
  }
  return n;
}

// The program, started with a stand-in xdg-open first on its PATH that records each launch as
// one line of its arguments, so that no test can open a real browser.
class Program {
 public:
  Program() {
    const QString bin = stage_.path() + "/bin";
    QDir().mkpath(bin);
    QFile standIn(bin + "/xdg-open");
    standIn.open(QIODevice::WriteOnly);
    standIn.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >> \"" + launchLog().toUtf8() + "\"\n");
    standIn.close();
    standIn.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("PATH", bin + ':' + env.value("PATH"));
    env.remove("BROWSER");
    env.remove("DEFAULT_BROWSER");
    process_.setProcessEnvironment(env);
    process_.setProgram(ZQ_PROGRAM);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start();
  }
  ~Program() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished();
    }
  }

  // Waits until the window is mapped and managed; false if it never is.
  bool waitForWindow() {
    for (int i = 0; i < 200; ++i) {
      const QString ids = xdotool({"search", "--onlyvisible", "--name", kTitle});
      if (!ids.isEmpty()) {
        window_ = ids.split('\n').first();
        if (!run("xprop", {"-id", window_, "_NET_FRAME_EXTENTS"}).contains("not found")) {
          xdotool({"windowactivate", "--sync", window_});
          return true;
        }
      }
      QTest::qWait(50);
    }
    return false;
  }

  const QString& window() const { return window_; }

  QString launchLog() const { return stage_.path() + "/launches"; }
  QStringList launches() const {
    QFile log(launchLog());
    if (!log.open(QIODevice::ReadOnly)) {
      return {};
    }
    return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
  }

  // Client area in screen pixels.
  QRect client() const {
    const QString info = run("xwininfo", {"-id", window_});
    auto field = [&](const QString& label) {
      const QRegularExpression re(label + R"(:\s+(-?\d+))");
      return re.match(info).captured(1).toInt();
    };
    return {field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
            field("Height")};
  }

  QImage grabClient() const {
    const QRect c = client();
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, c.x(), c.y(), c.width(), c.height())
        .toImage();
  }

  // The ring positions (1..8) that show plain grey at their disc centre, e.g. "3".
  QString hiddenRing() const {
    const QImage shot = grabClient();
    QStringList hidden;
    for (qsizetype k = 0; k < kDiscCentres.size(); ++k) {
      if (isGrey(shot.pixel(kDiscCentres[k]))) {
        hidden << QString::number(k + 1);
      }
    }
    return hidden.join(',');
  }

  void pointAt(QPoint at) {
    const QRect c = client();
    xdotool(
        {"mousemove", "--sync", QString::number(c.x() + at.x()), QString::number(c.y() + at.y())});
  }

  void clickClient(QPoint at) {
    const QRect c = client();
    xdotool({"mousemove", QString::number(c.x() + at.x()), QString::number(c.y() + at.y()), "click",
             "1"});
  }

  bool waitForExit(int* code) {
    if (!process_.waitForFinished(15000)) {
      return false;
    }
    *code = process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1000;
    return true;
  }

 private:
  QTemporaryDir stage_;
  QProcess process_;
  QString window_;
};

}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void closing_data() {
    QTest::addColumn<QStringList>("how");
    QTest::newRow("Esc") << QStringList{"xdotool", "key", "Escape"};
    QTest::newRow("Alt+F4") << QStringList{"xdotool", "key", "alt+F4"};
    QTest::newRow("close request from the window manager")
        << QStringList{"wmctrl", "-i", "-c", "WINDOW"};
  }

  void closing() {
    QFETCH(QStringList, how);
    Program program;
    QVERIFY(program.waitForWindow());
    how.replaceInStrings("WINDOW", program.window());
    run(how.takeFirst(), how);
    int code = 0;
    QVERIFY(program.waitForExit(&code));
    QCOMPARE(code, 0);
  }

  void fixedSizeAndCentred() {
    Program program;
    QVERIFY(program.waitForWindow());
    const QString hints = run("xprop", {"-id", program.window(), "WM_NORMAL_HINTS"});
    QVERIFY2(hints.contains("program specified minimum size: 492 by 257"), qPrintable(hints));
    QVERIFY2(hints.contains("program specified maximum size: 492 by 257"), qPrintable(hints));

    // Motif hints: the functions the window offers are move, resize (impossible at a fixed
    // size) and close; no minimise (8) and no maximise (16).
    const QString motif = run("xprop", {"-id", program.window(), "_MOTIF_WM_HINTS"});
    const QStringList fields = motif.section('=', 1).split(',');
    QVERIFY2(fields.size() >= 2, qPrintable(motif));
    const uint functions = fields[1].trimmed().toUInt(nullptr, 16);
    QCOMPARE(functions & 0x18u, 0u);
    QVERIFY(functions & 0x20u);

    // The window manager refuses a resize (--sync would wait for a change that never comes).
    xdotool({"windowsize", program.window(), "700", "500"});
    QTest::qWait(300);
    QCOMPARE(program.client().size(), QSize(492, 257));

    // Centred by the outer 498 x 282 size on the 1024 x 768 screen: the frame's top-left.
    const QStringList extents =
        run("xprop", {"-id", program.window(), "_NET_FRAME_EXTENTS"}).section('=', 1).split(',');
    QCOMPARE(extents.size(), 4);
    const QRect c = program.client();
    QCOMPARE(QPoint(c.x() - extents[0].trimmed().toInt(), c.y() - extents[2].trimmed().toInt()),
             QPoint(263, 243));
  }

  // The window names the class that the desktop entry's StartupWMClass matches, so the desktop
  // shows the entry's name and icon for it.
  void matchesItsDesktopEntry() {
    QFile entry(ZQ_DESKTOP_ENTRY);
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString wmClass = QRegularExpression("(?m)^StartupWMClass=(.*)$")
                                .match(QString::fromUtf8(entry.readAll()))
                                .captured(1);
    QVERIFY(!wmClass.isEmpty());
    Program program;
    QVERIFY(program.waitForWindow());
    const QString classes = run("xprop", {"-id", program.window(), "WM_CLASS"});
    QVERIFY2(classes.endsWith(", \"" + wmClass + "\""), qPrintable(classes));
  }

  // A real click on the link launches the handler once with the search address; the text is
  // blue, then the hover colour under the pointer, then the visited colour once it leaves.
  void linkOpensTheSearchOnce() {
    constexpr QRgb normal = 0x0000FF, hover = 0x0A246A, visited = 0x800000;
    Program program;
    QVERIFY(program.waitForWindow());
    program.pointAt({5, 5});
    QTRY_VERIFY(inLink(program.grabClient(), normal) > 20);
    QCOMPARE(inLink(program.grabClient(), hover) + inLink(program.grabClient(), visited), 0);

    program.pointAt(kLink.center());
    QTRY_VERIFY(inLink(program.grabClient(), hover) > 20);
    QCOMPARE(inLink(program.grabClient(), normal), 0);

    xdotool({"click", "1"});
    QTRY_COMPARE(program.launches().size(), 1);
    QTest::qWait(500);  // nothing more comes
    QCOMPARE(program.launches(), QStringList{"https://www.baidu.com/s?wd=Zembrolt"});
    QVERIFY(inLink(program.grabClient(), hover) > 20);

    program.pointAt({5, 5});
    QTRY_VERIFY(inLink(program.grabClient(), visited) > 20);
    QCOMPARE(inLink(program.grabClient(), normal) + inLink(program.grabClient(), hover), 0);
    QCOMPARE(program.launches().size(), 1);
  }

  // Clicking the button makes exactly one cell go blank, and the blank cell runs clockwise.
  void chaserRunsClockwise() {
    Program program;
    QVERIFY(program.waitForWindow());
    QCOMPARE(program.hiddenRing(), QString());
    program.clickClient({284 + 90, 148 + 26});

    QStringList states;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000 && states.size() < 12) {
      const QString hidden = program.hiddenRing();
      if (states.isEmpty() || states.last() != hidden) {
        states << hidden;
      }
      QTest::qWait(15);
    }
    QVERIFY2(states.size() >= 10, qPrintable(states.join(" | ")));
    if (states.first().isEmpty()) {
      states.removeFirst();  // sampled before the first tick
    }
    for (qsizetype i = 0; i < states.size(); ++i) {
      bool single = false;
      const int position = states[i].toInt(&single);
      QVERIFY2(single, qPrintable(states.join(" | ")));
      if (i > 0) {
        QCOMPARE(position, states[i - 1].toInt() % 8 + 1);
      }
    }

    // A second click freezes the ring.
    program.clickClient({284 + 90, 148 + 26});
    QTest::qWait(150);
    const QString frozen = program.hiddenRing();
    QTest::qWait(400);
    QCOMPARE(program.hiddenRing(), frozen);
    xdotool({"key", "Escape"});
    int code = 0;
    QVERIFY(program.waitForExit(&code));
    QCOMPARE(code, 0);
  }
};

QTEST_MAIN(EndToEndTest)
#include "test_e2e_window.moc"
