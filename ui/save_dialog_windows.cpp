// Windows' own save dialog, from the common dialog library.
#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <QDir>
#include <QWidget>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/save_dialog.h"

namespace ui {

SaveChoice SaveDialog(QWidget* owner, const QString& proposed, const PrintFileType& type) {
  const QString pattern = QLatin1Char('*') + QLatin1String(type.suffix);
  // Pairs of a type's name and its pattern, each text ending in a null, and one more at the end
  // (c_str's).
  const std::wstring filter = (QStringLiteral("%1 (%2)").arg(QLatin1String(type.name), pattern) +
                               QChar() + pattern + QChar())
                                  .toStdWString();
  const std::wstring title = QString::fromLatin1(kSaveDialogTitle).toStdWString();
  const std::wstring suffix = QString::fromLatin1(type.suffix).mid(1).toStdWString();  // no dot
  // The dialog starts in the proposed file's folder with its name, and writes the chosen path
  // over it: room for the longest path Windows has, 32,767 characters, and the null.
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring start = QDir::toNativeSeparators(proposed).toStdWString();
  std::copy_n(start.begin(), std::min(start.size(), file.size() - 1), file.begin());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner != nullptr ? reinterpret_cast<HWND>(owner->window()->winId()) : nullptr;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = suffix.c_str();  // added to a name typed without one
  dialog.Flags =
      OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  // False when cancelled, and when no dialog could be opened; the common dialogs' own error
  // tells which, and is none for a cancel.
  if (GetSaveFileNameW(&dialog) == 0) {
    return {
        CommDlgExtendedError() == 0 ? SaveChoice::Ending::Cancelled : SaveChoice::Ending::Failed,
        QString()};
  }
  return {SaveChoice::Ending::Chosen, QString::fromWCharArray(file.data())};
}

}  // namespace ui
