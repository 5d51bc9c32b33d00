// Where every control of the window stands, in twips, and the fonts and colours it is drawn with.
//
// Positions are kept in twips, 1440 to the inch, as the window was designed; Qt places widgets
// in device-independent pixels, 96 to the inch, so 15 twips make one pixel. Nothing here uses a
// layout manager: every control has a fixed rectangle in its container.
#ifndef UI_LAYOUT_H_
#define UI_LAYOUT_H_

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <array>
#include <cstddef>
#include <string_view>

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

// Twips to device-independent pixels, to the nearest pixel (halves up). Twips are never negative.
constexpr int Px(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A font size given in hundredths of a point, as pixels at 96 dots per inch: 825 -> 11.
constexpr int FontPixels(int hundredths_of_point) {
  return (hundredths_of_point * 4 + 150) / 300;
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

// Typefaces of the layout. Each falls back to look-alikes found on a free desktop.
enum class Face { kSansSerif, kArial, kArialNarrow, kArialBlack };

struct FontSpec {
  Face face;
  int hundredths_of_point;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

QFont MakeFont(const FontSpec& wanted);

inline constexpr FontSpec kDefaultFont{Face::kSansSerif, 825};
inline constexpr FontSpec kUnitLabelFont{Face::kSansSerif, 1200, true};

// Fixed colours in place of the desktop's configurable ones.
inline const QColor kWindowBackground{255, 255, 255};  // title-bar text colour
inline const QColor kBannerText{128, 128, 128};        // application workspace
inline const QColor kLineColour{0, 0, 0};              // window text
inline const QColor kLabelText{0, 0, 0};               // button text
inline const QColor kLinkText{0, 0, 255};
inline const QColor kPanelBackground{255, 255, 255};

// The banner and the heading: labels directly on the window, transparent, bold, left-aligned.
struct BannerLabel {
  const char* name;
  TwipRect rect;
  QString (*text)();
  FontSpec font;
  bool link;  // blue instead of the banner grey
};
extern const std::array<BannerLabel, 6> kBannerLabels;  // Label1 to Label6
inline constexpr TwipRect kPicture1{0, 240, 2295, 1095};

// The ruled box around the heading and the buttons: lines of one pixel, drawn end to end.
struct LinePlace {
  const char* name;
  int x1, y1, x2, y2;
};
extern const std::array<LinePlace, 4> kLines;

// Category buttons in one row, left to right: Length, Time, Mass, Temp., Area.
struct ButtonPlace {
  const char* name;
  const char* caption;
};
extern const std::array<ButtonPlace, 5> kButtons;
TwipRect ButtonRect(std::size_t position);

// All five panels share this rectangle.
inline constexpr TwipRect kPanelRect{240, 2760, 5415, 1455};

// Box i of a linear panel: row i / 3, column i % 3.
TwipRect LinearBoxRect(int index);
// Label i of the linear category with the given position in core::kLinearCategories.
TwipRect LinearLabelRect(std::size_t category, int index);

// The temperature panel: one row of three boxes, each followed by its label.
TwipRect TemperatureBoxRect(int index);
TwipRect TemperatureLabelRect(int index);

}  // namespace ui

#endif  // UI_LAYOUT_H_
