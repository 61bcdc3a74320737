#pragma once
// The state of a game, in plain structs. Partie (game/partie.h) gathers them so that every
// rule reads and writes the names it knows, and two games can live side by side.
#include <cstdint>

#include "game/carte.h"
#include "game/tableau.h"

using Ligne4 = Tab1<int16_t, 4>;
using Places4x18 = Tab1<Tab1<int16_t, 18>, 4>;
using Couleurs4 = Tab1<int16_t, 4>;       // by plain suit 1..4
using Valeurs14 = Tab1<int16_t, 14>;      // by plain value 1..14
using SiegeCouleur = Tab1<Couleurs4, 4>;  // [seat][suit]

// Why a card is legal now.
struct ClasseJeu {
  int16_t Classe = -1;  // 0 free lead, -1 follows or the Excuse, 1 trumps, 2 must overtrump,
                        // 3 any trump, 4 discards on a plain suit, 5 discards on a trump lead
  int16_t AtoutABattre = -1;
  int16_t CouleurDemandee = -1;
};

// Cards, the deal and the auction.
struct EtatCartes {
  TableDesCartes TableCartes;
  MainsTable MainsJoueurs;
  Tab1<Carte, 6> Chien;
  Tab1<Carte, 6> ChienMontre;  // the chien as dealt, sorted, kept after the discard
  int16_t Preneur = 0;         // 0 while nobody has taken
  int16_t JoueurHumain = 1;
  Ligne4 EnchereJoueur{};  // CodeEnchere by seat, -1 not yet spoken
  int16_t NbEncheres = 0;
  int16_t MeilleureEnchere = 0;
  int16_t PremierJoueur = 3;  // opening seat
  int16_t Donneur = 2;

  // Deck and deal tries.
  Tab1<int16_t, 78> PaquetTravail{};
  Tab1<int16_t, 78> JeuCourant{};
  Tab1<int16_t, 78> JeuSauve{};
  TableDesCartes CartesDistribuees;
  int16_t NumeroDonne = 0;
  int16_t RejouerDonne = 0;
  Main MainTampon;

  // History of the deal: hand place played by each seat in each trick, leader of each trick.
  Tab1<Tab1<int16_t, 18>, 4> CarteJoueeParPli{};  // [seat][trick]
  Tab1<int16_t, 18> EntameurParPli{};

  // Handful.
  int16_t PoigneeAnnoncee = 0;
  int16_t OffrePoigneeEnCours = 0;
  int16_t SeuilPoigneeSimple = 10;
  int16_t SeuilPoigneeDouble = 13;
  int16_t SeuilPoigneeTriple = 15;

  int16_t Langue = 1;  // 1 French, 2 English
};

// The trick being played and the legality tables.
struct EtatPli {
  Tab1<Carte, 4> PliCourant;  // by seat; Couleur -1 while the seat has laid nothing
  int16_t EntameurPli = 0;
  int16_t JoueurCourant = 0;
  int16_t NbCartesPli = 0;
  int16_t CouleurDemandee = -1;
  int16_t ValeurEntame = 0;
  int16_t PlusHautAtoutPli = 0;
  int16_t NumeroPli = 0;  // 0 auction, 1..18 play, 19 deal over
  Places4x18 CarteJouable{};
  Tab1<Tab1<ClasseJeu, 18>, 4> ClasseCarte;
};

// Counting of the deal.
struct EtatComptage {
  int16_t DemiPointsPreneur = 0;
  int16_t DemiPointsDefense = 0;
  int16_t BoutsPreneur = 0;
  int16_t BoutsDefense = 0;
  int16_t PointsAFaire = 56;
  int16_t PetitAuBout = 0;  // 0 none, 1 taker's camp, 2 defence
};

// Steps of a deal that the rules also touch.
struct EtatDeroulement {
  int16_t AttenteClic = 0;
  int16_t ChienAffiche = 0;
  int16_t EcartHumainEnCours = 0;
  int16_t PliAffiche = 0;
  int16_t AttenteJeuHumain = 0;
};

// Running scores and ranks.
struct EtatScores {
  Tab1<int32_t, 4> ScoreTotal{};
  Ligne4 OrdreClassement{};
  Ligne4 Classement{};
};

// Options in force.
struct EtatOptions {
  int16_t Niveau = NiveauPro;
  int16_t PourcentJeuReflechi = 100;
  int16_t ForceMain = 2;  // 1 defence hand, 2 no forcing, 3..6 Prise..Garde contre
  int16_t AuMoinsUnePriseActif = 0;
  int16_t AttenteAuto = 1;        // 1 timed pause between tricks, 0 wait for a click
  int16_t OptionLeverCartes = 0;  // raise the human's legal cards (levels 1 and 2)
};

// The computer players' bookkeeping of the deal.
struct EtatSuivi {
  // Where each card is.
  Tab<int16_t, 2, 21> DetenteurAtout{};  // seat, 0 chien or discard, -1 played
  Tab<int16_t, 2, 21> PlaceAtout{};
  Tab1<Valeurs14, 4> DetenteurCarte{};  // [suit][value]
  Tab1<Valeurs14, 4> PlaceCarte{};
  int16_t DetenteurPetit = -1;
  int16_t PlacePetit = 0;
  int16_t DetenteurExcuse = -1;
  int16_t PlaceExcuse = 0;

  // Counts.
  Ligne4 NbAtoutsDonne{};
  Ligne4 NbAtouts{};
  SiegeCouleur NbCartesCouleurDonne{};
  SiegeCouleur NbCartesCouleur{};
  int16_t NbAtoutsTombes = 0;
  int16_t AtoutsDehors = 0;
  int16_t AtoutsChien = -1;
  SiegeCouleur NbDehorsCouleur{};         // [observer][suit]
  Ligne4 PlusHautAtoutRestant{};          // [observer], 21 for the whole deal
  SiegeCouleur PlusHauteCarteRestante{};  // [observer][suit], 14 for the whole deal

  // Suits and markers.
  Ligne4 CouleurLongue{};
  Couleurs4 CouleurNonJouee{};  // 1 not played, 2 first played in this trick, 0 played
  int16_t CouleurEntameePreneur = -1;
  int16_t PremiereCouleurPreneur = -1;
  int16_t SecondeCouleurPreneur = -1;
  Ligne4 PasEncoreEntame{};
  int16_t DefenseNaPasEntame = 1;
  Couleurs4 RoiSecPreneur{};
  int16_t CavalierLonguePreneurTombe = 0;
  int16_t CouleurLonguePreneurCoupee = 0;
  int16_t SignalAtoutHumain = -1;
  int16_t RetourAtoutAttendu = -1;
  int16_t Regle181Jouee = 0;
  int16_t PetitProtege = 0;
};

// Each seat's picture of where the cards lie, by observer.
struct EtatConnaissance {
  Tab1<Tab1<Valeurs14, 4>, 4> ConnuDetenteurCouleur{};              // [observer][suit][value]
  Tab1<Tab<int16_t, 0, 21>, 4> ConnuDetenteurAtout{};               // [observer][value 0..21]
  Tab1<Tab1<Tab1<Valeurs14, 4>, 4>, 4> PossibleDetenteurCouleur{};  // [observer][seat][suit][value]
  Ligne4 ChienConnu{};
  SiegeCouleur NbCartesCouleurInconnues{};  // [observer][suit]
  Ligne4 NbAtoutsInconnus{};
  Tab1<SiegeCouleur, 4> CoupesConnues{};  // [observer][seat][suit]
  Tab1<Ligne4, 4> SansAtout{};            // [observer][seat]
  // Suits whose pictures changed since the last update (bit s for suit s, bit 0 for suit 0),
  // so that the update after a card looks at those alone; every suit when unknown.
  int16_t CouleursChangees = ToutesCouleursChangees;
  static constexpr int16_t ToutesCouleursChangees = 0x1F;
};

// Strategy-rule flags: 1 may run, 0 switched off for this choice, 2 picked in this choice.
constexpr int16_t NombreRegles = 300;
struct EtatRegles {
  Tab1<int16_t, NombreRegles> ReglesActives{};
  Ligne4 RegleAffichee{};  // by seat: the rule that picked its last card, 0 none (for traces)
};
