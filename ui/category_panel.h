// The frame of one category's panel: white, at the place all five panels share, with its caption
// in the top border, holding the category's boxes and unit labels.
#ifndef UI_CATEGORY_PANEL_H_
#define UI_CATEGORY_PANEL_H_

#include <QGroupBox>
#include <QList>

#include <vector>

#include "core/units.h"

class QKeyEvent;
class QLabel;
class QLineEdit;

namespace ui {

class EntryBox;

class CategoryPanel : public QGroupBox {
  Q_OBJECT

 public:
  CategoryPanel(core::Category category, QWidget* parent);

  core::Category category() const { return category_; }
  // The entry boxes in the order the Tab key visits them.
  QList<QLineEdit*> boxes() const;

 protected:
  // One unit of the panel: its box's name, the unit in words and its label's caption.
  struct UnitRow {
    QString box;
    QString in_words;
    QString caption;
  };
  // Lays out box i and its label for each row i: the labels first, so that a box is drawn over
  // a label it overlaps, each the buddy of its box. The accessible name of the box and of its
  // label is the unit in words. Boxes of an array carry their index; single boxes do not.
  std::vector<EntryBox*> AddUnits(const std::vector<UnitRow>& rows, bool array);

 private:
  core::Category category_;
};

// Writes a box's text from the program, and shows it from its first character.
void WriteBox(QLineEdit& box, const QString& text);

// The keypad's decimal key types the point under every keyboard layout. When the layout gives it
// another character, the box is sent the same key carrying "." instead, which its filter, its undo
// history and its change handling take as a typed point. True when it was sent: the key filter
// then drops the original.
bool RetypeKeypadDecimal(QObject& box, const QKeyEvent& key);

}  // namespace ui

#endif  // UI_CATEGORY_PANEL_H_
