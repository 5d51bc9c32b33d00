#include "ui/link_label.h"

#include <QMouseEvent>

namespace ui {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a left double-click makes no second click.
  if (event->button() == Qt::LeftButton) double_clicked_ = true;
  QLabel::mouseDoubleClickEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    if (double_clicked_) {
      double_clicked_ = false;
    } else if (rect().contains(event->position().toPoint())) {
      emit activated();
    }
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace ui
