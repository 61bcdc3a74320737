#pragma once
// Whole deals without a window, through the table's controller and its hand-fired timers:
// seats 2 to 4 are the computer players; seat 1 is answered only through the window's
// events, choosing its bids, cards and discard like a computer seat. Each deal leaves a
// record of everything that happened in it.
#include <cstdint>
#include <string>

#include "platform/factice.h"
#include "table/mirvane.h"

struct ParametresPartie {
  int16_t niveau = NiveauPro;
  int16_t forceMain = 2;  // 1 defence hand, 2 none, 3..6 Prise..Garde contre
  bool auMoinsUnePrise = false;
  bool poignees = false;  // seat 1 declares the largest handful it holds
};

// The controller on a hand-driven platform, loaded and ready for a first deal.
struct Table {
  explicit Table(uint64_t graine, const ParametresPartie& p = {});
  PlateformeFactice plateforme;
  Mirvane m;
  ParametresPartie parametres;
  bool donnePrete = false;  // a deal was dealt by the click that ended an auction all passed
  // Seat 1's discard, chosen once per deal.
  Tab1<Carte, 6> ecartVoulu;
  int32_t ecartDeLaDonne = -1;
  Partie& g() { return m.g; }
};

// One step of sensible play for whatever the table awaits: the armed timer's tick, seat 1's
// bid, discard, handful answer or card, or a click to go on. False when the table awaits
// nothing (before the first deal, or the deal is closed).
bool AgirSensement(Table& t);

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
  int16_t poignee = 0;  // the handful seat 1 declared
  int16_t score = 0;    // the taker's score of the deal
  Tab1<int32_t, 4> totaux{};
};

void AppliquerParametres(Partie& g, const ParametresPartie& p);

// Time spent dealing (tries until one is accepted) and choosing and laying the cards.
using Chronos = Mirvane::Chronos;

// Plays one deal: the next opener, the deal, the auction, the taker, the chien and the discard,
// 18 tricks, the score and the running scores. A deal that all four pass ends after the auction.
// With `chronos`, the deal and every card choice are timed.
void JouerDonne(Table& t, TraceDonne& trace, Chronos* chronos = nullptr);

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
  Tab1<int32_t, 4> jouees{};  // by contract
  Tab1<int32_t, 4> reussies{};
  Signature signature;
  void Ajouter(const TraceDonne& t);
};
