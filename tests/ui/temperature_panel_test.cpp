// The temperature panel driven through its real boxes.
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ui_test_support.h"

namespace {

using uitest::Box;
using uitest::ClearByTyping;
using uitest::Type;

class TemperaturePanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>("CmdTemp"), Qt::LeftButton);
  }

  QLineEdit* Scale(int i) { return Box(form, i == 0 ? "Text1" : i == 1 ? "Text2" : "Text3"); }
  std::array<QString, 3> Texts() { return {Scale(0)->text(), Scale(1)->text(), Scale(2)->text()}; }

  uitest::FakePlatform platform;
  Form1 form{platform};
};

TEST_F(TemperaturePanelTest, StartsAtZeroInAllThreeBoxes) {
  EXPECT_EQ((std::array<QString, 3>{"0", "0", "0"}), Texts());
  EXPECT_FALSE(uitest::Updating(form));
}

TEST_F(TemperaturePanelTest, TypedEntryConvertsIntoTheTwoOtherScales) {
  struct Case {
    int source;  // 0 Celsius, 1 Fahrenheit, 2 Kelvin
    QString typed;
    std::array<QString, 3> expected;
  };
  const std::vector<Case> cases = {
      {0, "100", {"100", "212", "373.15"}},
      {0, "-40", {"-40", "-40", "233.15"}},
      {1, "98.6", {"37", "98.6", "310.15"}},
      {1, "98.60", {"37", "98.60", "310.15"}},  // the source keeps its text
      {2, "0", {"-273.15", "-459.67", "0"}},
      {0, "-273.15", {"-273.15", "-459.67", "6.103516E-06"}},
      {0, "5-", {"5-", "23", "268.15"}},
      {0, "-4", {"-4", "24.8", "269.15"}},
  };
  for (const Case& c : cases) {
    ClearByTyping(Scale(c.source));
    Type(Scale(c.source), c.typed);
    EXPECT_EQ(c.expected, Texts()) << c.typed.toStdString();
    EXPECT_FALSE(uitest::Updating(form));
  }
}

TEST_F(TemperaturePanelTest, LoneMinusAndEmptyBoxChangeNothingElse) {
  Type(Scale(1), "5");  // "05" Fahrenheit
  const std::array<QString, 3> converted = Texts();
  ClearByTyping(Scale(0));
  EXPECT_EQ((std::array<QString, 3>{"", converted[1], converted[2]}), Texts());
  Type(Scale(0), "-");
  EXPECT_EQ((std::array<QString, 3>{"-", converted[1], converted[2]}), Texts());
  Type(Scale(0), "4");
  EXPECT_EQ((std::array<QString, 3>{"-4", "24.8", "269.15"}), Texts());
  ClearByTyping(Scale(1));
  EXPECT_EQ((std::array<QString, 3>{"-4", "", "269.15"}), Texts());
}

// Rejected, unreadable or overflowing entries leave both targets as they were.
TEST_F(TemperaturePanelTest, UnconvertibleEntriesChangeNeitherTarget) {
  const std::vector<QString> entries = {
      "1,5",
      "1.2.3",
      "--3",
      "12a",
      ".",
      "-",  // rejected by the entry test
      "-.",
      "1-2",                   // accepted, but not a number
      "9" + QString(39, '9'),  // beyond the largest single
      "2" + QString(38, '0'),  // Celsius fine, Fahrenheit overflows
  };
  Type(Scale(0), "1");  // "01"
  const std::array<QString, 3> before = Texts();
  for (const QString& entry : entries) {
    Scale(0)->selectAll();
    Scale(0)->insert(entry);
    EXPECT_EQ((std::array<QString, 3>{entry, before[1], before[2]}), Texts())
        << entry.toStdString();
    EXPECT_FALSE(uitest::Updating(form)) << entry.toStdString();
  }
  ClearByTyping(Scale(0));
  Type(Scale(0), "100");
  EXPECT_EQ((std::array<QString, 3>{"100", "212", "373.15"}), Texts());
}

// Kelvin 3e38 converts into Celsius, the first target, but overflows in Fahrenheit, the second:
// the first result must not be written on its own either.
TEST_F(TemperaturePanelTest, SecondTargetOverflowLeavesTheFirstAsWell) {
  Type(Scale(2), "1");  // Kelvin "01"
  const std::array<QString, 3> before = Texts();
  Scale(2)->selectAll();
  Scale(2)->insert("3" + QString(38, '0'));
  EXPECT_EQ((std::array<QString, 3>{before[0], before[1], "3" + QString(38, '0')}), Texts());
  EXPECT_FALSE(uitest::Updating(form));
}

// The program's own writes run the targets' handlers while the busy flag is raised, so they
// convert nothing back.
TEST_F(TemperaturePanelTest, WritesIntoTargetsHappenUnderTheBusyFlag) {
  std::vector<bool> flag_during_writes;
  for (int target : {0, 2}) {
    QObject::connect(Scale(target), &QLineEdit::textChanged, &form,
                     [&] { flag_during_writes.push_back(uitest::Updating(form)); });
  }
  ClearByTyping(Scale(1));
  Type(Scale(1), "98.6");
  // "98." converts to what "98" did, so its writes change no text and signal nothing.
  EXPECT_EQ(std::vector<bool>(6, true), flag_during_writes);
  EXPECT_FALSE(uitest::Updating(form));
}

TEST_F(TemperaturePanelTest, EveryKeyReachesTheBoxButAltCombinations) {
  ClearByTyping(Scale(0));
  Type(Scale(0), "1a");  // no filter: the letter goes in and makes the entry unusable
  EXPECT_EQ((std::array<QString, 3>{"1a", "33.8", "274.15"}), Texts());
  QTest::keyClick(Scale(0), Qt::Key_Backspace);
  QTest::keyClick(Scale(0), Qt::Key_G, Qt::AltModifier);
  EXPECT_EQ("1", Scale(0)->text());
  // The keypad's decimal key types the point where the layout gives it ",".
  QTest::keyClick(Scale(0), Qt::Key_Comma, Qt::KeypadModifier);
  QTest::keyClick(Scale(0), Qt::Key_5, Qt::KeypadModifier);
  EXPECT_EQ((std::array<QString, 3>{"1.5", "34.7", "274.65"}), Texts());
}

TEST_F(TemperaturePanelTest, LoadHandlerWritesZeroWithoutConverting) {
  Type(Scale(0), "37");
  form.Form_Load();
  EXPECT_EQ((std::array<QString, 3>{"0", "0", "0"}), Texts());
  EXPECT_FALSE(uitest::Updating(form));
  // A conversion after it would have made Kelvin 273.15.
  Type(Scale(0), "5");
  EXPECT_EQ((std::array<QString, 3>{"05", "41", "278.15"}), Texts());
}

TEST_F(TemperaturePanelTest, TextsSurviveSwitchingPanels) {
  ClearByTyping(Scale(2));
  Type(Scale(2), "300");
  const std::array<QString, 3> shown = Texts();
  for (const char* button : {"CmdLength", "CmdArea", "CmdTemp"}) {
    QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
  }
  EXPECT_EQ(shown, Texts());
}

}  // namespace
