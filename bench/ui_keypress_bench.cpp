// From a key press in a linear box to all eight other boxes written: the key filter, the box's
// own edit, the change handling and the eight writes with their nested change notifications.
// Runs on the offscreen platform; nothing is painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <cstdlib>

#include "ui/form1.h"

namespace {

QLineEdit* LengthBox(const Form1& form, int index) {
  for (QLineEdit* box : form.findChildren<QLineEdit*>("Length1")) {
    if (box->property("index").toInt() == index) return box;
  }
  std::abort();
}

// Each iteration is two key presses, each followed by a full fill: a digit, then Backspace.
void BM_LinearKeyPressToFilledPanel(benchmark::State& state) {
  Form1 form;
  form.show();
  QLineEdit* feet = LengthBox(form, 7);
  QLineEdit* inches = LengthBox(form, 8);
  feet->selectAll();
  QTest::keyClick(feet, Qt::Key_1);  // box 7 is now the active box, holding "1"
  for (auto _ : state) {
    QTest::keyClick(feet, Qt::Key_2);
    QTest::keyClick(feet, Qt::Key_Backspace);
    benchmark::DoNotOptimize(inches->text().size());
  }
  if (inches->text() != "12") state.SkipWithError("the panel was not filled");
  state.counters["per_key_press"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * 2,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LinearKeyPressToFilledPanel)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
