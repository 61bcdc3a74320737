#pragma once
// Cards, deals and positions written out for the tests: card names, a deal with some hands
// given, a trick played by hand through the engine, and positions of the card play built for
// one strategy rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "computer/regles.h"
#include "support/donnes.h"

inline Carte At(int16_t v) { return Carte{v, CouleurAtout, 1, 0}; }
inline Carte Exc() { return At(0); }
inline Carte Pi(int16_t v) { return Carte{v, CouleurPique, 1, 0}; }
inline Carte Co(int16_t v) { return Carte{v, CouleurCoeur, 1, 0}; }
inline Carte Tr(int16_t v) { return Carte{v, CouleurTrefle, 1, 0}; }
inline Carte Ca(int16_t v) { return Carte{v, CouleurCarreau, 1, 0}; }
// The same card, already played.
inline Carte Jouee(const Carte& c) { return Carte{c.Valeur, c.Couleur, 0, c.Reserve}; }
using Cartes = std::vector<Carte>;

inline bool Meme(const Carte& a, const Carte& b) { return a.Couleur == b.Couleur && a.Valeur == b.Valeur; }

// "A21", "Exc", "P5", "Co13", "T1", "Ca11".
inline std::string Nom(const Carte& c) {
  static const char* const couleurs[] = {"A", "P", "Co", "T", "Ca"};
  return c.EstExcuse() ? "Exc" : couleurs[c.Couleur] + std::to_string(c.Valeur);
}
// The cards so named, separated by spaces; "-P5": the card already played.
inline Cartes Lire(const std::string& texte) {
  Cartes cartes;
  std::istringstream mots(texte);
  for (std::string mot; mots >> mot;) {
    const bool jouee = mot[0] == '-';
    int16_t n = 1;
    while (n < 78 && Nom(CarteDeNumero(n)) != mot.substr(jouee)) ++n;
    EXPECT_EQ(Nom(CarteDeNumero(n)), mot.substr(jouee));
    cartes.push_back(Carte{CarteDeNumero(n).Valeur, CarteDeNumero(n).Couleur, !jouee, 0});
  }
  return cartes;
}

// The place of a card in a seat's hand, -1 when absent.
inline int16_t PlaceDe(const Partie& g, int16_t siege, const Carte& c) {
  for (int16_t k = 1; k <= 18; ++k)
    if (Meme(g.MainsJoueurs[siege][k], c)) return k;
  return -1;
}

// Seats listed in `mains` take those cards, the chien its own when given; the rest of the deck,
// in card-number order, fills the hands still short and then the chien. Hands and chien are
// sorted, every card held.
inline void Donner(Partie& g, const std::map<int16_t, Cartes>& mains, const Cartes& chien = {}) {
  std::vector<bool> pris(79, false);
  for (const auto& [siege, cartes] : mains)
    for (const Carte& c : cartes) pris[static_cast<size_t>(NumeroCarte(c))] = true;
  for (const Carte& c : chien) pris[static_cast<size_t>(NumeroCarte(c))] = true;
  int16_t n = 1;
  auto prendre = [&](const Cartes* donnees, size_t i) {
    while (pris[static_cast<size_t>(n)]) ++n;
    Carte c = donnees && i < donnees->size() ? (*donnees)[i] : CarteDeNumero(n++);
    c.EnMain = 1;
    return c;
  };
  for (int16_t p = 1; p <= 4; ++p) {
    const auto it = mains.find(p);
    for (int16_t k = 1; k <= 18; ++k) g.MainsJoueurs[p][k] = prendre(it != mains.end() ? &it->second : nullptr, k - 1u);
  }
  for (int16_t j = 1; j <= 6; ++j) g.Chien[j] = prendre(&chien, j - 1u);
  TrierChien(g);
  TrierMains(g);
}

// Plays the cards in turn from the seat to play, each checked legal first.
inline void Jouer(Partie& g, const Cartes& cartes) {
  for (const Carte& c : cartes) {
    const int16_t j = g.JoueurCourant;
    DeterminerCartesJouables(g, j);
    const int16_t k = PlaceDe(g, j, c);
    ASSERT_TRUE(k != -1 && g.CarteJouable[j][k] == 1) << "seat " << j << " may not play " << Nom(c);
    JouerPlace(g, k);
  }
}

// Recounts from the hands what the bookkeeping would hold: holders and places of held cards
// (-1 for played or missing ones), trumps dealt, held and fallen, suit lengths, long suits, and
// each seat's knowledge of its own lack of trumps.
inline void Recenser(Partie& g) {
  g.DetenteurAtout.Remplir(-1);
  for (auto& s : g.DetenteurCarte) s.Remplir(-1);
  g.DetenteurPetit = g.DetenteurExcuse = -1;
  g.NbAtoutsTombes = 0;
  for (int16_t p = 1; p <= 4; ++p) {
    g.NbAtoutsDonne[p] = g.NbAtouts[p] = 0;
    g.NbCartesCouleurDonne[p].Remplir(0);
    g.NbCartesCouleur[p].Remplir(0);
    for (int16_t k = 1; k <= 18; ++k) {
      const Carte& c = g.MainsJoueurs[p][k];
      const bool tenue = c.EnMain == 1;
      if (c.EstAtout()) {
        ++g.NbAtoutsDonne[p];
        ++(tenue ? g.NbAtouts[p] : g.NbAtoutsTombes);
      }
      if (c.EstCouleur()) {
        ++g.NbCartesCouleurDonne[p][c.Couleur];
        g.NbCartesCouleur[p][c.Couleur] += tenue;
      }
      if (!tenue) continue;
      const std::tuple<int16_t, int16_t> detenteurEtPlace(p, k);
      if (c.EstPetit()) std::tie(g.DetenteurPetit, g.PlacePetit) = detenteurEtPlace;
      if (c.EstExcuse()) std::tie(g.DetenteurExcuse, g.PlaceExcuse) = detenteurEtPlace;
      if (c.EstAtout() && c.Valeur >= 2)
        std::tie(g.DetenteurAtout[c.Valeur], g.PlaceAtout[c.Valeur]) = detenteurEtPlace;
      if (c.EstCouleur())
        std::tie(g.DetenteurCarte[c.Couleur][c.Valeur], g.PlaceCarte[c.Couleur][c.Valeur]) = detenteurEtPlace;
    }
    g.CouleurLongue[p] = 1;  // the first of the longest suits dealt
    for (int16_t s = 2; s <= 4; ++s)
      if (g.NbCartesCouleurDonne[p][s] > g.NbCartesCouleurDonne[p][g.CouleurLongue[p]]) g.CouleurLongue[p] = s;
    g.SansAtout[p][p] = g.NbAtouts[p] == 0;
  }
}

// A position of the card play written out by hand: the taker (with a Garde), the cards laid in
// the trick, and the hands that matter in hand order, the other places empty. The seat to play
// has its legal cards as candidates; nothing has been placed in anybody's picture yet.
struct Position {
  Partie g{Aleatoire(11)};

  explicit Position(int16_t preneur, int16_t pli = 6) {
    DonnerContrat(g, preneur, EnchereGarde);
    g.NumeroPli = pli;
    g.CouleurNonJouee.Remplir(1);
    g.PasEncoreEntame.Remplir(1);
    for (auto& o : g.ConnuDetenteurCouleur)
      for (auto& s : o) s.Remplir(ConnuNonPlace);
    Pli(1, {});
  }
  int16_t Joueur() const { return g.JoueurCourant; }

  // The cards laid from the leader on; the next seat is to play.
  Position& Pli(int16_t entameur, const Cartes& posees) {
    for (auto& c : g.PliCourant) c = Carte{};
    g.EntameurPli = g.JoueurCourant = entameur;
    g.NbCartesPli = g.PlusHautAtoutPli = 0;
    for (const Carte& c : posees) {
      g.PliCourant[g.JoueurCourant] = Carte{c.Valeur, c.Couleur, 0, 0};
      if (g.NbCartesPli == 0 || (g.NbCartesPli == 1 && g.PliCourant[entameur].EstExcuse()))
        std::tie(g.CouleurDemandee, g.ValeurEntame) = std::tuple(c.Couleur, c.Valeur);
      if (c.EstAtout()) g.PlusHautAtoutPli = std::max(g.PlusHautAtoutPli, c.Valeur);
      ++g.NbCartesPli;
      g.JoueurCourant = JoueurSuivant(g.JoueurCourant);
    }
    return *this;
  }
  // A seat's hand (cards made with Jouee are already played).
  Position& Main(int16_t siege, Cartes cartes) {
    std::stable_sort(cartes.begin(), cartes.end(), AvantDansLeTri);
    for (int16_t k = 1; k <= 18; ++k) g.MainsJoueurs[siege][k] = k <= std::ssize(cartes) ? cartes[k - 1u] : Carte{};
    Recenser(g);
    if (siege == Joueur()) DeterminerCartesJouables(g, siege);
    return *this;
  }
  Position& Main(const Cartes& cartes) { return Main(Joueur(), cartes); }

  // The candidates of the seat to play in hand order, as text.
  std::string Candidats() const {
    std::string t;
    for (int16_t k = 1; k <= 18; ++k)
      if (g.CarteJouable[Joueur()][k] == 1) t += (t.empty() ? "" : " ") + Nom(g.MainsJoueurs[Joueur()][k]);
    return t;
  }
  // One rule alone for the seat to play: "=" when it ends the choice, then the candidates left.
  std::string Regle(int16_t numero) {
    g.ReglesActives.Remplir(1);  // as at the start of every choice
    ContexteChoix c = CalculerContexteChoix(g, Joueur());
    LancerRegle(g, c, numero);
    return (c.ChoixFait == 1 ? "=" : "") + Candidats();
  }
};

// The deal that `Donner` makes of these hands and chien, in dealt order.
inline OrdreDonne Composer(const std::map<int16_t, Cartes>& mains, const Cartes& chien = {}) {
  Partie g{Aleatoire(1)};
  Donner(g, mains, chien);
  OrdreDonne d;
  for (int i = 1; i <= 78; ++i)
    d[i] = NumeroCarte(i <= 72 ? g.MainsJoueurs[(i - 1) / 18 + 1][(i - 1) % 18 + 1] : g.Chien[i - 72]);
  return d;
}

// The names of the cards in their order, separated by spaces.
inline std::string Noms(const auto& cartes) {
  std::string t;
  for (const Carte& c : cartes) t += (t.empty() ? "" : " ") + Nom(c);
  return t;
}
