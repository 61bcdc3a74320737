#pragma once
// One random generator per game: uniform draws in [0, 1) and the rounding the rules use.
#include <cstdint>

// Nearest integer, a half going to the even one (2.5 -> 2, -1.5 -> -2).
int16_t CInt(double x);

class Aleatoire {
 public:
  // Seeded from the clock; every Reensemencer mixes the clock in again.
  Aleatoire();
  // Fixed seed for tests and benchmarks; with reensemencer false, Reensemencer does nothing
  // and a run is reproducible draw for draw.
  explicit Aleatoire(uint64_t graine, bool reensemencer = false);

  double Rnd();  // uniform in [0, 1)
  void Reensemencer();
  bool ReensemencementActif() const { return reensemencer_; }

 private:
  uint64_t Suivant();
  uint64_t etat_;
  bool reensemencer_;
};
