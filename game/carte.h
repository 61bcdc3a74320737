#pragma once
// The card record, the 78-card table, seats and the small integer helpers.
#include <cstdint>

#include "game/tableau.h"

// Suit codes.
enum : int16_t {
  CouleurAtout = 0,  // trumps and the Excuse
  CouleurPique = 1,
  CouleurCoeur = 2,
  CouleurTrefle = 3,
  CouleurCarreau = 4,
};

// Bids (CodeEnchere).
enum : int16_t {
  EnchereAucune = -1,
  EncherePasse = 0,
  EncherePrise = 1,
  EnchereGarde = 2,
  EnchereGardeSans = 3,
  EnchereGardeContre = 4,
};

// Levels (CodeNiveau).
enum : int16_t { NiveauDebutant = 1, NiveauAmateur = 2, NiveauBon = 3, NiveauPro = 4 };

// Where a seat believes a card lies (CodeConnaissance).
enum : int16_t { ConnuNonPlace = -1, ConnuChien = 5, ConnuJouee = 10 };

struct Carte {
  int16_t Valeur = 0;    // plain 1..14, trumps 1..21, the Excuse 0
  int16_t Couleur = -1;  // suit code, -1 for an empty place
  int16_t EnMain = 0;    // 1 held, 0 played
  int16_t Reserve = 0;   // carried with the record, never read

  constexpr bool EstExcuse() const { return Couleur == CouleurAtout && Valeur == 0; }
  constexpr bool EstAtout() const { return Couleur == CouleurAtout && Valeur != 0; }  // Excuse excluded
  constexpr bool EstPetit() const { return Couleur == CouleurAtout && Valeur == 1; }
  constexpr bool EstBout() const { return Couleur == CouleurAtout && (Valeur == 0 || Valeur == 1 || Valeur == 21); }
  constexpr bool EstCouleur() const { return Couleur >= CouleurPique && Couleur <= CouleurCarreau; }
  // A card the taker may lay in his discard: a plain card other than a King.
  constexpr bool EstEcartable() const { return EstCouleur() && Valeur != 14; }
  friend constexpr bool operator==(const Carte&, const Carte&) = default;
};

using Main = Tab1<Carte, 18>;
using MainsTable = Tab1<Main, 4>;
using TableDesCartes = Tab1<Carte, 78>;

// Card numbers 1..78: (suit - 1) * 14 + value for plain suits, 57 + value for suit 0.
constexpr int16_t NumeroCarte(int16_t couleur, int16_t valeur) {
  return couleur == CouleurAtout ? static_cast<int16_t>(57 + valeur)
                                 : static_cast<int16_t>((couleur - 1) * 14 + valeur);
}
constexpr int16_t NumeroCarte(const Carte& c) { return NumeroCarte(c.Couleur, c.Valeur); }
constexpr Carte CarteDeNumero(int16_t n) {
  return n >= 57 ? Carte{static_cast<int16_t>(n - 57), CouleurAtout, 0, 0}
                 : Carte{static_cast<int16_t>((n - 1) % 14 + 1), static_cast<int16_t>((n - 1) / 14 + 1), 0, 0};
}

void CreerJeuCartes(TableDesCartes& table);
// The card's half points: 9 for a King or an oudler, 7, 5, 3 for Queen, Knight, Jack, else 1.
int16_t CalculerValeurCarte(const Carte& carte);

int16_t JoueurSuivant(int16_t siege);
int16_t JoueurPrecedent(int16_t siege);

// 1 or 0, never the boolean -1: callers compare with 1.
int16_t EstImpair(int16_t n);
int16_t EstPair(int16_t n);
int16_t Maximum(int16_t a, int16_t b);

// Sorting order: suit ascending (trumps first), value descending within a suit.
bool AvantDansLeTri(const Carte& a, const Carte& b);
