// An event storm against the real window: random typing, pasting, deleting and clicking from a
// fixed seed, with the window's promises checked after every event. On a violation it prints the
// seed and the shortest event sequence it finds that still shows the fault.
//
// BVN_STORM_SEED and BVN_STORM_EVENTS override the seed and the number of events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/linear_fill.h"
#include "core/number_text.h"
#include "core/temperature.h"
#include "ui/category_panel.h"
#include "ui/entry_box.h"
#include "ui/layout.h"
#include "ui_test_support.h"

namespace {

// Panels and their buttons are numbered by their categories.
constexpr std::size_t kPanels = core::kCategoryCount;
constexpr int kTemperaturePanel = static_cast<int>(core::Category::Temperature);

const ui::CategoryLook& Look(std::size_t panel) {
  return ui::LookOf(static_cast<core::Category>(panel));
}

enum class Kind {
  Key,
  MultiKey,  // one key event that types several characters, as a compose sequence does
  HomeDelete,
  SelectAll,
  Insert,
  ClipboardPaste,
  Drop,
  Click,
  Print,
  PrintService,  // the print service starts to hang, answers again, fails or has no printer
};

enum class Service { Hang, Answer, Fail, NoPrinter };

struct Event {
  Kind kind = Kind::Key;
  int box = 0;  // 0 to 8 in a linear panel, 0 to 2 in the temperature panel
  int key = 0;  // Qt key, for Kind::Key
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  QString text;   // typed characters, or pasted or dropped text
  int panel = 0;  // for Kind::Click
  Service service = Service::Answer;
};

QString Describe(const Event& e) {
  const auto shown = [](const QString& s) {
    return s.size() > 40 ? QString("<%1 characters>").arg(s.size()) : "\"" + s + "\"";
  };
  switch (e.kind) {
    case Kind::Key:
      return QString("key %1 (text %2, modifiers %3) in box %4")
          .arg(e.key, 0, 16)
          .arg(shown(e.text))
          .arg(static_cast<int>(e.modifiers), 0, 16)
          .arg(e.box);
    case Kind::HomeDelete:
      return QString("Home, Delete in box %1").arg(e.box);
    case Kind::SelectAll:
      return QString("select all in box %1").arg(e.box);
    case Kind::Insert:
      return QString("insert %1 into box %2").arg(shown(e.text)).arg(e.box);
    case Kind::ClipboardPaste:
      return QString("paste %1 into box %2").arg(shown(e.text)).arg(e.box);
    case Kind::Click:
      return QString("click %1").arg(Look(static_cast<std::size_t>(e.panel)).button);
    case Kind::MultiKey:
      return QString("one key typing %1 in box %2").arg(shown(e.text)).arg(e.box);
    case Kind::Drop:
      return QString("%1 %2 onto box %3")
          .arg(e.modifiers ? "move" : "drop", shown(e.text))
          .arg(e.box);
    case Kind::Print:
      return QString("File > Print");
    case Kind::PrintService:
      return QString("print service: %1")
          .arg(QStringList{"hangs", "answers", "fails",
                           "has no printer"}[static_cast<int>(e.service)]);
  }
  return {};
}

// Texts a user might paste: numbers of every form, junk, non-ASCII, NUL, huge exponents, long
// digit strings, texts about as long as a box holds and, rarely, a mebibyte of digits.
class TextMaker {
 public:
  explicit TextMaker(std::mt19937_64& random) : random_(random) {}

  QString Make() {
    if (Pick(60) == 0) {  // across a box's cap, or just below it
      return QString(ui::EntryBox::kMaxText - 8 + Pick(16), '0') + (Pick(2) ? "5" : "5E0");
    }
    switch (Pick(10)) {
      case 0:
        return Junk();
      case 1:
        return QString(static_cast<int>(400), '7').insert(Pick(400), '.');
      case 2:
        return QString("1e%1").arg(Pick(801) - 400);
      case 3:
        return QString::fromUtf8("\xC2\xB5m= 5,5 \xE2\x82\xAC");
      case 4:
        return QString("12") + QChar(0) + "3";
      default:
        return Number();
    }
  }

  QString Number() {
    QString s;
    if (Pick(4) == 0) s += ' ';
    const bool lead = Pick(5) == 0;
    if (lead) s += Pick(2) ? '-' : '+';
    for (int n = 1 + Pick(12); n > 0; --n) s += QChar('0' + Pick(10));
    if (Pick(2)) s.insert(Pick(static_cast<int>(s.size()) + 1), '.');
    if (Pick(4) == 0) s += QString(Pick(2) ? "E" : "e") + QString::number(Pick(801) - 400);
    if (!lead && Pick(6) == 0) s += '-';
    if (Pick(6) == 0) s += ' ';
    return s;
  }

  QString Junk() {
    static const QString alphabet =
        QString::fromUtf8("abcxyzE.,-+ \t\n()$%\xC2\xB0\xC2\xB2\xE2\x80\x94");
    QString s;
    for (int n = Pick(8); n > 0; --n) s += alphabet[Pick(static_cast<int>(alphabet.size()))];
    return s;
  }

  int Pick(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }

 private:
  std::mt19937_64& random_;
};

std::vector<Event> MakeEvents(std::uint64_t seed, int count) {
  std::mt19937_64 random(seed);
  TextMaker maker(random);
  struct KeyChoice {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
  };
  static const std::vector<KeyChoice> keys = {
      {Qt::Key_Backspace, Qt::NoModifier, "\b"}, {Qt::Key_Delete, Qt::NoModifier, ""},
      {Qt::Key_Left, Qt::NoModifier, ""},        {Qt::Key_Right, Qt::NoModifier, ""},
      {Qt::Key_Home, Qt::NoModifier, ""},        {Qt::Key_End, Qt::NoModifier, ""},
      {Qt::Key_Return, Qt::NoModifier, "\r"},    {Qt::Key_Escape, Qt::NoModifier, "\x1b"},
      {Qt::Key_Period, Qt::NoModifier, "."},     {Qt::Key_Minus, Qt::NoModifier, "-"},
      {Qt::Key_Plus, Qt::NoModifier, "+"},       {Qt::Key_Comma, Qt::NoModifier, ","},
      {Qt::Key_Space, Qt::NoModifier, " "},      {Qt::Key_E, Qt::NoModifier, "e"},
      {Qt::Key_A, Qt::NoModifier, "a"},          {Qt::Key_C, Qt::ControlModifier, "\x03"},
      {Qt::Key_V, Qt::ControlModifier, "\x16"},  {Qt::Key_X, Qt::ControlModifier, "\x18"},
      {Qt::Key_Z, Qt::ControlModifier, "\x1a"},  {Qt::Key_Insert, Qt::ShiftModifier, ""},
      {Qt::Key_Delete, Qt::ShiftModifier, ""},   {Qt::Key_Insert, Qt::ControlModifier, ""},
      {Qt::Key_Comma, Qt::KeypadModifier, ","},  // the keypad's decimal key, German layout
  };
  std::vector<Event> events;
  events.reserve(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) {
    Event e;
    e.box = maker.Pick(9);  // folded to 0 to 2 in the temperature panel
    const int roll = maker.Pick(1000);
    if (roll < 420) {  // a digit
      e.kind = Kind::Key;
      const int digit = maker.Pick(10);
      e.key = Qt::Key_0 + digit;
      e.text = QString(QChar('0' + digit));
    } else if (roll < 620) {
      const KeyChoice& choice =
          keys[static_cast<std::size_t>(maker.Pick(static_cast<int>(keys.size())))];
      e.kind = Kind::Key;
      e.key = choice.key;
      e.modifiers = choice.modifiers;
      e.text = QString::fromLatin1(choice.text);
    } else if (roll < 660) {
      static const QStringList composed = {"..", "5.", ".5",     "12",  "1.2",    ".5.",
                                           "5x", "-5", "\u00E9", "5\b", "\u00B5m"};
      e.kind = Kind::MultiKey;
      e.text = composed[maker.Pick(static_cast<int>(composed.size()))];
    } else if (roll < 710) {
      e.kind = Kind::HomeDelete;
    } else if (roll < 760) {
      e.kind = Kind::SelectAll;
    } else if (roll < 830) {
      e.kind = Kind::Insert;
      e.text = maker.Make();
    } else if (roll < 870) {
      e.kind = Kind::ClipboardPaste;
      e.text = maker.Make();
    } else if (roll < 900) {
      e.kind = Kind::Drop;
      e.text = maker.Make();
      if (maker.Pick(2)) e.modifiers = Qt::ShiftModifier;  // a move
    } else if (roll < 910) {
      e.kind = Kind::Print;
    } else if (roll < 915) {
      e.kind = Kind::PrintService;
      e.service = static_cast<Service>(maker.Pick(4));
    } else {
      e.kind = Kind::Click;
      e.panel = maker.Pick(5);
    }
    // Once in a long while, a mebibyte of digits.
    if (e.kind == Kind::Insert && maker.Pick(20000) == 0) e.text = QString(1 << 20, '3');
    events.push_back(e);
  }
  return events;
}

// One window under the storm, and the checks made after each event.
class Storm {
 public:
  Storm() : form_(platform_) {
    for (std::size_t p = 0; p < kPanels; ++p) {
      frames_[p] = form_.findChild<ui::CategoryPanel*>(Look(p).frame);
      buttons_[p] = form_.findChild<QPushButton*>(Look(p).button);
      for (QLineEdit* box : frames_[p]->boxes()) {
        const std::size_t i = boxes_[p].size();
        boxes_[p].push_back(box);
        // A change the box kept; a refused one leaves the box as it was.
        QObject::connect(static_cast<ui::EntryBox*>(box), &ui::EntryBox::entryChanged,
                         [this, p, i] { changed_[p][i] = true; });
      }
    }
  }

  const Form1* form() const { return &form_; }

  // Applies the event; gives a description of the first broken promise, or nothing.
  std::optional<QString> Apply(const Event& e, double& seconds) {
    const int panel = VisiblePanel();
    if (panel < 0) return QString("no panel or more than one is visible");
    const auto before = Snapshot();
    for (auto& flags : changed_) flags.fill(false);
    const int box = panel == kTemperaturePanel ? e.box % 3 : e.box;
    QLineEdit* target = boxes_[static_cast<std::size_t>(panel)][static_cast<std::size_t>(box)];

    // What an insert, a paste or a drop would make of the box's text, in characters.
    qsizetype would_be = target->text().size() + e.text.size();
    if (e.kind == Kind::Insert || e.kind == Kind::ClipboardPaste) {
      would_be -= target->selectedText().size();
    }
    const auto edit_state = [target] {  // what a refused paste leaves as it was
      return std::array{target->cursorPosition(), target->selectionStart(),
                        target->selectionLength(), int{target->isUndoAvailable()}};
    };
    const auto edit_before = edit_state();
    bool moved = false;  // a drop was taken as a move: its source deletes the text

    const auto start = std::chrono::steady_clock::now();
    switch (e.kind) {
      case Kind::Key:
        QTest::keyClick(target, static_cast<Qt::Key>(e.key), e.modifiers);
        break;
      case Kind::HomeDelete:
        QTest::keyClick(target, Qt::Key_Home);
        QTest::keyClick(target, Qt::Key_Delete);
        break;
      case Kind::SelectAll:
        target->selectAll();
        break;
      case Kind::Insert:
        target->insert(e.text);
        break;
      case Kind::ClipboardPaste:
        QGuiApplication::clipboard()->setText(e.text);
        target->paste();
        break;
      case Kind::Click:
        buttons_[static_cast<std::size_t>(e.panel)]->click();
        break;
      case Kind::MultiKey: {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, e.text);
        QApplication::sendEvent(target, &key);
        break;
      }
      case Kind::Drop: {
        QMimeData data;
        data.setText(e.text);
        const auto actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(QPoint(5, 5), actions, &data, Qt::LeftButton, e.modifiers);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), actions, &data, Qt::LeftButton, e.modifiers);
        QApplication::sendEvent(target, &drop);
        moved = drop.isAccepted() && drop.dropAction() == Qt::MoveAction;
        break;
      }
      case Kind::Print:
        form_.mnuPrint_Click();
        break;
      case Kind::PrintService:
        SetService(e.service);
        break;
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Answers of the print thread arrive through the event loop.
    if (e.kind == Kind::Print || e.kind == Kind::PrintService) QCoreApplication::processEvents();

    if (uitest::Updating(form_)) return QString("Updating stayed raised");
    if (uitest::LinearFillInProgress(form_)) return QString("a linear fill guard stayed raised");
    if (platform_.most_boxes_open > 1) return QString("two message boxes were open at once");
    if (e.kind == Kind::Print && seconds > 1) {
      return QString("a print request held the window %1 s").arg(seconds);
    }
    const auto after = Snapshot();
    const bool pastes =
        e.kind == Kind::Insert || e.kind == Kind::ClipboardPaste || e.kind == Kind::Drop;
    if (pastes && would_be > ui::EntryBox::kMaxText &&
        (before != after || moved || (e.kind != Kind::Drop && edit_state() != edit_before))) {
      return QString("refusing %1 characters changed a box, its Undo or the source").arg(would_be);
    }
    // Typed characters, unlike pastes, never make a second ".".
    const bool types = e.kind == Kind::MultiKey || (e.kind == Kind::Key && !e.text.isEmpty());
    if (types && panel != kTemperaturePanel) {
      const auto points = [](const QString& text) { return text.count(QLatin1Char('.')); };
      const QString& was = before[static_cast<std::size_t>(panel)][static_cast<std::size_t>(box)];
      const QString& now = after[static_cast<std::size_t>(panel)][static_cast<std::size_t>(box)];
      if (points(now) > std::max<qsizetype>(1, points(was))) {
        return QString("a key made \"%1\" of \"%2\"").arg(now.left(60), was.left(60));
      }
    }
    for (std::size_t p = 0; p < kPanels; ++p) {
      if (static_cast<int>(p) != panel && before[p] != after[p]) {
        return QString("hidden panel %1 changed").arg(Look(p).frame);
      }
    }
    if (e.kind == Kind::Click) {
      if (VisiblePanel() != e.panel) return QString("the clicked panel is not the visible one");
      return std::nullopt;
    }
    if (e.kind == Kind::Print || e.kind == Kind::PrintService) {
      if (before != after) return QString("printing changed a box");
      return std::nullopt;
    }
    return panel == kTemperaturePanel
               ? CheckTemperature(box, before[kTemperaturePanel], after[kTemperaturePanel])
               : CheckLinear(panel, box, before[static_cast<std::size_t>(panel)],
                             after[static_cast<std::size_t>(panel)]);
  }

  // After the storm: the print service answers again, and the window's last job comes back.
  bool PrintComesBack() {
    platform_.Release();
    return uitest::WaitForPrint(form_, 5);
  }

 private:
  using Texts = std::vector<QString>;

  void SetService(Service service) {
    switch (service) {
      case Service::Hang:
        platform_.Hang();
        break;
      case Service::Answer:
        platform_.Release();
        break;
      case Service::Fail:  // a printer that cannot be drawn on
        platform_.SetPdfPath(QStringLiteral("/nonexistent/folder/page.pdf"));
        break;
      case Service::NoPrinter:
        platform_.SetPdfPath(QString());
        break;
    }
  }

  std::array<Texts, kPanels> Snapshot() const {
    std::array<Texts, kPanels> texts;
    for (std::size_t p = 0; p < kPanels; ++p) {
      for (const QLineEdit* box : boxes_[p]) texts[p].push_back(box->text());
    }
    return texts;
  }

  int VisiblePanel() const {
    int visible = -1;
    for (std::size_t p = 0; p < kPanels; ++p) {
      if (!frames_[p]->isHidden()) {
        if (visible >= 0) return -1;
        visible = static_cast<int>(p);
      }
    }
    return visible;
  }

  // A change of box j fills the eight others from the active box exactly as the core computes,
  // unless box j is empty or ".", or the active box's text cannot be converted: then only box j
  // may differ.
  std::optional<QString> CheckLinear(int panel, int j, const Texts& before, const Texts& after) {
    const auto& changed = changed_[static_cast<std::size_t>(panel)];
    if (!changed[static_cast<std::size_t>(j)]) {
      if (before != after) return QString("boxes changed though the edited box did not");
      return std::nullopt;
    }
    const QString& edited = after[static_cast<std::size_t>(j)];
    const auto only_j_changed = [&]() -> std::optional<QString> {
      for (std::size_t i = 0; i < 9; ++i) {
        if (static_cast<int>(i) != j && before[i] != after[i]) {
          return QString("box %1 changed without a fill").arg(i);
        }
      }
      return std::nullopt;
    };
    if (edited.isEmpty() || edited == ".") return only_j_changed();

    const std::int16_t active = form_.ActiveIndex();
    if (active < 0 || active > 8) return QString("ActiveIndex %1 out of range").arg(active);
    const auto fill = core::FillFrom(*core::FindLinear(static_cast<core::Category>(panel)), active,
                                     after[static_cast<std::size_t>(active)].toStdString());
    if (!fill) return only_j_changed();
    for (std::size_t i = 0; i < 9; ++i) {
      if (static_cast<int>(i) == active) continue;
      if (after[i] != QString::fromStdString(fill->texts[i])) {
        return QString("box %1 shows \"%2\" after a fill from box %3, the core gives \"%4\"")
            .arg(i)
            .arg(after[i].left(60))
            .arg(active)
            .arg(QString::fromStdString(fill->texts[i]));
      }
    }
    return std::nullopt;
  }

  // A change of temperature box k converts into the two others, or leaves both as they were.
  std::optional<QString> CheckTemperature(int k, const Texts& before, const Texts& after) {
    const auto& changed = changed_[kTemperaturePanel];
    if (!changed[static_cast<std::size_t>(k)]) {
      if (before != after) return QString("temperature boxes changed though the edited did not");
      return std::nullopt;
    }
    using Formula = core::Result<float> (*)(float);
    static const std::array<std::array<std::pair<int, Formula>, 2>, 3> targets = {{
        {{{1, core::CelsiusToFahrenheit}, {2, core::CelsiusToKelvin}}},
        {{{0, core::FahrenheitToCelsius}, {2, core::FahrenheitToKelvin}}},
        {{{0, core::KelvinToCelsius}, {1, core::KelvinToFahrenheit}}},
    }};
    const std::string source = after[static_cast<std::size_t>(k)].toStdString();
    std::array<std::optional<QString>, 2> expected;
    const core::Result<float> value = core::ReadSingle(source);
    if (!source.empty() && core::IsValidEntry(source) && value) {
      for (std::size_t t = 0; t < 2; ++t) {
        const core::Result<float> converted =
            targets[static_cast<std::size_t>(k)][t].second(*value);
        if (!converted) {
          expected = {};
          break;
        }
        expected[t] = QString::fromStdString(core::SingleText(*converted));
      }
    }
    for (std::size_t t = 0; t < 2; ++t) {
      const auto index = static_cast<std::size_t>(targets[static_cast<std::size_t>(k)][t].first);
      const QString& want = expected[0] ? *expected[t] : before[index];
      if (after[index] != want) {
        return QString("temperature box %1 shows \"%2\", expected \"%3\"")
            .arg(index)
            .arg(after[index].left(60))
            .arg(want);
      }
    }
    return std::nullopt;
  }

  uitest::FakePlatform platform_;
  Form1 form_;
  std::array<ui::CategoryPanel*, kPanels> frames_{};
  std::array<QPushButton*, kPanels> buttons_{};
  std::array<std::vector<QLineEdit*>, kPanels> boxes_;
  std::array<std::array<bool, 9>, kPanels> changed_{};
};

struct Outcome {
  int failed_at = -1;  // index of the event after which a promise broke, or -1
  QString message;
  double longest_seconds = 0;
  int longest_event = -1;
};

Outcome Replay(const std::vector<Event>& events) {
  Storm storm;
  Outcome outcome;
  for (std::size_t k = 0; k < events.size(); ++k) {
    double seconds = 0;
    if (auto failure = storm.Apply(events[k], seconds)) {
      outcome.failed_at = static_cast<int>(k);
      outcome.message = *failure;
      return outcome;
    }
    if (seconds > outcome.longest_seconds) {
      outcome.longest_seconds = seconds;
      outcome.longest_event = static_cast<int>(k);
    }
  }
  if (!events.empty() && !storm.PrintComesBack()) {
    outcome.failed_at = static_cast<int>(events.size()) - 1;
    outcome.message = "a print job never came back once the print service answered";
  }
  return outcome;
}

// Removes chunks of events, halving their size, while the shorter sequence still fails.
std::vector<Event> Shrink(std::vector<Event> events) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
  for (std::size_t chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
    for (std::size_t start = 0; start < events.size() && events.size() > 1;) {
      if (std::chrono::steady_clock::now() > deadline) return events;
      std::vector<Event> shorter(events.begin(),
                                 events.begin() + static_cast<std::ptrdiff_t>(start));
      shorter.insert(
          shorter.end(),
          events.begin() + static_cast<std::ptrdiff_t>(std::min(start + chunk, events.size())),
          events.end());
      const Outcome outcome = Replay(shorter);
      if (outcome.failed_at >= 0) {
        shorter.resize(static_cast<std::size_t>(outcome.failed_at) + 1);
        events = std::move(shorter);
      } else {
        start += chunk;
      }
    }
  }
  return events;
}

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value ? std::strtoull(value, nullptr, 10) : fallback;
}

TEST(EventStorm, EveryPromiseHoldsAfterEveryEvent) {
  const std::uint64_t seed = FromEnvironment("BVN_STORM_SEED", 20261208);
  const int count = static_cast<int>(FromEnvironment("BVN_STORM_EVENTS", 100000));
  const std::vector<Event> events = MakeEvents(seed, count);

  const Outcome outcome = Replay(events);
  if (outcome.failed_at >= 0) {
    const std::vector<Event> failing(events.begin(), events.begin() + outcome.failed_at + 1);
    const std::vector<Event> shortest = Shrink(failing);
    QString steps;
    for (const Event& e : shortest) steps += "  " + Describe(e) + "\n";
    FAIL() << "seed " << seed << ": after event " << outcome.failed_at << ": "
           << outcome.message.toStdString() << "\nshortest sequence found (" << shortest.size()
           << " events, then: " << Replay(shortest).message.toStdString() << "):\n"
           << steps.toStdString();
  }
  std::printf(
      "storm: seed %llu, %d events, 0 violations; longest event %.2f ms (%s)\n",
      static_cast<unsigned long long>(seed), count, outcome.longest_seconds * 1e3,
      outcome.longest_event >= 0
          ? Describe(events[static_cast<std::size_t>(outcome.longest_event)]).toStdString().c_str()
          : "none");
}

// A mebibyte of digits pasted into the active box is refused whole: the box keeps its text, no
// box changes, and the panel goes on converting.
TEST(EventStorm, MebibytePasteIsHandledAndThePanelStaysAlive) {
  const auto make = [](Kind kind, int box) {
    Event e;
    e.kind = kind;
    e.box = box;
    return e;
  };
  Event digit = make(Kind::Key, 4);
  digit.key = Qt::Key_5;
  digit.text = "5";
  Event paste = make(Kind::Insert, 4);
  paste.text = QString(1 << 20, '9');

  Storm storm;
  double longest = 0;
  const auto apply = [&](const Event& e) {
    double seconds = 0;
    const auto failure = storm.Apply(e, seconds);
    ASSERT_FALSE(failure) << Describe(e).toStdString() << ": " << failure->toStdString();
    longest = std::max(longest, seconds);
  };
  apply(make(Kind::SelectAll, 4));
  apply(digit);  // box 4 is now the active box
  apply(make(Kind::SelectAll, 4));
  apply(paste);
  EXPECT_EQ("5", uitest::Box(*storm.form(), "Length1", 4)->text());
  digit.box = 2;
  apply(make(Kind::SelectAll, 2));
  apply(digit);  // converts again, over the cut text
  EXPECT_EQ(QString("50000"), uitest::Box(*storm.form(), "Length1", 4)->text());  // 5 cm in µm
  std::printf("mebibyte paste: longest event %.2f ms\n", longest * 1e3);
}

}  // namespace
