// A new game seats the computer players: the deal reads their bid advice through the game.
#include "computer/evaluation.h"

Partie::Partie() : Partie(Aleatoire()) {}

Partie::Partie(Aleatoire generateur) : alea(generateur) {
  Initialiser();
  EnchereConseillee = CalculerEnchereConseillee;
}
