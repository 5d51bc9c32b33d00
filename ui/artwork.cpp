#include "ui/artwork.h"

#include <QDir>
#include <QIconEngine>
#include <QPainter>

namespace ui {

namespace {

// The window icon: the image drawn for a size where there is one, DrawIcon at any other size. It
// lists every drawn size, so that the desktop is offered them all.
class WindowIconEngine : public QIconEngine {
 public:
  WindowIconEngine() {
    for (const QFileInfo& png :
         QDir(QStringLiteral(":/icons"), QStringLiteral("*.png")).entryInfoList()) {
      const int size = png.baseName().toInt();  // "48.png" is 48 x 48
      drawn_.push_back(QSize(size, size));
    }
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    if (drawn_.contains(size)) return QPixmap(QStringLiteral(":/icons/%1.png").arg(size.width()));
    return DrawIcon(size);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    return drawn_;
  }
  QIconEngine* clone() const override { return new WindowIconEngine(*this); }

 private:
  QList<QSize> drawn_;
};

}  // namespace

QIcon WindowIcon() {
  return QIcon(new WindowIconEngine);
}

}  // namespace ui
