#pragma once
// The computer card choice: the values a choice computes once, and the candidate helpers
// every strategy rule uses. Candidates are the seat's CarteJouable flags; helpers only clear
// flags and never clear the last one.
#include <cstdint>

#include "computer/suivi.h"
#include "game/partie.h"

struct ContexteChoix {
  int16_t joueur = 0;
  int16_t regle = 0;  // the rule now running, for the flag a successful pick sets
  int16_t Defenseur1 = 0, Defenseur2 = 0, Defenseur3 = 0;
  int16_t PositionDansPli = 1;
  int16_t JoueurMaitre = 0;
  int16_t PlaceGagnante = -1;  // hand place, -1 none, 100 the duel with the taker is not at stake
  int16_t ChoixFait = 0;
};

// Plays one card for computer seat `joueur` (its CarteJouable row is already written).
void JouerCarteOrdinateur(Partie& g, int16_t joueur);
// Lays the card of hand place `place` of `joueur` (the seat to play): recorded while still in
// the hand, marked played, shown on the table, taken into the trick state. Counting the card
// in the trick is left to CompterCartePli.
void PoserCarte(Partie& g, int16_t joueur, int16_t place);
// Everything before the card is laid: the level draw, the reasoned choice and the final draw.
// Returns the hand place to play.
int16_t ChoisirPlaceOrdinateur(Partie& g, int16_t joueur);
// The final draw over hand places 1..18 among the candidates (places 1 and 18 at half weight).
int16_t TirerPlaceCandidate(Partie& g, int16_t joueur);
// The reasoned choice: narrows CarteJouable(joueur, .) through the cascade.
void ChoisirCarteOrdinateur(Partie& g, int16_t joueur);
// The values a choice computes once before the cascade runs (ChoixFait 0, no rule running).
ContexteChoix CalculerContexteChoix(const Partie& g, int16_t joueur);

// Candidate helpers.
void ForcerCarteJouable(Partie& g, int16_t joueur, int16_t place, int16_t& ok);
void ExclureCarteSiAutreChoix(Partie& g, int16_t joueur, int16_t couleur, int16_t valeur);
void ExclureCouleurSiAutreChoix(Partie& g, int16_t joueur, int16_t couleur);
void ChercherPlusFortHonneur(const Partie& g, int16_t joueur, int16_t& place);
void ChercherPlusPetitAtout(const Partie& g, int16_t joueur, int16_t& place);
void ChercherPlusPetiteCarte(const Partie& g, int16_t joueur, int16_t& place);
void ChercherPlusPetitAtoutPair(const Partie& g, int16_t joueur, int16_t& place);
void ChercherRoiGarde(const Partie& g, int16_t joueur, int16_t couleur, int16_t& place);
void ChercherPetiteCarteCouleurLongue(const Partie& g, int16_t joueur, int16_t couleur, int16_t& place);
void JoueurJoueApres(const Partie& g, int16_t a, int16_t b, int16_t positionA, int16_t& resultat);
void TrouverCarteGagnante(const Partie& g, int16_t joueur, int16_t& place);

inline bool EstCandidat(const Partie& g, int16_t joueur, int place) { return g.CarteJouable[joueur][place] == 1; }
// First (places 1 to 18) and last (18 to 1) candidate whose card satisfies `test`; -1 for none.
template <class Test>
int16_t PremierCandidat(const Partie& g, int16_t joueur, Test test) {
  for (int16_t k = 1; k <= 18; ++k)
    if (EstCandidat(g, joueur, k) && test(g.MainsJoueurs[joueur][k])) return k;
  return -1;
}
template <class Test>
int16_t DernierCandidat(const Partie& g, int16_t joueur, Test test) {
  for (int16_t k = 18; k >= 1; --k)
    if (EstCandidat(g, joueur, k) && test(g.MainsJoueurs[joueur][k])) return k;
  return -1;
}

// A rule's pick: ForcerCarteJouable, then ChoixFait := ok and, on success, the rule's flag := 2.
bool Prendre(Partie& g, ContexteChoix& c, int16_t place);
// AFTER: the taker has laid his card in this trick or is himself last to play.
bool ApresPreneur(const Partie& g, const ContexteChoix& c);
