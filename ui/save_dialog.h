// The save dialog a printout gets when the printer writes it into a file. Each system has its
// own file: save_dialog_windows.cpp opens Windows' own dialog, since the Qt the Windows program is
// built with leaves Qt's file dialog out; save_dialog_qt.cpp opens Qt's.
#ifndef UI_SAVE_DIALOG_H_
#define UI_SAVE_DIALOG_H_

#include <QString>

#include "ui/platform.h"

class QWidget;

namespace ui {

// As Windows' own PDF printer titles the dialog it opens for its file.
inline constexpr char kSaveDialogTitle[] = "Save Print Output As";

// A modal save dialog owned by `owner`'s window, for Platform::AskWhereToSave.
SaveChoice SaveDialog(QWidget* owner, const QString& proposed, const PrintFileType& type);

}  // namespace ui

#endif  // UI_SAVE_DIALOG_H_
