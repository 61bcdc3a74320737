#include "game/aleatoire.h"

#include <chrono>
#include <cmath>

int16_t CInt(double x) { return static_cast<int16_t>(std::nearbyint(x)); }

namespace {
uint64_t Horloge() {
  return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
uint64_t Melanger(uint64_t z) {
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}
}  // namespace

Aleatoire::Aleatoire() : etat_(Melanger(Horloge())), reensemencer_(true) {}
Aleatoire::Aleatoire(uint64_t graine, bool reensemencer) : etat_(Melanger(graine)), reensemencer_(reensemencer) {}

// splitmix64: small, fast, and good enough for shuffling cards.
uint64_t Aleatoire::Suivant() {
  etat_ += 0x9e3779b97f4a7c15ULL;
  return Melanger(etat_);
}

double Aleatoire::Rnd() { return static_cast<double>(Suivant() >> 11) * 0x1.0p-53; }

// Two reseeds within one clock tick still differ: the clock is mixed with the state.
void Aleatoire::Reensemencer() {
  if (reensemencer_) etat_ = Melanger(etat_ ^ Horloge());
}
