#pragma once
// Each seat's own picture of where the cards lie: cards it knows in a hand, in the discard
// or played, seats that can no longer hold a plain card, voids and exhausted trumps. A
// picture is built only from what that seat could really see, so it is never wrong.
#include <cstdint>

#include "game/partie.h"

// Start of play, once the hands and the discard are final.
void InitialiserConnaissanceCartes(Partie& g);
void InitCoupesConnues(Partie& g);
// A card of `joueur`, hand place `place`, is played: every picture codes it played, and a
// seat that trumped or discarded on a plain lead is excluded for the rest of that suit.
// Called while ClasseCarte and CouleurDemandee still describe the card.
void NoterCarteJouee(Partie& g, int16_t joueur, int16_t place, int16_t couleur, int16_t valeur);
// Draws what follows: a known discard, the holder of a card only one seat can hold (the
// taker's picture), and the counts of unknown cards.
void MettreAJourConnaissances(Partie& g);

// Every observer learns that `joueur` holds no card of plain suit `couleur`.
void NoterCoupe(Partie& g, int16_t joueur, int16_t couleur);
// Every observer learns that `joueur` holds no trump.
void NoterSansAtout(Partie& g, int16_t joueur);
