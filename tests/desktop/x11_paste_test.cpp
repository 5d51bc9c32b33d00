// X11's middle-button paste of the primary selection goes into a box as a paste does: whole,
// converted from the active box, or, when longer than a box holds, not at all.
//
// Runs on an X server of its own (tests/with_x.sh), on Qt's X11 platform: the offscreen platform
// has no selection.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/entry_box.h"
#include "ui/form1.h"

namespace {

QLineEdit* LengthBox(const Form1& form, int index) {
  for (QLineEdit* box : form.findChildren<QLineEdit*>(QStringLiteral("Length1"))) {
    if (box->property("index").toInt() == index) return box;
  }
  return nullptr;
}

TEST(MiddleButtonPaste, GoesInWholeAsAPasteOrNotAtAll) {
  ASSERT_TRUE(QGuiApplication::clipboard()->supportsSelection()) << "not on an X server";
  Form1 form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QLineEdit* metres = LengthBox(form, 1);
  QLineEdit* centimetres = LengthBox(form, 2);
  metres->selectAll();
  QTest::keyClick(metres, Qt::Key_Backspace);  // box 1 is the active box, and empty

  struct Case {
    QString selection;
    QString metres_after;
    QString centimetres_after;
  };
  const std::vector<Case> cases = {
      {QStringLiteral("7"), QStringLiteral("7"), QStringLiteral("700")},
      {QString(ui::EntryBox::kMaxText, '0') + QStringLiteral("5"), QStringLiteral("7"),
       QStringLiteral("700")},  // one character too many: refused whole
  };
  for (const Case& c : cases) {
    QGuiApplication::clipboard()->setText(c.selection, QClipboard::Selection);
    QTest::mouseClick(metres, Qt::MiddleButton, Qt::NoModifier, QPoint(2, 5));
    EXPECT_EQ(c.metres_after, metres->text()) << c.selection.size();
    EXPECT_EQ(c.centimetres_after, centimetres->text()) << c.selection.size();
  }
  EXPECT_EQ(1, form.ActiveIndex());
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
