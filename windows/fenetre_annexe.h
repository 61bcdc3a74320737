#pragma once
// A window of its own beside the main one (the start screen too), drawn from its model,
// centred on the screen, kept above the main window by its owner. A fixed one has no title-bar
// button: its own buttons are the ways out, so a close request from the window system (a button
// some window managers draw anyway, Alt+F4) is taken as a click on its way out, or refused when
// it has none. The program's own close (QWidget::close, Qt's quit) always closes it.
#include "windows/fenetre_modele.h"

class FormLastPli;
class FormMains;
class FormScoreDetaille;
class FormTousPlis;

class FenetreAnnexe : public FenetreModele {
  Q_OBJECT

 public:
  enum class Bordure { Fixe, Reglable };
  // `sortie`: the button a close request stands for; -1 for none.
  FenetreAnnexe(ModeleFenetre& modele, Bordure bordure, int sortie = -1);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  int sortie_;
};

// The handful window: OK and cancel are its only ways out. The game waits on it, so a minimise
// (a button some window managers draw anyway, taking the main window along) brings both back.
class FenetrePoignee : public FenetreAnnexe {
  Q_OBJECT

 public:
  explicit FenetrePoignee(ModeleFenetre& modele);

 protected:
  void changeEvent(QEvent* event) override;
};

// The three windows after a deal, left by their OK.
class FenetreScoreDetaille : public FenetreAnnexe {
  Q_OBJECT

 public:
  explicit FenetreScoreDetaille(FormScoreDetaille& modele);
};

class FenetreTousPlis : public FenetreAnnexe {
  Q_OBJECT

 public:
  explicit FenetreTousPlis(FormTousPlis& modele);
};

class FenetreMains : public FenetreAnnexe {
  Q_OBJECT

 public:
  explicit FenetreMains(FormMains& modele);
};

// Sizable, with the usual title-bar buttons; its close box unloads it, and the next opening
// makes it afresh at its own size.
class FenetreLastPli : public FenetreAnnexe {
  Q_OBJECT

 public:
  explicit FenetreLastPli(FormLastPli& modele);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  FormLastPli& lastPli_;
};
