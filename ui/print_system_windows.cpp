// The Windows print spooler, reached through Qt's printing alone.
#include "ui/print_system.h"

namespace ui {

// Qt's printing on Windows sets up no password dialog of its own: the spooler asks for a
// network printer's credentials itself, in its own window. Nothing to turn off.
void RefusePasswordPrompts() {}

// Qt's printing hands the job to the spooler inside QPainter::end(), with EndPage and EndDoc.
// Qt 6's Windows print engine only warns when EndDoc fails and returns true all the same, so the
// spooler's answer is not learnt here: a job whose end() succeeded counts as taken.
bool PrintServiceTookJob() {
  return true;
}

}  // namespace ui
