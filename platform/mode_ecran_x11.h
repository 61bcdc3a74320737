#pragma once
// The display mode through XRandR on an X11 display: the output's mode of exactly the asked
// size, for this session only. Anywhere else (Wayland, the offscreen platform, no DISPLAY)
// every switch is refused and the size is the one the window system gave.
// Only a program that switched the screen puts it back: asked for the size it last read before
// it switched anything, it leaves the screen alone, since another program may have switched it
// meanwhile (two games at once: the second finds 800 x 600 and must not set it again after the
// first has put the screen back).
#include <string_view>

#include "platform/mode_ecran.h"

struct _XDisplay;

class ModeEcranX11 : public ModeEcran {
 public:
  // `plateforme` is the window system's name as Qt gives it: only "xcb" opens the display.
  ModeEcranX11(std::string_view plateforme, TailleEcran tailleHorsX11);
  ~ModeEcranX11() override;
  ModeEcranX11(const ModeEcranX11&) = delete;
  ModeEcranX11& operator=(const ModeEcranX11&) = delete;

  TailleEcran Taille() const override;
  std::vector<TailleEcran> Modes() const override;
  bool Changer(TailleEcran taille) override;

 private:
  _XDisplay* affichage_ = nullptr;
  TailleEcran tailleHorsX11_;
  mutable TailleEcran trouvee_;  // the size last read before a switch of ours
  bool change_ = false;          // a mode of ours has been set
};
