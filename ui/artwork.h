// The maker's images: the logo in the banner and the window icon.
#ifndef UI_ARTWORK_H_
#define UI_ARTWORK_H_

#include <QIcon>
#include <QSvgRenderer>
#include <QWidget>

#include <memory>

namespace ui {

// The logo, drawn from its vector source: sharp at any device pixel ratio and on paper, at its
// own size of 150 x 75 from the top-left corner, and cut off at the widget's edges.
class Logo : public QWidget {
  Q_OBJECT

 public:
  explicit Logo(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::unique_ptr<QSvgRenderer> drawing_;  // read at the first paint, after the window shows
};

// The window icon: at 16 to 256 pixels the image drawn for that size, at any other size the
// scalable drawing.
QIcon WindowIcon();

}  // namespace ui

#endif  // UI_ARTWORK_H_
