// A click on the link label asks the real desktop to open the maker's web address: Qt's desktop
// services hand it to xdg-open, which starts the desktop's browser. Here the browser is the tests'
// stand-in, which records each argument it is called with on a line of its log, set either
// through $BROWSER or as the desktop's default handler of web addresses in a scratch XDG
// configuration.
//
// Runs through tests/with_x.sh, which gives it an X server and the stand-in browser (BROWSER, and
// its log in BVN_BROWSER_LOG), on Qt's X11 platform: the offscreen platform opens no URLs.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>

#include "ui/form1.h"
#include "ui/maker.h"

namespace {

class BrowserLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch_.isValid());
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        << "xdg-open is missing: install xdg-utils";
    QFile::remove(Log());

    // A desktop of no particular kind, with nothing of the user's configuration.
    for (const char* name :
         {"WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
          "GNOME_DESKTOP_SESSION_ID", "BROWSER", "DEFAULT_BROWSER"}) {
      qunsetenv(name);
    }
    ASSERT_TRUE(QDir(scratch_.path()).mkpath(QStringLiteral("config")));
    ASSERT_TRUE(QDir(scratch_.path()).mkpath(QStringLiteral("data/applications")));
    qputenv("XDG_CONFIG_HOME", scratch_.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", scratch_.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_DIRS", scratch_.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_DIRS", scratch_.filePath(QStringLiteral("data")).toUtf8());
  }

  // Clicks the link label of a new window, then waits for the browser to be called and a while
  // longer for any second call. Returns what the browser recorded: one call with the address
  // alone is one line.
  QString ClickLinkAndRecord() {
    Form1 form;
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* link = form.findChild<QLabel*>(QStringLiteral("Label6"));
    if (link == nullptr) {
      ADD_FAILURE() << "no link label Label6";
      return {};
    }
    EXPECT_EQ(link->text(), Address() + QLatin1Char(' '));
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, link->rect().center());
    if (!QTest::qWaitFor([] { return QFile::exists(Log()); }, 10000)) {
      ADD_FAILURE() << "the browser was not started within 10 s";
      return {};
    }
    QTest::qWait(1500);  // time for a second call, which must not come
    QFile log(Log());
    if (!log.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(log.readAll());
  }

  static QString Address() { return QString::fromLatin1(ui::kWebAddress); }
  static QString Log() { return qEnvironmentVariable("BVN_BROWSER_LOG"); }

  QTemporaryDir scratch_;
};

// The stand-in browser, taken before the tests clear BROWSER.
QString browser;

// With no handler configured for web addresses, xdg-open hands them to $BROWSER.
TEST_F(BrowserLinkTest, OpensTheAddressInTheBrowserNamedByBROWSER) {
  qputenv("BROWSER", browser.toUtf8());
  EXPECT_EQ(ClickLinkAndRecord(), Address() + QLatin1Char('\n'));
}

// On a desktop, xdg-open asks the XDG configuration for the handler of http addresses.
TEST_F(BrowserLinkTest, OpensTheAddressInTheDesktopsDefaultBrowser) {
  QFile entry(scratch_.filePath(QStringLiteral("data/applications/record-browser.desktop")));
  ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
  entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Recording browser\n"
                             "Exec=%1 %u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n")
                  .arg(browser)
                  .toUtf8());
  entry.close();
  QFile mimeapps(scratch_.filePath(QStringLiteral("config/mimeapps.list")));
  ASSERT_TRUE(mimeapps.open(QIODevice::WriteOnly));
  mimeapps.write(
      "[Default Applications]\n"
      "x-scheme-handler/http=record-browser.desktop\n"
      "x-scheme-handler/https=record-browser.desktop\n");
  mimeapps.close();
  EXPECT_EQ(ClickLinkAndRecord(), Address() + QLatin1Char('\n'));
}

}  // namespace

int main(int argc, char** argv) {
  browser = qEnvironmentVariable("BROWSER");
  if (qEnvironmentVariableIsEmpty("DISPLAY") || browser.isEmpty() ||
      qEnvironmentVariableIsEmpty("BVN_BROWSER_LOG")) {
    std::fprintf(stderr,
                 "FAIL: no X display or stand-in browser; run this test through with_x.sh\n");
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
