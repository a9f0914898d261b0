// The desktop layer on a freedesktop system: reading mimeapps.list and desktop entries, the
// directories they are looked for in, the lookup of the web command over a fixture tree, and
// starting a program without a shell. Nothing here opens an address.
#include <QtTest>

#include <QTemporaryDir>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/desktop_entry.h"
#include "ui/xdg_desktop.h"
#include "ui/xdg_paths.h"

using namespace zq;

Q_DECLARE_METATYPE(std::optional<std::string>)
using Strings = std::vector<std::string>;

namespace {

void writeFile(const QString& path, const QByteArray& content) {
  QVERIFY(QDir().mkpath(QFileInfo(path).path()));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(content);
}

// A home and a system data directory under a temporary folder.
struct XdgTree {
  QTemporaryDir root;
  XdgDirs dirs() const {
    const std::string r = root.path().toStdString();
    return XdgDirs{r + "/config", {r + "/etc-xdg"}, r + "/data", {r + "/usr-share"}, {"xfce"}};
  }
  QString path(const QString& relative) const { return root.path() + '/' + relative; }
};

}  // namespace

class XdgDesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void defaultApplications_data() {
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<Strings>("ids");
    QTest::newRow("one") << QByteArray("[Default Applications]\ntext/html=firefox-esr.desktop\n")
                         << Strings{"firefox-esr.desktop"};
    QTest::newRow("several, blanks, trailing ;")
        << QByteArray("[Default Applications]\r\n text/html = a.desktop; b.desktop;;\r\n")
        << Strings{"a.desktop", "b.desktop"};
    QTest::newRow("other groups and types ignored")
        << QByteArray(
               "[Added Associations]\ntext/html=x.desktop\n[Default Applications]\n"
               "# text/html=c.desktop\ntext/htmlx=y.desktop\nimage/png=z.desktop\n")
        << Strings{};
    QTest::newRow("last group wins nothing: all defaults kept in order")
        << QByteArray(
               "[Default Applications]\ntext/html=a.desktop\n[Default Applications]\n"
               "text/html=b.desktop\n")
        << Strings{"a.desktop", "b.desktop"};
    QTest::newRow("garbage") << QByteArray("\x00\xFF[\n=\n[Default Applications\ntext/html=q")
                             << Strings{};
  }
  void defaultApplications() {
    QFETCH(QByteArray, list);
    QFETCH(Strings, ids);
    QCOMPARE(zq::defaultApplications(std::string_view(list.constData(), list.size()), "text/html"),
             ids);
  }

  void desktopEntryExec_data() {
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<std::optional<std::string>>("exec");
    using Opt = std::optional<std::string>;
    QTest::newRow("plain") << QByteArray("[Desktop Entry]\nName=B\nExec=/usr/bin/b %u\n")
                           << Opt("/usr/bin/b %u");
    QTest::newRow("string escapes undone, quoting escapes kept")
        << QByteArray("[Desktop Entry]\nExec=b\\s\"x\\\\\\\\y\\\\\"z\" %U\n")
        << Opt("b \"x\\\\y\\\"z\" %U");
    QTest::newRow("actions and translations ignored")
        << QByteArray("[Desktop Entry]\nExec[de]=de %u\nExec=b %u\n[Desktop Action new]\nExec=n\n")
        << Opt("b %u");
    QTest::newRow("only in an action") << QByteArray("[Desktop Action new]\nExec=n %u\n") << Opt();
    QTest::newRow("hidden") << QByteArray("[Desktop Entry]\nExec=b %u\nHidden=true\n") << Opt();
    QTest::newRow("empty") << QByteArray("[Desktop Entry]\nExec=\n") << Opt();
  }
  void desktopEntryExec() {
    QFETCH(QByteArray, entry);
    QFETCH(std::optional<std::string>, exec);
    QCOMPARE(zq::desktopEntryExec(std::string_view(entry.constData(), entry.size())), exec);
  }

  void execToCommandLine_data() {
    QTest::addColumn<std::string>("exec");
    QTest::addColumn<std::optional<std::string>>("line");
    using Opt = std::optional<std::string>;
    QTest::newRow("%u") << std::string("firefox-esr %u") << Opt("firefox-esr %1");
    QTest::newRow("%U") << std::string("chromium %U") << Opt("chromium %1");
    QTest::newRow("%f and %F") << std::string("b %f %F") << Opt("b %1 %1");
    QTest::newRow("optional codes dropped")
        << std::string("b %i --class=%c %k %u") << Opt("b  --class=  %1");
    QTest::newRow("%% is a percent sign") << std::string("b --p=100%% %u") << Opt("b --p=100% %1");
    QTest::newRow("no code") << std::string("b --new") << Opt("b --new");
    QTest::newRow("unknown code") << std::string("b %x") << Opt();
    QTest::newRow("%1 is no field code") << std::string("b %1") << Opt();
    QTest::newRow("lone % at the end") << std::string("b %") << Opt();
    QTest::newRow("nothing left") << std::string("%i") << Opt();
  }
  void execToCommandLine() {
    QFETCH(std::string, exec);
    QFETCH(std::optional<std::string>, line);
    QCOMPARE(zq::execToCommandLine(exec), line);
  }

  void xdgDirsFromTheEnvironment() {
    std::map<std::string, std::string> env{
        {"HOME", "/home/u"}, {"XDG_DATA_DIRS", ""}, {"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}};
    const XdgDirs dirs = xdgDirs([&](std::string_view name) -> std::optional<std::string> {
      const auto it = env.find(std::string(name));
      return it == env.end() ? std::nullopt : std::optional(it->second);
    });
    QCOMPARE(dirs.configHome, "/home/u/.config");
    QCOMPARE(dirs.configDirs, Strings{"/etc/xdg"});
    QCOMPARE(dirs.dataHome, "/home/u/.local/share");
    QCOMPARE(dirs.dataDirs, (Strings{"/usr/local/share", "/usr/share"}));  // empty means unset
    QCOMPARE(dirs.desktops, (Strings{"ubuntu", "gnome"}));

    env = {{"HOME", "/h"},
           {"XDG_CONFIG_HOME", "/c"},
           {"XDG_CONFIG_DIRS", "/e1::/e2"},
           {"XDG_DATA_HOME", "/d"},
           {"XDG_DATA_DIRS", "/s1:/s2"}};
    const XdgDirs set = xdgDirs([&](std::string_view name) -> std::optional<std::string> {
      const auto it = env.find(std::string(name));
      return it == env.end() ? std::nullopt : std::optional(it->second);
    });
    QCOMPARE(set.configHome, "/c");
    QCOMPARE(set.configDirs, (Strings{"/e1", "/e2"}));
    QCOMPARE(set.dataDirs, (Strings{"/s1", "/s2"}));
    QVERIFY(set.desktops.empty());
  }

  void listsAreLookedForInOrder() {
    const XdgDirs dirs{"/c", {"/e"}, "/d", {"/s"}, {"xfce"}};
    QCOMPARE(mimeappsListPaths(dirs),
             (Strings{"/c/xfce-mimeapps.list", "/c/mimeapps.list", "/e/xfce-mimeapps.list",
                      "/e/mimeapps.list", "/d/applications/xfce-mimeapps.list",
                      "/d/applications/mimeapps.list", "/s/applications/xfce-mimeapps.list",
                      "/s/applications/mimeapps.list"}));
    QCOMPARE(applicationDirs(dirs), (Strings{"/d/applications", "/s/applications"}));
  }

  void registeredWebCommandOverAFixture() {
    XdgTree tree;
    const XdgDirs dirs = tree.dirs();
    QCOMPARE(XdgDesktop::registeredWebCommand(dirs), std::nullopt);  // nothing registered

    // A system default, with its entry installed system-wide.
    writeFile(tree.path("usr-share/applications/mimeapps.list"),
              "[Default Applications]\ntext/html=sys.desktop\n");
    writeFile(tree.path("usr-share/applications/sys.desktop"),
              "[Desktop Entry]\nType=Application\nExec=/usr/bin/sys-browser %U\n");
    QCOMPARE(XdgDesktop::registeredWebCommand(dirs),
             std::optional<std::string>("/usr/bin/sys-browser %1"));

    // The user's choice wins; a missing or broken entry gives way to the next default.
    writeFile(tree.path("config/mimeapps.list"),
              "[Default Applications]\ntext/html=gone.desktop;broken.desktop;mine.desktop\n");
    writeFile(tree.path("data/applications/broken.desktop"), "[Desktop Entry]\nExec=b %x\n");
    writeFile(tree.path("data/applications/mine.desktop"),
              "[Desktop Entry]\nExec=\"/opt/my browser/run\" --new %u\n");
    QCOMPARE(XdgDesktop::registeredWebCommand(dirs),
             std::optional<std::string>("\"/opt/my browser/run\" --new %1"));

    // A user entry hides the system entry of the same name.
    writeFile(tree.path("data/applications/sys.desktop"), "[Desktop Entry]\nExec=user-sys %u\n");
    writeFile(tree.path("config/xfce-mimeapps.list"),
              "[Default Applications]\ntext/html=sys.desktop\n");
    QCOMPARE(XdgDesktop::registeredWebCommand(dirs), std::optional<std::string>("user-sys %1"));

    // IDs that would leave the applications folders are not followed.
    writeFile(tree.path("config/xfce-mimeapps.list"),
              "[Default Applications]\ntext/html=../../evil.desktop;/etc/evil.desktop\n");
    writeFile(tree.path("data/evil.desktop"), "[Desktop Entry]\nExec=evil %u\n");
    QCOMPARE(XdgDesktop::registeredWebCommand(dirs),
             std::optional<std::string>("\"/opt/my browser/run\" --new %1"));
  }

  // A real start, of a harmless program, with arguments that a shell would have acted on.
  void runCommandLineStartsWithoutAShell() {
    QTemporaryDir dir;
    const QString marker = dir.path() + "/marker $HOME;x";
    XdgDesktop desktop;
    const std::string line = "touch \"" + marker.toStdString() + "\"";
    QVERIFY(desktop.runCommandLine(line));
    QTRY_VERIFY(QFileInfo::exists(marker));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"marker $HOME;x"});
  }

  void runCommandLineRefuses_data() {
    QTest::addColumn<std::string>("line");
    QTest::newRow("empty") << std::string();
    QTest::newRow("open quote") << std::string("touch \"/tmp/x");
    QTest::newRow("no such program") << std::string("/nonexistent/zq-no-such-program x");
  }
  void runCommandLineRefuses() {
    QFETCH(std::string, line);
    XdgDesktop desktop;
    QVERIFY(!desktop.runCommandLine(line));
  }
};

QTEST_MAIN(XdgDesktopTest)
#include "test_xdg_desktop.moc"
