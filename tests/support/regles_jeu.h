#pragma once
// The rules of French tarot as a player states them, written here on their own so that the
// engine's play, tricks and scores can be checked against them.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/carte.h"

namespace regles {

inline bool Excuse(const Carte& c) { return c.Couleur == 0 && c.Valeur == 0; }
inline bool Atout(const Carte& c) { return c.Couleur == 0 && c.Valeur > 0; }
inline bool Bout(const Carte& c) { return c.Couleur == 0 && (c.Valeur == 0 || c.Valeur == 1 || c.Valeur == 21); }
// What the taker may lay aside: a plain card below the King.
inline bool Ecartable(const Carte& c) { return c.Couleur != 0 && c.Valeur < 14; }

// King 9, Queen 7, Knight 5, Jack 3, an oudler 9, any other card 1.
inline int DemiPoints(const Carte& c) {
  if (c.Couleur == 0) return Bout(c) ? 9 : 1;
  return c.Valeur >= 11 ? 2 * (c.Valeur - 11) + 3 : 1;
}
inline int PointsAFaire(int bouts) { return bouts == 3 ? 36 : bouts == 2 ? 41 : bouts == 1 ? 51 : 56; }

// Whether a card of `main` (the cards still held) may go on `posees` (the cards laid, in order),
// and why: 0 a free lead, -1 following or the Excuse, 1 trumping a plain suit, 2 overtrumping as
// one must, 3 a trump that cannot overtrump, 4 and 5 discarding on a plain or a trump lead; the
// trump to beat where there is one.
struct Verdict {
  bool legal = false;
  int16_t classe = -1;
  int16_t atoutABattre = -1;
};
inline Verdict Juger(const std::vector<Carte>& main, const std::vector<Carte>& posees, const Carte& c) {
  if (Excuse(c)) return {true, -1, -1};
  const Carte* entame = nullptr;  // the first card that is not the Excuse
  int16_t plusHautAtout = 0;
  for (const Carte& x : posees) {
    if (!entame && !Excuse(x)) entame = &x;
    if (Atout(x) && x.Valeur > plusHautAtout) plusHautAtout = x.Valeur;
  }
  if (!entame) return {true, 0, -1};
  bool aCouleur = false, aAtout = false, peutMonter = false;
  for (const Carte& x : main) {
    aCouleur = aCouleur || (entame->Couleur != 0 && x.Couleur == entame->Couleur);
    aAtout = aAtout || Atout(x);
    peutMonter = peutMonter || (Atout(x) && x.Valeur > plusHautAtout);
  }
  if (aCouleur) return {c.Couleur == entame->Couleur, -1, -1};
  const bool atoutEntame = entame->Couleur == 0;
  if (!aAtout) return {true, static_cast<int16_t>(atoutEntame ? 5 : 4), -1};
  if (!Atout(c)) return {false, -1, -1};
  if (plusHautAtout == 0) return {true, 1, -1};  // the first to trump a plain suit
  if (peutMonter) return {c.Valeur > plusHautAtout, 2, static_cast<int16_t>(atoutEntame ? -1 : plusHautAtout)};
  return {true, 3, plusHautAtout};
}

// Which of the cards laid takes the trick: the highest trump, else the highest card of the
// suit led; the Excuse never does, unless it is alone.
inline std::size_t Gagnant(const std::vector<Carte>& posees) {
  int16_t couleur = -1;
  for (const Carte& c : posees)
    if (couleur == -1 && !Excuse(c)) couleur = c.Couleur;
  auto force = [&](const Carte& c) {
    return Atout(c) ? 100 + c.Valeur : c.Couleur == couleur && !Excuse(c) ? c.Valeur : -1;
  };
  std::size_t gagnant = 0;
  for (std::size_t i = 1; i < posees.size(); ++i)
    if (force(posees[i]) > force(posees[gagnant])) gagnant = i;
  return gagnant;
}

// The taker's score: points made (a half going to the even integer) against the points to
// make, 25 for the contract and 10 for petit au bout (1 the taker's, 2 the defence's) to the
// camp concerned, times 1, 2, 4, 6 by contract, the handful (20, 30, 40) to the camp that
// won, times 3 for the three defenders.
inline int Score(int demiPoints, int bouts, int petitAuBout, int contrat, int poignee) {
  int points = demiPoints / 2;
  if (demiPoints % 2 == 1 && points % 2 == 1) ++points;
  const int difference = points - PointsAFaire(bouts);
  const int signe = difference >= 0 ? 1 : -1;
  static constexpr int multiplicateur[5] = {1, 1, 2, 4, 6};
  int s = difference + 25 * signe + (petitAuBout == 1 ? 10 : petitAuBout == 2 ? -10 : 0);
  s *= multiplicateur[contrat];
  if (poignee > 0) s += signe * (10 + 10 * poignee);
  return 3 * s;
}

}  // namespace regles
