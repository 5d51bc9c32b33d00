// Qt's save dialog. A CUPS printer never asks where to save, so the Linux program opens it only
// for a printer that a Platform other than the desktop's says asks.
#include <QFileDialog>

#include "ui/save_dialog.h"

namespace ui {

SaveChoice SaveDialog(QWidget* owner, const QString& proposed, const PrintFileType& type) {
  const QString filter =
      QStringLiteral("%1 (*%2)").arg(QLatin1String(type.name), QLatin1String(type.suffix));
  // Asks before it replaces a file, and answers an empty text when cancelled. Qt's own dialog
  // always opens.
  const QString chosen =
      QFileDialog::getSaveFileName(owner, QLatin1String(kSaveDialogTitle), proposed, filter);
  if (chosen.isEmpty()) return {SaveChoice::Ending::Cancelled, QString()};
  return {SaveChoice::Ending::Chosen, chosen};
}

}  // namespace ui
