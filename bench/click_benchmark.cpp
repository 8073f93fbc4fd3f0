// The time of one "Въведи": through the logic alone, and from a mouse click on
// the button to the last control of the window updated.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "core/button_actions.h"
#include "core/form_content.h"
#include "widgets/demonstration_window.h"

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

// The window on screen, ready to paint.
std::unique_ptr<DemonstrationWindow> ShownWindow() {
  auto window = std::make_unique<DemonstrationWindow>(RegionalSettings{});
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
  return window;
}

// Each timed click follows an untimed "Чисти" and typing, so that every
// control really changes: the change, all thirteen ticks and the trace.
template <typename AfterClick>
void ClickEnterAfterClear(benchmark::State& state, AfterClick afterClick) {
  const std::unique_ptr<DemonstrationWindow> window = ShownWindow();
  if (!window) {
    state.SkipWithError("the window was never shown");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    QTest::mouseClick(window->command1(kClearButton), Qt::LeftButton);
    window->repaint();
    window->text3(kPriceBox)->setText("0");
    window->text3(kPaidBox)->setText(kEveryDenomination);
    state.ResumeTiming();
    QTest::mouseClick(window->command1(kEnterButton), Qt::LeftButton);
    afterClick(*window);
  }
  if (window->text3(kChangeBox)->text() != kEveryDenomination) {
    state.SkipWithError("the click did not compute the change");
  }
}

// Until the click has been handled and every control holds the result.
void MouseClickOnEnter(benchmark::State& state) {
  ClickEnterAfterClear(state, [](DemonstrationWindow&) {});
}
BENCHMARK(MouseClickOnEnter)->Unit(benchmark::kMicrosecond);

// The same, and until the window has painted the result.
void MouseClickOnEnterAndRepaint(benchmark::State& state) {
  ClickEnterAfterClear(state, [](DemonstrationWindow& window) { window.repaint(); });
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
