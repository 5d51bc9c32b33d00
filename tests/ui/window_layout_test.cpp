// The window as laid out: every control's place, caption, font and colour; panels and tab order.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "ui/category_panel.h"
#include "ui_test_support.h"

namespace {

using uitest::Box;
using uitest::Control;
using uitest::Label;

class WindowLayoutTest : public ::testing::Test {
 protected:
  uitest::FakePlatform platform;
  Form1 form{platform};
};

struct Placed {
  const char* name;
  int index;   // -1 for a control that is not an array member
  QRect rect;  // pixels in its container
  QString caption;
};

std::string Describe(const Placed& p) {
  return std::string(p.name) + "[" + std::to_string(p.index) + "]";
}

QString CaptionOf(QWidget* widget) {
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
  return QString();
}

TEST_F(WindowLayoutTest, ControlsDirectlyOnTheWindow) {
  const std::vector<Placed> controls = {
      {"Picture1", -1, {0, 16, 153, 73}, ""},
      {"Label1", -1, {160, 0, 201, 41}, "Brelvan, Inc "},
      {"Label2", -1, {168, 32, 257, 25}, "Every measure, every time"},
      {"Label4", -1, {168, 56, 217, 17}, "4410 Quarry Road, Millbrook, OH 43099"},
      {"Label5", -1, {168, 72, 225, 17}, "Tel (614) 555-0142  FAX (614) 555-0143"},
      {"Label6", -1, {168, 88, 201, 17}, "http://www.brelvan.example/ "},
      {"Label3", -1, {96, 104, 185, 33}, "Unit Converter"},
      {"CmdLength", -1, {16, 136, 65, 25}, "Length"},
      {"CmdTime", -1, {88, 136, 65, 25}, "Time"},
      {"CmdMass", -1, {160, 136, 65, 25}, "Mass"},
      {"CmdTemp", -1, {232, 136, 65, 25}, "Temp."},
      {"CmdArea", -1, {304, 136, 65, 25}, "Area"},
      {"Length", -1, {16, 184, 361, 97}, "Length"},
      {"Time", -1, {16, 184, 361, 97}, "Time"},
      {"Mass", -1, {16, 184, 361, 97}, "Mass"},
      {"Temp", -1, {16, 184, 361, 97}, "Temperature"},
      {"Area", -1, {16, 184, 361, 97}, "Area"},
  };
  for (const Placed& p : controls) {
    QWidget* widget = form.findChild<QWidget*>(p.name);
    ASSERT_NE(nullptr, widget) << p.name;
    EXPECT_EQ(&form.ClientArea(), widget->parentWidget()) << p.name;
    EXPECT_EQ(p.rect, widget->geometry()) << p.name;
    EXPECT_EQ(p.caption, CaptionOf(widget)) << p.name;
  }
}

// The ruled box is drawn on the window: black at its four sides, white just inside and outside.
TEST_F(WindowLayoutTest, RuledBoxAroundTheHeadingAndButtons) {
  const QImage image = form.ClientArea().grab().toImage();
  const std::vector<std::pair<QPoint, bool>> pixels = {
      {{11, 150}, true},  {{376, 150}, true},  {{200, 104}, true},  {{200, 176}, true},
      {{11, 104}, true},  {{376, 176}, true},  {{12, 150}, false},  {{375, 150}, false},
      {{10, 150}, false}, {{377, 150}, false}, {{200, 177}, false}, {{200, 178}, false},
  };
  for (const auto& [at, ink] : pixels) {
    EXPECT_EQ(ink ? QColor(Qt::black) : QColor(Qt::white), image.pixelColor(at))
        << at.x() << "," << at.y();
  }
}

TEST_F(WindowLayoutTest, BoxesAndUnitLabelsOfEveryPanel) {
  struct Panel {
    const char* frame;
    const char* boxes;
    const char* labels;
    int label_height;
    std::vector<QString> captions;
    std::vector<std::pair<int, int>> label_left_width;
  };
  const std::vector<Panel> panels = {
      {"Length",
       "Length1",
       "LabelLength",
       17,
       {"yd=", "m=", "cm=", "mm=", "\u00B5m=", "nm=", "Mi=", "ft=", "in"},
       {{90, 33},
        {200, 41},
        {312, 41},
        {88, 41},
        {200, 41},
        {312, 41},
        {88, 41},
        {200, 41},
        {312, 41}}},
      {"Time",
       "Time1",
       "Label7",
       25,
       {"yr=", "wk=", "mo=", "d=", "hr=", "min=", "s=", "ms=", "ns"},
       {{90, 33},
        {202, 33},
        {313, 41},
        {88, 33},
        {202, 33},
        {313, 41},
        {88, 33},
        {200, 33},
        {313, 33}}},
      {"Mass",
       "Mass1",
       "Label8",
       25,
       {"t.l=", "t.s=", "t=", "lb=", "oz=", "kg=", "g=", "mg=", "ct"},
       {{88, 33},
        {200, 33},
        {312, 33},
        {88, 33},
        {200, 33},
        {312, 33},
        {88, 33},
        {200, 33},
        {312, 33}}},
      {"Area",
       "Area1",
       "Label10",
       25,
       {"ac=", "ha=", "km\u00B2=", "yd\u00B2=", "m\u00B2=", "ft\u00B2=", "in\u00B2=", "cm\u00B2=",
        "mm\u00B2"},
       {{88, 33},
        {200, 33},
        {312, 33},
        {90, 33},
        {200, 33},
        {312, 33},
        {88, 33},
        {200, 33},
        {312, 41}}},
  };
  for (const Panel& panel : panels) {
    QWidget* frame = form.findChild<QGroupBox*>(panel.frame);
    ASSERT_NE(nullptr, frame);
    for (int i = 0; i < 9; ++i) {
      const int top = 16 + 24 * (i / 3);
      QLineEdit* box = Box(form, panel.boxes, i);
      QLabel* label = Label(form, panel.labels, i);
      ASSERT_NE(nullptr, box) << panel.boxes << i;
      ASSERT_NE(nullptr, label) << panel.labels << i;
      EXPECT_EQ(frame, box->parentWidget());
      EXPECT_EQ(frame, label->parentWidget());
      EXPECT_EQ(QRect(16 + 112 * (i % 3), top, 73, 19), box->geometry()) << panel.boxes << i;
      const auto [left, width] = panel.label_left_width[static_cast<std::size_t>(i)];
      EXPECT_EQ(QRect(left, top, width, panel.label_height), label->geometry())
          << panel.labels << i;
      EXPECT_EQ(panel.captions[static_cast<std::size_t>(i)], label->text()) << panel.labels << i;
    }
  }
}

TEST_F(WindowLayoutTest, TemperaturePanel) {
  const std::vector<Placed> controls = {
      {"Text1", -1, {16, 16, 73, 19}, "0"},         {"Text2", -1, {128, 16, 73, 19}, "0"},
      {"Text3", -1, {240, 16, 73, 19}, "0"},        {"Label9", 0, {88, 16, 33, 17}, "\u00B0C="},
      {"Label9", 1, {200, 16, 33, 17}, "\u00B0F="}, {"Label9", 2, {312, 16, 33, 17}, "\u00B0K"},
  };
  QWidget* frame = form.findChild<QGroupBox*>("Temp");
  for (const Placed& p : controls) {
    QWidget* widget = Control(form, p.name, p.index);
    ASSERT_NE(nullptr, widget) << Describe(p);
    EXPECT_EQ(frame, widget->parentWidget()) << Describe(p);
    EXPECT_EQ(p.rect, widget->geometry()) << Describe(p);
    EXPECT_EQ(p.caption, CaptionOf(widget)) << Describe(p);
  }
}

TEST_F(WindowLayoutTest, BoxesAreDrawnOverTheLabelsTheyOverlap) {
  // "m=" (index 1) reaches one pixel into box 2.
  QWidget* frame = form.findChild<QGroupBox*>("Length");
  QWidget* top = frame->childAt(240, 20);
  EXPECT_EQ(Box(form, "Length1", 2), top);
  EXPECT_TRUE(Label(form, "LabelLength", 1)->geometry().contains(240, 20));
}

TEST_F(WindowLayoutTest, FontsAndColours) {
  struct Styled {
    const char* name;
    int index;
    int pixels;
    bool bold, italic, underline;
    QColor text;
  };
  const QColor grey(128, 128, 128);
  const std::vector<Styled> labels = {
      {"Label1", -1, 32, true, false, false, grey},
      {"Label2", -1, 19, true, false, false, grey},
      {"Label3", -1, 21, true, true, false, grey},
      {"Label4", -1, 11, true, false, false, grey},
      {"Label5", -1, 11, true, true, false, grey},
      {"Label6", -1, 11, true, false, true, QColor(0, 0, 255)},
      {"LabelLength", 4, 16, true, false, false, Qt::black},
      {"Label10", 8, 16, true, false, false, Qt::black},
      {"Label9", 2, 16, true, false, false, Qt::black},
  };
  for (const Styled& s : labels) {
    QLabel* label = Label(form, s.name, s.index);
    ASSERT_NE(nullptr, label) << s.name;
    EXPECT_EQ(s.pixels, label->font().pixelSize()) << s.name;
    EXPECT_EQ(s.bold, label->font().bold()) << s.name;
    EXPECT_EQ(s.italic, label->font().italic()) << s.name;
    EXPECT_EQ(s.underline, label->font().underline()) << s.name;
    EXPECT_EQ(s.text, label->palette().color(QPalette::WindowText)) << s.name;
    // Banner labels let the window's white show through; unit labels paint their own white.
    EXPECT_EQ(s.index >= 0, label->autoFillBackground()) << s.name;
  }
  EXPECT_EQ(11, Box(form, "Mass1", 0)->font().pixelSize());
}

// Every caption fits the width laid out for it, in the font it is drawn in.
TEST_F(WindowLayoutTest, EveryCaptionFitsItsLabel) {
  int measured = 0;
  for (const QLabel* label : form.findChildren<QLabel*>()) {
    const QFontMetrics metrics(label->font());
    const int width = std::max(metrics.horizontalAdvance(label->text()),
                               metrics.boundingRect(label->text()).right() + 1);
    EXPECT_LE(width, label->width())
        << label->objectName().toStdString() << " \"" << label->text().toStdString() << "\" in "
        << QFontInfo(label->font()).family().toStdString();
    ++measured;
  }
  EXPECT_EQ(6 + 4 * 9 + 3, measured);
}

// The relative luminance of a colour, as contrast ratios are reckoned.
double Luminance(QColor colour) {
  const auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

// How far the ink of an image stands out from its background: the contrast ratio between its
// most common colour and the pixel least like it, 1 (nothing to see) to 21 (black on white).
double InkContrast(const QImage& image) {
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  }
  const QRgb background =
      std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        return a.second < b.second;
      })->first;
  const double paper = Luminance(QColor(background));
  double ratio = 1;
  for (const auto& [rgb, count] : counts) {
    const double ink = Luminance(QColor(rgb));
    ratio = std::max(ratio, (std::max(ink, paper) + 0.05) / (std::min(ink, paper) + 0.05));
  }
  return ratio;
}

// Under a light and under a dark desktop palette, every caption, label, button and box text
// stands out from what lies behind it on screen.
TEST(WindowColours, EveryTextStandsOutUnderLightAndDarkPalettes) {
  QPalette dark;
  for (const auto& [role, colour] : std::vector<std::pair<QPalette::ColorRole, QColor>>{
           {QPalette::Window, QColor(0x2b, 0x2b, 0x2b)},
           {QPalette::WindowText, QColor(0xee, 0xee, 0xee)},
           {QPalette::Base, QColor(0x1e, 0x1e, 0x1e)},
           {QPalette::AlternateBase, QColor(0x35, 0x35, 0x35)},
           {QPalette::Text, QColor(0xee, 0xee, 0xee)},
           {QPalette::Button, QColor(0x3c, 0x3c, 0x3c)},
           {QPalette::ButtonText, QColor(0xee, 0xee, 0xee)},
           {QPalette::Highlight, QColor(0x3d, 0xae, 0xe9)},
           {QPalette::HighlightedText, QColor(0xff, 0xff, 0xff)},
       }) {
    dark.setColor(role, colour);
  }
  const QPalette light = QApplication::style()->standardPalette();
  for (const auto& [name, palette] : {std::pair{"light", light}, std::pair{"dark", dark}}) {
    QApplication::setPalette(palette);
    uitest::FakePlatform platform;
    Form1 form(platform);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (auto* panel : form.findChildren<QGroupBox*>()) {
      form.ShowCategory(static_cast<ui::CategoryPanel*>(panel)->category());
      const QImage shown = form.ClientArea().grab().toImage();
      // Each text-bearing widget's place on screen, and for a panel its caption's.
      std::vector<std::pair<QString, QRect>> places;
      const auto place = [&](const QWidget* widget, QRect rect) {
        places.emplace_back(widget->objectName(),
                            rect.translated(widget->mapTo(&form.ClientArea(), QPoint(0, 0))));
      };
      const QFontMetrics caption(panel->font());
      place(panel, QRect(8, 0, caption.horizontalAdvance(panel->title()), caption.height()));
      for (auto* label : form.ClientArea().findChildren<QLabel*>()) {
        if (label->isVisible()) place(label, label->contentsRect());
      }
      for (auto* button : form.findChildren<QPushButton*>()) place(button, button->rect());
      for (auto* box : panel->findChildren<QLineEdit*>())
        place(box, box->rect().adjusted(3, 3, -3, -3));
      for (const auto& [object, rect] : places) {
        EXPECT_GE(InkContrast(shown.copy(rect)), 3.0)
            << name << " palette: " << object.toStdString() << " in "
            << panel->objectName().toStdString();
      }
    }
  }
  QApplication::setPalette(light);
}

TEST_F(WindowLayoutTest, EveryBoxSaysItsUnitInWords) {
  for (const char* boxes : {"Length1", "Time1", "Mass1", "Area1"}) {
    QStringList names;
    for (int i = 0; i < 9; ++i) names << Box(form, boxes, i)->accessibleName();
    names.removeDuplicates();
    EXPECT_EQ(9, names.size()) << boxes;
  }
  const std::vector<std::tuple<const char*, int, QString>> spot_checks = {
      {"Length1", 0, "yards"},          {"Length1", 4, "micrometres"},
      {"Area1", 4, "square metres"},    {"Area1", 2, "square kilometres"},
      {"Mass1", 8, "carats"},           {"Time1", 8, "nanoseconds"},
      {"Text1", -1, "degrees Celsius"}, {"Text2", -1, "degrees Fahrenheit"},
      {"Text3", -1, "kelvins"},
  };
  for (const auto& [name, index, words] : spot_checks) {
    EXPECT_EQ(words, Box(form, name, index)->accessibleName()) << name << index;
  }
}

TEST_F(WindowLayoutTest, WindowTitleMenusAndIcon) {
  EXPECT_EQ("Form1", form.objectName());
  EXPECT_EQ("Brelvan, Inc. Unit Converter (http://www.brelvan.example/)", form.windowTitle());
  // Every size from 16 to 256 pixels, and any other from the scalable drawing, once the window
  // has come up.
  QCoreApplication::processEvents();
  const QList<QSize> sizes = form.windowIcon().availableSizes();
  for (int size : {16, 32, 48, 64, 128, 256})
    EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
  EXPECT_EQ(QSize(512, 512), form.windowIcon().pixmap(QSize(512, 512)).size());
  // At 16 pixels, the image drawn on the pixel grid for that size, not the drawing shrunk.
  const QImage drawn = QImage(":/icons/16.png").convertToFormat(QImage::Format_ARGB32);
  const QImage shown =
      form.windowIcon().pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(drawn.size(), shown.size());
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      const QColor a = drawn.pixelColor(x, y), b = shown.pixelColor(x, y);
      ASSERT_LE(std::abs(a.alpha() - b.alpha()) + std::abs(a.red() - b.red()) +
                    std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()),
                8)
          << x << "," << y;
    }
  }

  QMenu* file = form.findChild<QMenu*>("mnuFile");
  QMenu* help = form.findChild<QMenu*>("mnuHelp");
  ASSERT_NE(nullptr, file);
  ASSERT_NE(nullptr, help);
  EXPECT_EQ("&File", file->title());
  EXPECT_EQ("&Help", help->title());
  const QList<QAction*> file_items = file->actions();
  ASSERT_EQ(2, file_items.size());
  EXPECT_EQ("mnuPrint", file_items[0]->objectName());
  EXPECT_EQ("&Print", file_items[0]->text());
  EXPECT_EQ(QKeySequence("Ctrl+P"), file_items[0]->shortcut());
  EXPECT_EQ("mnuExit", file_items[1]->objectName());
  EXPECT_EQ("E&xit", file_items[1]->text());
  ASSERT_EQ(1, help->actions().size());
  EXPECT_EQ("mnuAbout", help->actions()[0]->objectName());
  EXPECT_EQ("&About", help->actions()[0]->text());
}

// The logo keeps its logical size at every device pixel ratio, and at ratios above 1 it has the
// detail of its drawing, not the pixels of the 1x image stretched.
TEST_F(WindowLayoutTest, LogoIsSharpAtEveryPixelRatio) {
  QWidget* logo = form.findChild<QWidget*>("Picture1");
  const auto draw = [&](qreal ratio) {
    QImage image((QSizeF(logo->size()) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    logo->render(&image);
    return image;
  };
  const auto rightmost_ink = [](const QImage& image) {
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 128) right = std::max(right, x);
      }
    }
    return right;
  };
  const QImage once = draw(1);
  for (const qreal ratio : {1.5, 2.0}) {
    const QImage sharp = draw(ratio);
    EXPECT_NEAR(rightmost_ink(once) * ratio, rightmost_ink(sharp), 2 * ratio) << ratio;
    const QImage stretched = once.scaled(sharp.size());
    int differing = 0;
    for (int y = 0; y < sharp.height(); ++y) {
      for (int x = 0; x < sharp.width(); ++x) {
        differing += std::abs(qGray(sharp.pixel(x, y)) - qGray(stretched.pixel(x, y))) > 64;
      }
    }
    EXPECT_GT(differing, sharp.width() * sharp.height() / 50) << ratio;
  }
}

TEST_F(WindowLayoutTest, ClientAreaIs391By293AndResizingMovesNothing) {
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  EXPECT_EQ(QSize(391, 293), form.ClientArea().size());
  const QRect panel = form.findChild<QGroupBox*>("Length")->geometry();
  const QRect button = form.findChild<QPushButton*>("CmdArea")->geometry();
  for (const QSize size : {QSize(600, 500), QSize(200, 150)}) {
    form.resize(size);
    QApplication::processEvents();
    EXPECT_EQ(panel, form.findChild<QGroupBox*>("Length")->geometry());
    EXPECT_EQ(button, form.findChild<QPushButton*>("CmdArea")->geometry());
  }
}

TEST_F(WindowLayoutTest, ButtonsShowExactlyTheLastClickedPanel) {
  const std::vector<const char*> frames = {"Length", "Time", "Mass", "Temp", "Area"};
  const auto visible = [&] {
    std::vector<std::string> shown;
    for (const char* frame : frames) {
      if (!form.findChild<QGroupBox*>(frame)->isHidden()) shown.push_back(frame);
    }
    return shown;
  };
  EXPECT_EQ(std::vector<std::string>{"Length"}, visible());
  const std::vector<std::pair<const char*, const char*>> clicks = {
      {"CmdArea", "Area"}, {"CmdTime", "Time"},     {"CmdTime", "Time"},     {"CmdTemp", "Temp"},
      {"CmdMass", "Mass"}, {"CmdLength", "Length"}, {"CmdLength", "Length"},
  };
  form.show();
  for (const auto& [button, frame] : clicks) {
    QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
    EXPECT_EQ(std::vector<std::string>{frame}, visible()) << button;
    // The banner, the heading and the buttons stay visible.
    for (const char* always : {"Label1", "Label3", "Picture1", "CmdArea"}) {
      EXPECT_TRUE(form.findChild<QWidget*>(always)->isVisible()) << always;
    }
  }
}

TEST_F(WindowLayoutTest, TabVisitsTheButtonsThenTheVisiblePanelsBoxes) {
  ASSERT_TRUE(uitest::ShowActive(form));
  const auto visit = [&](const char* button, int presses) {
    auto* start = form.findChild<QPushButton*>(button);
    QTest::mouseClick(start, Qt::LeftButton);
    std::vector<std::string> order;
    for (int i = 0; i < presses; ++i) {
      QWidget* focus = QApplication::focusWidget();
      const QVariant index = focus ? focus->property("index") : QVariant();
      order.push_back(focus ? focus->objectName().toStdString() +
                                  (index.isValid() ? std::to_string(index.toInt()) : "")
                            : "none");
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    return order;
  };
  const std::vector<std::string> buttons = {"CmdLength", "CmdTime", "CmdMass", "CmdTemp",
                                            "CmdArea"};
  std::vector<std::string> length = buttons;
  for (int i = 0; i < 9; ++i) length.push_back("Length1" + std::to_string(i));
  length.push_back("CmdLength");
  EXPECT_EQ(length, visit("CmdLength", 15));

  std::vector<std::string> temp = {"CmdTemp", "CmdArea",   "Text1",  "Text2",
                                   "Text3",   "CmdLength", "CmdTime"};
  EXPECT_EQ(temp, visit("CmdTemp", 7));

  std::vector<std::string> area = {"CmdArea"};
  for (int i = 0; i < 9; ++i) area.push_back("Area1" + std::to_string(i));
  area.push_back("CmdLength");
  EXPECT_EQ(area, visit("CmdArea", 11));
}

}  // namespace
