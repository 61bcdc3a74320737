#pragma once
// The start screen: its model drawn in a fixed window with no close button, the program's icon
// and our picture laid into their picture boxes, centred on the screen. When the window system
// closes it, the start screen unloads as if French had been chosen.
#include "windows/fenetre_annexe.h"

class FrmSplash;

class FenetreSplash : public FenetreAnnexe {
  Q_OBJECT

 public:
  explicit FenetreSplash(FrmSplash& modele);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  FrmSplash& splash_;
};
