// The four linear panels driven through their real boxes: typing, editing keys, pasting.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPicture>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "ui/entry_box.h"
#include "ui/linear_panel.h"
#include "ui_test_support.h"

namespace {

using uitest::Box;
using uitest::ClearByTyping;
using uitest::Texts;
using uitest::Type;

class LinearPanelTest : public ::testing::Test {
 protected:
  void SetUp() override { form.show(); }

  void Click(const char* button) {
    QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
  }

  uitest::FakePlatform platform;
  Form1 form{platform};
};

TEST_F(LinearPanelTest, StartsWithZeroInEveryBoxAndNoFill) {
  for (const char* boxes : {"Length1", "Time1", "Mass1", "Area1"}) {
    EXPECT_EQ(std::vector<QString>(9, "0"), Texts(form, boxes)) << boxes;
  }
  EXPECT_EQ(0, form.ActiveIndex());
  EXPECT_FALSE(uitest::LinearFillInProgress(form));
}

TEST_F(LinearPanelTest, TypedEntryFillsTheEightOtherBoxes) {
  struct Case {
    const char* button;
    const char* boxes;
    int index;
    QString typed;
    std::vector<QString> expected;  // the typed box keeps its text
  };
  const std::vector<Case> cases = {
      {"CmdLength",
       "Length1",
       7,
       "5",
       {"1.6666667", "1.524", "152.3999998", "1523.9999977", "1523999.9976835", "1523999997.68352",
        "0.000947", "5", "59.9999998"}},
      {"CmdLength",
       "Length1",
       1,
       "12.5",
       {"13.6701663", "12.5", "1250", "12500", "12500000", "12500000000", "0.0077671", "41.0104988",
        "492.1259838"}},
      {"CmdArea",
       "Area1",
       0,
       "1",
       {"1", "0.404687266", "0.004046873", "4840.019360116", "4046.872610638", "43560.174831376",
        "6272665.09134218", "40468726.1063789", "4046872610.63789"}},
      {"CmdTime",
       "Time1",
       3,
       "1",
       {"0.002737909", "0.142857143", "0.032854911", "1", "24", "1440", "86400", "86400000",
        "86400000000000"}},
      {"CmdMass",
       "Mass1",
       3,
       "1",
       {"0.00044643", "0.0005", "0.00045359", "1", "15.99999999", "0.45359237", "453.59237038",
        "453592.37038038", "2267.9618519"}},
      {"CmdMass", "Mass1", 3, "0", std::vector<QString>(9, "0")},
  };
  for (const Case& c : cases) {
    Click(c.button);
    QLineEdit* box = Box(form, c.boxes, c.index);
    ClearByTyping(box);
    Type(box, c.typed);
    EXPECT_EQ(c.expected, Texts(form, c.boxes)) << c.boxes << " " << c.index;
    EXPECT_EQ(c.index, form.ActiveIndex());
    EXPECT_FALSE(uitest::LinearFillInProgress(form));
  }
}

TEST_F(LinearPanelTest, EveryKeystrokeRunsAFill) {
  QLineEdit* metres = Box(form, "Length1", 1);
  QLineEdit* yards = Box(form, "Length1", 0);
  ClearByTyping(metres);
  const std::vector<std::pair<QString, QString>> steps = {
      {"1", "1.0936133"}, {"2", "13.1233596"}, {".", "13.1233596"}, {"5", "13.6701663"}};
  for (const auto& [key, expected_yards] : steps) {
    Type(metres, key);
    EXPECT_EQ(expected_yards, yards->text()) << metres->text().toStdString();
  }
  EXPECT_EQ("12.5", metres->text());
  EXPECT_DOUBLE_EQ(12.5, form.SourceValue());
  EXPECT_DOUBLE_EQ(492.1259838, form.ConvertedValue());  // inches come last
}

TEST_F(LinearPanelTest, TypingAfterTheStartZeroKeepsTheLeadingZero) {
  QLineEdit* feet = Box(form, "Length1", 7);
  feet->end(false);
  Type(feet, "5");
  EXPECT_EQ("05", feet->text());
  EXPECT_EQ("1.524", Box(form, "Length1", 1)->text());
}

// Part of the text selected is not the whole text: "." then follows the one-point rule.
TEST_F(LinearPanelTest, DecimalPointWithPartOfTheTextSelected) {
  struct Case {
    QString before;
    int select_from, select_length;
    QString after;
  };
  const std::vector<Case> cases = {
      {"15", 1, 1, "1."},    // no "." yet: replaces the selected "5"
      {"1.5", 0, 1, "1.5"},  // a "." elsewhere in the text: refused
      {"1.5", 0, 3, "."},    // the whole text: accepted
  };
  QLineEdit* metres = Box(form, "Length1", 1);
  for (const Case& c : cases) {
    ClearByTyping(metres);
    Type(metres, c.before);
    metres->setSelection(c.select_from, c.select_length);
    Type(metres, ".");
    EXPECT_EQ(c.after, metres->text()) << c.before.toStdString();
  }
}

// Text that arrives in one piece, as from an input method or a composed key, passes the filter
// character by character or not at all.
TEST_F(LinearPanelTest, TextNotTypedKeyByKeyCannotSlipPastTheFilter) {
  QLineEdit* feet = Box(form, "Length1", 7);
  QLineEdit* metres = Box(form, "Length1", 1);
  ClearByTyping(feet);
  Type(feet, "2");
  EXPECT_FALSE(feet->testAttribute(Qt::WA_InputMethodEnabled));

  QKeyEvent refused(QEvent::KeyPress, 0, Qt::NoModifier, "5x-");
  QApplication::sendEvent(feet, &refused);
  EXPECT_EQ("2", feet->text());
  EXPECT_EQ("0.6096", metres->text());

  QLineEdit* millimetres = Box(form, "Length1", 3);
  QKeyEvent second_point(QEvent::KeyPress, 0, Qt::NoModifier, "5.");
  QApplication::sendEvent(millimetres, &second_point);  // it shows "609.5999991"
  EXPECT_EQ("609.5999991", millimetres->text());
  EXPECT_EQ(3, form.ActiveIndex());

  millimetres->selectAll();
  QKeyEvent accepted(QEvent::KeyPress, 0, Qt::NoModifier, "5.");
  QApplication::sendEvent(millimetres, &accepted);
  EXPECT_EQ("5.", millimetres->text());
  EXPECT_EQ("0.005", metres->text());

  // Judged as the text it makes: two points typed at once into "2" would make "2..".
  ClearByTyping(feet);
  Type(feet, "2");
  QKeyEvent two_points(QEvent::KeyPress, 0, Qt::NoModifier, "..");
  QApplication::sendEvent(feet, &two_points);
  EXPECT_EQ("2", feet->text());
}

// The keypad's decimal key types the point, with Ctrl too, where the layout gives it ",": that
// point then follows the rules and the undo history of a typed one.
TEST_F(LinearPanelTest, KeypadDecimalKeyTypesThePoint) {
  QLineEdit* yards = Box(form, "Length1", 0);
  ClearByTyping(yards);
  Type(yards, "5.5");
  yards->undo();
  const QString undone = yards->text();
  for (const Qt::KeyboardModifiers modifiers :
       {Qt::KeyboardModifiers(Qt::KeypadModifier), Qt::KeypadModifier | Qt::ControlModifier}) {
    ClearByTyping(yards);
    QTest::keyClick(yards, Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(yards, Qt::Key_Comma, modifiers);
    QTest::keyClick(yards, Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ("5.5", yards->text()) << modifiers.toInt();
    EXPECT_EQ("5.0292", Box(form, "Length1", 1)->text()) << modifiers.toInt();
    QTest::keyClick(yards, Qt::Key_Comma, modifiers);  // a second point
    EXPECT_EQ("5.5", yards->text()) << modifiers.toInt();
    yards->undo();
    EXPECT_EQ(undone, yards->text()) << modifiers.toInt();
  }
}

// The handlers are public: an index outside 0 to 8 changes nothing and reads no box.
TEST_F(LinearPanelTest, HandlersIgnoreIndicesOutsideTheArray) {
  Type(Box(form, "Length1", 4), "7");
  const std::vector<QString> before = Texts(form, "Length1");
  auto* panel = form.findChild<ui::LinearPanel*>("Length");
  for (const std::int16_t index : {std::int16_t{-1}, std::int16_t{9}, std::int16_t{32767}}) {
    std::int16_t key = '5';
    panel->KeyPress(index, key);
    panel->Change(index);
    EXPECT_EQ(4, form.ActiveIndex()) << index;
    EXPECT_EQ(before, Texts(form, "Length1")) << index;
  }
}

TEST_F(LinearPanelTest, DecimalPointRules) {
  struct Case {
    QString before;
    bool select_all;
    QString after;
    QString yards_after;  // box 0, filled from box 1 (metres) when the entry is readable
  };
  const std::vector<Case> cases = {
      {"1.5", false, "1.5", "1.64042"},  // a second "." is refused
      {"1.5", true, ".", "1.64042"},     // replaces the selection; a lone "." converts nothing
      {"0", false, "0.", "0"},           // reads as 0
      {"15", false, "15.", "16.4041995"},
      {"", false, ".", "1.64042"},  // an empty box has its whole (empty) text selected
  };
  QLineEdit* metres = Box(form, "Length1", 1);
  QLineEdit* yards = Box(form, "Length1", 0);
  for (const Case& c : cases) {
    ClearByTyping(metres);
    Type(metres, "1.5");  // yards now 1.64042
    if (c.before != "1.5") {
      ClearByTyping(metres);
      Type(metres, c.before);
    }
    if (c.select_all) metres->selectAll();
    Type(metres, ".");
    EXPECT_EQ(c.after, metres->text()) << c.before.toStdString();
    EXPECT_EQ(c.yards_after, yards->text()) << c.before.toStdString();
  }
}

TEST_F(LinearPanelTest, RefusedKeysLeaveTheTextButMakeTheBoxActive) {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  };
  const std::vector<Case> cases = {
      {Qt::Key_Minus, Qt::NoModifier},  {Qt::Key_Plus, Qt::ShiftModifier},
      {Qt::Key_Comma, Qt::NoModifier},  {Qt::Key_Space, Qt::NoModifier},
      {Qt::Key_E, Qt::NoModifier},      {Qt::Key_E, Qt::ShiftModifier},
      {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Escape, Qt::NoModifier},
      {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
      {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier},
      {Qt::Key_A, Qt::ControlModifier},
  };
  QApplication::clipboard()->setText("7");
  QLineEdit* feet = Box(form, "Length1", 7);
  Type(feet, "3");  // "03"; leaves something for cut and undo to change
  const std::vector<QString> before = Texts(form, "Length1");
  for (int i = 0; i < static_cast<int>(cases.size()); ++i) {
    const Case& c = cases[static_cast<std::size_t>(i)];
    QLineEdit* box = Box(form, "Length1", i % 9);
    if (box != feet) box->selectAll();  // so that a cut or a paste would show
    QTest::keyClick(box, c.key, c.modifiers);
    EXPECT_EQ(before, Texts(form, "Length1")) << "key " << c.key;
    EXPECT_EQ(i % 9, form.ActiveIndex()) << "key " << c.key;
  }
}

TEST_F(LinearPanelTest, EditingKeysPassAndLeaveTheActiveBox) {
  QLineEdit* yards = Box(form, "Length1", 0);
  QLineEdit* cm = Box(form, "Length1", 2);
  ClearByTyping(yards);
  Type(yards, "2");  // active box 0
  const std::vector<QString> filled = Texts(form, "Length1");

  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Right}) {
    QTest::keyClick(cm, key);
    EXPECT_EQ(0, form.ActiveIndex()) << key;
  }
  QTest::keyClick(cm, Qt::Key_G, Qt::AltModifier);  // an access key no menu has types nothing
  EXPECT_EQ(0, form.ActiveIndex());
  EXPECT_EQ(filled, Texts(form, "Length1"));

  // Shift+Insert pastes: the change in box 2 refills from the active box 0, over the paste.
  QApplication::clipboard()->setText("7");
  cm->selectAll();
  QTest::keyClick(cm, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(0, form.ActiveIndex());
  EXPECT_EQ(filled, Texts(form, "Length1"));

  // Delete removes the selected text; the change fills from box 0 again.
  cm->selectAll();
  QTest::keyClick(cm, Qt::Key_Delete);
  EXPECT_EQ(0, form.ActiveIndex());
  EXPECT_EQ("", cm->text());  // an empty box converts nothing and is not refilled
  EXPECT_EQ(filled[1], Box(form, "Length1", 1)->text());
}

TEST_F(LinearPanelTest, BackspaceToEmptyKeepsTheLastReadableValues) {
  QLineEdit* metres = Box(form, "Length1", 1);
  ClearByTyping(metres);
  Type(metres, "12");
  QTest::keyClick(metres, Qt::Key_Backspace);
  const std::vector<QString> for_one = Texts(form, "Length1");
  EXPECT_EQ("1.0936133", for_one[0]);
  QTest::keyClick(metres, Qt::Key_Backspace);
  std::vector<QString> expected = for_one;
  expected[1] = "";
  EXPECT_EQ(expected, Texts(form, "Length1"));
}

TEST_F(LinearPanelTest, ActiveIndexIsSharedAcrossPanelsAndKeptBySwitching) {
  Type(Box(form, "Length1", 3), "4");  // Length box 3 becomes the active box
  Click("CmdMass");
  EXPECT_EQ(3, form.ActiveIndex());

  QLineEdit* grams = Box(form, "Mass1", 6);
  QTest::keyClick(grams, Qt::Key_Home);
  QTest::keyClick(grams, Qt::Key_Delete);
  EXPECT_EQ("", grams->text());
  std::vector<QString> expected(9, "0");
  expected[6] = "";
  EXPECT_EQ(expected, Texts(form, "Mass1"));

  // A paste into box 6 fills from Mass box 3, overwriting the pasted "7".
  QApplication::clipboard()->setText("7");
  grams->paste();
  EXPECT_EQ(std::vector<QString>(9, "0"), Texts(form, "Mass1"));
  EXPECT_EQ(3, form.ActiveIndex());
}

TEST_F(LinearPanelTest, SwitchingPanelsKeepsTheirTexts) {
  Type(Box(form, "Length1", 7), "5");
  const std::vector<QString> length = Texts(form, "Length1");
  Click("CmdArea");
  Type(Box(form, "Area1", 0), "1");
  const std::vector<QString> area = Texts(form, "Area1");
  for (const char* button : {"CmdTime", "CmdTemp", "CmdLength", "CmdMass", "CmdArea"}) {
    Click(button);
    EXPECT_EQ(length, Texts(form, "Length1")) << button;
    EXPECT_EQ(area, Texts(form, "Area1")) << button;
  }
}

// How a widget comes out drawn at a device pixel ratio, on screen or through a picture as the
// printout draws the window; inside the frame, which shows where the focus is.
QImage Drawn(QWidget& widget, qreal ratio, bool on_paper) {
  QImage image((QSizeF(widget.size()) * ratio).toSize(), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::red);
  if (on_paper) {
    QPicture picture;
    QPainter painter(&picture);
    widget.render(&painter);
    painter.end();
    QPainter(&image).drawPicture(0, 0, picture);
  } else {
    widget.render(&image);
  }
  const QRectF inside = QRectF(widget.rect().adjusted(3, 3, -3, -3));
  return image.copy(QRectF(inside.topLeft() * ratio, inside.size() * ratio).toRect());
}

// With 1000 miles, and 1000 long tons with every box scrolled to its end by tabbing through,
// every box but the focused one draws a number that reads as its text, in full or in fewer digits;
// on paper the focused one too. Only the drawing changes: text, tooltip and screen reader keep
// the whole number.
TEST_F(LinearPanelTest, NumbersTooWideForTheirBoxesAreDrawnInDigitsThatFit) {
  ASSERT_TRUE(uitest::ShowActive(form));
  Type(Box(form, "Length1", 6), "1000");
  Click("CmdMass");
  Type(Box(form, "Mass1", 0), "1000");
  for (int i = 0; i < 11; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ("1.60934449789256E+15", Box(form, "Length1", 5)->text());
  EXPECT_EQ("1609344497892.56", Box(form, "Length1", 4)->text());
  EXPECT_EQ("1016046908.39848", Box(form, "Mass1", 6)->text());
  EXPECT_EQ("1119.99999862", Box(form, "Mass1", 1)->text());
  int fitted = 0;
  for (const char* boxes : {"Length1", "Mass1"}) {
    for (int i = 0; i < 9; ++i) {
      auto& box = *static_cast<ui::EntryBox*>(Box(form, boxes, i));
      const QString whole = box.text();
      const QString shown = box.FittedText();
      if (shown.isEmpty()) continue;
      ++fitted;
      // One of the core's shorter forms of the text, and it fits the box's line.
      bool rounding = false;
      for (int n = 1; n <= core::kMaxShortDigits; ++n) {
        rounding =
            rounding || *core::ShortNumberText(whole.toStdString(), n) == shown.toStdString();
      }
      EXPECT_TRUE(rounding) << shown.toStdString() << " for " << whole.toStdString();
      EXPECT_LT(box.fontMetrics().horizontalAdvance(shown), box.contentsRect().width() - 4);
      // Drawn exactly where, and as, a line edit draws that form as its own text.
      QLineEdit twin(shown, box.parentWidget());
      twin.setGeometry(box.geometry());
      twin.setFont(box.font());
      twin.setPalette(box.palette());
      twin.setCursorPosition(0);
      const bool focused = box.hasFocus();
      for (const qreal ratio : {1.0, 1.5, 2.0}) {
        EXPECT_TRUE(Drawn(twin, ratio, true) == Drawn(box, ratio, true)) << shown.toStdString();
        EXPECT_EQ(Drawn(twin, ratio, false) == Drawn(box, ratio, false), !focused)
            << shown.toStdString();
      }
      EXPECT_EQ(whole, QAccessible::queryAccessibleInterface(&box)->text(QAccessible::Value));
      QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), box.mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(&box, &hover);
      EXPECT_EQ(!focused, QToolTip::text() == whole);
    }
  }
  EXPECT_GE(fitted, 9);
}

// An entry that cannot be converted writes nothing, and the next readable one converts.
TEST_F(LinearPanelTest, UnconvertibleEntriesWriteNothing) {
  struct Case {
    const char* button;
    const char* boxes;
    int index;
    QString inserted;  // replaces the box's whole text, as a paste does
  };
  const std::vector<Case> cases = {
      {"CmdLength", "Length1", 1, "abc"},
      {"CmdLength", "Length1", 1, "1 2"},
      {"CmdLength", "Length1", 1, "1" + QString(309, '0')},  // beyond the largest double
      {"CmdLength", "Length1", 6, "2e296"},                  // miles into nanometres
      {"CmdArea", "Area1", 0, "1e300"},                      // acres into square millimetres
      {"CmdTime", "Time1", 0, "1e293"},                      // years into nanoseconds
      {"CmdMass", "Mass1", 1, "1.7976931348623157e308"},
  };
  for (const Case& c : cases) {
    Click(c.button);
    QLineEdit* box = Box(form, c.boxes, c.index);
    ClearByTyping(box);
    Type(box, "2");
    std::vector<QString> expected = Texts(form, c.boxes);
    box->selectAll();
    box->insert(c.inserted);
    expected[static_cast<std::size_t>(c.index)] = c.inserted;
    EXPECT_EQ(expected, Texts(form, c.boxes)) << c.inserted.toStdString();
    EXPECT_FALSE(uitest::LinearFillInProgress(form));

    ClearByTyping(box);
    Type(box, "3");
    const std::vector<QString> refilled = Texts(form, c.boxes);
    EXPECT_NE(expected[(static_cast<std::size_t>(c.index) + 1) % 9],
              refilled[(static_cast<std::size_t>(c.index) + 1) % 9])
        << "no fill after " << c.inserted.toStdString();
  }
}

TEST_F(LinearPanelTest, EditingAnotherBoxWhileTheActiveBoxIsEmptyWritesNothing) {
  Type(Box(form, "Length1", 0), "12");
  QLineEdit* cm = Box(form, "Length1", 2);
  ClearByTyping(cm);  // box 2 is active and empty
  const std::vector<QString> before = Texts(form, "Length1");
  QLineEdit* nm = Box(form, "Length1", 5);
  QTest::keyClick(nm, Qt::Key_Home);
  QTest::keyClick(nm, Qt::Key_Delete);  // "10972800000" loses its first digit
  std::vector<QString> expected = before;
  expected[5] = before[5].mid(1);
  EXPECT_EQ(expected, Texts(form, "Length1"));
  EXPECT_EQ(2, form.ActiveIndex());
}

TEST_F(LinearPanelTest, ExponentDisplayTextEditedIntoNonsenseWritesNothing) {
  QLineEdit* nm = Box(form, "Length1", 5);
  ClearByTyping(nm);
  Type(nm, "10");
  QLineEdit* mm = Box(form, "Length1", 3);
  ASSERT_EQ("1E-05", mm->text());
  const std::vector<QString> before = Texts(form, "Length1");
  mm->end(false);
  Type(mm, ".");  // accepted: the display text holds no "."
  std::vector<QString> expected = before;
  expected[3] = "1E-05.";
  EXPECT_EQ(expected, Texts(form, "Length1"));
  EXPECT_EQ(3, form.ActiveIndex());
}

// Writes made by a fill start no further fill: each other box is written exactly once, while the
// fill is in progress.
TEST_F(LinearPanelTest, FillWritesEachOtherBoxOnceUnderTheGuard) {
  std::map<int, int> writes;
  bool all_guarded = true;
  for (int i = 0; i < 9; ++i) {
    QObject::connect(Box(form, "Area1", i), &QLineEdit::textChanged, &form, [&, i] {
      ++writes[i];
      if (i != 4) all_guarded = all_guarded && uitest::LinearFillInProgress(form);
    });
  }
  Click("CmdArea");
  Type(Box(form, "Area1", 4), "7");  // "07"
  EXPECT_TRUE(all_guarded);
  EXPECT_FALSE(uitest::LinearFillInProgress(form));
  const std::map<int, int> once = {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1},
                                   {5, 1}, {6, 1}, {7, 1}, {8, 1}};
  EXPECT_EQ(once, writes);
}

}  // namespace
