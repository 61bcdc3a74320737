// Time to an accepted deal, tries included, for each kind of hand forced on the user, with and
// without the at-least-one-taker option. Each benchmark deals 10,000 accepted deals from a
// fixed seed and reports the mean and the 99th percentile of tries and of microseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

#include "game/distribution.h"
#include "game/partie.h"

namespace {

constexpr int NombreDonnes = 10000;

double Centile99(std::vector<double> v) {
  const auto k = static_cast<std::ptrdiff_t>(static_cast<double>(v.size() - 1) * 0.99);
  std::nth_element(v.begin(), v.begin() + k, v.end());
  return v[static_cast<std::size_t>(k)];
}

double Moyenne(const std::vector<double>& v) {
  double s = 0;
  for (double x : v) s += x;
  return v.empty() ? 0 : s / static_cast<double>(v.size());
}

void BM_DonneAcceptee(benchmark::State& state) {
  Partie g(Aleatoire(static_cast<uint64_t>(state.range(0) * 10 + state.range(1))));
  g.ForceMain = static_cast<int16_t>(state.range(0));
  g.AuMoinsUnePriseActif = static_cast<int16_t>(state.range(1));
  std::vector<double> essais, micro;
  essais.reserve(NombreDonnes);
  micro.reserve(NombreDonnes);
  for (auto _ : state) {
    int32_t n = 0;
    const auto debut = std::chrono::steady_clock::now();
    DistribuerDonneAcceptee(g, n);
    const auto fin = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(g.MainsJoueurs);
    essais.push_back(n);
    micro.push_back(std::chrono::duration<double, std::micro>(fin - debut).count());
  }
  state.counters["essais_moy"] = Moyenne(essais);
  state.counters["essais_p99"] = Centile99(essais);
  state.counters["us_moy"] = Moyenne(micro);
  state.counters["us_p99"] = Centile99(micro);
  state.SetLabel("ForceMain " + std::to_string(state.range(0)) + (state.range(1) ? ", au moins une prise" : ""));
}

BENCHMARK(BM_DonneAcceptee)
    ->ArgsProduct({{1, 2, 3, 4, 5, 6}, {0, 1}})
    ->ArgNames({"force", "prise"})
    ->Iterations(NombreDonnes)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
