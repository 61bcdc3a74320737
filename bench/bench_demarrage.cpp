// Start-up on Qt's offscreen platform: from nothing to the start screen drawn, and from the
// language button to the main window drawn; and the resident memory after a whole deal.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/driver/selfplay.h"
#include "platform/reglages_factices.h"
#include "table/frm_splash.h"
#include "windows/carte_sav.h"
#include "windows/fenetre_mirvane.h"
#include "windows/fenetre_splash.h"

namespace {

double Millisecondes(std::chrono::steady_clock::time_point debut) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
}

// A window shown and drawn, as the screen would get it.
void Dessiner(QWidget& fenetre) {
  fenetre.show();
  QApplication::processEvents();
  QImage image(fenetre.size(), QImage::Format_ARGB32_Premultiplied);
  fenetre.render(&image);
  benchmark::DoNotOptimize(image.constBits());
}

void Medianes(benchmark::State& state, std::vector<double>& durees, const char* nom) {
  std::sort(durees.begin(), durees.end());
  state.counters[std::string(nom) + "_p50_ms"] = durees[durees.size() / 2];
  state.counters[std::string(nom) + "_max_ms"] = durees.back();
}

void EcranDAccueil(benchmark::State& state) {
  std::vector<double> durees;
  for (auto _ : state) {
    const auto debut = std::chrono::steady_clock::now();
    FormCarteSav::Instance();  // loaded once for the run, by the first iteration
    FrmSplash splash;
    splash.Form_Load();
    FenetreSplash fenetre(splash);
    Dessiner(fenetre);
    durees.push_back(Millisecondes(debut));
  }
  Medianes(state, durees, "start_screen");
}

void FenetrePrincipale(benchmark::State& state) {
  std::vector<double> durees;
  for (auto _ : state) {
    FrmSplash splash;
    splash.Form_Load();
    const auto debut = std::chrono::steady_clock::now();
    splash.CommandStartEnglish_Click();
    PlateformeFactice plateforme;
    ReglagesFactices reglages;
    Mirvane table(plateforme, Aleatoire(1), &reglages);
    table.g.Langue = splash.Langue;
    table.Form_Load();
    FenetreMirvane fenetre(table);
    Dessiner(fenetre);
    durees.push_back(Millisecondes(debut));
  }
  Medianes(state, durees, "main_window");
}

// Resident memory in megabytes, from the kernel's account of this process.
double MemoireResidente() {
  std::ifstream status("/proc/self/status");
  std::string ligne;
  while (std::getline(status, ligne))
    if (ligne.rfind("VmRSS:", 0) == 0) return std::stod(ligne.substr(6)) / 1024.0;
  return 0;
}

void MemoireApresUneDonne(benchmark::State& state) {
  for (auto _ : state) {
    Table table(3);
    FenetreMirvane fenetre(table.m);
    Dessiner(fenetre);
    TraceDonne t;
    do {
      JouerDonne(table, t);
    } while (t.nbPlis != 18);
    fenetre.SynchroniserTout();
    Dessiner(fenetre);
    state.counters["rss_mb"] = MemoireResidente();
  }
}

}  // namespace

BENCHMARK(EcranDAccueil)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(FenetrePrincipale)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(MemoireApresUneDonne)->Unit(benchmark::kMillisecond)->Iterations(3);

#include "bench/principal_qt.h"
