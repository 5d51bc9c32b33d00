// The maker's images: the logo in the banner and the window icon.
#ifndef UI_ARTWORK_H_
#define UI_ARTWORK_H_

#include <QIcon>
#include <QWidget>

#include <memory>

namespace ui {

// The images come from their vector sources, drawn by Qt SVG (artwork_svg.cpp) or, where Qt SVG
// is not to be had, from pictures rendered when the program is built (artwork_png.cpp).

// The logo: sharp at the usual device pixel ratios and on paper, at its own size of 150 x 75
// from the top-left corner, and cut off at the widget's edges.
class Logo : public QWidget {
  Q_OBJECT

 public:
  explicit Logo(QWidget* parent);
  ~Logo() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Drawing;
  std::unique_ptr<Drawing> drawing_;  // read at the first paint, after the window shows
};

// The window icon: at 16 to 256 pixels the image drawn for that size, at any other size
// DrawIcon's.
QIcon WindowIcon();
// The icon at a size it has no image for: the scalable drawing, or the largest image scaled.
QPixmap DrawIcon(const QSize& size);

}  // namespace ui

#endif  // UI_ARTWORK_H_
