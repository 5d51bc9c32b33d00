// The Windows print spooler, reached through Qt's printing alone.
#include "ui/print_system.h"

namespace ui {

// Qt's printing on Windows sets up no password dialog of its own: the spooler asks for a
// network printer's credentials itself, in its own window. Nothing to turn off.
void RefusePasswordPrompts() {}

}  // namespace ui
