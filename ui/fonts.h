// The typefaces the window is drawn in: which faces stand in for each, on every system, and the
// faces that travel inside the program where the system lacks them.
#ifndef UI_FONTS_H_
#define UI_FONTS_H_

#include <QFont>

namespace ui {

// A font size given in hundredths of a point, as pixels at 96 dots per inch: 825 -> 11.
constexpr int FontPixels(int hundredths_of_point) {
  return (hundredths_of_point * 4 + 150) / 300;
}

// Typefaces of the layout, each with look-alikes found on a free desktop.
enum class Face { kSansSerif, kSansSerifNarrow, kArial, kArialNarrow, kArialBlack };

struct FontSpec {
  Face face;
  int hundredths_of_point;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// The font a FontSpec asks for, in the first of the face's look-alikes the system has, sized in
// pixels.
//   MakeFont({Face::kArial, 825, true}) -> Liberation Sans, 11 pixels, bold
QFont MakeFont(const FontSpec& wanted);

}  // namespace ui

#endif  // UI_FONTS_H_
