#include "ui/artwork.h"

#include <QDir>
#include <QIconEngine>
#include <QPainter>

#include <utility>
#include <vector>

namespace ui {

Logo::Logo(QWidget* parent) : QWidget(parent) {}

void Logo::paintEvent(QPaintEvent* /*event*/) {
  if (!drawing_) drawing_ = std::make_unique<QSvgRenderer>(QStringLiteral(":/logo.svg"));
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  drawing_->render(&painter, QRectF(QPointF(0, 0), drawing_->defaultSize()));
}

namespace {

// The window icon: the image drawn for a size where there is one, the scalable drawing at any
// other size. It lists every drawn size, so that the desktop is offered them all.
class WindowIconEngine : public QIconEngine {
 public:
  WindowIconEngine() {
    for (const QFileInfo& png :
         QDir(QStringLiteral(":/icons"), QStringLiteral("*.png")).entryInfoList()) {
      const int size = png.baseName().toInt();  // "48.png" is 48 x 48
      drawn_.emplace_back(QSize(size, size), png.filePath());
    }
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    for (const auto& [drawn_size, path] : drawn_) {
      if (drawn_size == size) return QPixmap(path);
    }
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(QStringLiteral(":/icons/icon.svg")).render(&painter);
    return pixmap;
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    QList<QSize> sizes;
    for (const auto& drawn : drawn_) sizes.push_back(drawn.first);
    return sizes;
  }
  QIconEngine* clone() const override { return new WindowIconEngine(*this); }

 private:
  std::vector<std::pair<QSize, QString>> drawn_;
};

}  // namespace

QIcon WindowIcon() {
  return QIcon(new WindowIconEngine);
}

}  // namespace ui
