#pragma once
// The taker's score of a finished deal and the ranking of the seats by running score.
#include <cstdint>

#include "game/partie.h"

// The score of a deal step by step, in the order the score sheet shows it; every running
// value is 16-bit. The last one is the taker's score, already times 3.
struct DetailScore {
  int16_t PointsRealises = 0;  // half points / 2, a half going to the even integer
  int16_t Difference = 0;      // points made less points needed
  bool Reussi = false;         // made when the difference is not negative
  int16_t ApresPetit = 0;      // +/- 10 for petit au bout
  int16_t ApresPrime = 0;      // +/- 25
  int16_t Multiplicateur = 1;  // 1, 2, 4, 6 by contract
  int16_t ApresContrat = 0;
  int16_t PrimePoignee = 0;  // 0, 20, 30, 40
  int16_t ApresPoignee = 0;  // the handful goes to the camp that won
  int16_t Score = 0;         // times 3: the taker plays against three
};

DetailScore DetaillerScoreDonne(const Partie& g);

// The taker's score of the finished deal, between -1758 and 1740 and a multiple of 3.
void CalculerScoreDonne(const Partie& g, int16_t& score);
int16_t ScoreDonne(const Partie& g);

// Adds points to a running score, which stays within 32 bits: a sum beyond either end stops
// there, so that the ranks and what is saved stay in order.
void AjouterAuScore(int32_t& total, int32_t points);

// Rewrites OrdreClassement (seats by falling running score) and Classement (dense ranks:
// equal scores share a rank, the next lower score takes the next rank).
void DetermineClassementJoueurs(Partie& g);
