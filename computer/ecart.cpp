#include "computer/ecart.h"

#include <cassert>

#include "computer/suivi.h"

namespace {

// One pass of the fill from a random position: at most 24 steps, stopping at six discards.
void Completer(Partie& g, const Cartes24& cartes, Drapeaux24& garder, int16_t& nb, int16_t epargnee) {
  int16_t j = static_cast<int16_t>(CInt(g.Rnd() * 23) + 1);
  for (int pas = 1; pas <= 24 && nb < 6; ++pas) {
    const Carte& c = cartes[j];
    if (garder[j] == 1 && c.EstEcartable() && c.Couleur != epargnee) {
      garder[j] = 0;
      ++nb;
    }
    j = static_cast<int16_t>(j % 24 + 1);
  }
}

}  // namespace

void FusionnerMainEtChien(const Main& main, const Tab1<Carte, 6>& chien, Cartes24& cartes, Drapeaux24& origine) {
  int h = 1;
  int c = 1;
  for (int k = 1; k <= 24; ++k) {
    const bool deMain = c > 6 || (h <= 18 && AvantDansLeTri(main[h], chien[c]));
    cartes[k] = deMain ? main[h++] : chien[c++];
    origine[k] = deMain ? 1 : 0;
  }
}

void FaireEcartOrdinateur(Partie& g) {
  const int16_t t = g.Preneur;
  Cartes24 cartes;
  Drapeaux24 garder;
  FusionnerMainEtChien(g.MainsJoueurs[t], g.Chien, cartes, garder);
  garder.Remplir(1);

  // Survey: the shortest King-less suit to void, and the longest suit to spare.
  const int16_t s0 = TirerCouleurDepart(g);
  int16_t meilleure = -1, minimum = 100, longue = -1, maximum = -100;
  for (int i = 0; i < 4; ++i) {
    const int16_t s = CouleurApres(s0, i);
    int16_t nombre = 0;
    bool roi = false;
    for (const Carte& c : cartes) {
      if (c.Couleur != s) continue;
      if (c.Valeur == 14)
        roi = true;
      else
        ++nombre;
    }
    if (nombre < minimum && nombre != 0 && !roi) {
      meilleure = s;
      minimum = nombre;
    }
    if (nombre > maximum) {
      longue = s;
      maximum = nombre;
    }
  }

  int16_t nb = 0;
  if (meilleure != -1)
    for (int k = 1; k <= 24 && nb < 6; ++k)
      if (cartes[k].Couleur == meilleure && cartes[k].EstEcartable()) {
        garder[k] = 0;
        ++nb;
      }

  Completer(g, cartes, garder, nb, longue);
  if (nb < 6) Completer(g, cartes, garder, nb, -1);
  // The deal never leaves a taker with fewer than six plain cards other than Kings.
  assert(nb == 6);

  int m = 0;
  int e = 0;
  for (int k = 1; k <= 24; ++k) {
    Carte& dest = garder[k] == 1 ? g.MainsJoueurs[t][++m] : g.Chien[++e];
    dest.Valeur = cartes[k].Valeur;
    dest.Couleur = cartes[k].Couleur;
  }

  PreparerJeuDeLaCarte(g);
}
