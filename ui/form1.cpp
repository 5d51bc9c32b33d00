#include "ui/form1.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QUrl>

#include <vector>

#include "product.h"
#include "ui/accessible.h"
#include "ui/artwork.h"
#include "ui/fonts.h"
#include "ui/layout.h"
#include "ui/link_label.h"
#include "ui/maker.h"
#include "ui/platform.h"
#include "ui/temperature_panel.h"

namespace {

QString Caption(const ui::BannerLabel& banner) {
  return QLatin1String(banner.text) + (banner.trailing_blank ? QStringLiteral(" ") : QString());
}

// The client area: white paper with the ruled box around the heading and the buttons. The rules
// are drawn, not widgets, so that a screen reader has nothing to stop on there.
class Letterhead : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    for (const ui::LinePlace& line : ui::kLines) painter.fillRect(ui::ToPixels(line), ui::kInk);
  }
};

void Place(QLabel& label, const ui::BannerLabel& banner, const QColor& colour) {
  label.setObjectName(QLatin1String(banner.name));
  label.setGeometry(ui::ToPixels(banner.rect));
  label.setFont(ui::MakeFont(banner.font));
  label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label.setTextFormat(Qt::PlainText);
  ui::SetTextColour(label, colour);
}

}  // namespace

Form1::Form1() : Form1(ui::SystemPlatform()) {}

Form1::Form1(ui::Platform& platform) : platform_(platform) {
  ui::InstallAccessibleInterfaces();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ui::WindowTitle());
  // The window manager takes the pixels of every size of the icon, which takes milliseconds to
  // decode: the window goes on screen first, and the icon follows at once.
  QTimer::singleShot(0, this, [this] { setWindowIcon(ui::WindowIcon()); });
  setFont(ui::MakeFont(ui::kDefaultFont));

  client_ = new Letterhead(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  ui::FillBackground(*client_, ui::kPaper);
  setCentralWidget(client_);

  print_jobs_ = new ui::PrintJobs(platform_, this);
  connect(print_jobs_, &ui::PrintJobs::finished, this, &Form1::TellPrintOutcome);
  BuildMenus();
  BuildBanner();
  // The Tab key visits the buttons from left to right, then the boxes of the visible panel in
  // order; boxes of hidden panels are skipped.
  std::vector<QWidget*> tab_order;
  std::array<QPushButton*, core::kCategoryCount> buttons{};
  for (int i = 0; i < core::kCategoryCount; ++i) {
    const auto category = static_cast<core::Category>(i);
    const ui::CategoryLook& look = ui::LookOf(category);
    auto* button = new QPushButton(QLatin1String(look.button_caption), client_);
    button->setObjectName(QLatin1String(look.button));
    button->setGeometry(ui::ToPixels(ui::ButtonRect(category)));
    ui::FollowButtonFace(*button);
    // Read out as the category's full name, as its panel's caption shows it, not "Temp.".
    button->setAccessibleName(QLatin1String(look.frame_caption));
    connect(button, &QPushButton::clicked, this, [this, category] { ShowCategory(category); });
    buttons[static_cast<std::size_t>(i)] = button;
    tab_order.push_back(button);
  }
  for (int i = 0; i < core::kCategoryCount; ++i) {
    const auto category = static_cast<core::Category>(i);
    ui::CategoryPanel*& panel = panels_[static_cast<std::size_t>(i)];
    if (const core::LinearCategory* linear = core::FindLinear(category)) {
      panel = new ui::LinearPanel(*linear, linear_, client_);
    } else {
      panel = new ui::TemperaturePanel(client_);
    }
    QStringList units;
    for (QLineEdit* box : panel->boxes()) {
      tab_order.push_back(box);
      units.push_back(box->accessibleName());
    }
    const QString last = units.takeLast();
    buttons[static_cast<std::size_t>(i)]->setAccessibleDescription(
        QStringLiteral("Shows %1 and %2").arg(units.join(QStringLiteral(", ")), last));
  }
  for (std::size_t i = 1; i < tab_order.size(); ++i) setTabOrder(tab_order[i - 1], tab_order[i]);
  ShowCategory(core::Category::Length);

  // The client area keeps its size; the window adds the menu bar above it, as high as the
  // window's layout makes it (on Windows that is a pixel more than its size hint).
  const int width = ui::Px(ui::kClientWidth);
  int menu_height = menuBar()->heightForWidth(width);
  if (menu_height < 0) menu_height = menuBar()->sizeHint().height();
  resize(width, ui::Px(ui::kClientHeight) + menu_height);
  Form_Load();
}

Form1::~Form1() = default;

void Form1::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* print = file->addAction(QStringLiteral("&Print"));
  print->setObjectName(QStringLiteral("mnuPrint"));
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  connect(print, &QAction::triggered, this, &Form1::mnuPrint_Click);
  QAction* exit = file->addAction(QStringLiteral("E&xit"));
  exit->setObjectName(QStringLiteral("mnuExit"));
  connect(exit, &QAction::triggered, this, &Form1::mnuExit_Click);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QAction* about = help->addAction(QStringLiteral("&About"));
  about->setObjectName(QStringLiteral("mnuAbout"));
  connect(about, &QAction::triggered, this, &Form1::mnuAbout_Click);
}

void Form1::BuildBanner() {
  auto* logo = new ui::Logo(client_);
  logo->setObjectName(QStringLiteral("Picture1"));
  logo->setGeometry(ui::ToPixels(ui::kPicture1));
  logo->setAccessibleName(QStringLiteral("%1 logo").arg(QLatin1String(ui::kCompanyName)));

  for (const ui::BannerLabel& banner : ui::kBannerLabels) {
    Place(*new QLabel(Caption(banner), client_), banner, ui::kBannerGrey);
  }
  auto* link = new ui::LinkLabel(Caption(ui::kLinkLabel), client_);
  Place(*link, ui::kLinkLabel, ui::kLinkBlue);
  link->setAccessibleName(QLatin1String(ui::kWebAddress));
  link->setAccessibleDescription(QStringLiteral("Opens the maker's web site in the browser"));
  connect(link, &ui::LinkLabel::activated, this, &Form1::Label6_Click);
}

void Form1::ShowCategory(core::Category category) {
  ui::CategoryPanel* shown = panels_[static_cast<std::size_t>(category)];
  for (ui::CategoryPanel* panel : panels_) {
    if (panel != shown) panel->setVisible(false);
  }
  shown->setVisible(true);
}

void Form1::Form_Load() {
  static_cast<ui::TemperaturePanel*>(panels_[static_cast<std::size_t>(core::Category::Temperature)])
      ->SetStartValues();
}

void Form1::mnuPrint_Click() {
  print_jobs_->Print(ui::TakePicture(*client_), client_->size(), windowTitle());
}

void Form1::TellPrintOutcome(ui::PrintJobs::Outcome outcome) {
  using Outcome = ui::PrintJobs::Outcome;
  QString text;
  switch (outcome) {
    case Outcome::Printed:
      return;  // the print service has it; nothing to say
    case Outcome::Cancelled:
      return;  // the user chose not to print
    case Outcome::NoPrinter:
      text = QStringLiteral("No printer is installed.");
      break;
    case Outcome::Failed:
      text = QStringLiteral("The window could not be printed.");
      break;
    case Outcome::NoAnswer:
      text = QStringLiteral("The printer did not answer within %1 seconds.")
                 .arg(ui::PrintJobs::kAnswerTime.count());
      break;
    case Outcome::Busy:
      text = QStringLiteral("The window is still being printed. Try again when it is done.");
      break;
    case Outcome::PrinterGone:
      text = QStringLiteral("The printer is no longer installed.");
      break;
  }
  Tell(QString::fromUtf8(product::kProductName), text);
}

void Form1::Tell(const QString& title, const QString& text) {
  messages_.push_back({title, text});
  if (telling_) return;  // the box open now shows this one after it
  const QScopedValueRollback<bool> telling(telling_, true);
  while (!messages_.empty()) {
    const Message message = messages_.front();
    messages_.pop_front();
    platform_.ShowMessage(this, message.title, message.text);
  }
}

void Form1::mnuExit_Click() {
  close();
}

void Form1::mnuAbout_Click() {
  Tell(QStringLiteral("About"), ui::AboutText());
}

void Form1::Label6_Click() {
  platform_.OpenUrl(QUrl(QLatin1String(ui::kWebAddress)));
}
