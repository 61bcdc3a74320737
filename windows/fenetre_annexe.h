#pragma once
// A window the main window opens beside it, drawn from its model in a window of its own,
// centred on the screen. A fixed one has no close box: its own buttons are the ways out.
#include "windows/fenetre_modele.h"

class FenetreAnnexe : public FenetreModele {
  Q_OBJECT

 public:
  enum class Bordure { Fixe, Reglable };
  FenetreAnnexe(ModeleFenetre& modele, Bordure bordure);
};

// The four windows after a deal and during play.
class FenetreScoreDetaille : public FenetreAnnexe {
  Q_OBJECT

 public:
  explicit FenetreScoreDetaille(ModeleFenetre& modele) : FenetreAnnexe(modele, Bordure::Fixe) {}
};

class FenetreTousPlis : public FenetreAnnexe {
  Q_OBJECT

 public:
  explicit FenetreTousPlis(ModeleFenetre& modele) : FenetreAnnexe(modele, Bordure::Fixe) {}
};

class FenetreMains : public FenetreAnnexe {
  Q_OBJECT

 public:
  explicit FenetreMains(ModeleFenetre& modele) : FenetreAnnexe(modele, Bordure::Fixe) {}
};

class FormLastPli;

// Sizable, with the usual title-bar buttons; its close box only hides it.
class FenetreLastPli : public FenetreAnnexe {
  Q_OBJECT

 public:
  explicit FenetreLastPli(FormLastPli& modele);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  FormLastPli& lastPli_;
};
