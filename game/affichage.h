#pragma once
// What the rules show on the table. The window implements it; headless play uses the
// silent default, so every rule runs without a display.
#include <cstdint>
#include <string_view>

class Affichage {
 public:
  virtual ~Affichage() = default;

  // The human's hand has been sorted: lay it out again.
  virtual void DisposerMainJoueur() {}
  // The human's legal cards are known (CarteJouable row of the human seat): set the mouse
  // pointers and raise the legal cards when the option asks for it.
  virtual void MarquerCartesJouables(int16_t /*joueur*/) {}
  // Show the card of hand place `place` of seat `joueur` on the table.
  virtual void AfficherCarteTable(int16_t /*joueur*/, int16_t /*place*/) {}
  // Arm the card timer for the next card of the trick.
  virtual void ActiverTimerEntreCarte() {}

  // Counting panels: points keep their half (45.5).
  virtual void AfficherPoints(double /*attaque*/, double /*defense*/) {}
  virtual void AfficherBouts(int16_t /*preneur*/, int16_t /*defense*/) {}
  virtual void AfficherPointsAFaire(int16_t /*points*/) {}
  virtual void ActiverMenuLastPli() {}
  virtual void AfficherCliquezPourContinuer() {}
  virtual void AfficherResultatDonne() {}
  virtual void ActiverTimerTransition() {}
  virtual void AppelDessinLastPli() {}

  // Information panel, in the current language.
  virtual void AfficherInfo(std::string_view /*francais*/, std::string_view /*anglais*/) {}
  // Trumps still outside the human's hand.
  virtual void AfficherAtoutsDehors(int16_t /*nombre*/) {}
  // Number of the strategy rule that picked a computer seat's card ("" when none).
  virtual void AfficherRegle(int16_t /*joueur*/, std::string_view /*texte*/) {}
};

// The silent display shared by headless games.
Affichage& AffichageMuet();
