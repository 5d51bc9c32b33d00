#include "ui/form1.h"

#include <QAction>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "product.h"
#include "ui/layout.h"
#include "ui/link_label.h"
#include "ui/maker.h"
#include "ui/platform.h"
#include "ui/temperature_panel.h"

namespace {

QString Caption(const ui::BannerLabel& banner) {
  return QLatin1String(banner.text) + (banner.trailing_blank ? QStringLiteral(" ") : QString());
}

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
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ui::WindowTitle());
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/16.png"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/icons/32.png"), QSize(32, 32));
  setWindowIcon(icon);
  setFont(ui::MakeFont(ui::kDefaultFont));

  client_ = new QWidget(this);
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
  for (int i = 0; i < core::kCategoryCount; ++i) {
    const auto category = static_cast<core::Category>(i);
    const ui::CategoryLook& look = ui::LookOf(category);
    auto* button = new QPushButton(QLatin1String(look.button_caption), client_);
    button->setObjectName(QLatin1String(look.button));
    button->setGeometry(ui::ToPixels(ui::ButtonRect(category)));
    connect(button, &QPushButton::clicked, this, [this, category] { ShowCategory(category); });
    tab_order.push_back(button);
  }
  for (int i = 0; i < core::kCategoryCount; ++i) {
    const auto category = static_cast<core::Category>(i);
    ui::CategoryPanel*& panel = panels_[static_cast<std::size_t>(i)];
    if (const core::LinearCategory* linear = core::FindLinear(category)) {
      panel = new ui::LinearPanel(*linear, linear_, client_);
    } else {
      panel = temperature_ = new ui::TemperaturePanel(client_);
    }
    for (QLineEdit* box : panel->boxes()) tab_order.push_back(box);
  }
  for (std::size_t i = 1; i < tab_order.size(); ++i) setTabOrder(tab_order[i - 1], tab_order[i]);
  ShowCategory(core::Category::Length);

  // The client area keeps its size; the window adds the menu bar above it.
  resize(ui::Px(ui::kClientWidth), ui::Px(ui::kClientHeight) + menuBar()->sizeHint().height());
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
  auto* picture = new QLabel(client_);
  picture->setObjectName(QStringLiteral("Picture1"));
  picture->setGeometry(ui::ToPixels(ui::kPicture1));
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // unscaled, cut off at the edges
  picture->setPixmap(QPixmap(QStringLiteral(":/logo.jpg")));

  for (const ui::BannerLabel& banner : ui::kBannerLabels) {
    Place(*new QLabel(Caption(banner), client_), banner, ui::kBannerGrey);
  }
  auto* link = new ui::LinkLabel(Caption(ui::kLinkLabel), client_);
  Place(*link, ui::kLinkLabel, ui::kLinkBlue);
  connect(link, &ui::LinkLabel::activated, this, &Form1::Label6_Click);

  for (const ui::LinePlace& line : ui::kLines) {
    auto* frame = new QFrame(client_);
    frame->setObjectName(QLatin1String(line.name));
    const int x1 = ui::Px(line.x1), x2 = ui::Px(line.x2);
    const int y1 = ui::Px(line.y1), y2 = ui::Px(line.y2);
    frame->setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1,
                       std::abs(y2 - y1) + 1);
    ui::FillBackground(*frame, ui::kInk);
  }
}

void Form1::ShowCategory(core::Category category) {
  ui::CategoryPanel* shown = panels_[static_cast<std::size_t>(category)];
  for (ui::CategoryPanel* panel : panels_) {
    if (panel != shown) panel->setVisible(false);
  }
  shown->setVisible(true);
}

void Form1::Form_Load() {
  temperature_->SetStartValues();
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
