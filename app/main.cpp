// Starts the converter: one window, centred on the screen, until it is closed.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/console.h"
#include "product.h"
#include "ui/form1.h"
#include "ui/printing.h"

namespace {

// How Qt takes an option's value.
enum class QtValue {
  kNone,                  // -reverse
  kNextArgument,          // -session ID
  kNextArgumentOrJoined,  // -style fusion, or -style=fusion
};

// QApplication reads its options out of argv in passes, in this order, each taking its own
// options and their values out before the next looks: so "-style -platform xcb -reverse" styles
// the window "-reverse" on the xcb platform.
enum class QtPass {
  kPlatform,  // choosing the platform, before its plugin is loaded
  kXcb,       // the X11 plugin, as it starts
  kCore,      // every Qt program
  kGui,       // every program with windows
  kWidgets,   // every widget program
};
constexpr std::array kQtPasses = {QtPass::kPlatform, QtPass::kXcb, QtPass::kCore, QtPass::kGui,
                                  QtPass::kWidgets};

struct QtOption {
  const char* name;
  QtPass pass;
  QtValue value;
};

// Qt's own options (Qt 6.4: QCoreApplication, QGuiApplication, QApplication, and the xcb
// platform, which also takes -geometry, -title and -icon; elsewhere Qt leaves those unused).
// Each is a word after one dash or two; its value is the next argument, whatever that starts
// with, or where marked also follows "=" in the same argument. They are handed on to Qt as they
// are.
constexpr std::array kQtOptions = {
    QtOption{"platform", QtPass::kPlatform, QtValue::kNextArgument},
    QtOption{"platformpluginpath", QtPass::kPlatform, QtValue::kNextArgument},
    QtOption{"platformtheme", QtPass::kPlatform, QtValue::kNextArgument},
    QtOption{"qwindowgeometry", QtPass::kPlatform, QtValue::kNextArgument},
    QtOption{"qwindowicon", QtPass::kPlatform, QtValue::kNextArgument},
    QtOption{"qwindowtitle", QtPass::kPlatform, QtValue::kNextArgument},
    QtOption{"geometry", QtPass::kPlatform, QtValue::kNextArgument},
    QtOption{"icon", QtPass::kPlatform, QtValue::kNextArgument},
    QtOption{"title", QtPass::kPlatform, QtValue::kNextArgument},
    QtOption{"display", QtPass::kXcb, QtValue::kNextArgument},
    QtOption{"name", QtPass::kXcb, QtValue::kNextArgument},
    QtOption{"visual", QtPass::kXcb, QtValue::kNextArgument},
    QtOption{"nograb", QtPass::kXcb, QtValue::kNone},
    QtOption{"dograb", QtPass::kXcb, QtValue::kNone},
    QtOption{"qmljsdebugger", QtPass::kCore, QtValue::kNextArgumentOrJoined},
    QtOption{"plugin", QtPass::kGui, QtValue::kNextArgument},
    QtOption{"reverse", QtPass::kGui, QtValue::kNone},
    // A session manager starts the program again with the session it saved.
    QtOption{"session", QtPass::kGui, QtValue::kNextArgument},
    QtOption{"testability", QtPass::kGui, QtValue::kNone},
    QtOption{"style", QtPass::kGui, QtValue::kNextArgumentOrJoined},
    QtOption{"stylesheet", QtPass::kWidgets, QtValue::kNextArgumentOrJoined},
    QtOption{"widgetcount", QtPass::kWidgets, QtValue::kNone},
    // Obsolete, but still taken and ignored.
    QtOption{"qdebug", QtPass::kWidgets, QtValue::kNone},
    QtOption{"qdevel", QtPass::kWidgets, QtValue::kNone},
};

// One pass of SetAsideQtOptions.
std::optional<QString> SetAsideQtPass(QtPass pass, QStringList& arguments) {
  QStringList left = arguments.mid(0, 1);
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    const QString word = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const QString name = word.section(u'=', 0, 0);
    const auto option = std::find_if(kQtOptions.begin(), kQtOptions.end(), [&](const QtOption& o) {
      return o.pass == pass && name == QLatin1String(o.name);
    });
    if (!argument.startsWith(u'-') || option == kQtOptions.end()) {
      left.push_back(argument);
    } else if (word != name) {  // a value after "="
      if (option->value == QtValue::kNone) {
        return QStringLiteral("Qt's -%1 takes no value: '%2'").arg(name, argument);
      }
      if (option->value == QtValue::kNextArgument) {
        return QStringLiteral("Qt takes the value of -%1 as the next argument: '%2'")
            .arg(name, argument);
      }
    } else if (option->value != QtValue::kNone && ++i == arguments.size()) {
      return QStringLiteral("Missing value after '%1'.").arg(argument);
    }
  }
  arguments = left;
  return std::nullopt;
}

// Leaves in `arguments` (the program's name first) what is not Qt's: Qt's options and their
// values stay for QApplication alone. As in Qt, "--" ends nothing, and a value may start with a
// dash. Gives why not when a Qt option is given in a form Qt does not take, which Qt would leave
// unused, or without its value.
//   {"prog", "-session", "-h"} -> {"prog"}
//   {"prog", "--", "-reverse", "-v"} -> {"prog", "--", "-v"}
//   {"prog", "-session=1_2"} -> "Qt takes the value of -session as the next argument: ..."
//   {"prog", "-v", "-style"} -> "Missing value after '-style'."
std::optional<QString> SetAsideQtOptions(QStringList& arguments) {
  for (const QtPass pass : kQtPasses) {
    if (std::optional<QString> wrong = SetAsideQtPass(pass, arguments)) return wrong;
  }
  return std::nullopt;
}

// Answers --help and --version, and refuses what it does not know, before Qt looks for a
// display: both answers must work on a terminal with none. Gives the exit status when the
// program is to end here.
std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.push_back(QString::fromLocal8Bit(argv[i]));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Converts lengths, times, masses, temperatures and areas between units."));
  // Words after a single dash are long options, as Qt's own are: -help as --help.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help and exits."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();

  // The name it was started by ("brelvan-unit-converter", "Brelvan Unit Converter.exe").
  QString program = QFileInfo(arguments.value(0)).fileName();
  if (program.isEmpty()) program = QString::fromUtf8(product::kExecutableName);
  const auto refuse = [&program](const QString& why) {
    console::Say(
        console::Stream::kError,
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, why));
    return 2;
  };
  if (const std::optional<QString> wrong = SetAsideQtOptions(arguments)) return refuse(*wrong);
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
