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
  Partie() : alea() { Initialiser(); }
  explicit Partie(Aleatoire generateur) : alea(generateur) { Initialiser(); }

  Aleatoire alea;
  Affichage* ecran = &AffichageMuet();

  double Rnd() { return alea.Rnd(); }
  Affichage& Ecran() { return *ecran; }

 private:
  void Initialiser();
};

// The seat's hand, as a shorthand.
inline Main& MainDe(Partie& g, int16_t siege) { return g.MainsJoueurs[siege]; }

// Sorting of the chien and of the four hands after a deal.
void TrierChien(Partie& g);
void TrierMains(Partie& g);
