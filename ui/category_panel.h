// The frame of one category's panel: white, at the place all five panels share, with its caption
// in the top border, holding the category's boxes and unit labels.
#ifndef UI_CATEGORY_PANEL_H_
#define UI_CATEGORY_PANEL_H_

#include <QGroupBox>
#include <QList>

#include "core/units.h"

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
  // The unit label beside box `index`, a member of the panel's label array.
  QLabel* AddLabel(int index, const QString& caption);
  // An entry box at the place of box `index`, with an accessible name that says its unit in
  // words, and `label` as its label. A member of a box array carries its index; a single box
  // does not.
  EntryBox* AddBox(int index, const QString& name, bool array, const QString& unit_in_words,
                   QLabel& label);

 private:
  core::Category category_;
};

// Writes a box's text from the program, and shows it from its first character.
void WriteBox(QLineEdit& box, const QString& text);

}  // namespace ui

#endif  // UI_CATEGORY_PANEL_H_
