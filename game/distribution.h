#pragma once
// Shuffle, deal and the judgement of a deal: one try at a time, and the loop that deals until
// a try is accepted.
#include <cstdint>

#include "game/partie.h"

// One try: shuffles PaquetTravail (or takes back JeuSauve for a replay), deals it into the
// hands and the chien, and judges it. ok is 1 when the deal is accepted, else 0; either way
// the hands, the chien, CartesDistribuees, PaquetTravail (and JeuSauve unless replaying) hold
// this try's cards.
void DistribuerDonne(Partie& g, int16_t& ok);
int16_t DistribuerDonne(Partie& g);

// Exchanges the Valeur and Couleur of the 18 places of seats a and b, through MainTampon.
void EchangerMains(Partie& g, int16_t a, int16_t b);

// Deals until a try is accepted, then sorts the chien and the hands. A new deal has no cap on
// its tries: a forced kind of hand must be honoured. A replay deals the same saved cards at
// every try and only the advice's draws change: cards that can meet the options pass about
// one try in thirty at worst, but options changed since the deal may refuse them for ever, so
// after EssaisRejeuMax tries the last one is kept. essais counts the tries of this call.
inline constexpr int32_t EssaisRejeuMax = 1000;
void DistribuerDonneAcceptee(Partie& g);
void DistribuerDonneAcceptee(Partie& g, int32_t& essais);
