#include "ui/print_render.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace ui {

QRectF FitToPage(const QSizeF& widget_size, const QRectF& printable) {
  if (widget_size.isEmpty() || printable.isEmpty()) return QRectF(printable.topLeft(), QSizeF());
  const double scale =
      std::min(printable.width() / widget_size.width(), printable.height() / widget_size.height());
  return QRectF(printable.topLeft(), widget_size * scale);
}

bool RenderToPage(QWidget& widget, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // The painter's origin is the top-left corner of the printable area.
  const QRectF printable(0, 0, device.width(), device.height());
  const QRectF target = FitToPage(QSizeF(widget.size()), printable);
  painter.translate(target.topLeft());
  painter.scale(target.width() / widget.width(), target.height() / widget.height());
  widget.render(&painter, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
  return painter.end();
}

}  // namespace ui
