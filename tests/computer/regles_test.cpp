// Every strategy rule on positions built for it: one where it acts, and for each clause a
// position where that clause alone fails; for each number, a case on each side of its limit.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "support/cartes.h"

namespace {

using P = Partie;

// Sets each field to the value after it.
template <class T, class V, class... Reste>
void Mettre(T& champ, const V& valeur, Reste&&... reste) {
  champ = static_cast<T>(valeur);
  if constexpr (sizeof...(reste) > 0) Mettre(reste...);
}

// The taker, the leader and the cards laid; the hand of the seat to play; what the rule leaves:
// "=" and the card when it picks, the candidates left when it narrows them, "" when it does
// nothing; the draws it makes. `regler` adds what the position needs beyond the hands.
struct Cas {
  int16_t regle, preneur, entameur;
  std::string pli, main;
  const char* attendu;
  void (*regler)(Partie&) = nullptr;
  int tirages = 0;
};

const Ligne4 kTous = [] {
  Ligne4 l;
  l.Remplir(1);
  return l;
}();
void SansAtoutPourTous(P& g) { g.SansAtout[g.Preneur] = kTous; }
void Coupee(P& g) { g.CouleurLonguePreneurCoupee = 1; }
template <int N>
void ChienAtouts(P& g) {
  Mettre(g.AtoutsChien, 2, g.NbAtoutsDonne[2], N);
}
void PiqueEtTrefle(P& g) { Mettre(g.PremiereCouleurPreneur, CouleurPique, g.SecondeCouleurPreneur, CouleurTrefle); }
const std::string kNeufAtouts = "A21 A18 A16 A14 A11 A9 A7 A3 A1";
const std::string kNeufAtoutsLongPique = "A21 A18 A16 A14 A11 A9 A7 A3 A1 P14 P10 P8 P6 P2";
const std::string kNeufAtoutsLongCoeur = "Co14 Co10 Co8 Co5 Co3 A2 A3 A4 A5 A6 A7 A8 A9 A10";
const std::string kLongTrefle = "T14 T12 T8 T3 A2 A3 A4 A5 A6 P2";
const std::string kDameTrefle = "T13 T12 T11 T8 T3 A2 A3 A4 A5 A6 P2";
const std::string kSixAtouts = "A20 A15 A10 A8 A5 A3 Exc Co14 Co13 Co9 Co5 P4";
const std::string kSansAtout = "P14 P3 T13 Ca2";
const std::string kRoiCoeur = "Co14 Co3 Ca2";  // a trumpless defender's hand, void in spades
// Seat 2 answers the taker's spade lead at position 2; seat 3 answers a defender's spade lead
// at position 3, after the taker (seat 2).
#define APRES_ROI_PREN 1, 1, "P14", kRoiCoeur
#define APRES_ROI_DEF(preneur) 2, 1, "P14 " preneur, kRoiCoeur
#define APRES_PETITE_DEF(preneur) 2, 1, "P5 " preneur, kRoiCoeur

// clang-format off
const Cas kCas[] = {
    // 15: the Excuse at trick 17, any role.
    {15, 2, 2, "A9", "A4 Exc", "=Exc", [](P& g) { g.NumeroPli = 17; }},
    {15, 2, 2, "A9", "A4 Exc", ""},  // trick 16
    {15, 2, 2, "A9", "A4 Exc", "", [](P& g) { g.NumeroPli = 18; }},  // trick 18
    {15, 2, 2, "A9", "A4 Exc", "", [](P& g) { Mettre(g.NumeroPli, 17, g.DetenteurExcuse, 4); }},  // not his
    // 251 and 8: a leader keeps his Petit back.
    {251, 2, 2, "", "A12 A1 Exc Co3", "A12 Exc Co3"},
    {251, 2, 1, "P3", "A12 A1", ""},  // not leading
    {251, 2, 2, "", "A12 A1 Exc Co3", "", [](P& g) { g.DetenteurPetit = 4; }},  // not his
    {8, 1, 2, "", "A12 A1 Exc Co3", "A12 Exc Co3"},
    {8, 2, 1, "P3", "A12 A1", ""},  // not leading
    {8, 2, 2, "", "A12 A1 Exc Co3", "", [](P& g) { g.DetenteurPetit = 4; }},  // not his
    // 191: a defender leading with the Petit leads no suit-0 card.
    {191, 2, 3, "", "A12 A1 Exc Co3 Ca11", "Co3 Ca11"},
    {191, 3, 3, "", "A12 A1 Co3", ""},  // the taker
    {191, 2, 2, "Exc", "A12 A1 Co3", ""},  // not leading
    {191, 2, 3, "", "A12 A1 Exc Co3", "", [](P& g) { g.DetenteurPetit = 4; }},  // not his
    // 203: a trumpless defender at position 2 or 3 gives his best honour or keeps them.
    {203, 3, 1, "Co5", kSansAtout, "P3 Ca2", nullptr, 1},  // keeps: the taker plays after him
    {203, 3, 1, "A21", kSansAtout, "=P14", nullptr, 5},  // gives: the Defenseur2 laid the 21
    {203, 1, 2, "A21", kSansAtout, "=P14", nullptr, 5},  // ... the Defenseur1
    {203, 1, 4, "A21 A5", kSansAtout, "=P14", nullptr, 5},  // ... the Defenseur3
    {203, 1, 1, "A21", kSansAtout, "P3 Ca2", nullptr, 1},  // the taker's 21 does not count
    {203, 2, 1, "Co5", kSansAtout, ""},  // the taker
    {203, 3, 2, "", kSansAtout, ""},  // position 1
    {203, 1, 3, "Co5 Co6 Co7", kSansAtout, ""},  // position 4
    {203, 3, 1, "Co5", kSansAtout, "", [](P& g) { g.SansAtout[2][2] = 0; }},  // not known trumpless
    {203, 3, 1, "Exc", kSansAtout, ""},  // the Excuse led
    {203, 1, 4, "Co5 Co3", "Co14 Co2 P14", "Co2", nullptr, 1},  // keeps: he follows suit
    {203, APRES_ROI_PREN, "=Co14", [](P& g) { Mettre(g.NbDehorsCouleur[2][1], 2, g.AtoutsDehors, 3); }, 5},  // King led
    {203, APRES_ROI_PREN, "Co3 Ca2", [](P& g) { Mettre(g.NbDehorsCouleur[2][1], 3, g.AtoutsDehors, 3); }, 1},  // 3 out
    {203, APRES_ROI_PREN, "Co3 Ca2",  // 2 trumps
     [](P& g) { Mettre(g.NbDehorsCouleur[2][1], 2, g.AtoutsDehors, 2); }, 1},
    {203, 1, 1, "P13", kRoiCoeur, "=Co14", [](P& g) { g.NbDehorsCouleur[2][1] = 3; }, 5},  // taker led below King
    {203, APRES_ROI_DEF("A5"), "Co3 Ca2", nullptr, 1},  // defender's King, taker trumps
    {203, APRES_ROI_DEF("Co9"), "=Co14", nullptr, 5},  // defender's King, taker discards
    {203, APRES_PETITE_DEF("P14"), "Co3 Ca2", nullptr, 1},  // taker's King over a low lead
    {203, APRES_PETITE_DEF("P13"), "=Co14", nullptr, 5},  // taker's Queen over a low lead
    {203, APRES_PETITE_DEF("A5"), "Co3 Ca2", nullptr, 1},  // taker trumps a low lead
    // 203, trumps still out: at position 3 when the next seat has trumps and is void.
    {203, APRES_ROI_DEF("A5"), "=Co14", [](P& g) { Mettre(g.AtoutsDehors, 13, g.CoupesConnues[3][4][1], 1); }, 5},
    {203, APRES_ROI_DEF("A5"), "Co3 Ca2",  // 13 trumps out at trick 5 are not many
     [](P& g) { Mettre(g.AtoutsDehors, 13, g.NumeroPli, 5, g.CoupesConnues[3][4][1], 1); }, 1},
    {203, APRES_ROI_DEF("A5"), "Co3 Ca2", [](P& g) { g.AtoutsDehors = 13; }, 1},  // the next seat not void
    {203, APRES_ROI_DEF("A5"), "Co3 Ca2",  // the next seat is trumpless
     [](P& g) { Mettre(g.AtoutsDehors, 13, g.CoupesConnues[3][4][1], 1, g.SansAtout[3][4], 1); }, 1},
    {203, APRES_ROI_DEF("A5"), "Co3 Ca2", [](P& g) { g.CoupesConnues[3][1][1] = 1; }, 1},  // b counts at 2 only
    {203, APRES_ROI_PREN, "=Co14", [](P& g) { Mettre(g.NbDehorsCouleur[2][1], 3, g.AtoutsDehors, 13); }, 5},  // pos 2
    {203, APRES_ROI_PREN, "=Co14", [](P& g) { Mettre(g.NbDehorsCouleur[2][1], 3, g.CoupesConnues[2][4][1], 1); }, 5},
    {203, APRES_ROI_PREN, "Co3 Ca2",  // the seat after next is void but trumpless
     [](P& g) { Mettre(g.NbDehorsCouleur[2][1], 3, g.CoupesConnues[2][4][1], 1, g.SansAtout[2][4], 1); }, 1},
    // 21: only trumps in hand and none outside: keep the Petit back.
    {21, 1, 2, "", "A21 A20 A1", "A21 A20", [](P& g) { Mettre(g.NumeroPli, 16, g.NbAtoutsTombes, 18); }},
    {21, 1, 2, "", "A21 A20 A1", "", [](P& g) { Mettre(g.NumeroPli, 16, g.NbAtoutsTombes, 17); }},
    {21, 1, 2, "", "A21 A20 A1", "", [](P& g) { Mettre(g.NumeroPli, 16, g.NbAtoutsTombes, 19); }},
    {21, 1, 2, "", "A21 A20 A1", "", [](P& g) { Mettre(g.NumeroPli, 15, g.NbAtoutsTombes, 18); }},
    {21, 1, 2, "", "A21 A20 A1", "", [](P& g) { Mettre(g.NumeroPli, 17, g.NbAtoutsTombes, 18); }},
    {21, 1, 2, "", "A21 A20 A1", "", [](P& g) { Mettre(g.NumeroPli, 16, g.NbAtoutsTombes, 18, g.DetenteurPetit, 3); }},
    // 170: the taker keeps his Petit once every defender is known trumpless.
    {170, 4, 4, "", "A8 A1 P5", "A8 P5", SansAtoutPourTous},
    {170, 4, 4, "", "A8 A1 P5", "", [](P& g) { g.SansAtout[4][1] = g.SansAtout[4][2] = 1; }},  // D3
    {170, 4, 4, "", "A8 A1 P5", "", [](P& g) { g.SansAtout[4][2] = g.SansAtout[4][3] = 1; }},  // D1
    {170, 4, 4, "", "A8 A1 P5", "", [](P& g) { g.SansAtout[4][1] = g.SansAtout[4][3] = 1; }},  // D2
    {170, 1, 4, "", "A8 A1 P5", "", SansAtoutPourTous},  // defender
    {170, 4, 4, "", "A8 A1 P5", "", [](P& g) { Mettre(g.SansAtout[4], kTous, g.DetenteurPetit, 2); }},
    // 4: the Petit played after the taker when the trick can be won.
    {4, 2, 2, "P10", "A7 A1", "=A1"},
    {4, 2, 2, "A15", "A7 A1", ""},  // no card of his wins
    {4, 2, 3, "P10", "A7 A1", ""},  // the taker still to play
    {4, 2, 2, "P10", "A7 A1", "", [](P& g) { g.DetenteurPetit = 1; }},  // not his
    {4, 2, 2, "P10 A8", "A7 A1", "=A1"},  // a defender master: 100
    // 201: a defender leads the 21 to hunt the Petit.
    {201, 1, 2, "", "A21 A5 Co4", "=A21", [](P& g) { g.DetenteurPetit = 4; }},
    {201, 1, 2, "", "A21 A5 Co4", ""},  // the Petit has gone
    {201, 1, 2, "", "A21 A5 A1 Co4", ""},  // the Petit is his
    {201, 2, 2, "", "A21 A5 Co4", "", [](P& g) { g.DetenteurPetit = 4; }},  // the taker
    {201, 1, 1, "A3", "A21 A5 Co4", "", [](P& g) { g.DetenteurPetit = 4; }},  // not leading
    {201, 1, 2, "", "A21 A5 Co4", "", [](P& g) { Mettre(g.DetenteurPetit, 4, g.DetenteurAtout[21], 3); }},
    // 7: the Petit under a partner's 21, whichever defender laid it.
    {7, 1, 1, "A6 A21", "A9 A1", "=A1"},  // the Defenseur1
    {7, 1, 3, "A21 A6 A8", "A9 A1", "=A1"},  // the Defenseur2
    {7, 1, 4, "A21 A6", "A9 A1", "=A1"},  // the Defenseur3
    {7, 2, 1, "A6 A21", "A9 A1", ""},  // the 21 is the taker's
    {7, 3, 1, "A6 A21", "A9 A1", ""},  // he is the taker
    {7, 1, 1, "A6 A21", "A9 A1", "", [](P& g) { g.DetenteurPetit = 4; }},  // not his
    // 181: a defender with the Petit and few trumps plays the 21 once.
    {181, 1, 1, "P5 P8", "A21 A13 A9 A6 A3 A1", "=A21"},
    {181, 1, 1, "P5 P8", "A21 A13 A9 A7 A6 A3 A1", ""},  // seven trumps
    {181, 3, 1, "P5 P8", "A21 A13 A9 A6 A3 A1", ""},  // the taker
    {181, 1, 1, "P5 P8", "A21 A13 A9 A6 A3 A1", "", [](P& g) { g.Regle181Jouee = 1; }},  // once a deal
    {181, 1, 3, "", "A21 A13 A9 A6 A3 A1", ""},  // leading
    {181, 1, 1, "P5 P8", "A21 A13 A9 A6 A3 A1", "", [](P& g) { g.DetenteurPetit = 4; }},  // not his
    // 118: the taker saves his Petit on the first round of a suit he was dealt none of.
    {118, 3, 1, "T4 T13", "A18 A9 A1 P4", "=A1", [](P& g) { g.CouleurNonJouee[3] = 2; }},
    {118, 3, 1, "T4 T13", "A18 A9 A1 P4", "", [](P& g) { g.CouleurNonJouee[3] = 0; }},
    {118, 3, 1, "T4 T13", "A18 A9 A1 P4", ""},  // the suit not yet marked
    {118, 3, 1, "T4 T13", "A18 A9 A1 P4", "=A1", [](P& g) { Mettre(g.CouleurNonJouee[3], 2, g.NbAtoutsDonne[3], 8); }},
    {118, 3, 1, "T4 T13", "A18 A9 A1 P4", "", [](P& g) { Mettre(g.CouleurNonJouee[3], 2, g.NbAtoutsDonne[3], 9); }},
    {118, 3, 1, "T4 T13", "A18 A9 A1 P4", "",
     [](P& g) { Mettre(g.CouleurNonJouee[3], 2, g.NbCartesCouleurDonne[3][3], 1); }},
    {118, 3, 1, "T4 T13", "A18 A9 A1 P4", "",  // not his
     [](P& g) { Mettre(g.CouleurNonJouee[3], 2, g.DetenteurPetit, 4); }},
    {118, 4, 1, "T4 T13", "A18 A9 A1 P4", "", [](P& g) { g.CouleurNonJouee[3] = 2; }},
    {118, 3, 3, "", "A18 A9 A1 P4", "",  // leading
     [](P& g) { Mettre(g.CouleurNonJouee[3], 2, g.PliCourant[3], Tr(4)); }},
    {118, 3, 1, "Exc T13", "A18 A9 A1 P4", ""},  // the Excuse led
    // 103: the taker at position 2 or 3 takes the Petit on the table with his 21.
    {103, 2, 1, "A1", "A21 A4 Co1", "=A21"},
    {103, 3, 1, "A1", "A21 A4 Co1", ""},  // a defender
    {103, 3, 1, "A5 A1", "A21 A8 A4", "=A21"},  // position 3, second card
    {103, 4, 1, "A1 A5 A3", "A21 A8", ""},  // position 4
    {103, 3, 1, "A1 A5", "A21 A8 A4", "=A21"},  // position 3, card led
    {103, 2, 1, "A1", "A21 A4 Co1", "", [](P& g) { g.DetenteurAtout[21] = 3; }},  // not his 21
    {103, 2, 1, "A3", "A21 A4 Co1", ""},  // no Petit
    // 104: a leader holding every trump out but the Petit draws it.
    {104, 2, 2, "", "A21 A16 P3 Co1", "=A21", [](P& g) { Mettre(g.NbAtoutsTombes, 18, g.DetenteurPetit, 4); }},
    {104, 2, 2, "", "A21 A16 P3 Co1", "", [](P& g) { Mettre(g.NbAtoutsTombes, 17, g.DetenteurPetit, 4); }},
    {104, 2, 2, "", "A21 A16 P3 Co1", "", [](P& g) { Mettre(g.NbAtoutsTombes, 19, g.DetenteurPetit, 4); }},
    {104, 2, 2, "", "A21 A16 P3 Co1", "", [](P& g) { g.NbAtoutsTombes = 18; }},  // Petit gone
    {104, 2, 2, "", "A21 A16 P3 Co1", "", [](P& g) { Mettre(g.NbAtoutsTombes, 18, g.DetenteurPetit, 2); }},
    {104, 2, 1, "A3", "A21 A16 P3 Co1", "",  // not leading
     [](P& g) { Mettre(g.NbAtoutsTombes, 18, g.DetenteurPetit, 4); }},
    // 252: a defender with the Petit plays his highest dealt trump while he has it.
    {252, 1, 1, "A3", "A17 A11 A1 P7", "=A17"},
    {252, 2, 1, "A3", "A17 A11 A1 P7", ""},  // the taker
    {252, 1, 1, "A3", "A17 A11 A1 P7", "", [](P& g) { g.DetenteurPetit = 3; }},
    {252, 1, 1, "A3", "-A19 A17 A11 A1 P7", ""},  // his highest is played
    // 172: on the taker's Excuse, a suit he is known void in.
    {172, 1, 1, "A2", "A5 P9 T9 T4 Ca1", "", [](P& g) { g.CoupesConnues[2][1][3] = 1; }},
    {172, 3, 1, "Exc", "A5 P9 T9 T4 Ca1", "", [](P& g) { g.CoupesConnues[2][3][3] = 1; }},
    {172, 1, 1, "Exc", "A5 P9 T9 T4 Ca1", "", nullptr, 1},  // no void known
    {172, 1, 1, "Exc", "A5 P9 T9 T4 Ca1", "", [](P& g) { g.CoupesConnues[2][1][2] = 1; }, 1},
    // 9: no Excuse led when he or the next seat is the taker.
    {9, 2, 2, "", "A8 Exc Co5", "A8 Co5"},
    {9, 3, 2, "", "A8 Exc Co5", "A8 Co5"},  // the taker next
    {9, 2, 3, "", "A8 Exc Co5", ""},  // the taker is not next
    {9, 2, 1, "A3", "A8 Exc Co5", ""},  // not leading
    {9, 2, 2, "", "A8 Exc Co5", "", [](P& g) { g.DetenteurExcuse = 4; }},  // not his
    // 10: the taker's Excuse on a trump lead while no one else holds the Petit.
    {10, 3, 1, "A14 A2", "A6 A1 Exc", "=Exc"},
    {10, 3, 1, "A14 A2", "A6 Exc", "=Exc"},  // the Petit has gone
    {10, 3, 1, "Co14 Co2", "A6 Exc", ""},  // not a trump lead
    {10, 3, 1, "A14 A2", "A6 Exc", "", [](P& g) { g.DetenteurPetit = 4; }},
    {10, 4, 1, "A14 A2", "A6 A1 Exc", ""},  // a defender
    {10, 3, 3, "", "A6 A1 Exc", "", [](P& g) { g.PliCourant[3] = At(14); }},  // leading
    {10, 3, 1, "A14 A2", "A6 A1 Exc", "", [](P& g) { g.DetenteurExcuse = 2; }},
    // 16: after the taker's Petit trumped, a defender leads trumps only.
    {16, 1, 2, "", "A10 A3 Exc P14 Co8", "=A10 A3", [](P& g) { g.RetourAtoutAttendu = 0; }},
    {16, 1, 2, "", "A10 A3 Exc P14 Co8", ""},
    {16, 2, 2, "", "A10 A3 Exc P14 Co8", "", [](P& g) { g.RetourAtoutAttendu = 0; }},  // taker
    {16, 1, 1, "Exc", "A10 A3 Exc P14 Co8", "", [](P& g) { g.RetourAtoutAttendu = 0; }},
    {16, 1, 2, "", "Exc P14 Co8", "", [](P& g) { g.RetourAtoutAttendu = 0; }},  // the Excuse alone
    // 204: a defender leads away from the taker's last suit.
    {204, 1, 2, "", "P5 Co8 T3", "P5 T3", [](P& g) { g.CouleurEntameePreneur = 2; }},
    {204, 1, 1, "", "P5 Co8 T3", "", [](P& g) { g.CouleurEntameePreneur = 2; }},  // the taker
    {204, 1, 1, "Exc", "P5 Co8 T3", "", [](P& g) { g.CouleurEntameePreneur = 2; }},  // not leading
    {204, 1, 2, "", "P5 Co8 T3", ""},  // none yet
    // 130: after a partner's signal, his lowest trump.
    {130, 1, 3, "", "A12 A6 P5", "=A6", [](P& g) { g.SignalAtoutHumain = 4; }},
    {130, 1, 3, "", "A12 A6 P5", "", [](P& g) { Mettre(g.SignalAtoutHumain, 4, g.PetitProtege, 1); }},
    {130, 1, 3, "", "A12 A6 P5", ""},  // no signal
    {130, 1, 3, "", "A12 A6 A1 P5", "", [](P& g) { g.SignalAtoutHumain = 4; }},  // his Petit
    {130, 3, 3, "", "A12 A6 P5", "", [](P& g) { g.SignalAtoutHumain = 4; }},  // the taker
    {130, 1, 2, "Exc", "A12 A6 P5", "", [](P& g) { g.SignalAtoutHumain = 4; }},  // not leading
    // 11: a low card of an unplayed long suit with an honour.
    {11, 1, 2, "", "Co14 Co9 Co7 Co4 Co2 P3", "=Co2", nullptr, 1},
    {11, 1, 2, "", "Co14 Co9 Co7 Co4 Co2 P3", "", [](P& g) { g.CouleurNonJouee[2] = 0; }, 1},
    {11, 1, 2, "", "Co14 Co9 Co7 Co4 Co2 P3", "=Co2", [](P& g) { g.CouleurNonJouee[2] = 2; }, 1},
    {11, 2, 2, "", "Co14 Co9 Co7 Co4 Co2 P3", ""},  // the taker
    {11, 1, 1, "Exc", "Co14 Co9 Co7 Co4 Co2 P3", ""},  // not leading
    // 182: the taker with 9+ trumps, the Petit and a strong long suit plays his sixth trump.
    {182, 2, 2, "", kNeufAtoutsLongPique, "=A9"},
    {182, 2, 2, "", kNeufAtoutsLongPique, "", [](P& g) { g.PasEncoreEntame[2] = 0; }},
    {182, 2, 2, "", kNeufAtoutsLongPique, "", [](P& g) { g.NbAtoutsDonne[2] = 8; }},
    {182, 2, 2, "", kNeufAtoutsLongPique, "=A9", [](P& g) { g.BoutsPreneur = 1; }},
    {182, 2, 2, "", kNeufAtoutsLongPique, "", [](P& g) { g.BoutsPreneur = 2; }},
    {182, 2, 2, "", kNeufAtoutsLongPique, "", [](P& g) { g.DetenteurPetit = 3; }},
    {182, 2, 2, "", kNeufAtoutsLongPique, "=A9", [](P& g) { g.NbAtouts[2] = 7; }},
    {182, 2, 2, "", kNeufAtoutsLongPique, "", [](P& g) { g.NbAtouts[2] = 6; }},
    {182, 3, 2, "", kNeufAtoutsLongPique, ""},  // a defender
    {182, 2, 2, "", kNeufAtouts + " P14", ""},  // the King, four candidates
    {182, 2, 2, "", kNeufAtouts + " P14 P10 P8 P6", ""},
    {182, 2, 2, "", kNeufAtouts + " P13 P12 P3", "=A9"},  // Queen and Knight
    {182, 2, 2, "", kNeufAtouts + " P13 P5 P3", ""},  // the Queen alone
    {182, 2, 2, "", kNeufAtouts + " P12 P5 P3", ""},  // the Knight alone
    {182, 2, 2, "", "A21 A18 A16 A14 A11 -A9 A7 A3 A1 P13 P12 P3", ""},  // the sixth played
    // 180: the taker's first lead, a low singleton once he holds enough trumps.
    {180, 4, 4, "", kNeufAtoutsLongCoeur + " Ca10", "=Ca10", nullptr, 2},
    {180, 4, 4, "", kNeufAtoutsLongCoeur + " Ca11", "", nullptr, 2},  // an honour
    {180, 4, 4, "", kNeufAtoutsLongCoeur + " -Ca7", "", nullptr, 2},  // played already
    {180, 4, 4, "", kNeufAtoutsLongCoeur + " Ca7 Ca6", "", nullptr, 1},  // no singleton
    {180, 4, 4, "", "Co14 Co10 Co8 Co5 A2 A3 A4 A5 A6 A7 A8 A9 A10 Ca7", ""},  // four hearts
    {180, 4, 4, "", "Co13 Co10 Co8 Co5 Co3 A2 A3 A4 A5 A6 A7 A8 A9 A10 Ca7", ""},  // no King
    {180, 4, 4, "", kNeufAtoutsLongCoeur + " Ca7", "", [](P& g) { g.PasEncoreEntame[4] = 0; }},
    {180, 4, 3, "Exc", kNeufAtoutsLongCoeur + " Ca7", ""},  // not leading
    {180, 1, 4, "", kNeufAtoutsLongCoeur + " Ca7", ""},  // a defender
    // 160: the taker void in a plain lead trumps high while the defenders before him may overtrump.
    {160, 2, 1, "Co9", "A15 A4 P8 T3", "=A15", [](P& g) { g.NbCartesCouleurInconnues[2][2] = 4; }},
    {160, 2, 1, "Co9", "A15 A4 P8 T3", "", [](P& g) { g.NbCartesCouleurInconnues[2][2] = 5; }},
    {160, 2, 1, "Co9", "A15 A4 P8 T3", "=A15", [](P& g) { g.SansAtout[2][3] = 1; }},  // D2 has
    {160, 2, 1, "Co9", "A15 A4 P8 T3", "", [](P& g) { g.SansAtout[2][3] = g.SansAtout[2][4] = 1; }},
    {160, 2, 4, "Co9 Co2", "A15 A4 P8 T3", "=A15", [](P& g) { g.SansAtout[2][4] = 1; }},
    {160, 2, 4, "Co9 Co2", "A15 A4 P8 T3", "", [](P& g) { g.SansAtout[2][3] = 1; }},  // pos 3
    {160, 2, 3, "Co9 Co2 Co3", "A15 A4 P8 T3", ""},  // position 4
    {160, 3, 1, "Co9", "A15 A4 P8 T3", ""},  // a defender
    {160, 2, 1, "Exc", "A15 A4 P8 T3", ""},  // the Excuse led
    {160, 2, 1, "Co9", "A15 A4 P8 T3", "", [](P& g) { g.NbCartesCouleur[2][2] = 1; }},
    {160, 2, 1, "Co9", "A15 A4 P8 T3", "", [](P& g) { g.SansAtout[2][2] = 1; }},
    {160, 2, 1, "Co9", "A15 A4 P8 T3", "", [](P& g) { g.ConnuDetenteurCouleur[2][2].Remplir(ConnuJouee); }},
    {160, 2, 1, "Co9", "A15 A4 P8 T3", "=A15",              // the Knight still out
     [](P& g) { g.ConnuDetenteurCouleur[2][2][13] = g.ConnuDetenteurCouleur[2][2][14] = ConnuJouee; }},
    {160, 2, 1, "Co9", "A15 A4 P8 T3", "=A15",              // the King in the chien
     [](P& g) {
       Mettre(g.ConnuDetenteurCouleur[2][2][12], ConnuJouee, g.ConnuDetenteurCouleur[2][2][13], ConnuJouee,
              g.ConnuDetenteurCouleur[2][2][14], ConnuChien);
     }},
    // 119 and 120: a leader keeps his Queen (Knight) while the card above is out.
    {119, 1, 1, "", "P13 P12 P4", "P12 P4", [](P& g) { g.DetenteurCarte[1][14] = 3; }, 1},
    {119, 1, 1, "", "P14 P13 P4", "P14 P4", nullptr, 1},  // his own King
    {119, 1, 1, "", "P13 P12 P4", "", nullptr, 1},  // the King has gone
    {119, 1, 2, "Exc", "P13 P12 P4", "", [](P& g) { g.DetenteurCarte[1][14] = 3; }},  // not leading
    {120, 1, 1, "", "P13 P12 P4", "P13 P4", nullptr, 1},
    {120, 1, 1, "", "P12 P4", "", nullptr, 1},  // the Queen has gone
    {120, 1, 1, "P2", "P13 P12 P4", ""},  // not leading
    // 150: the taker leads his long suit: King, low card, or the Queen within limits.
    {150, 1, 1, "", kLongTrefle, "=T14"},
    {150, 1, 1, "", kLongTrefle, "", Coupee},  // trumped, defenders with trumps
    {150, 1, 1, "", kLongTrefle, "=T14", [](P& g) { Mettre(g.CouleurLonguePreneurCoupee, 1, g.SansAtout[1], kTous); }},
    {150, 1, 1, "", kLongTrefle, "", [](P& g) { g.NbCartesCouleur[1][3] = 0; }},
    {150, 1, 4, "Exc", kLongTrefle, ""},  // not leading
    {150, 2, 1, "", kLongTrefle, ""},  // a defender
    {150, 1, 1, "", kDameTrefle, "=T13", [](P& g) { Mettre(g.NbCartesCouleurDonne[1][3], 5, g.NbAtoutsDonne[1], 15); }},
    {150, 1, 1, "", kDameTrefle, "=T8",  // the Knight fell
     [](P& g) { Mettre(g.NbCartesCouleurDonne[1][3], 5, g.CavalierLonguePreneurTombe, 1); }},
    {150, 1, 1, "", kDameTrefle, "=T13", [](P& g) { Mettre(g.NbCartesCouleurDonne[1][3], 6, g.NbAtoutsDonne[1], 9); }},
    {150, 1, 1, "", kDameTrefle, "=T8", [](P& g) { Mettre(g.NbCartesCouleurDonne[1][3], 6, g.NbAtoutsDonne[1], 10); }},
    {150, 1, 1, "", kDameTrefle, "=T13", [](P& g) { Mettre(g.NbCartesCouleurDonne[1][3], 7, g.NbAtoutsDonne[1], 7); }},
    {150, 1, 1, "", kDameTrefle, "=T8", [](P& g) { Mettre(g.NbCartesCouleurDonne[1][3], 7, g.NbAtoutsDonne[1], 8); }},
    {150, 1, 1, "", kDameTrefle, "=T13", [](P& g) { Mettre(g.NbCartesCouleurDonne[1][3], 8, g.NbAtoutsDonne[1], 6); }},
    {150, 1, 1, "", kDameTrefle, "=T8", [](P& g) { Mettre(g.NbCartesCouleurDonne[1][3], 8, g.NbAtoutsDonne[1], 7); }},
    {150, 1, 1, "", kDameTrefle, "=T8", [](P& g) { Mettre(g.NbCartesCouleurDonne[1][3], 9, g.NbAtoutsDonne[1], 0); }},
    // 151: after a defender trumped his long suit, its lowest card.
    {151, 1, 1, "", kLongTrefle, "=T3", Coupee},
    {151, 1, 1, "", kLongTrefle, ""},
    {151, 1, 1, "", kLongTrefle, "", [](P& g) { Mettre(g.CouleurLonguePreneurCoupee, 1, g.SansAtout[1], kTous); }},
    {151, 1, 1, "", kLongTrefle, "=T3",
     [](P& g) { Mettre(g.CouleurLonguePreneurCoupee, 1, g.SansAtout[1][2], 1, g.SansAtout[1][3], 1); }},
    {151, 1, 1, "", kLongTrefle, "", [](P& g) { Mettre(g.CouleurLonguePreneurCoupee, 1, g.NbCartesCouleur[1][3], 0); }},
    {151, 1, 4, "Exc", kLongTrefle, "", Coupee},  // not leading
    // 116: a defender leading keeps his honours of suits the taker is void in.
    {116, 1, 2, "", "T14 T11 T5 Co3", "Co3 T5", [](P& g) { g.CoupesConnues[2][1][3] = 1; }, 1},
    {116, 1, 2, "", "T14 T11 T5 Co3", "", nullptr, 1},
    {116, 1, 1, "", "T14 T11 T5 Co3", "", [](P& g) { g.CoupesConnues[1][1][3] = 1; }},  // the taker
    {116, 1, 1, "Exc", "T14 T11 T5 Co3", "", [](P& g) { g.CoupesConnues[2][1][3] = 1; }},
    // 115: a leader keeps his Knight of an unplayed suit without its Queen.
    {115, 1, 1, "", "P12 P6 Co13 Co12", "P6 Co13 Co12", nullptr, 1},
    {115, 1, 1, "", "P12 P6 Co13 Co12", "", [](P& g) { g.CouleurNonJouee[1] = 0; }, 1},
    {115, 1, 1, "", "P12 P6 Co13 Co12", "P6 Co13 Co12", [](P& g) { g.CouleurNonJouee[1] = 2; }, 1},
    {115, 1, 4, "Exc", "P12 P6 Co13 Co12", ""},  // not leading
    // 114: a defender leading keeps his 1..5 of unplayed suits without King or Queen.
    {114, 1, 2, "", "P9 P5 P1 Co14 Co2 T13 T3", "P9 Co14 Co2 T13 T3", nullptr, 1},
    {114, 1, 2, "", "P9 P6 P1 Co2", "P9 P6", nullptr, 1},  // 6 is not low
    {114, 1, 2, "", "P9 P3 P1 Co14 Co2", "", [](P& g) { g.CouleurNonJouee[1] = 0; }, 1},
    {114, 2, 2, "", "P9 P3 P1 Co14 Co2", ""},  // the taker
    {114, 1, 1, "Exc", "P9 P3 P1 Co14 Co2", ""},  // not leading
    // 113: the defence's first lead with trumps in the chien: no trump, a card of his long suit.
    {113, 1, 2, "", kSixAtouts, "=Co14", [](P& g) { g.AtoutsChien = 2; }},  // B: King and Queen
    {113, 1, 2, "", kSixAtouts, "", [](P& g) { g.AtoutsChien = 1; }},
    {113, 1, 2, "", kSixAtouts, "", [](P& g) { Mettre(g.AtoutsChien, 2, g.DefenseNaPasEntame, 0); }},
    {113, 1, 2, "", kSixAtouts, "", [](P& g) { Mettre(g.AtoutsChien, 2, g.SignalAtoutHumain, 3); }},
    {113, 2, 2, "", kSixAtouts, "", [](P& g) { g.AtoutsChien = 2; }},  // the taker
    {113, 1, 1, "Exc", kSixAtouts, "", [](P& g) { g.AtoutsChien = 2; }},  // not leading
    {113, 1, 2, "", "A20 A15 Exc Co14 Co9 Co5 Co2 P4", "=Co5", ChienAtouts<6>},  // A: one honour
    {113, 1, 2, "", "A20 A15 Exc Co13 Co12 Co9 P4", "=Co12", ChienAtouts<6>},  // C: Queen and Knight
    {113, 1, 2, "", "A20 A15 Exc Co12 Co11 Co10 Co2 P4", "=Co10", ChienAtouts<6>},  // D: no honour
    {113, 1, 2, "", "A20 A15 Exc Co14 Co13 Co9 Co5 P4", "=Co5", ChienAtouts<5>},  // E: 5 trumps
    {113, 1, 2, "", "A20 A15 Exc Co12 Co9 Co7 Co2 P4", "=Co7", ChienAtouts<5>},  // F: lowest above 5
    {113, 1, 2, "", "A20 A15 Exc Co14 Co9 Co7 Co2 P4", "P4 Co14 Co9 Co7 Co2", ChienAtouts<5>},  // no variant
    // 112: the defence's first lead with 0 or 1 trump in the chien: a low even trump, the signal.
    {112, 1, 3, "", "A13 A8 A6 A3 P5", "=A6", [](P& g) { g.AtoutsChien = 1; }},
    {112, 1, 3, "", "A13 A8 A6 A3 P5", "=A6", [](P& g) { g.AtoutsChien = 0; }},
    {112, 1, 3, "", "A13 A8 A6 A3 P5", ""},  // chien not shown (-1)
    {112, 1, 3, "", "A13 A8 A6 A3 P5", "", [](P& g) { g.AtoutsChien = 2; }},
    {112, 1, 3, "", "A13 A8 A6 A3 P5", "", [](P& g) { Mettre(g.AtoutsChien, 1, g.SignalAtoutHumain, 1); }},
    {112, 1, 3, "", "A13 A8 A6 A3 P5", "", [](P& g) { Mettre(g.AtoutsChien, 1, g.DefenseNaPasEntame, 0); }},
    {112, 1, 3, "", "A13 A8 A6 A3 P5", "", [](P& g) { Mettre(g.AtoutsChien, 1, g.PetitProtege, 1); }},
    {112, 1, 3, "", "A13 A8 A6 A3 P5", "=A6", [](P& g) { Mettre(g.AtoutsChien, 1, g.NbAtoutsDonne[3], 6); }},
    {112, 1, 3, "", "A13 A8 A6 A3 P5", "", [](P& g) { Mettre(g.AtoutsChien, 1, g.NbAtoutsDonne[3], 7); }},
    {112, 3, 3, "", "A13 A8 A6 A3 P5", "", [](P& g) { g.AtoutsChien = 1; }},  // the taker
    {112, 1, 2, "Exc", "A13 A8 A6 A3 P5", "", [](P& g) { g.AtoutsChien = 1; }},
    {112, 1, 3, "", "A13 A12 A3 P5", "=A12", [](P& g) { g.AtoutsChien = 1; }},  // 12 at most
    {112, 1, 3, "", "A15 A14 A3 P5", "", [](P& g) { g.AtoutsChien = 1; }},  // 14 too high
    // 101: a defender before the taker keeps King and Queen of suits the taker is void in.
    {101, 3, 2, "", "Ca14 Ca13 Ca12 P2", "P2 Ca12", [](P& g) { g.CoupesConnues[2][3][4] = 1; }, 1},
    {101, 3, 2, "", "Ca14 Ca13 Ca12 P2", "", [](P& g) { g.CoupesConnues[2][3][4] = g.SansAtout[2][3] = 1; }},
    {101, 3, 3, "Exc P4 P7", "Ca14 Ca13 Ca12 Co2", "", [](P& g) { g.CoupesConnues[2][3][4] = 1; }},  // taker played
    {101, 2, 2, "", "Ca14 Ca13 Ca12 P2", "", [](P& g) { g.CoupesConnues[2][2][4] = 1; }},  // the taker
    {101, 3, 1, "Exc", "Ca14 Ca13 Ca12 P2", "P2 Ca12", [](P& g) { g.CoupesConnues[2][3][4] = 1; }, 1},  // taker next
    // 22: the taker leads the King of an unplayed suit of 5 to 9 cards.
    {22, 1, 1, "", "Co14 Co5 Co4 Co3 Co2 P3 A4", "=Co14", nullptr, 1},
    {22, 1, 1, "", "Co14 Co4 Co3 Co2 P3 A4", "", nullptr, 1},  // four hearts
    {22, 1, 1, "", "Co14 Co9 Co8 Co7 Co6 Co5 Co4 Co3 Co2 P3", "=Co14", nullptr, 1},
    {22, 1, 1, "", "Co14 Co10 Co9 Co8 Co7 Co6 Co5 Co4 Co3 Co2", "", nullptr, 1},
    {22, 1, 1, "", "Co14 Co5 Co4 Co3 Co2 P3", "", [](P& g) { g.CouleurNonJouee[2] = 0; }, 1},
    {22, 1, 1, "", "Co14 Co5 Co4 Co3 Co2 P3", "=Co14", [](P& g) { g.CouleurNonJouee[2] = 2; }, 1},
    {22, 1, 1, "", "Co13 Co5 Co4 Co3 Co2 P3", "", nullptr, 1},  // no King
    {22, 2, 2, "", "Co14 Co5 Co4 Co3 Co2 P3", "=Co14", nullptr, 1},  // the taker is seat 2
    {22, 1, 2, "", "Co14 Co5 Co4 Co3 Co2 P3", ""},  // a defender
    {22, 1, 4, "Exc", "Co14 Co5 Co4 Co3 Co2 P3", ""},  // not leading
    // 23: a defender who controls the trumps leads a suit the taker is void in.
    {23, 1, 2, "", "A7 Exc P10 P4 Co13", "=P10 P4", [](P& g) { g.SansAtout[2][1] = g.CoupesConnues[2][1][1] = 1; }, 1},
    {23, 1, 2, "", "A7 Exc P10 P4 Co13", "", [](P& g) { g.SansAtout[2][1] = 1; }, 1},
    {23, 1, 2, "", "A7 Exc P10 P4 Co13", "=P10 P4",   // every trump out is his
     [](P& g) { Mettre(g.NbAtoutsTombes, 20, g.CoupesConnues[2][1][1], 1); }, 1},
    {23, 1, 2, "", "A7 Exc P10 P4 Co13", "", [](P& g) { Mettre(g.NbAtoutsTombes, 19, g.CoupesConnues[2][1][1], 1); }},
    {23, 1, 2, "", "A7 Exc P10 P4 Co13", "", [](P& g) { g.SansAtout[2][1] = g.CoupesConnues[2][1][3] = 1; }, 1},
    {23, 1, 1, "", "A7 Exc P10 P4 Co13", "", [](P& g) { g.SansAtout[1][1] = g.CoupesConnues[1][1][1] = 1; }},
    {23, 1, 1, "Exc", "A7 Exc P10 P4 Co13", "", [](P& g) { g.SansAtout[2][1] = g.CoupesConnues[2][1][1] = 1; }},
    // 19: the taker leads no bare King, unless he holds the Petit and the defenders have no trumps.
    {19, 1, 1, "", "T14 P5 A6", "A6 P5", [](P& g) { g.RoiSecPreneur[3] = 1; }},
    {19, 1, 1, "", "T14 P5 A6 A1", "", [](P& g) { Mettre(g.RoiSecPreneur[3], 1, g.SansAtout[1], kTous); }},
    {19, 1, 1, "", "T14 P5 A6 A1", "A6 A1 P5",          // a defender may still trump
     [](P& g) { Mettre(g.RoiSecPreneur[3], 1, g.SansAtout[1][2], 1, g.SansAtout[1][3], 1); }},
    {19, 1, 1, "", "T14 P5 A6", "A6 P5", [](P& g) { Mettre(g.RoiSecPreneur[3], 1, g.SansAtout[1], kTous); }},
    {19, 1, 1, "", "T14 P5 A6", ""},  // the King not bare
    {19, 1, 4, "Exc", "T14 P5 A6", "", [](P& g) { g.RoiSecPreneur[3] = 1; }},  // not leading
    {19, 1, 2, "", "T14 P5 A6", "", [](P& g) { g.RoiSecPreneur[3] = 1; }},  // a defender
    // 13: the taker following takes with his King guarded twice unless a seat before him may trump.
    {13, 3, 2, "P9", "P14 P10 P4", "=P14"},
    {13, 3, 2, "P9", "P14 P10 P4", "", [](P& g) { g.CoupesConnues[3][4][1] = 1; }},  // D1 void
    {13, 3, 2, "P9", "P14 P10 P4", "", [](P& g) { g.CoupesConnues[3][1][1] = 1; }},  // D2 void
    {13, 3, 1, "P9 P3", "P14 P10 P4", "=P14"},
    {13, 3, 1, "P9 P3", "P14 P10 P4", "=P14", [](P& g) { g.CoupesConnues[3][1][1] = 1; }},
    {13, 3, 1, "P9 P3", "P14 P10 P4", "", [](P& g) { g.CoupesConnues[3][4][1] = 1; }},
    {13, 3, 4, "P9 P3 P5", "P14 P10 P4", ""},  // position 4
    {13, 3, 1, "P9 A5", "P14 P10 P4", ""},  // he cannot win
    {13, 3, 2, "P9", "P14 P4", ""},  // guarded once
    {13, 4, 2, "P9", "P14 P10 P4", ""},  // a defender
    {13, 3, 2, "Exc", "P14 P10 P4", ""},  // the Excuse led
    // 18: after a signal, no suit the signalling seat is void in.
    {18, 1, 2, "", "P6 Co9 Co3", "P6", [](P& g) { Mettre(g.SignalAtoutHumain, 3, g.CoupesConnues[2][3][2], 1); }, 1},
    {18, 1, 2, "", "P6 Co9 Co3", "", [](P& g) { g.CoupesConnues[2][3][2] = 1; }},
    {18, 1, 2, "", "P6 Co9 Co3", "", [](P& g) { Mettre(g.SignalAtoutHumain, 3, g.CoupesConnues[2][4][2], 1); }, 1},
    {18, 1, 1, "", "P6 Co9 Co3", "", [](P& g) { Mettre(g.SignalAtoutHumain, 3, g.CoupesConnues[1][3][2], 1); }},
    {18, 1, 1, "Exc", "P6 Co9 Co3", "", [](P& g) { Mettre(g.SignalAtoutHumain, 3, g.CoupesConnues[2][3][2], 1); }},
    // 2: a defender after the taker who holds the trick plays low.
    {2, 1, 1, "A19 P3 P4", "Co9 T5 Ca2", "=Ca2"},  // Defenseur3 at 4
    {2, 1, 1, "A19 A20 P4", "Co9 T5 Ca2", ""},  // a defender is master
    {2, 1, 4, "P3 A19", "Co9 T5 Ca2", "=Ca2"},  // Defenseur1 at 3
    {2, 1, 1, "A19", "Co9 T5 Ca2", ""},  // Defenseur1 at 2
    {2, 1, 1, "A19 P3", "Co9 T5 Ca2", "=Ca2"},  // Defenseur2 at 3
    {2, 1, 1, "A19 P3 P4", "A20 Co9 Ca2", ""},  // he can win
    {2, 1, 1, "A19 P3 P4", "A8 A3 A1", "=A3"},  // no plain card: lowest trump
    // 3: the taker following, or the seat after him, who cannot win plays low.
    {3, 2, 4, "P5 A20", "A9 A4 A1 Co8", "=A4"},  // taker at 3
    {3, 2, 4, "P5 P7", "A9 A4 A1 Co8", ""},  // he can win
    {3, 2, 1, "A20", "A9 A4 A1 Co8", "=A4"},  // taker at 2
    {3, 2, 3, "P5 A20 P3", "A9 A4 A1 Co8", "=A4"},  // taker at 4
    {3, 2, 2, "A20", "A9 A4 A1 Co8", "=A4"},  // Defenseur1 at 2
    {3, 2, 1, "A20 A2", "A9 A4 A1 Co8", ""},  // Defenseur1 at 3
    {3, 2, 3, "A20", "A9 A4 A1 Co8", ""},  // Defenseur2 at 2
    // 5: a defender leading avoids the taker's first two suits.
    {5, 1, 2, "", "P5 Co8 T3", "Co8", PiqueEtTrefle},
    {5, 1, 2, "", "P5 Co8 T3", "P5 Co8", [](P& g) { g.SecondeCouleurPreneur = CouleurTrefle; }},
    {5, 1, 2, "", "P5 Co8 T3", "Co8 T3", [](P& g) { g.PremiereCouleurPreneur = CouleurPique; }},
    {5, 1, 1, "", "P5 Co8 T3", "", PiqueEtTrefle},  // the taker
    {5, 1, 1, "Exc", "P5 Co8 T3", "", PiqueEtTrefle},  // not leading
    // 14: the seat before the taker overtrumps a defender's trump lead with his highest.
    {14, 1, 2, "A10 A11", "A17 A15 A8 Ca3", "=A17"},  // at 3 after Defenseur1
    {14, 1, 3, "A10", "A17 A15 A8 Ca3", "=A17"},  // at 2 after Defenseur2
    {14, 1, 1, "A10 A11 A12", "A17 A15 A8 Ca3", ""},  // last to play
    {14, 1, 2, "P5 A10", "A17 A15 A8 Ca3", ""},  // not a trump lead
    {14, 1, 2, "A10", "A17 A15 A8 Ca3", ""},  // the Defenseur2
    // 6: a follower plays his lowest trump above the Petit.
    {6, 1, 1, "A2 A4", "A12 A5 A1", "=A5"},
    {6, 1, 3, "", "A12 A5 A1", ""},  // leading
    {6, 1, 1, "A2 A4", "A1 Exc", ""},  // the Petit is no such trump
    // 1: after the taker, a seat that wins the duel plays its best honour, else low trump, else the winner.
    {1, 1, 1, "Co11", "Co14 Co12 Co3", "=Co14"},
    {1, 1, 2, "Co11", "Co14 Co12 Co3", ""},  // the taker still to play
    {1, 1, 2, "Co11 Co5 Co9", "Co14 Co12 Co3", "=Co14"},  // the taker himself, last
    {1, 1, 1, "Co13", "Co12 Co3", ""},  // he cannot win
    {1, 1, 1, "Co11 Co14", "Co13 Co12 Co3", ""},  // a defender master: 100
    {1, 1, 1, "Co11", "A8 A3 P12", "=A3"},  // no honour: lowest trump
    {1, 1, 1, "Exc", "A1 Co5 Co3", "=A1"},  // the winning card itself
};
// clang-format on

// What a rule decides by its draw, read on a copy of the generator: the position as in kCas,
// then what the rule leaves for each value of the draw.
struct ParTirage {
  int16_t regle, preneur, entameur;
  std::string pli, main;
  int (*tirer)(Aleatoire&);
  std::map<int, const char*> attendu;
  void (*regler)(Partie&) = nullptr;
};
// The start suit s0 = CInt(3 u) + 1, 1 to 4; the suits then follow from it.
int Depart(Aleatoire& a) { return CInt(a.Rnd() * 3) + 1; }
// Rule 180, after its start suit: the trumps the taker needs, t = CInt(2 u) + 7.
int Seuil180(Aleatoire& a) {
  Depart(a);
  return CInt(a.Rnd() * 2) + 7;
}
// Rule 190: 1 when r = CInt(100 u) is below 40.
int Sous40(Aleatoire& a) { return CInt(a.Rnd() * 100) < 40; }
void PreneurSansPiqueNiTrefle(P& g) { Mettre(g.CoupesConnues[2][1][1], 1, g.CoupesConnues[2][1][3], 1); }
void PreneurSansRien(P& g) { g.CoupesConnues[2][3] = kTous; }
const std::string kSeptAtoutsLongCoeur = "Co14 Co10 Co8 Co5 Co3 Ca7 A2 A3 A4 A5 A6 A7 A8";
const std::string kRois = "P14 Co14 T14 Ca14";

// clang-format off
const ParTirage kParTirage[] = {
    // 190: the Excuse on r < 40, to a seat that holds it, follows and cannot win.
    {190, 3, 3, "Co14", "Exc Co5 Co2", Sous40, {{0, ""}, {1, "=Exc"}}},
    {190, 3, 3, "Co14", "Exc Co5 Co2", Sous40, {{0, ""}, {1, ""}}, [](P& g) { g.DetenteurExcuse = 2; }},  // not his
    {190, 3, 3, "", "Exc Co5 Co2", Sous40, {{0, ""}, {1, ""}}},  // leading (the taker: nothing to win)
    {190, 3, 3, "Co10", "Exc Co14 Co2", Sous40, {{0, ""}, {1, ""}}},  // he can win
    // 180: the low singleton when the taker was dealt at least t trumps.
    {180, 4, 4, "", kSeptAtoutsLongCoeur, Seuil180, {{7, "=Ca7"}, {8, ""}, {9, ""}}},
    {180, 4, 4, "", kSeptAtoutsLongCoeur + " A9", Seuil180, {{7, "=Ca7"}, {8, "=Ca7"}, {9, ""}}},
    {180, 4, 4, "", kSeptAtoutsLongCoeur + " A9 A10", Seuil180, {{7, "=Ca7"}, {8, "=Ca7"}, {9, "=Ca7"}}},
    // 172: on the taker's Excuse, the first suit from s0 he is known void in (spades and clubs).
    {172, 1, 1, "Exc", "A5 P9 T9 T4 Ca1", Depart, {{1, "=P9"}, {2, "=T9"}, {3, "=T9"}, {4, "=P9"}},
     PreneurSansPiqueNiTrefle},
    // 203 keeps his honours from s0, the suit moving on by 1, 2, 3, 4 and carried from the Kings
    // to the Queens (from 1: Kings 1, 2, 4, 3, Queens 3, 4, 2, 1): the last one avoided stays.
    {203, 3, 1, "A5", kRois, Depart, {{1, "T14"}, {2, "Ca14"}, {3, "P14"}, {4, "Co14"}}},
    {203, 3, 1, "A5", kRois + " P13 Co13 T13 Ca13", Depart, {{1, "P13"}, {2, "Co13"}, {3, "T13"}, {4, "Ca13"}}},
    // 203 gives his best honour, from s0 in a suit the taker is known void in (all four here).
    {203, 3, 1, "A21", "Co14 T14 Ca13 Ca2", Depart, {{1, "=Co14"}, {2, "=Co14"}, {3, "=T14"}, {4, "=Co14"}},
     PreneurSansRien},
};
// clang-format on

// One row: the rule alone on its position; says whether it acted.
bool Verifier(const Cas& cas) {
  Position p(cas.preneur);
  p.Pli(cas.entameur, Lire(cas.pli)).Main(Lire(cas.main));
  if (cas.regler) cas.regler(p.g);
  const std::string avant = p.Candidats();
  Aleatoire temoin = p.g.alea;
  const std::string apres = p.Regle(cas.regle);
  EXPECT_EQ(apres, *cas.attendu ? cas.attendu : avant);
  if (*cas.attendu) {
    EXPECT_NE(apres, avant) << "changes nothing";
  }
  for (int i = 0; i < cas.tirages; ++i) temoin.Rnd();
  EXPECT_EQ(p.g.Rnd(), temoin.Rnd()) << "draws other than " << cas.tirages;
  return *cas.attendu;
}

// One drawn row 600 times over, so that every value of its draw comes, r = 39 and r = 40 too
// (each about one draw in a hundred); notes whether the rule acted.
void VerifierParTirage(const ParTirage& cas, std::set<int16_t>& agit, std::set<int16_t>& rien) {
  Position p(cas.preneur);
  std::set<int> tires;
  for (int i = 0; i < 600; ++i) {
    p.Pli(cas.entameur, Lire(cas.pli)).Main(Lire(cas.main));
    if (cas.regler) cas.regler(p.g);
    const std::string avant = p.Candidats();
    Aleatoire temoin = p.g.alea;
    const int tirage = cas.tirer(temoin);
    tires.insert(tirage);
    const char* attendu = cas.attendu.at(tirage);
    ASSERT_EQ(p.Regle(cas.regle), *attendu ? attendu : avant) << "draw " << tirage;
    ASSERT_EQ(p.g.Rnd(), temoin.Rnd()) << "draws other than the rule's";
    (*attendu ? agit : rien).insert(cas.regle);
  }
  EXPECT_EQ(tires.size(), cas.attendu.size()) << "a value never drawn";
}

TEST(Regles, EachClauseLimitAndDraw) {
  std::set<int16_t> agit, rien;
  for (const Cas& cas : kCas) {
    SCOPED_TRACE("row " + std::to_string(&cas - kCas) + ", rule " + std::to_string(cas.regle));
    (Verifier(cas) ? agit : rien).insert(cas.regle);
  }
  for (const ParTirage& cas : kParTirage) {
    SCOPED_TRACE("drawn row " + std::to_string(&cas - kParTirage) + ", rule " + std::to_string(cas.regle));
    VerifierParTirage(cas, agit, rien);
  }
  for (const EntreeCascade& e : CascadeRegles()) {
    EXPECT_EQ(agit.count(e.numero), 1u) << "no case where rule " << e.numero << " acts";
    EXPECT_EQ(rien.count(e.numero), 1u) << "no case where rule " << e.numero << " does nothing";
  }
}

// Rule 1, the last of the cascade, once it may act: the highest plain honour (the first place
// among equal values), else the lowest trump above the Petit, else the winning card. The taker
// (South) leads the Excuse, so East is free and his first card wins; a spade lead leaves him
// his trumps and the Excuse. The last rows move the seat to play around the taker.
// clang-format off
const Cas kRegle1[] = {
    {1, 1, 1, "Exc", "A9 A3 P11 Co14 Ca12", "=Co14"},  // the highest honour, neither the first nor the last
    {1, 1, 1, "Exc", "A9 P12 Co12 Ca11", "=P12"},  // equal honours: the first place
    {1, 1, 1, "Exc", "A9 A3 Co11 Ca2", "=Co11"},  // a Jack is an honour
    {1, 1, 1, "Exc", "A15 A9 A3 Co10 Ca2", "=A3"},  // a 10 is none, nor a high trump
    {1, 1, 1, "Exc", "A9 A2 A1 Co5", "=A2"},  // trump 2 is above the Petit
    {1, 1, 1, "P5", "A9 A4 A1 Exc Co13", "=A4"},  // the Excuse is no trump; Co13 may not be played
    {1, 1, 1, "P5", "A1 Exc Co3", "=A1"},  // only the Petit and the Excuse: the winner
    {1, 1, 1, "Exc", "Co9 Co5 Ca3", "=Co9"},  // no honour, no trump: the winner, not the lowest
    {1, 1, 1, "P5", "P9 P2 Co14", "=P9"},  // the King may not be played: the winner
    {1, 1, 1, "Co11 Co5", "Co14 Co12 Co3", "=Co14"},  // the Defenseur2 at 3
    {1, 1, 1, "Co11 Co5 Co6", "Co14 Co12 Co3", "=Co14"},  // the Defenseur3 at 4
    {1, 1, 4, "Co11", "Co14 Co12 Co3", ""},  // the taker at 2, defenders after him
    {1, 1, 3, "Co11 Co5", "Co14 Co12 Co3", ""},  // the taker at 3
};
// clang-format on

TEST(Regles, Rule1HonourThenTrumpThenWinner) {
  for (const Cas& cas : kRegle1) {
    SCOPED_TRACE("hand " + cas.main);
    Verifier(cas);
  }
}

// Rule 172 stops at the first suit from s0 that the taker is known void in: with no card of it
// the seat picks nothing, though a later void suit has candidates. All four suits are searched.
void PreneurSansPiqueNiCoeur(P& g) { Mettre(g.CoupesConnues[2][1][1], 1, g.CoupesConnues[2][1][2], 1); }
void PreneurSansPiqueNiCarreau(P& g) { Mettre(g.CoupesConnues[2][1][1], 1, g.CoupesConnues[2][1][4], 1); }
void PreneurSansCoeur(P& g) { g.CoupesConnues[2][1][2] = 1; }
// clang-format off
const ParTirage kRegle172[] = {
    {172, 1, 1, "Exc", "A5 Co9 Co4 T4 Ca1", Depart, {{1, ""}, {2, "=Co9"}, {3, ""}, {4, ""}}, PreneurSansPiqueNiCoeur},
    {172, 1, 1, "Exc", "A5 P9 P4 Co3 T4", Depart, {{1, "=P9"}, {2, ""}, {3, ""}, {4, ""}}, PreneurSansPiqueNiCarreau},
    {172, 1, 1, "Exc", "A5 P9 Co9 T4", Depart, {{1, "=Co9"}, {2, "=Co9"}, {3, "=Co9"}, {4, "=Co9"}}, PreneurSansCoeur},
};
// clang-format on

TEST(Regles, Rule172StopsAtTheFirstVoidSuit) {
  std::set<int16_t> agit, rien;
  for (const ParTirage& cas : kRegle172) {
    SCOPED_TRACE("hand " + cas.main);
    VerifierParTirage(cas, agit, rien);
  }
}

// Rule 181 marks itself played and calls the Petit covered when the seat before him laid a
// trump of 15 or less; the Excuse or a plain card covers nothing. Rule 112's lead is the signal.
TEST(Regles, MarkersTheRulesWrite) {
  Position q(1);
  q.Pli(3, {}).Main({At(13), At(8), At(6), At(3), Pi(5)}).g.AtoutsChien = 1;
  EXPECT_EQ(q.Regle(112), "=A6");
  EXPECT_EQ(q.g.SignalAtoutHumain, 3);

  for (auto [avant, protege] : {std::pair{At(15), 1}, {At(16), 0}, {Exc(), 0}, {Pi(3), 0}}) {
    Position p(1);
    p.Pli(4, {At(5), avant}).Main(3, {});
    p.Pli(1, {At(5), avant}).Main({At(21), At(13), At(9), At(6), At(3), At(1)});
    EXPECT_EQ(p.Regle(181), "=A21") << Nom(avant);
    EXPECT_EQ(p.g.PetitProtege, protege) << Nom(avant);
    EXPECT_EQ(p.g.Regle181Jouee, 1) << Nom(avant);
  }
}

}  // namespace
