// Where the program's answers to its command line go: --help, --version and the complaint about
// an option it does not know.
#ifndef APP_CONSOLE_H_
#define APP_CONSOLE_H_

#include <QString>

namespace console {

enum class Stream { kOutput, kError };

// Shows `text` to whoever started the program: on standard output or standard error.
void Say(Stream stream, const QString& text);

}  // namespace console

#endif  // APP_CONSOLE_H_
