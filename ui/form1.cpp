#include "ui/form1.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "product.h"
#include "ui/layout.h"
#include "ui/maker.h"
#include "ui/platform.h"
#include "ui/print_render.h"
#include "ui/temperature_panel.h"
#include "ui/widgets.h"

namespace {

// Positions of the panels in the button row.
constexpr std::size_t kLengthPosition = 0;
constexpr std::size_t kTimePosition = 1;
constexpr std::size_t kMassPosition = 2;
constexpr std::size_t kTempPosition = 3;
constexpr std::size_t kAreaPosition = 4;

// Per linear category, in the order of core::kLinearCategories: its place in the button row
// and its two handlers.
struct LinearHandlers {
  std::size_t position;
  void (Form1::*key_press)(std::int16_t, std::int16_t&);
  void (Form1::*change)(std::int16_t);
};
constexpr std::array<LinearHandlers, 4> kLinearHandlers = {{
    {kLengthPosition, &Form1::Length1_KeyPress, &Form1::Length1_Change},
    {kTimePosition, &Form1::Time1_KeyPress, &Form1::Time1_Change},
    {kMassPosition, &Form1::Mass1_KeyPress, &Form1::Mass1_Change},
    {kAreaPosition, &Form1::Area1_KeyPress, &Form1::Area1_Change},
}};

constexpr std::size_t kLength = 0;  // positions in core::kLinearCategories
constexpr std::size_t kTime = 1;
constexpr std::size_t kMass = 2;
constexpr std::size_t kArea = 3;

// Mouse buttons and modifier keys as the mouse-move handler receives them.
std::int16_t ButtonState(Qt::MouseButtons buttons) {
  return static_cast<std::int16_t>(((buttons & Qt::LeftButton) ? 1 : 0) |
                                   ((buttons & Qt::RightButton) ? 2 : 0) |
                                   ((buttons & Qt::MiddleButton) ? 4 : 0));
}
std::int16_t ShiftState(Qt::KeyboardModifiers modifiers) {
  return static_cast<std::int16_t>(((modifiers & Qt::ShiftModifier) ? 1 : 0) |
                                   ((modifiers & Qt::ControlModifier) ? 2 : 0) |
                                   ((modifiers & Qt::AltModifier) ? 4 : 0));
}

}  // namespace

Form1::Form1() : Form1(ui::SystemPlatform()) {}

Form1::Form1(ui::Platform& platform) : platform_(platform) {
  Q_INIT_RESOURCE(ui);
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ui::WindowTitle());
  QIcon icon;
  icon.addFile(QStringLiteral(":/icons/16.png"), QSize(16, 16));
  icon.addFile(QStringLiteral(":/icons/32.png"), QSize(32, 32));
  setWindowIcon(icon);
  setFont(ui::MakeFont(ui::kDefaultFont));

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  ui::FillBackground(*client_, ui::kWindowBackground);
  setCentralWidget(client_);

  BuildMenus();
  BuildBanner();
  BuildButtons();
  for (std::size_t category = 0; category < kLinearHandlers.size(); ++category) {
    const LinearHandlers& handlers = kLinearHandlers[category];
    auto* panel = new ui::LinearPanel(
        category, *client_, linear_,
        [this, handlers](std::int16_t index, std::int16_t& key_ascii) {
          (this->*handlers.key_press)(index, key_ascii);
        },
        [this, handlers](std::int16_t index) { (this->*handlers.change)(index); });
    linear_panels_[category] = panel;
    frames_[handlers.position] = &panel->frame();
  }
  temperature_ = new ui::TemperaturePanel(*client_, updating_);
  frames_[kTempPosition] = &temperature_->frame();
  connect(&temperature_->box(ui::TemperaturePanel::kCelsius), &QLineEdit::textChanged, this,
          &Form1::Text1_Change);
  connect(&temperature_->box(ui::TemperaturePanel::kFahrenheit), &QLineEdit::textChanged, this,
          &Form1::Text2_Change);
  connect(&temperature_->box(ui::TemperaturePanel::kKelvin), &QLineEdit::textChanged, this,
          &Form1::Text3_Change);
  ShowPanel(kLengthPosition);
  SetTabOrder();

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
    auto* label = new QLabel(banner.text(), client_);
    label->setObjectName(QLatin1String(banner.name));
    label->setGeometry(ui::ToPixels(banner.rect));
    label->setFont(ui::MakeFont(banner.font));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    ui::SetTextColour(*label, banner.link ? ui::kLinkText : ui::kBannerText);
    if (banner.link) label6_ = label;
  }
  label6_->setMouseTracking(true);
  label6_->installEventFilter(this);

  for (const ui::LinePlace& line : ui::kLines) {
    auto* frame = new QFrame(client_);
    frame->setObjectName(QLatin1String(line.name));
    const int x1 = ui::Px(line.x1), x2 = ui::Px(line.x2);
    const int y1 = ui::Px(line.y1), y2 = ui::Px(line.y2);
    frame->setGeometry(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1,
                       std::abs(y2 - y1) + 1);
    ui::FillBackground(*frame, ui::kLineColour);
  }
}

void Form1::BuildButtons() {
  using Handler = void (Form1::*)();
  constexpr std::array<Handler, 5> kClicks = {&Form1::CmdLength_Click, &Form1::CmdTime_Click,
                                              &Form1::CmdMass_Click, &Form1::CmdTemp_Click,
                                              &Form1::CmdArea_Click};
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    auto* button = new QPushButton(QLatin1String(ui::kButtons[i].caption), client_);
    button->setObjectName(QLatin1String(ui::kButtons[i].name));
    button->setGeometry(ui::ToPixels(ui::ButtonRect(i)));
    connect(button, &QPushButton::clicked, this, kClicks[i]);
    buttons_[i] = button;
  }
}

// The Tab key visits the buttons from left to right, then the boxes of the visible panel in
// index order; boxes of hidden panels are skipped.
void Form1::SetTabOrder() {
  std::vector<QWidget*> order(buttons_.begin(), buttons_.end());
  const auto add_linear = [&](std::size_t category) {
    for (int i = 0; i < 9; ++i) order.push_back(&Linear(category).box(i));
  };
  add_linear(kLength);
  add_linear(kTime);
  add_linear(kMass);
  for (int scale = 0; scale < 3; ++scale) order.push_back(&temperature_->box(scale));
  add_linear(kArea);
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form1::ShowPanel(std::size_t position) {
  for (std::size_t i = 0; i < frames_.size(); ++i) {
    if (i != position) frames_[i]->setVisible(false);
  }
  frames_[position]->setVisible(true);
}

bool Form1::LinearFillInProgress() const {
  return std::any_of(linear_panels_.begin(), linear_panels_.end(),
                     [](const ui::LinearPanel* panel) { return panel->filling(); });
}

void Form1::Length1_KeyPress(std::int16_t index, std::int16_t& keyAscii) {
  Linear(kLength).KeyPress(index, keyAscii);
}
void Form1::Time1_KeyPress(std::int16_t index, std::int16_t& keyAscii) {
  Linear(kTime).KeyPress(index, keyAscii);
}
void Form1::Mass1_KeyPress(std::int16_t index, std::int16_t& keyAscii) {
  Linear(kMass).KeyPress(index, keyAscii);
}
void Form1::Area1_KeyPress(std::int16_t index, std::int16_t& keyAscii) {
  Linear(kArea).KeyPress(index, keyAscii);
}

void Form1::Length1_Change(std::int16_t index) {
  Linear(kLength).Change(index);
}
void Form1::Time1_Change(std::int16_t index) {
  Linear(kTime).Change(index);
}
void Form1::Mass1_Change(std::int16_t index) {
  Linear(kMass).Change(index);
}
void Form1::Area1_Change(std::int16_t index) {
  Linear(kArea).Change(index);
}

void Form1::Text1_Change() {
  temperature_->Change(ui::TemperaturePanel::kCelsius);
}
void Form1::Text2_Change() {
  temperature_->Change(ui::TemperaturePanel::kFahrenheit);
}
void Form1::Text3_Change() {
  temperature_->Change(ui::TemperaturePanel::kKelvin);
}

void Form1::CmdLength_Click() {
  ShowPanel(kLengthPosition);
}
void Form1::CmdTime_Click() {
  ShowPanel(kTimePosition);
}
void Form1::CmdMass_Click() {
  ShowPanel(kMassPosition);
}
void Form1::CmdTemp_Click() {
  ShowPanel(kTempPosition);
}
void Form1::CmdArea_Click() {
  ShowPanel(kAreaPosition);
}

void Form1::Form_Load() {
  temperature_->SetStartValues();
}

void Form1::mnuPrint_Click() {
  const QString title = QString::fromUtf8(product::kProductName);
  std::unique_ptr<QPrinter> printer = platform_.DefaultPrinter();
  if (!printer) {
    platform_.ShowMessage(this, title, QStringLiteral("No printer is installed."));
    return;
  }
  printer->setDocName(windowTitle());
  if (!ui::RenderToPage(*client_, *printer)) {
    platform_.ShowMessage(this, title, QStringLiteral("The window could not be printed."));
  }
}

void Form1::mnuExit_Click() {
  close();
}

void Form1::mnuAbout_Click() {
  platform_.ShowMessage(this, QStringLiteral("About"), ui::AboutText());
}

void Form1::Label6_MouseMove(std::int16_t /*button*/, std::int16_t /*shift*/, float x, float y) {
  const auto width = static_cast<float>(label6_->width() * ui::kTwipsPerPixel);
  const auto height = static_cast<float>(label6_->height() * ui::kTwipsPerPixel);
  const bool inside = x >= 0 && y >= 0 && x < width && y < height;
  if (inside) platform_.ShowHandPointer(*label6_);
}

void Form1::Label6_Click() {
  // The caption is the address followed by one blank, which the request leaves out.
  platform_.OpenUrl(QUrl(label6_->text().trimmed()));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched != label6_) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      const QPointF at = mouse->position() * ui::kTwipsPerPixel;
      Label6_MouseMove(ButtonState(mouse->buttons()), ShiftState(mouse->modifiers()),
                       static_cast<float>(at.x()), static_cast<float>(at.y()));
      break;
    }
    case QEvent::MouseButtonDblClick:
      // The second press of a left double-click makes no second click.
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        label6_double_clicked_ = true;
      }
      break;
    case QEvent::MouseButtonRelease: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      if (label6_double_clicked_) {
        label6_double_clicked_ = false;
      } else if (label6_->rect().contains(mouse->position().toPoint())) {
        Label6_Click();
      }
      break;
    }
    default:
      break;
  }
  return false;
}
