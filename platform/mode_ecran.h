#pragma once
// The display mode: the screen's size in pixels, the sizes the display offers, and a switch
// to one of them for this session only (nothing is stored as the user's setting).
#include <vector>

struct TailleEcran {
  int largeur = 0, hauteur = 0;  // pixels
  friend bool operator==(const TailleEcran&, const TailleEcran&) = default;
};

class ModeEcran {
 public:
  virtual ~ModeEcran() = default;
  virtual TailleEcran Taille() const = 0;
  // Every size the display can be switched to; empty where switching is not possible.
  virtual std::vector<TailleEcran> Modes() const = 0;
  // Switches to a mode of exactly that size. False when refused: the display is left as it was.
  virtual bool Changer(TailleEcran taille) = 0;
};
