#include "ui/fonts.h"

#include <QDir>
#include <QFontDatabase>

namespace ui {

namespace {

// Adds the faces that travel inside the program, where the system lacks them (on Windows), to
// the faces Qt finds; a program without any adds nothing.
bool LoadBundledFaces() {
  for (const QFileInfo& face : QDir(QStringLiteral(":/fonts")).entryInfoList(QDir::Files)) {
    QFontDatabase::addApplicationFont(face.filePath());
  }
  return true;
}

}  // namespace

// The Liberation faces come first: the layout is measured in them, and with them every system
// draws the same letters. The others have the same widths, or come near them. The narrow faces
// are narrow by themselves; asked for a condensed stretch as well, Windows squeezes them further.
QFont MakeFont(const FontSpec& wanted) {
  [[maybe_unused]] static const bool loaded = LoadBundledFaces();
  QFont font;
  switch (wanted.face) {
    case Face::kSansSerif:
      font.setFamilies({"Liberation Sans", "MS Sans Serif", "Microsoft Sans Serif", "Nimbus Sans",
                        "DejaVu Sans", "Sans"});
      break;
    case Face::kSansSerifNarrow:
      font.setFamilies({"Liberation Sans Narrow", "Arial Narrow", "Nimbus Sans Narrow",
                        "DejaVu Sans Condensed"});
      break;
    case Face::kArial:
      font.setFamilies({"Liberation Sans", "Arial", "Nimbus Sans", "DejaVu Sans", "Sans"});
      break;
    case Face::kArialNarrow:
      font.setFamilies({"Liberation Sans Narrow", "Arial Narrow", "Nimbus Sans Narrow",
                        "DejaVu Sans Condensed", "Sans"});
      break;
    case Face::kArialBlack:
      font.setFamilies({"Liberation Sans", "Arial Black", "Nimbus Sans", "DejaVu Sans", "Sans"});
      break;
  }
  font.setStyleHint(QFont::SansSerif);
  // Hinted only vertically, as Linux desktops hint by default: on Windows the letters are then
  // drawn with DirectWrite in their own weights, which GDI's full hinting thins.
  font.setHintingPreference(QFont::PreferVerticalHinting);
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

}  // namespace ui
