// The time of one "Въведи": through the logic alone, and from a mouse click on
// the button to the last control of the window updated.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "form/button_actions.h"
#include "form/form_content.h"
#include "window/main_window.h"

namespace {

using namespace restomer;

// 188.88 takes one piece of every one of the thirteen denominations.
constexpr const char* kEveryDenomination = "188.88";

void EnterThroughTheLogic(benchmark::State& state) {
  FormContent form = StartUpContent();
  form.Text3[kPriceBox].Text = "0";
  form.Text3[kPaidBox].Text = kEveryDenomination;
  for (auto _ : state) {
    Command1Click(form, kEnterButton, {});
    benchmark::DoNotOptimize(form.Text1[0].Text.data());
  }
  if (form.Check1[12].Value != 1) state.SkipWithError("not every denomination was ticked");
}
BENCHMARK(EnterThroughTheLogic);

void MouseClickOnEnter(benchmark::State& state) {
  MainWindow window(RegionalSettings{});
  window.show();
  window.text3(kPriceBox)->setText("0");
  window.text3(kPaidBox)->setText(kEveryDenomination);
  QPushButton* enter = window.command1(kEnterButton);
  for (auto _ : state) {
    // Returns once the click has been handled and every control shows the
    // result; the repaint that follows is the next figure's.
    QTest::mouseClick(enter, Qt::LeftButton);
  }
  if (window.text3(kChangeBox)->text() != kEveryDenomination) {
    state.SkipWithError("the click did not compute the change");
  }
}
BENCHMARK(MouseClickOnEnter)->Unit(benchmark::kMicrosecond);

void MouseClickOnEnterAndRepaint(benchmark::State& state) {
  MainWindow window(RegionalSettings{});
  window.show();
  window.text3(kPriceBox)->setText("0");
  window.text3(kPaidBox)->setText(kEveryDenomination);
  QPushButton* enter = window.command1(kEnterButton);
  for (auto _ : state) {
    QTest::mouseClick(enter, Qt::LeftButton);
    window.repaint();
  }
}
BENCHMARK(MouseClickOnEnterAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
