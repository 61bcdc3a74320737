#pragma once
// One game: every piece of state, the random generator and the display the rules talk to.
#include "game/affichage.h"
#include "game/aleatoire.h"
#include "game/etat.h"

struct Partie : EtatCartes,
                EtatPli,
                EtatComptage,
                EtatDeroulement,
                EtatScores,
                EtatOptions,
                EtatSuivi,
                EtatConnaissance,
                EtatRegles {
  // Defined with the computer players (computer/joueurs.cpp), who install the bid advice.
  Partie();
  explicit Partie(Aleatoire generateur);

  Aleatoire alea;
  Affichage* ecran = &AffichageMuet();
  // The bid a seat's hand supports: the deal asks it to judge a try and to force a kind of hand.
  int16_t (*EnchereConseillee)(Partie&, int16_t siege) = nullptr;

  double Rnd() { return alea.Rnd(); }
  Affichage& Ecran() { return *ecran; }

 private:
  // The card table and the flags a new game starts from.
  void Initialiser();
};

// The level of play and what it sets: the percentage of reasoned card choices and the raising
// of the user's playable cards. A level outside 1..4 is kept and changes nothing else.
void AppliquerNiveau(Partie& g, int16_t niveau);

// Sorting of the chien and of the four hands after a deal.
void TrierChien(Partie& g);
void TrierMains(Partie& g);
