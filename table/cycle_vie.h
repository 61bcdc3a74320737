#pragma once
// What the main window does about the desktop while the game runs: the display switched to
// 800 x 600 and put back at the end, and the help file of the language.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/mode_ecran.h"

class ResolutionEcran {
 public:
  explicit ResolutionEcran(ModeEcran& mode) : mode_(mode) {}

  // Remembers the screen size, then switches to 800 x 600 unless the screen is already 800
  // wide or 600 high.
  void AdapterResolutionEcran();
  // Sets the remembered size again, switched or not. Once only: the quit and a signal may both
  // get here, and before the main window's load there is nothing to put back.
  void RestaurerResolutionEcran();
  // A refused switch leaves the display as it was and the game runs on.
  void ChangerResolutionEcran(float largeur, float hauteur);

  float LargeurEcranInitiale = 0;
  float HauteurEcranInitiale = 0;

 private:
  ModeEcran& mode_;
  bool aRestaurer_ = false;
};

// The help file of the language in the program's folder; empty for a language we do not have.
std::string FichierAide(std::string_view dossierProgramme, int16_t langue);
