// Whole deals at each level through the self-play driver, dealing included, on one core;
// with the time of the deal loop and of each card choice (bookkeeping and trick update included).
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/driver/selfplay.h"

namespace {

void Parties(benchmark::State& state) {
  ParametresPartie p;
  p.niveau = static_cast<int16_t>(state.range(0));
  Table table(1, p);
  TraceDonne t;
  Chronos chronos;
  const bool chronometrer = state.range(1) == 1;
  int64_t passees = 0;
  for (auto _ : state) {
    const auto debut = std::chrono::steady_clock::now();
    ++t.donne;
    JouerDonne(table, t, chronometrer ? &chronos : nullptr);
    passees += t.preneur == 0;
    benchmark::DoNotOptimize(t.score);
    chronos.secondesTotal += std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["deals_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["passed_share"] = static_cast<double>(passees) / static_cast<double>(state.iterations());
  if (chronometrer) {
    state.counters["deal_us"] = 1e6 * chronos.secondesDonne / static_cast<double>(state.iterations());
    state.counters["card_us"] =
        chronos.cartes > 0 ? 1e6 * chronos.secondesChoix / static_cast<double>(chronos.cartes) : 0;
    // What the table itself costs: everything but dealing and choosing the cards.
    const double total = state.iterations() > 0 ? chronos.secondesTotal : 0;
    state.counters["table_share"] = total > 0 ? 1 - (chronos.secondesDonne + chronos.secondesChoix) / total : 0;
  }
}

}  // namespace

// Level, then 1 to time the deal and each card (the clock adds a little to the total).
BENCHMARK(Parties)
    ->ArgNames({"level", "timed"})
    ->Args({4, 0})
    ->Args({4, 1})
    ->Args({1, 0})
    ->Args({3, 0})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
