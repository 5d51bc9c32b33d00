// Starts the converter: one window, centred on the screen, until it is closed.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QScreen>
#include <QStyle>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/console.h"
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

  // The name it was started by ("brelvan-unit-converter", "Brelvan Unit Converter.exe").
  QString program = QFileInfo(arguments.value(0)).fileName();
  if (program.isEmpty()) program = QString::fromUtf8(product::kExecutableName);
  const auto refuse = [&program](const QString& why) {
    console::Say(
        console::Stream::kError,
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, why));
    return 2;
  };
  if (!parser.parse(arguments)) return refuse(parser.errorText());
  if (!parser.positionalArguments().isEmpty()) {
    return refuse(QStringLiteral("takes no file or other argument: '%1'")
                      .arg(parser.positionalArguments().front()));
  }
  if (parser.isSet(help)) {
    // Without an application object Qt does not know the program's name.
    console::Say(console::Stream::kOutput,
                 parser.helpText().replace(QStringLiteral("<executable_name>"), program));
    return 0;
  }
  if (parser.isSet(version)) {
    console::Say(console::Stream::kOutput,
                 QStringLiteral("%1 %2\n").arg(QString::fromUtf8(product::kProductName),
                                               QString::fromUtf8(product::kVersion)));
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
