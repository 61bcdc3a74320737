#include "computer/evaluation.h"

int16_t PoidsCarte(const Carte& carte) {
  if (carte.Couleur == CouleurAtout) {
    if (carte.Valeur == 1 || carte.Valeur == 21) return 12;
    if (carte.Valeur == 0) return 8;
    return carte.Valeur >= 15 ? 3 : 2;
  }
  switch (carte.Valeur) {
    case 14:
      return 12;
    case 13:
      return 6;
    case 12:
    case 11:
      return 2;
    default:
      return 1;
  }
}

namespace {

// Length bonus by the number of suit-0 cards.
int16_t BonusLongueur(int n) {
  if (n <= 5) return 0;
  if (n >= 10) return 12;
  constexpr int16_t bonus[] = {2, 4, 6, 9};  // 6, 7, 8, 9 cards
  return bonus[n - 6];
}

// What a hand must hold to bid from a given shape, and where its score stands.
struct Forme {
  int16_t atoutsMin;
  int16_t hautsMin;
  int16_t reference;
  int16_t coupes[4];  // d = reference - S at least coupes[k] gives bid k
};

constexpr Forme TroisBouts{5, 2, 72, {21, 11, -5, -11}};
constexpr Forme DeuxBoutsAvec21{5, 2, 82, {39, 27, 7, -1}};
constexpr Forme UnBout{6, 2, 102, {47, 33, -1, -11}};
constexpr Forme SansBout{8, 4, 112, {43, 29, -11, -17}};
constexpr Forme PetitEtExcuse{6, 2, 82, {39, 27, 7, -1}};

}  // namespace

int16_t EvaluerAtouts(const Partie& g, int16_t siege) {
  int16_t score = 0;
  int n = 0;
  for (const Carte& c : g.MainsJoueurs[siege])
    if (c.Couleur == CouleurAtout) {
      score = static_cast<int16_t>(score + PoidsCarte(c));
      ++n;
    }
  return static_cast<int16_t>(score + BonusLongueur(n));
}

int16_t EvaluerMain(const Partie& g, int16_t siege) {
  int16_t score = EvaluerAtouts(g, siege);
  for (const Carte& c : g.MainsJoueurs[siege])
    if (c.Couleur != CouleurAtout) score = static_cast<int16_t>(score + PoidsCarte(c));
  return score;
}

int16_t CalculerEnchereConseillee(Partie& g, int16_t siege) {
  int atouts = 0, hauts = 0, bouts = 0;
  bool avec21 = false;
  for (const Carte& c : g.MainsJoueurs[siege]) {
    if (c.Couleur != CouleurAtout) continue;
    ++atouts;
    // Trump 12 counts as high three times in four, trump 11 once in four: r is 0, 1, 2
    // with chances 1/4, 1/2, 1/4. Every suit-0 card takes its draw, the Excuse included.
    const int r = CInt(2 * g.Rnd());
    if (c.Valeur >= 13 - r) ++hauts;
    if (c.EstBout()) ++bouts;
    if (c.Valeur == 21) avec21 = true;
  }

  const Forme* forme = nullptr;
  if (bouts == 3)
    forme = &TroisBouts;
  else if (bouts == 2)
    forme = avec21 ? &DeuxBoutsAvec21 : &PetitEtExcuse;
  else if (bouts == 1)
    forme = &UnBout;
  else
    forme = &SansBout;
  if (atouts < forme->atoutsMin || hauts < forme->hautsMin) return EncherePasse;

  const int d = forme->reference - EvaluerMain(g, siege);
  for (int16_t k = 0; k < 4; ++k)
    if (d >= forme->coupes[k]) return k;
  return EnchereGardeContre;
}
