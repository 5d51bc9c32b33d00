// Puts an image of a widget, as it shows now, on one page of a printer or PDF.
#ifndef UI_PRINT_RENDER_H_
#define UI_PRINT_RENDER_H_

#include <QRectF>

class QPagedPaintDevice;
class QWidget;

namespace ui {

// The rectangle, in the device's pixels, that a widget of `widget_size` pixels fills on a page
// whose printable area is `printable`: as large as fits, keeping its proportions, at the
// printable area's top-left corner.
QRectF FitToPage(const QSizeF& widget_size, const QRectF& printable);

// Draws the widget and its visible children onto the device's current page, scaled to fit the
// printable area. Widgets draw themselves through the printer's painter, so text and lines come
// out at the printer's own resolution. False when the device cannot be painted on (an
// unreachable printer, an unwritable file).
bool RenderToPage(QWidget& widget, QPagedPaintDevice& device);

}  // namespace ui

#endif  // UI_PRINT_RENDER_H_
