#pragma once
// Deals built for a test: some hands written out card by card, the rest of the deck dealt in
// order or shuffled with a fixed seed; a hand-driven trick; and a recording display.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "computer/suivi.h"
#include "game/partie.h"

namespace positions {

inline Carte P(int16_t v) { return Carte{v, CouleurPique, 1, 0}; }
inline Carte Co(int16_t v) { return Carte{v, CouleurCoeur, 1, 0}; }
inline Carte T(int16_t v) { return Carte{v, CouleurTrefle, 1, 0}; }
inline Carte Ca(int16_t v) { return Carte{v, CouleurCarreau, 1, 0}; }
inline Carte A(int16_t v) { return Carte{v, CouleurAtout, 1, 0}; }
inline Carte Exc() { return A(0); }

using Cartes = std::vector<Carte>;

inline bool Meme(const Carte& a, const Carte& b) { return a.Couleur == b.Couleur && a.Valeur == b.Valeur; }

// Seats listed in `mains` (and the chien when given) get exactly those cards; the other
// cards of the deck fill the remaining seats and the chien in deck order. Hands and chien
// are then sorted, every card in hand.
inline void Donner(Partie& g, const std::map<int16_t, Cartes>& mains, const Cartes& chien = {}) {
  std::vector<Carte> reste;
  for (int16_t n = 1; n <= 78; ++n) {
    const Carte c = CarteDeNumero(n);
    bool pris = std::any_of(chien.begin(), chien.end(), [&](const Carte& x) { return Meme(x, c); });
    for (const auto& [siege, cartes] : mains)
      pris = pris || std::any_of(cartes.begin(), cartes.end(), [&](const Carte& x) { return Meme(x, c); });
    if (!pris) reste.push_back(c);
  }
  size_t r = 0;
  for (int16_t p = 1; p <= 4; ++p) {
    auto it = mains.find(p);
    for (int16_t k = 1; k <= 18; ++k) {
      Carte c = it != mains.end() ? it->second.at(static_cast<size_t>(k - 1)) : reste.at(r++);
      c.EnMain = 1;
      g.MainsJoueurs[p][k] = c;
    }
  }
  for (int16_t j = 1; j <= 6; ++j) {
    Carte c = chien.empty() ? reste.at(r++) : chien.at(static_cast<size_t>(j - 1));
    c.EnMain = 1;
    g.Chien[j] = c;
  }
  TrierChien(g);
  TrierMains(g);
}

// The auction's outcome: `preneur` bid `contrat`, everybody else passed.
inline void DonnerContrat(Partie& g, int16_t preneur, int16_t contrat) {
  g.EnchereJoueur.Remplir(EncherePasse);
  g.EnchereJoueur[preneur] = contrat;
  g.Preneur = preneur;
}

inline bool Ecartable(const Carte& c) { return c.EstCouleur() && c.Valeur != 14; }

// A shuffled deal from the game's generator, redealt until every seat with the chien holds
// six plain cards other than Kings (what the real deal guarantees).
inline void DonnerAuHasard(Partie& g) {
  for (;;) {
    Tab1<int16_t, 78> paquet;
    for (int16_t n = 1; n <= 78; ++n) paquet[n] = n;
    for (int i = 78; i > 1; --i) std::swap(paquet[i], paquet[1 + static_cast<int>(g.Rnd() * i)]);
    for (int i = 1; i <= 78; ++i) {
      Carte c = CarteDeNumero(paquet[i]);
      c.EnMain = 1;
      if (i <= 72)
        g.MainsJoueurs[(i - 1) / 18 + 1][(i - 1) % 18 + 1] = c;
      else
        g.Chien[i - 72] = c;
    }
    const auto chien = std::count_if(g.Chien.begin(), g.Chien.end(), Ecartable);
    bool bonne = true;
    for (const Main& m : g.MainsJoueurs) bonne = bonne && std::count_if(m.begin(), m.end(), Ecartable) + chien >= 6;
    if (bonne) break;
  }
  TrierChien(g);
  TrierMains(g);
}

// The place of a card in a seat's hand, -1 when absent.
inline int16_t PlaceDe(const Partie& g, int16_t siege, const Carte& c) {
  for (int16_t k = 1; k <= 18; ++k)
    if (Meme(g.MainsJoueurs[siege][k], c)) return k;
  return -1;
}

// Lays a card by hand, with the legality class given, and keeps the few trick fields the
// bookkeeping reads: leader, suit led (the second card's after the Excuse), trick number.
inline void Poser(Partie& g, int16_t joueur, const Carte& carte, int16_t classe) {
  const int16_t k = PlaceDe(g, joueur, carte);
  ASSERT_GE(k, 1);
  if (g.NbCartesPli == 0) {
    ++g.NumeroPli;
    g.EntameurPli = joueur;
    for (Carte& c : g.PliCourant) c.Couleur = -1;
  }
  if (g.NbCartesPli == 0 || (g.NbCartesPli == 1 && g.PliCourant[g.EntameurPli].EstExcuse()))
    g.CouleurDemandee = carte.Couleur;
  g.ClasseCarte[joueur][k].Classe = classe;
  EnregistrerCarteJouee(g, joueur, k);
  g.MainsJoueurs[joueur][k].EnMain = 0;
  g.PliCourant[joueur] = carte;
  g.NbCartesPli = static_cast<int16_t>((g.NbCartesPli + 1) % 4);
}

// The seat's first card still in hand, laid with class -1 (following).
inline void Suivre(Partie& g, int16_t joueur) {
  for (const Carte& c : g.MainsJoueurs[joueur])
    if (c.EnMain == 1) return Poser(g, joueur, c, -1);
}

// Remembers what the rules showed.
class AffichageEnregistre : public Affichage {
 public:
  void AfficherInfo(std::string_view fr, std::string_view en) override {
    infoFr = std::string(fr);
    infoEn = std::string(en);
  }
  void AfficherAtoutsDehors(int16_t n) override { atoutsDehors.push_back(n); }
  std::string infoFr, infoEn;
  std::vector<int16_t> atoutsDehors;
};

}  // namespace positions
