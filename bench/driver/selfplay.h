#pragma once
// Whole deals without a window: four computer seats (seat 1 chooses its cards, bids and
// discard like the others), from the deal to the running scores, through the same steps the
// table takes. Each deal leaves a record of everything that happened in it.
#include <cstdint>
#include <string>

#include "game/partie.h"

struct ParametresPartie {
  int16_t niveau = NiveauPro;
  int16_t forceMain = 2;        // 1 defence hand, 2 none, 3..6 Prise..Garde contre
  bool auMoinsUnePrise = false;
};

// One card of a trick: seat, card number 1..78, the rule that picked it (0 none).
struct CarteTrace {
  int16_t siege = 0;
  int16_t carte = 0;
  int16_t regle = 0;
};
struct PliTrace {
  int16_t entameur = 0;
  int16_t gagnant = 0;
  Tab1<CarteTrace, 4> cartes;  // in playing order
};

struct TraceDonne {
  int32_t donne = 0;  // 1.. in the run
  int16_t niveau = 0;
  int16_t donneur = 0;
  int16_t ouvreur = 0;
  Tab1<Tab1<int16_t, 18>, 4> mains{};  // card numbers as dealt and sorted
  Tab1<int16_t, 6> chien{};            // the chien as dealt
  Ligne4 encheres{};                   // after the beat-the-best rule
  int16_t preneur = 0;                 // 0 when all passed
  int16_t contrat = 0;
  bool aEcart = false;
  Tab1<int16_t, 6> ecart{};
  int16_t nbPlis = 0;  // 18, or 0 for a passed deal
  Tab1<PliTrace, 18> plis;
  bool cartesLegales = true;  // every card played was among its seat's legal cards
  int16_t demiPointsPreneur = 0;
  int16_t demiPointsDefense = 0;
  int16_t boutsPreneur = 0;
  int16_t boutsDefense = 0;
  int16_t pointsAFaire = 0;
  int16_t petitAuBout = 0;
  int16_t score = 0;  // the taker's score of the deal
  Tab1<int32_t, 4> totaux{};
};

void AppliquerParametres(Partie& g, const ParametresPartie& p);

// Time spent dealing (tries until one is accepted) and choosing and laying the cards.
struct Chronos {
  double secondesDonne = 0;
  double secondesChoix = 0;
  int64_t cartes = 0;
};

// Plays one deal: the next opener, the deal, the auction, the taker, the chien and the discard,
// 18 tricks, the score and the running scores. A deal that all four pass ends after the auction.
// With `chronos`, the deal and every card choice are timed.
void JouerDonne(Partie& g, TraceDonne& trace, Chronos* chronos = nullptr);

// One line of JSON for the deal.
std::string TraceJson(const TraceDonne& t);

// FNV-1a over every card played and every score of a run.
class Signature {
 public:
  void Ajouter(const TraceDonne& t);
  uint64_t Valeur() const { return h_; }

 private:
  void Melanger(int64_t x);
  uint64_t h_ = 14695981039346656037ull;
};

// Figures of a run.
struct Bilan {
  int32_t donnes = 0;
  int32_t passees = 0;
  Tab1<int32_t, 4> jouees{};   // by contract
  Tab1<int32_t, 4> reussies{};
  Signature signature;
  void Ajouter(const TraceDonne& t);
};
