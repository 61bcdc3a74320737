// mirvane-selfplay: whole deals played by four computer seats, with figures, a signature of
// the run and, on request, a trace of every deal.
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/driver/chaos.h"
#include "bench/driver/selfplay.h"

namespace {

constexpr const char* kUsage =
    "usage: mirvane-selfplay --deals N --seed S --level L [--force-hand K] [--at-least-one-taker] "
    "[--handfuls] [--trace FILE]\n"
    "       mirvane-selfplay --chaos N --seed S\n"
    "  L: 1 Debutant, 2 Amateur, 3 Bon, 4 Pro\n"
    "  K: 1 defence hand, 2 no forcing, 3 Prise, 4 Garde, 5 Garde sans, 6 Garde contre\n";

[[noreturn]] void Usage(const char* erreur) {
  std::cerr << "mirvane-selfplay: " << erreur << '\n' << kUsage;
  std::exit(2);
}

long long Entier(const char* texte, long long min, long long max, const char* nom) {
  char* fin = nullptr;
  const long long v = std::strtoll(texte, &fin, 10);
  if (fin == texte || *fin != '\0' || v < min || v > max) Usage((std::string("bad value for ") + nom).c_str());
  return v;
}

// The printed report (the run's signature included) is the run's result: lost on a full standard
// output, the run failed. std::cout stays synchronised with stdio, so stdout's flush covers both.
int Terminer(int statut) {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return statut;
  const int erreur = errno;
  std::cerr << "mirvane-selfplay: cannot write the standard output: " << std::strerror(erreur) << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  long long donnes = -1;
  long long chaos = -1;
  long long graine = -1;
  ParametresPartie parametres;
  bool niveauDonne = false;
  std::string fichierTrace;

  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto valeur = [&]() -> const char* {
      if (i + 1 >= argc) Usage((a + " needs a value").c_str());
      return argv[++i];
    };
    if (a == "--deals") {
      donnes = Entier(valeur(), 1, 2000000000, "--deals");
    } else if (a == "--seed") {
      graine = Entier(valeur(), 0, (1ll << 62), "--seed");
    } else if (a == "--level") {
      parametres.niveau = static_cast<int16_t>(Entier(valeur(), 1, 4, "--level"));
      niveauDonne = true;
    } else if (a == "--force-hand") {
      parametres.forceMain = static_cast<int16_t>(Entier(valeur(), 1, 6, "--force-hand"));
    } else if (a == "--at-least-one-taker") {
      parametres.auMoinsUnePrise = true;
    } else if (a == "--chaos") {
      chaos = Entier(valeur(), 1, (1ll << 40), "--chaos");
    } else if (a == "--handfuls") {
      parametres.poignees = true;
    } else if (a == "--trace") {
      fichierTrace = valeur();
      if (fichierTrace.empty()) Usage("--trace needs a file name");
    } else if (a == "--help" || a == "-h") {
      std::cout << kUsage;
      return Terminer(0);
    } else {
      Usage(("unknown argument " + a).c_str());
    }
  }
  if (chaos > 0) {
    if (graine < 0) Usage("--chaos needs --seed");
    // A chaos run plays no counted deals and writes no trace: refused rather than ignored.
    if (donnes >= 0 || !fichierTrace.empty()) Usage("--deals and --trace do not go with --chaos");
    const BilanChaos b = CourirChaos(chaos, static_cast<uint64_t>(graine), parametres);
    for (const std::string& e : b.premiersEchecs) std::cout << e << '\n';
    std::cout << "deals finished: " << b.donnesFinies << '\n';
    std::cout << "chaos: " << b.evenements << " events, " << b.echecs << " invariant failures\n";
    return Terminer(b.echecs > 0 ? 1 : 0);
  }
  if (donnes < 0 || graine < 0 || !niveauDonne) Usage("--deals, --seed and --level are required");

  std::ofstream trace;
  // A trace cut short by a full disk must not pass for a whole one.
  auto traceEchouee = [&] {
    std::cerr << "mirvane-selfplay: cannot write the trace " << fichierTrace << '\n';
    return 1;
  };
  if (!fichierTrace.empty()) {
    trace.open(fichierTrace);
    if (!trace) return traceEchouee();
  }

  Table table(static_cast<uint64_t>(graine), parametres);
  Bilan bilan;
  TraceDonne t;
  const auto debut = std::chrono::steady_clock::now();
  for (long long n = 1; n <= donnes; ++n) {
    t.donne = static_cast<int32_t>(n);
    JouerDonne(table, t);
    bilan.Ajouter(t);
    if (trace.is_open() && !(trace << TraceJson(t) << '\n')) return traceEchouee();
  }
  if (trace.is_open()) {
    trace.close();
    if (!trace) return traceEchouee();
  }
  const double secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();

  static const char* const contrats[5] = {"", "Prise", "Garde", "Garde sans", "Garde contre"};
  std::printf("deals: %d in %.3f s, %.0f deals per second\n", bilan.donnes, secondes, bilan.donnes / secondes);
  std::printf("passed out: %d (%.2f %%)\n", bilan.passees, 100.0 * bilan.passees / bilan.donnes);
  for (int16_t c = 1; c <= 4; ++c) {
    const int32_t n = bilan.jouees[c];
    std::printf("%-13s played %8d, made %6.2f %%\n", contrats[c], n, n > 0 ? 100.0 * bilan.reussies[c] / n : 0.0);
  }
  std::printf("signature: %016llx\n", static_cast<unsigned long long>(bilan.signature.Valeur()));
  return Terminer(0);
}
