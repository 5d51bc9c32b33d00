// A label that works as a link: the hand pointer over it, and one activation per left click.
#ifndef UI_LINK_LABEL_H_
#define UI_LINK_LABEL_H_

#include <QLabel>

namespace ui {

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent);

 public slots:
  // As a click does; for a screen reader's press.
  void activate() { emit activated(); }

 signals:
  // A left click, pressed and released over the label, or a press by a screen reader. A
  // double-click is one click.
  void activated();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool double_clicked_ = false;  // the next left release ends a double-click
};

}  // namespace ui

#endif  // UI_LINK_LABEL_H_
