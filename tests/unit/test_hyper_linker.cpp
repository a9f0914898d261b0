// The web link (offscreen platform, fake desktop): what a press launches, the colours the
// flags give, the hover sequence, and the inputs that must do nothing.
#include <QtTest>

#include <QStyleHints>
#include <optional>

#include "app/main_window.h"
#include "support/fake_desktop.h"
#include "ui/command_line.h"
#include "ui/hyper_linker.h"
#include "ui/publisher.h"
#include "ui/system_colours.h"

using namespace zq;

namespace {

constexpr QRgb kNormal = 0x0000FF;
constexpr QRgb kVisited = 0x800000;
constexpr QRgb kHover = 0x0A246A;
const std::string kAddress = "https://www.baidu.com/s?wd=Zembrolt";

int countColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      n += (image.pixel(x, y) & 0xFFFFFF) == colour;
    }
  }
  return n;
}

// The one of the three link colours the text is drawn in, or 0 when none or several show.
QRgb textColourOnScreen(QWidget& link) {
  const QImage image = link.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QRgb found = 0;
  for (QRgb colour : {kNormal, kVisited, kHover}) {
    if (countColour(image, colour) > 0) {
      if (found != 0) {
        return 0;
      }
      found = colour;
    }
  }
  return found;
}

// The program's link inside a parent widget that stands for the window, with room around it
// for the pointer to leave to.
struct LinkFixture {
  testing::FakeDesktop desktop;
  QWidget window;
  HyperLinker* link;
  explicit LinkFixture(LinkSettings settings = publisherLink()) {
    window.resize(240, 80);
    link = new HyperLinker(&window, desktop, std::move(settings));
    link->setGeometry(30, 28, 180, 24);
    window.show();
    window.activateWindow();
  }
  QPoint onLink() const { return link->geometry().center(); }
  void moveTo(QPoint windowPoint) { QTest::mouseMove(window.windowHandle(), windowPoint); }
  void pointAtLink() { moveTo(onLink()); }
  void pointAway() { moveTo(QPoint(5, 5)); }
  void press(Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(window.windowHandle(), button, {}, onLink());
    QTest::mouseRelease(window.windowHandle(), button, {}, onLink());
  }
};

}  // namespace

class HyperLinkerTest : public QObject {
  Q_OBJECT

 private slots:
  void publisherLinkSettings() {
    const LinkSettings link = publisherLink();
    QCOMPARE(link.kind, LinkKind::Web);
    QCOMPARE(link.text, "Zembrolt www.zembrolt.com");
    QVERIFY(link.email.empty());
    QCOMPARE(link.webAddress, kAddress);
    QCOMPARE(link.normalColour & 0xFFFFFF, kNormal);
    QCOMPARE(link.visitedColour & 0xFFFFFF, kVisited);
    QCOMPARE(link.hoverColour & 0xFFFFFF, kHover);
  }

  void searchAddressEncodesGbkBytes_data() {
    QTest::addColumn<QByteArray>("term");
    QTest::addColumn<QString>("query");
    QTest::newRow("ascii name") << QByteArray("Zembrolt") << "Zembrolt";
    QTest::newRow("GBK 开始, upper-case hex") << QByteArray("\xBF\xAA\xCA\xBC") << "%BF%AA%CA%BC";
    QTest::newRow("reserved characters")
        << QByteArray("a b&c=d/e?#%+") << "a%20b%26c%3Dd%2Fe%3F%23%25%2B";
    QTest::newRow("unreserved kept") << QByteArray("A-z_0.9~") << "A-z_0.9~";
  }
  void searchAddressEncodesGbkBytes() {
    QFETCH(QByteArray, term);
    QFETCH(QString, query);
    QCOMPARE(QString::fromStdString(searchAddress(std::string_view(term.constData(), term.size()))),
             "https://www.baidu.com/s?wd=" + query);
  }

  // One press with the desktop answering in each way the fallback knows.
  void pressOutcomes_data() {
    QTest::addColumn<bool>("defaultWorks");
    QTest::addColumn<std::optional<std::string>>("registered");
    QTest::addColumn<bool>("commandStarts");
    QTest::addColumn<std::optional<std::string>>("ran");
    QTest::addColumn<bool>("visited");
    using Opt = std::optional<std::string>;
    QTest::newRow("default handler opens it") << true << Opt("browser %1") << true << Opt() << true;
    QTest::newRow("no default handler, nothing registered")
        << false << Opt() << true << Opt() << false;
    QTest::newRow("quoted placeholder")
        << false << Opt(R"("/opt/web browser/run" --new "%1" --x)") << true
        << Opt(R"("/opt/web browser/run" --new  )" + kAddress) << true;
    QTest::newRow("bare placeholder")
        << false << Opt("browser %1 --x") << true << Opt("browser  " + kAddress) << true;
    QTest::newRow("quoted wins over an earlier bare one")
        << false << Opt(R"(b %1 "%1")") << true << Opt("b %1  " + kAddress) << true;
    QTest::newRow("no placeholder")
        << false << Opt("browser --x") << true << Opt("browser --x " + kAddress) << true;
    QTest::newRow("registered command does not start")
        << false << Opt("browser %1") << false << Opt("browser  " + kAddress) << false;
    QTest::newRow("registered command too long")
        << false << Opt(std::string(kRegisteredCommandLimit + 1, 'b')) << true << Opt() << false;
  }
  void pressOutcomes() {
    QFETCH(bool, defaultWorks);
    QFETCH(std::optional<std::string>, registered);
    QFETCH(bool, commandStarts);
    QFETCH(std::optional<std::string>, ran);
    QFETCH(bool, visited);
    LinkFixture f;
    f.desktop.defaultHandlerWorks = defaultWorks;
    f.desktop.registered = registered;
    f.desktop.commandStarts = commandStarts;

    f.pointAtLink();
    f.press();
    QCOMPARE(f.desktop.opened, std::vector<std::string>{kAddress});
    QCOMPARE(f.desktop.registeredLookups, defaultWorks ? 0 : 1);
    QCOMPARE(f.desktop.ran, ran ? std::vector<std::string>{*ran} : std::vector<std::string>{});
    QCOMPARE(f.link->state().visited(), visited);
    QCOMPARE(textColourOnScreen(*f.link), kHover);
    f.pointAway();
    QCOMPARE(textColourOnScreen(*f.link), visited ? kVisited : kNormal);
  }

  void hoverLeavePressLeave() {
    LinkFixture f;
    QCOMPARE(textColourOnScreen(*f.link), kNormal);
    QVERIFY(!f.link->state().hover());

    f.pointAtLink();
    QVERIFY(f.link->state().hover());
    QCOMPARE(textColourOnScreen(*f.link), kHover);
    QCOMPARE(f.link->cursor().shape(), Qt::PointingHandCursor);
    f.moveTo(f.onLink() + QPoint(40, 3));  // moving about on it changes nothing
    QCOMPARE(textColourOnScreen(*f.link), kHover);

    f.pointAway();
    QVERIFY(!f.link->state().hover());
    QCOMPARE(textColourOnScreen(*f.link), kNormal);  // no press yet

    f.pointAtLink();
    f.press();
    QCOMPARE(textColourOnScreen(*f.link), kHover);  // stays hover while on it
    f.pointAway();
    QCOMPARE(textColourOnScreen(*f.link), kVisited);
    f.pointAtLink();
    QCOMPARE(textColourOnScreen(*f.link), kHover);
    f.pointAway();
    QCOMPARE(textColourOnScreen(*f.link), kVisited);

    // A later press that launches nothing takes the visited colour back.
    f.desktop.defaultHandlerWorks = false;
    f.pointAtLink();
    f.press();
    f.pointAway();
    QCOMPARE(textColourOnScreen(*f.link), kNormal);
    QCOMPARE(f.desktop.opened.size(), 2u);
  }

  void pointerRepaintsOnlyOnChange() {
    LinkState state;
    QVERIFY(state.pointerMoved(true));
    QVERIFY(!state.pointerMoved(true));
    QVERIFY(state.pointerMoved(false));
    QVERIFY(!state.pointerMoved(false));  // a second leave
    QVERIFY(!state.hover());
    QVERIFY(state.pressed(true));
    QVERIFY(!state.pressed(false));
    QVERIFY(!state.visited());
  }

  void doubleClickLaunchesOnce() {
    LinkFixture f;
    f.pointAtLink();
    QTest::mouseDClick(f.window.windowHandle(), Qt::LeftButton, {}, f.onLink());
    QCOMPARE(f.desktop.launchRequests(), 1u);
    // A press after the double click is a new press.
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 50);
    f.press();
    QCOMPARE(f.desktop.launchRequests(), 2u);
  }

  void otherButtonsAndKeysDoNothing() {
    LinkFixture f;
    f.pointAtLink();
    f.press(Qt::RightButton);
    f.press(Qt::MiddleButton);
    QTest::mouseDClick(f.window.windowHandle(), Qt::RightButton, {}, f.onLink());
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab}) {
      QTest::keyClick(f.link, key);
      QTest::keyClick(&f.window, key);
    }
    QCOMPARE(f.desktop.launchRequests(), 0u);
    QCOMPARE(f.link->focusPolicy(), Qt::NoFocus);
    QVERIFY(!f.link->hasFocus());
    f.pointAway();
    QCOMPARE(textColourOnScreen(*f.link), kNormal);
  }

  void emptyAddressLaunchesNothing_data() {
    QTest::addColumn<LinkKind>("kind");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("webAddress");
    QTest::addColumn<QString>("opened");  // empty: no launch asked for
    QTest::newRow("web, empty") << LinkKind::Web << "a@b.c"
                                << ""
                                << "";
    QTest::newRow("mail, empty") << LinkKind::Mail << ""
                                 << "https://x.y/"
                                 << "";
    QTest::newRow("mail") << LinkKind::Mail << "a@b.c"
                          << "https://x.y/"
                          << "mailto:a@b.c";
  }
  void emptyAddressLaunchesNothing() {
    QFETCH(LinkKind, kind);
    QFETCH(QString, email);
    QFETCH(QString, webAddress);
    QFETCH(QString, opened);
    LinkSettings settings = publisherLink();
    settings.kind = kind;
    settings.email = email.toStdString();
    settings.webAddress = webAddress.toStdString();
    LinkFixture f(settings);
    f.pointAtLink();
    f.press();
    if (opened.isEmpty()) {
      QCOMPARE(f.desktop.launchRequests(), 0u);
      QVERIFY(!f.link->state().visited());
    } else {
      QCOMPARE(f.desktop.opened, std::vector<std::string>{opened.toStdString()});
    }
  }

  void emptyTextShowsTheAddress() {
    LinkSettings web = publisherLink();
    web.text.clear();
    QCOMPARE(LinkFixture(web).link->shownText(), QString::fromStdString(kAddress));
    LinkSettings mail = web;
    mail.kind = LinkKind::Mail;
    mail.email = "someone@example.org";
    QCOMPARE(LinkFixture(mail).link->shownText(), "someone@example.org");
  }

  // "&" marks no mnemonic: a link whose text is a lone "&" draws a glyph, unlike a blank.
  void ampersandIsDrawnAsItself() {
    LinkSettings settings = publisherLink();
    settings.text = "&";
    const QImage ampersand = LinkFixture(settings).link->grab().toImage();
    settings.text = " ";
    const QImage blank = LinkFixture(settings).link->grab().toImage();
    QVERIFY(ampersand != blank);
  }

  void drawsOnTheButtonFace() {
    LinkFixture f;
    const QImage image = f.link->grab().toImage();
    QCOMPARE(image.pixel(0, 0) & 0xFFFFFF, buttonFaceColour().rgb() & 0xFFFFFF);
    QCOMPARE(image.pixel(179, 23) & 0xFFFFFF, buttonFaceColour().rgb() & 0xFFFFFF);
    // Looked up at each repaint: a new colour scheme shows at once.
    QPalette scheme = QApplication::palette();
    scheme.setColor(QPalette::Active, QPalette::Button, QColor(0x12, 0x34, 0x56));
    QApplication::setPalette(scheme);
    QCOMPARE(f.link->grab().toImage().pixel(0, 0) & 0xFFFFFF, 0x123456u);
    QApplication::setPalette(QPalette());
  }

  void windowLinkIsThePublishers() {
    testing::FakeDesktop desktop;
    MainWindow window(desktop);
    QVERIFY(window.createControls());
    auto* link = qobject_cast<HyperLinker*>(window.widget(names::kLinker1));
    QVERIFY(link != nullptr);
    QCOMPARE(link->shownText(), "Zembrolt www.zembrolt.com");
    QCOMPARE(link->settings().webAddress, kAddress);
  }
};

QTEST_MAIN(HyperLinkerTest)
#include "test_hyper_linker.moc"
