#pragma once
// Positions built by hand for the card-choice tests: hands, the trick on the table, the
// bookkeeping that the rules read, and the candidates.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "computer/choix.h"
#include "game/partie.h"

namespace pos {

inline Carte At(int16_t v) { return Carte{v, CouleurAtout, 1, 0}; }
inline Carte Exc() { return Carte{0, CouleurAtout, 1, 0}; }
inline Carte Pi(int16_t v) { return Carte{v, CouleurPique, 1, 0}; }
inline Carte Co(int16_t v) { return Carte{v, CouleurCoeur, 1, 0}; }
inline Carte Tr(int16_t v) { return Carte{v, CouleurTrefle, 1, 0}; }
inline Carte Ca(int16_t v) { return Carte{v, CouleurCarreau, 1, 0}; }
// The same card, already played.
inline Carte Jouee(Carte c) {
  c.EnMain = 0;
  return c;
}

// Lays the cards in hand order in places 1.., the rest of the 18 places empty.
inline void DonnerMain(Partie& g, int16_t siege, std::initializer_list<Carte> cartes) {
  std::vector<Carte> v(cartes);
  std::stable_sort(v.begin(), v.end(), AvantDansLeTri);
  Main& m = g.MainsJoueurs[siege];
  for (int k = 1; k <= 18; ++k) m[k] = Carte{0, -1, 0, 0};
  int k = 1;
  for (const Carte& c : v) m[k++] = c;
}

inline int16_t PlaceDe(const Partie& g, int16_t siege, Carte c) {
  for (int16_t k = 1; k <= 18; ++k)
    if (g.MainsJoueurs[siege][k].Couleur == c.Couleur && g.MainsJoueurs[siege][k].Valeur == c.Valeur) return k;
  return -1;
}

// Recounts from the hands what the bookkeeping would hold: holders and places of held cards
// (-1 for played or missing ones), trumps dealt, held and fallen, suit lengths, long suits.
inline void Recenser(Partie& g) {
  g.DetenteurAtout.Remplir(-1);
  for (auto& s : g.DetenteurCarte) s.Remplir(-1);
  g.DetenteurPetit = -1;
  g.DetenteurExcuse = -1;
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
        if (tenue) ++g.NbAtouts[p]; else ++g.NbAtoutsTombes;
      }
      if (c.EstCouleur()) {
        ++g.NbCartesCouleurDonne[p][c.Couleur];
        if (tenue) ++g.NbCartesCouleur[p][c.Couleur];
      }
      if (!tenue) continue;
      if (c.EstPetit()) { g.DetenteurPetit = p; g.PlacePetit = k; }
      if (c.EstExcuse()) { g.DetenteurExcuse = p; g.PlaceExcuse = k; }
      if (c.EstAtout() && c.Valeur >= 2) { g.DetenteurAtout[c.Valeur] = p; g.PlaceAtout[c.Valeur] = k; }
      if (c.EstCouleur()) { g.DetenteurCarte[c.Couleur][c.Valeur] = p; g.PlaceCarte[c.Couleur][c.Valeur] = k; }
    }
    // Longest suit dealt, the first among equals.
    g.CouleurLongue[p] = 1;
    for (int16_t s = 2; s <= 4; ++s)
      if (g.NbCartesCouleurDonne[p][s] > g.NbCartesCouleurDonne[p][g.CouleurLongue[p]]) g.CouleurLongue[p] = s;
  }
}

// Every held card of the seat is a candidate.
inline void ToutJouable(Partie& g, int16_t siege) {
  for (int16_t k = 1; k <= 18; ++k) g.CarteJouable[siege][k] = g.MainsJoueurs[siege][k].EnMain;
}
// The cards already laid in the current trick, from the leader on; the next seat is to play.
inline void PoserPli(Partie& g, int16_t entameur, std::initializer_list<Carte> posees) {
  for (auto& c : g.PliCourant) c = Carte{0, -1, 0, 0};
  g.EntameurPli = entameur;
  int16_t s = entameur;
  for (const Carte& c : posees) {
    g.PliCourant[s] = Carte{c.Valeur, c.Couleur, 0, 0};
    s = Suivant(s);
  }
  g.NbCartesPli = static_cast<int16_t>(posees.size());
  g.JoueurCourant = s;
  if (posees.size() > 0) {
    const Carte& l = g.PliCourant[entameur];
    g.CouleurDemandee = l.Couleur;
    g.ValeurEntame = l.Valeur;
  }
}

// A card as text: "A21", "Exc", "P5", "Co13", "T1", "Ca11".
inline std::string Nom(const Carte& c) {
  static const char* const couleurs[] = {"A", "P", "Co", "T", "Ca"};
  if (c.EstExcuse()) return "Exc";
  std::string t = couleurs[c.Couleur];
  t += std::to_string(c.Valeur);
  return t;
}
// The seat's candidates in hand order, as text.
inline std::string Reste(const Partie& g, int16_t siege) {
  std::string t;
  for (int16_t k = 1; k <= 18; ++k)
    if (g.CarteJouable[siege][k] == 1) {
      if (!t.empty()) t += ' ';
      t += Nom(g.MainsJoueurs[siege][k]);
    }
  return t;
}

}  // namespace pos
