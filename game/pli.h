#pragma once
// The trick being played: legal cards, master of the trick, the update after each card and
// the end of a trick with its counting.
#include <cstdint>

#include "game/partie.h"

// Writes the seat's row of CarteJouable and the classes of its legal cards (every other class
// is reset to -1). For the human seat the display marks and raises the legal cards.
void DeterminerCartesJouables(Partie& g, int16_t joueur);

// Master among the cards laid from EntameurPli up to the seat before `joueur`; with `joueur`
// the leader itself (nothing laid yet, or all four laid) the leader.
void DeterminerMaitrePli(const Partie& g, int16_t joueur, int16_t& maitre);
int16_t MaitrePli(const Partie& g, int16_t joueur);

// True when `carte`, laid after `maitre`, takes the trick from it: a higher card of the same
// suit (trumps included), a trump on a card that is not of suit 0, or any card on the Excuse.
bool PrendLaMain(const Carte& carte, const Carte& maitre);

// The card of hand place `place` of JoueurCourant has just been laid (already marked played):
// PliCourant, the suit led, the value led and the highest trump follow it.
void MettreAJourPli(Partie& g, int16_t place);

// Counts the card just laid: at the fourth card the trick ends, otherwise the next seat is to
// play and the card timer is armed. Every played card goes through MettreAJourPli then this.
void CompterCartePli(Partie& g);

// Ends a trick of four cards: winner, points, the Excuse, the oudlers, and at the last trick the
// chien and petit au bout; then the panels and the pause before the next trick.
void RamasserPli(Partie& g);

// The taker's contract, EnchereAucune while nobody has taken.
inline int16_t ContratPreneur(const Partie& g) {
  if (g.Preneur < 1 || g.Preneur > 4) return EnchereAucune;
  return g.EnchereJoueur[g.Preneur];
}

// Points the taker must make with 0..3 oudlers.
int16_t PointsAFairePourBouts(int16_t bouts);
