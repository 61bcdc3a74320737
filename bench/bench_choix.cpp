// The card choice of one seat at level Pro, on positions taken from real deals: time per card,
// with its median and 99th percentile.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "computer/choix.h"
#include "game/pli.h"
#include "tests/support/donnes.h"

namespace {

// Every position of a seat with two or more legal cards (when the choice runs), over deals
// played with random legal cards from a fixed seed.
const std::vector<Partie>& Positions() {
  static const std::vector<Partie> positions = [] {
    std::vector<Partie> v;
    Partie g{Aleatoire(20240611)};
    g.Niveau = NiveauPro;
    g.PourcentJeuReflechi = 100;
    for (int d = 0; d < 60; ++d) {
      // A random taker and contract, the discard when there is one, and the play opened.
      const auto preneur = static_cast<int16_t>(static_cast<int>(g.Rnd() * 4) + 1);
      DonnerAuHasard(g, preneur, static_cast<int16_t>(static_cast<int>(g.Rnd() * 4) + 1));
      CommencerJeu(g);
      for (int carte = 0; carte < 72; ++carte) {
        DeterminerCartesJouables(g, g.JoueurCourant);
        int n = 0;
        for (int16_t k = 1; k <= 18; ++k) n += g.CarteJouable[g.JoueurCourant][k];
        if (n >= 2) v.push_back(g);
        JouerAuHasard(g);
      }
    }
    return v;
  }();
  return positions;
}

void BM_ChoisirCarteOrdinateur(benchmark::State& state) {
  const std::vector<Partie>& positions = Positions();
  std::vector<double> durees;
  durees.reserve(1 << 20);
  Partie g = positions[0];
  size_t i = 0;
  for (auto _ : state) {
    g = positions[i];
    i = (i + 1) % positions.size();
    const auto debut = std::chrono::steady_clock::now();
    ChoisirCarteOrdinateur(g, g.JoueurCourant);
    const auto fin = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(g.CarteJouable);
    const double s = std::chrono::duration<double>(fin - debut).count();
    state.SetIterationTime(s);
    durees.push_back(s * 1e9);
  }
  std::sort(durees.begin(), durees.end());
  auto centile = [&](double q) { return durees[static_cast<size_t>(q * static_cast<double>(durees.size() - 1))]; };
  state.counters["positions"] = static_cast<double>(positions.size());
  state.counters["median_ns"] = centile(0.5);
  state.counters["p99_ns"] = centile(0.99);
  state.counters["max_ns"] = durees.back();
}
BENCHMARK(BM_ChoisirCarteOrdinateur)->UseManualTime()->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
