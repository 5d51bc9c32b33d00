// Where every control of the window stands, in twips, and the fonts (their faces are in fonts.h)
// and colours it is drawn with.
//
// Places are written in twips, 1440 to the inch, which keeps them exact for the printout; Qt
// places widgets in device-independent pixels, 96 to the inch, so 15 twips make one pixel.
// Nothing here uses a layout manager: every control has a fixed rectangle in its container.
#ifndef UI_LAYOUT_H_
#define UI_LAYOUT_H_

#include <QColor>
#include <QRect>

#include <array>

#include "core/units.h"
#include "ui/fonts.h"

class QWidget;

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

// Twips to device-independent pixels, to the nearest pixel (halves up). Twips are never negative.
constexpr int Px(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A rectangle in twips, measured from its container's top-left corner.
struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

QRect ToPixels(const TwipRect& r);

// The client area below the menu bar: 391 x 293 pixels.
inline constexpr int kClientWidth = 5865;
inline constexpr int kClientHeight = 4395;

inline constexpr FontSpec kDefaultFont{Face::kSansSerif, 825};
// The unit captions are set in a narrow face so that each fits its label: at 16 pixels bold,
// Liberation Sans makes "km²=" and "cm²=" 38 pixels wide, and their labels are 33; Liberation
// Sans Narrow makes them 31.
inline constexpr FontSpec kUnitLabelFont{Face::kSansSerifNarrow, 1200, true};

// The window is a white letterhead with grey lettering, black rules and a blue link, as on its
// printout, whatever the desktop's colour scheme.
inline const QColor kPaper{255, 255, 255};
inline const QColor kBannerGrey{128, 128, 128};
inline const QColor kInk{0, 0, 0};  // the rules and the unit labels
inline const QColor kLinkBlue{0, 0, 255};

// The colour the widget's own text is drawn in.
void SetTextColour(QWidget& widget, const QColor& colour);
// A background the widget paints itself, in place of its parent's.
void FillBackground(QWidget& widget, const QColor& colour);
// Buttons follow the desktop's colours, but Windows' own style draws a button's face from the
// desktop's visual theme, light under a dark palette too: there a button keeps the light theme's
// colours, black on a light face, so that its text stands out from the face actually drawn (and,
// where the style draws no theme, from the face it draws in the button's colour).
inline const QColor kButtonFace{0xe1, 0xe1, 0xe1};  // Windows 10's light button face
void FollowButtonFace(QWidget& button);

// The banner and the heading: labels directly on the window, transparent, bold, left-aligned.
struct BannerLabel {
  const char* name;
  TwipRect rect;
  const char* text;
  bool trailing_blank;  // the caption ends in one blank after the text
  FontSpec font;
};
extern const std::array<BannerLabel, 5> kBannerLabels;  // Label1 to Label5
extern const BannerLabel kLinkLabel;                    // Label6, the web address
inline constexpr TwipRect kPicture1{0, 240, 2295, 1095};

// The ruled box around the heading and the buttons: lines of one pixel, drawn end to end.
struct LinePlace {
  const char* name;
  int x1, y1, x2, y2;
};
extern const std::array<LinePlace, 4> kLines;
// The pixels a line covers, its end points included.
QRect ToPixels(const LinePlace& line);

// What the window shows of one category: its button, its panel and the panel's unit labels.
struct CategoryLook {
  const char* button;          // "CmdLength"
  const char* button_caption;  // "Length", "Temp."
  const char* frame;           // the panel: "Length", "Temp"
  const char* frame_caption;   // "Length", "Temperature"
  const char* boxes;           // the box array, "Length1"; the temperature boxes are no array
  const char* labels;          // the label array, "LabelLength"
  int label_height;            // twips
  struct LeftWidth {
    int left;
    int width;
  };
  std::array<LeftWidth, 9> label_places;  // twips; the temperature panel has three labels
};
const CategoryLook& LookOf(core::Category category);

// The category buttons stand in one row, in the order of the categories.
TwipRect ButtonRect(core::Category category);

// All five panels share this rectangle.
inline constexpr TwipRect kPanelRect{240, 2760, 5415, 1455};

// Box i of a panel: row i / 3, column i % 3. The temperature boxes are the first row.
TwipRect BoxRect(int index);
// The unit label beside box i of the category's panel.
TwipRect LabelRect(core::Category category, int index);

}  // namespace ui

#endif  // UI_LAYOUT_H_
