#include "ui/layout.h"

#include <QPalette>
#include <QStyle>
#include <QWidget>

#include "ui/maker.h"

namespace ui {

QRect ToPixels(const TwipRect& r) {
  return QRect(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
}

QRect ToPixels(const LinePlace& line) {
  return QRect(QPoint(Px(line.x1), Px(line.y1)), QPoint(Px(line.x2), Px(line.y2))).normalized();
}

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  widget.setPalette(palette);
}

void FillBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void FollowButtonFace(QWidget& button) {
  if (button.style()->name().compare(QLatin1String("windowsvista"), Qt::CaseInsensitive) != 0) {
    return;
  }
  QPalette palette = button.palette();
  palette.setColor(QPalette::Button, kButtonFace);
  palette.setColor(QPalette::ButtonText, kInk);
  button.setPalette(palette);
}

const std::array<BannerLabel, 5> kBannerLabels = {{
    {"Label1", {2400, 0, 3015, 615}, kCompanyName, true, {Face::kArialNarrow, 2400, true}},
    {"Label2", {2520, 480, 3855, 375}, kSlogan, false, {Face::kArialNarrow, 1425, true}},
    {"Label3", {1440, 1560, 2775, 495}, kHeading, false, {Face::kArialBlack, 1575, true, true}},
    {"Label4", {2520, 840, 3255, 255}, kPostalAddress, false, {Face::kArial, 825, true}},
    {"Label5", {2520, 1080, 3375, 255}, kTelephone, false, {Face::kArial, 825, true, true}},
}};
const BannerLabel kLinkLabel{
    "Label6", {2520, 1320, 3015, 255}, kWebAddress, true, {Face::kArial, 825, true, false, true}};

const std::array<LinePlace, 4> kLines = {{
    {"Line1", 165, 1560, 165, 2640},
    {"Line2", 5635, 1560, 165, 1560},
    {"Line3", 5640, 1560, 5640, 2640},
    {"Line4", 165, 2640, 5635, 2640},
}};

const CategoryLook& LookOf(core::Category category) {
  static constexpr CategoryLook kLength{"CmdLength",
                                        "Length",
                                        "Length",
                                        "Length",
                                        "Length1",
                                        "LabelLength",
                                        255,
                                        {{{1350, 495},
                                          {3000, 615},
                                          {4680, 615},
                                          {1320, 615},
                                          {3000, 615},
                                          {4680, 615},
                                          {1320, 615},
                                          {3000, 615},
                                          {4680, 615}}}};
  static constexpr CategoryLook kTime{"CmdTime",
                                      "Time",
                                      "Time",
                                      "Time",
                                      "Time1",
                                      "Label7",
                                      375,
                                      {{{1350, 495},
                                        {3030, 495},
                                        {4700, 615},
                                        {1320, 495},
                                        {3030, 495},
                                        {4700, 615},
                                        {1320, 495},
                                        {3000, 495},
                                        {4700, 495}}}};
  static constexpr CategoryLook kMass{"CmdMass",
                                      "Mass",
                                      "Mass",
                                      "Mass",
                                      "Mass1",
                                      "Label8",
                                      375,
                                      {{{1320, 495},
                                        {3000, 495},
                                        {4680, 495},
                                        {1320, 495},
                                        {3000, 495},
                                        {4680, 495},
                                        {1320, 495},
                                        {3000, 495},
                                        {4680, 495}}}};
  static constexpr CategoryLook kTemperature{
      "CmdTemp", "Temp.",  "Temp", "Temperature",
      "",        "Label9", 255,    {{{1320, 495}, {3000, 495}, {4680, 495}}}};
  static constexpr CategoryLook kArea{"CmdArea",
                                      "Area",
                                      "Area",
                                      "Area",
                                      "Area1",
                                      "Label10",
                                      375,
                                      {{{1320, 495},
                                        {3000, 495},
                                        {4680, 495},
                                        {1350, 495},
                                        {3000, 495},
                                        {4680, 495},
                                        {1320, 495},
                                        {3000, 495},
                                        {4680, 615}}}};
  switch (category) {
    case core::Category::Length:
      return kLength;
    case core::Category::Time:
      return kTime;
    case core::Category::Mass:
      return kMass;
    case core::Category::Temperature:
      return kTemperature;
    case core::Category::Area:
      break;
  }
  return kArea;
}

TwipRect ButtonRect(core::Category category) {
  return {240 + 1080 * static_cast<int>(category), 2040, 975, 375};
}

TwipRect BoxRect(int index) {
  return {240 + 1680 * (index % 3), 240 + 360 * (index / 3), 1095, 285};
}

TwipRect LabelRect(core::Category category, int index) {
  const CategoryLook& look = LookOf(category);
  const CategoryLook::LeftWidth place = look.label_places[static_cast<std::size_t>(index)];
  return {place.left, BoxRect(index).top, place.width, look.label_height};
}

}  // namespace ui
