#pragma once
// The detailed score sheet: how the taker's score of the deal just finished was reached, one
// step per row. It keeps no state of its own: every opening refills it from the deal, and its
// OK button unloads it.
#include "game/partie.h"
#include "table/modele.h"

class FormScoreDetaille : public ModeleFenetre {
 public:
  // Loading: the labels in the language of the moment.
  explicit FormScoreDetaille(int16_t langue);

  // Every row from the finished deal.
  void Remplir(const Partie& g);

  // OK was clicked: the window is hidden and its owner destroys it.
  bool Decharge() const { return decharge_; }

  // The controls whose captions the tests and the window read.
  int feuille, cardinalPreneur, nbBouts, contrat, pointsRealises, auDessusContrat;
  int cadrePetit, sensPrimePetit, scoreApresPetit;
  int signeGain, scoreTmp, coefficientEnchere, scoreApresEnchere;
  int cadrePoignee, sensPoignee, valeurPoignee, scoreApresPoignee;
  int scoreFinal, ok;

 private:
  bool decharge_ = false;
};
