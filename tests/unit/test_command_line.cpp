// The fallback launch's command lines: how a registered command is cut and completed, its
// limits, and how a command line is split into a program and its arguments.
#include <QtTest>

#include <optional>
#include <string>
#include <vector>

#include "ui/command_line.h"

using namespace zq;

// No raw string literals in this file: moc's lexer misreads one that holds an odd number of
// quotes and then finds no test class.

Q_DECLARE_METATYPE(std::optional<std::string>)
using Words = std::vector<std::string>;
Q_DECLARE_METATYPE(std::optional<Words>)

namespace {
const std::string kTarget = "https://www.baidu.com/s?wd=Zembrolt";
}

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void composeFallbackCommand_data() {
    QTest::addColumn<std::string>("registered");
    QTest::addColumn<std::string>("target");
    QTest::addColumn<std::optional<std::string>>("composed");
    using Opt = std::optional<std::string>;
    QTest::newRow("quoted placeholder at the end")
        << std::string("\"C:\\Web\\browser.exe\" -url \"%1\"") << kTarget
        << Opt("\"C:\\Web\\browser.exe\" -url  " + kTarget);
    QTest::newRow("quoted placeholder, more after it")
        << std::string("browser \"%1\" --new-window \"%1\"") << kTarget
        << Opt("browser  " + kTarget);
    QTest::newRow("bare placeholder")
        << std::string("browser %1 --x") << kTarget << Opt("browser  " + kTarget);
    QTest::newRow("bare placeholder glued to a word")
        << std::string("browser --url=%1") << kTarget << Opt("browser --url= " + kTarget);
    QTest::newRow("a half-quoted placeholder is bare")
        << std::string("browser \"%1") << kTarget << Opt("browser \" " + kTarget);
    QTest::newRow("no placeholder")
        << std::string("browser") << kTarget << Opt("browser " + kTarget);
    QTest::newRow("%2 is not the placeholder")
        << std::string("browser %2") << kTarget << Opt("browser %2 " + kTarget);
    QTest::newRow("placeholder first") << std::string("%1") << kTarget << Opt(" " + kTarget);
    QTest::newRow("empty command") << std::string() << kTarget << Opt(" " + kTarget);

    // Limits: the registered command up to 260 bytes, the result up to 520.
    const std::string at260(260, 'b');
    QTest::newRow("registered at the limit") << at260 << std::string("t") << Opt(at260 + " t");
    QTest::newRow("registered over the limit, even if cut short later")
        << ("b %1" + std::string(257, 'x')) << std::string("t") << Opt();
    QTest::newRow("composed at the limit")
        << std::string(259, 'b') << std::string(260, 't')
        << Opt(std::string(259, 'b') + ' ' + std::string(260, 't'));
    QTest::newRow("composed over the limit")
        << std::string(259, 'b') << std::string(261, 't') << Opt();
    QTest::newRow("the cut counts, not the registered length")
        << (std::string(10, 'b') + " %1" + std::string(200, 'x')) << std::string(508, 't')
        << Opt(std::string(10, 'b') + "  " + std::string(508, 't'));
  }
  void composeFallbackCommand() {
    QFETCH(std::string, registered);
    QFETCH(std::string, target);
    QFETCH(std::optional<std::string>, composed);
    QCOMPARE(zq::composeFallbackCommand(registered, target), composed);
  }

  void splitCommandLine_data() {
    QTest::addColumn<std::string>("line");
    QTest::addColumn<std::optional<Words>>("words");
    QTest::newRow("plain") << std::string("browser --new-window https://x.y/?a=1&b=2")
                           << std::optional<Words>(
                                  {"browser", "--new-window", "https://x.y/?a=1&b=2"});
    QTest::newRow("blanks collapse")
        << std::string("  browser \t a   b  ") << std::optional<Words>({"browser", "a", "b"});
    QTest::newRow("quoted program with a space")
        << std::string("\"/opt/web browser/run\" x")
        << std::optional<Words>({"/opt/web browser/run", "x"});
    QTest::newRow("escapes inside quotes") << std::string("p \"a\\\"b\\\\c\\$d\\`e\\x\"")
                                           << std::optional<Words>({"p", "a\"b\\c$d`e\\x"});
    QTest::newRow("quotes join a word")
        << std::string("p --a=\"b c\"d") << std::optional<Words>({"p", "--a=b cd"});
    QTest::newRow("empty quoted argument")
        << std::string("p \"\" q") << std::optional<Words>({"p", "", "q"});
    QTest::newRow("shell syntax is not special")
        << std::string("p ; rm -rf $HOME | x")
        << std::optional<Words>({"p", ";", "rm", "-rf", "$HOME", "|", "x"});
    QTest::newRow("open quote") << std::string("p \"a b") << std::optional<Words>();
    QTest::newRow("nothing") << std::string("   ") << std::optional<Words>();
    QTest::newRow("empty program") << std::string("\"\" x") << std::optional<Words>();
  }
  void splitCommandLine() {
    QFETCH(std::string, line);
    QFETCH(std::optional<Words>, words);
    QCOMPARE(zq::splitCommandLine(line), words);
  }
};

QTEST_MAIN(CommandLineTest)
#include "test_command_line.moc"
