// The hot pure functions on the host, each beside a baseline doing the
// least work of the same kind on the same data.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "common/text.h"
#include "engine/window_watch.h"
#include "menus/model/caption_markup.h"
#include "platform/memory_controls.h"
#include "support/fake_desktop.h"
#include "support/memory_watch_lists.h"
#include "support/settable_clock.h"

namespace {

using namespace vantrel;

std::vector<std::string> Titles() {
  std::vector<std::string> titles;
  for (int i = 0; i < 100; ++i)
    titles.push_back("Some page number " + std::to_string(i) + (i % 10 == 0 ? " - Mozilla Firefox" : " - Editor"));
  return titles;
}

// Least work: each title upper-cased once and searched for each header.
void BM_BrowserTestBaseline(benchmark::State& state) {
  const auto titles = Titles();
  for (auto _ : state)
    for (const auto& t : titles) {
      const std::string upper = UCase(t);
      bool found = false;
      for (const char* h : kBuiltInHeaders) found = found || upper.find(UCase(h)) != std::string::npos;
      benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_BrowserTestBaseline);

void BM_BrowserTest(benchmark::State& state) {
  const auto titles = Titles();
  test::MemoryWatchLists lists;
  lists.AddBuiltInHeaders();
  test::FakeDesktop desktop;
  test::SettableClock clock;
  WatchEngine engine(desktop, clock, lists.Lists(), "Vantrel");
  for (auto _ : state)
    for (const auto& t : titles) benchmark::DoNotOptimize(engine.IsBrowserTitle(t));
}
BENCHMARK(BM_BrowserTest);

const std::string kMarkup = "{Sidebar|IMG:ImTool(1)|BColor:16776960|GColor:8404992|Width:0|Tip:|Transparent}";

void BM_MarkupBaseline(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(kMarkup.find("GColor:"));
}
BENCHMARK(BM_MarkupBaseline);

void BM_GetMarkupValue(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(GetMarkupValue(kMarkup, "GColor:"));
}
BENCHMARK(BM_GetMarkupValue);

// A scan of 1000 browser windows whose active list already stands, against
// the same walk reading what any scan reads.
void BM_ScanWalkBaseline(benchmark::State& state) {
  test::FakeDesktop desktop;
  for (int i = 0; i < 1000; ++i) desktop.Add("Page " + std::to_string(i) + " - Mozilla", 800, 600);
  for (auto _ : state) {
    int sum = 0;
    for (auto w : desktop.TopLevelWindows())
      if (desktop.IsVisible(w)) sum += static_cast<int>(desktop.Title(w).size()) + (desktop.IsEnabled(w) ? 1 : 0);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ScanWalkBaseline);

void BM_ScanWithReconciliation(benchmark::State& state) {
  test::FakeDesktop desktop;
  for (int i = 0; i < 1000; ++i) desktop.Add("Page " + std::to_string(i) + " - Mozilla", 800, 600);
  test::MemoryWatchLists lists;
  lists.sizeRules.Add("100 - 100");
  lists.AddBuiltInHeaders();
  test::SettableClock clock;
  WatchEngine engine(desktop, clock, lists.Lists(), "Vantrel");
  engine.ScanWindows();
  if (lists.activeWindows.Count() != 1000) state.SkipWithError("the active list does not stand");
  for (auto _ : state) engine.ScanWindows();
}
BENCHMARK(BM_ScanWithReconciliation);

}  // namespace

BENCHMARK_MAIN();
