#include "ui/layout.h"

#include <QStringList>

#include "ui/maker.h"

namespace ui {

QRect ToPixels(const TwipRect& r) {
  return QRect(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
}

QFont MakeFont(const FontSpec& wanted) {
  QFont font;
  switch (wanted.face) {
    case Face::kSansSerif:
      font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Nimbus Sans",
                        "DejaVu Sans", "Sans"});
      break;
    case Face::kArial:
      font.setFamilies({"Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans", "Sans"});
      break;
    case Face::kArialNarrow:
      font.setFamilies({"Arial Narrow", "Liberation Sans Narrow", "Nimbus Sans Narrow",
                        "DejaVu Sans Condensed", "Sans"});
      font.setStretch(QFont::Condensed);
      break;
    case Face::kArialBlack:
      font.setFamilies({"Arial Black", "Liberation Sans", "Nimbus Sans", "DejaVu Sans", "Sans"});
      break;
  }
  font.setStyleHint(QFont::SansSerif);
  // Sizes in pixels, so that text keeps its place in the pixel layout whatever the screen's
  // logical resolution, and renders to the same proportions on a printer.
  font.setPixelSize(FontPixels(wanted.hundredths_of_point));
  font.setWeight(wanted.face == Face::kArialBlack ? QFont::Black
                 : wanted.bold                    ? QFont::Bold
                                                  : QFont::Normal);
  font.setItalic(wanted.italic);
  font.setUnderline(wanted.underline);
  return font;
}

namespace {
QString CompanyCaption() {
  return QLatin1String(kCompanyName) + QLatin1Char(' ');
}
QString SloganCaption() {
  return QLatin1String(kSlogan);
}
QString HeadingCaption() {
  return QLatin1String(kHeading);
}
QString AddressCaption() {
  return QLatin1String(kPostalAddress);
}
QString TelephoneCaption() {
  return QLatin1String(kTelephone);
}
}  // namespace

const std::array<BannerLabel, 6> kBannerLabels = {{
    {"Label1", {2400, 0, 3015, 615}, CompanyCaption, {Face::kArialNarrow, 2400, true}, false},
    {"Label2", {2520, 480, 3855, 375}, SloganCaption, {Face::kArialNarrow, 1425, true}, false},
    {"Label3",
     {1440, 1560, 2775, 495},
     HeadingCaption,
     {Face::kArialBlack, 1575, true, true},
     false},
    {"Label4", {2520, 840, 3255, 255}, AddressCaption, {Face::kArial, 825, true}, false},
    {"Label5", {2520, 1080, 3375, 255}, TelephoneCaption, {Face::kArial, 825, true, true}, false},
    {"Label6", {2520, 1320, 3015, 255}, LinkCaption, {Face::kArial, 825, true, false, true}, true},
}};

const std::array<LinePlace, 4> kLines = {{
    {"Line1", 165, 1560, 165, 2640},
    {"Line2", 5635, 1560, 165, 1560},
    {"Line3", 5640, 1560, 5640, 2640},
    {"Line4", 165, 2640, 5635, 2640},
}};

const std::array<ButtonPlace, 5> kButtons = {{
    {"CmdLength", "Length"},
    {"CmdTime", "Time"},
    {"CmdMass", "Mass"},
    {"CmdTemp", "Temp."},
    {"CmdArea", "Area"},
}};

TwipRect ButtonRect(std::size_t position) {
  return {240 + 1080 * static_cast<int>(position), 2040, 975, 375};
}

TwipRect LinearBoxRect(int index) {
  return {240 + 1680 * (index % 3), 240 + 360 * (index / 3), 1095, 285};
}

namespace {
struct LeftWidth {
  int left;
  int width;
};
// Per category in the order Length, Time, Mass, Area; then per unit index.
constexpr std::array<std::array<LeftWidth, 9>, 4> kUnitLabels = {{
    {{{1350, 495},
      {3000, 615},
      {4680, 615},
      {1320, 615},
      {3000, 615},
      {4680, 615},
      {1320, 615},
      {3000, 615},
      {4680, 615}}},
    {{{1350, 495},
      {3030, 495},
      {4700, 615},
      {1320, 495},
      {3030, 495},
      {4700, 615},
      {1320, 495},
      {3000, 495},
      {4700, 495}}},
    {{{1320, 495},
      {3000, 495},
      {4680, 495},
      {1320, 495},
      {3000, 495},
      {4680, 495},
      {1320, 495},
      {3000, 495},
      {4680, 495}}},
    {{{1320, 495},
      {3000, 495},
      {4680, 495},
      {1350, 495},
      {3000, 495},
      {4680, 495},
      {1320, 495},
      {3000, 495},
      {4680, 615}}},
}};
constexpr std::array<int, 4> kUnitLabelHeights = {255, 375, 375, 375};
}  // namespace

TwipRect LinearLabelRect(std::size_t category, int index) {
  const LeftWidth place = kUnitLabels[category][static_cast<std::size_t>(index)];
  return {place.left, LinearBoxRect(index).top, place.width, kUnitLabelHeights[category]};
}

TwipRect TemperatureBoxRect(int index) {
  return {240 + 1680 * index, 240, 1095, 285};
}

TwipRect TemperatureLabelRect(int index) {
  return {1320 + 1680 * index, 240, 495, 255};
}

}  // namespace ui
