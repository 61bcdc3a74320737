// Drawing the whole main window into an offscreen picture in the middle of a trick, on Qt's
// offscreen platform: the whole window repainted, as after a window comes to the front.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/driver/selfplay.h"
#include "windows/carte_sav.h"
#include "windows/fenetre_mirvane.h"

namespace {

// Sensible play up to the third card of the fifth trick, the user's hand still mostly held.
void JusquAuMilieuDUnPli(Table& t) {
  t.m.ChoisirMenu(t.m.Id().nouveau);
  for (int pas = 0; pas < 10000 && !(t.g().NumeroPli == 5 && t.g().NbCartesPli == 2); ++pas)
    if (!AgirSensement(t)) t.m.ChoisirMenu(t.m.Id().nouveau);
}

void DessinTable(benchmark::State& state) {
  Table table(7);
  JusquAuMilieuDUnPli(table);
  FormCarteSav::Instance();
  FenetreMirvane fenetre(table.m);
  fenetre.show();
  QImage image(fenetre.size(), QImage::Format_ARGB32_Premultiplied);
  std::vector<double> durees;
  for (auto _ : state) {
    const auto debut = std::chrono::steady_clock::now();
    fenetre.render(&image);
    durees.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count());
  }
  std::sort(durees.begin(), durees.end());
  auto centile = [&](double p) { return durees[std::min(durees.size() - 1, static_cast<size_t>(p * durees.size()))]; };
  state.counters["p50_ms"] = centile(0.50);
  state.counters["p99_ms"] = centile(0.99);
}

}  // namespace

BENCHMARK(DessinTable)->Unit(benchmark::kMillisecond)->MinTime(2.0);

#include "bench/principal_qt.h"
