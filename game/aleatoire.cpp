#include "game/aleatoire.h"

#include <chrono>

namespace {
uint64_t Horloge() {
  return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

Aleatoire::Aleatoire() : etat_(Melanger(Horloge())), reensemencer_(true) {}
Aleatoire::Aleatoire(uint64_t graine, bool reensemencer) : etat_(Melanger(graine)), reensemencer_(reensemencer) {}

// Two reseeds within one clock tick still differ: the clock is mixed with the state.
void Aleatoire::Reensemencer() {
  if (reensemencer_) etat_ = Melanger(etat_ ^ Horloge());
}
