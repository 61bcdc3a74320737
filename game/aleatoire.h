#pragma once
// One random generator per game: uniform draws in [0, 1) and the rounding the rules use.
#include <cmath>
#include <cstdint>

// Nearest integer, a half going to the even one (2.5 -> 2, -1.5 -> -2).
inline int16_t CInt(double x) { return static_cast<int16_t>(std::nearbyint(x)); }

class Aleatoire {
 public:
  // Seeded from the clock; every Reensemencer mixes the clock in again.
  Aleatoire();
  // Fixed seed for tests and benchmarks; with reensemencer false, Reensemencer does nothing
  // and a run is reproducible draw for draw.
  explicit Aleatoire(uint64_t graine, bool reensemencer = false);

  // Uniform in [0, 1). Inline: the shuffle draws about two thousand times per deal.
  double Rnd() { return static_cast<double>(Suivant() >> 11) * 0x1.0p-53; }
  void Reensemencer();

 private:
  static uint64_t Melanger(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  // splitmix64: small, fast, and good enough for shuffling cards.
  uint64_t Suivant() {
    etat_ += 0x9e3779b97f4a7c15ULL;
    return Melanger(etat_);
  }
  uint64_t etat_;
  bool reensemencer_;
};
