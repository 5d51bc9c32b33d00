// Starts the converter: one window, centred on the screen, until it is closed.
#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QStyle>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "product.h"
#include "ui/form1.h"
#include "ui/printing.h"

namespace {

// Answers --help and --version, and refuses what it does not know, before Qt looks for a
// display: both answers must work on a terminal with none. Gives the exit status when the
// program is to end here.
std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.push_back(QString::fromLocal8Bit(argv[i]));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Converts lengths, times, masses, temperatures and areas between units."));
  // Qt's own options, such as -platform wayland, are words after a single dash.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help and exits."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  for (const char* name : {"platform", "display", "style", "qwindowgeometry"}) {
    QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  QCommandLineOption reverse(QStringLiteral("reverse"));
  reverse.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(reverse);

  const QString program = QString::fromUtf8(product::kExecutableName);
  if (!parser.parse(arguments)) {
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", qPrintable(program),
                 qPrintable(parser.errorText()), qPrintable(program));
    return 2;
  }
  if (!parser.positionalArguments().isEmpty()) {
    std::fprintf(stderr, "%s: takes no file or other argument: '%s'\n", qPrintable(program),
                 qPrintable(parser.positionalArguments().front()));
    return 2;
  }
  if (parser.isSet(help)) {
    // Without an application object Qt does not know the program's name.
    const QString text = parser.helpText().replace(QStringLiteral("<executable_name>"), program);
    std::fputs(qPrintable(text), stdout);
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("%s %s\n", product::kProductName, product::kVersion);
    return 0;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (const std::optional<int> status = AnswerCommandLine(argc, argv)) return *status;

  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(product::kProductName));
  QApplication::setApplicationVersion(QString::fromUtf8(product::kVersion));
  QGuiApplication::setDesktopFileName(QString::fromUtf8(product::kDesktopFileName));

  int status = 0;
  {
    Form1 form;
    // Where the desktop lets a program place its window (X11, Windows), it opens centred.
    const auto show_on = [&form](const QScreen* screen) {
      form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form.size(),
                                           screen->availableGeometry()));
      form.show();
    };
    // A display may have no screen for a while (its only monitor unplugged): the window then
    // opens on the first screen that comes.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      show_on(screen);
    } else {
      QObject::connect(qApp, &QGuiApplication::screenAdded, &form, show_on,
                       Qt::SingleShotConnection);
    }
    status = QApplication::exec();
  }
  // A print thread still blocked in the print system would wake up to a torn-down Qt: leave
  // without tearing anything down.
  if (!ui::FinishPrinting()) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}
