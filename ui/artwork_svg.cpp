// The maker's images drawn from their vector sources by Qt SVG.
#include "ui/artwork.h"

#include <QPainter>
#include <QSvgRenderer>

namespace ui {

struct Logo::Drawing {
  QSvgRenderer vectors{QStringLiteral(":/logo.svg")};
};

Logo::Logo(QWidget* parent) : QWidget(parent) {}
Logo::~Logo() = default;

void Logo::paintEvent(QPaintEvent* /*event*/) {
  if (!drawing_) drawing_ = std::make_unique<Drawing>();
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  drawing_->vectors.render(&painter, QRectF(QPointF(0, 0), drawing_->vectors.defaultSize()));
}

QPixmap DrawIcon(const QSize& size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  QSvgRenderer(QStringLiteral(":/icons/icon.svg")).render(&painter);
  return pixmap;
}

}  // namespace ui
