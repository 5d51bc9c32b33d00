// The maker's images drawn from pictures that the build renders from their vector sources.
#include "ui/artwork.h"

#include <QDir>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>

namespace ui {

namespace {

constexpr QSize kLogoSize{150, 75};

}  // namespace

// The logo's pictures, one for each ratio, and the largest ratio.
struct Logo::Drawing {
  Drawing() {
    for (const QFileInfo& file :
         QDir(QStringLiteral(":/"), QStringLiteral("logo*.png")).entryInfoList()) {
      pictures.addFile(file.filePath());
    }
    for (const QSize& size : pictures.availableSizes()) {
      largest_ratio = std::max(largest_ratio, qreal(size.width()) / kLogoSize.width());
    }
  }
  QIcon pictures;
  qreal largest_ratio = 1;
};

Logo::Logo(QWidget* parent) : QWidget(parent) {}
Logo::~Logo() = default;

void Logo::paintEvent(QPaintEvent* /*event*/) {
  if (!drawing_) drawing_ = std::make_unique<Drawing>();
  QPainter painter(this);
  // The picture for the pixels it is drawn into; the largest on paper, and in a picture taken to
  // be printed.
  const qreal ratio = painter.paintEngine()->type() == QPaintEngine::Picture
                          ? drawing_->largest_ratio
                          : painter.deviceTransform().m11();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(QRect(QPoint(0, 0), kLogoSize), drawing_->pictures.pixmap(kLogoSize, ratio));
}

QPixmap DrawIcon(const QSize& size) {
  return QPixmap(QStringLiteral(":/icons/256.png"))
      .scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace ui
