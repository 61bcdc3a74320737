#pragma once
// The program's wiring: the start screen first, then the table in the language chosen there,
// with the desktop's services (boxes and timers, settings, display mode, help), and the end of
// the run.
#include <memory>

#include "platform/plateforme_qt.h"
#include "table/cycle_vie.h"
#include "table/frm_splash.h"

class AideQt;
class FenetreMirvane;
class FenetreSplash;
class Mirvane;
class QObject;
class Reglages;

class Programme {
 public:
  // `reglages` may be nullptr: no settings are read or written.
  Programme(ModeEcran& ecran, Reglages* reglages);
  ~Programme();
  Programme(const Programme&) = delete;
  Programme& operator=(const Programme&) = delete;

  // The start screen shows; its unload opens the table.
  void Demarrer();
  // The end of the run, by the table's unload or by a signal: the screen put back, every window
  // hidden and the event loop left. No window is asked to close, since the handful window
  // would refuse and leave the program running with nothing on the screen.
  void Terminer();

  PlateformeQt& Plateforme() { return plateforme_; }
  FenetreSplash* Accueil() const { return accueil_.get(); }
  // The table and its window, once a language has been chosen.
  Mirvane* Table() const { return table_.get(); }
  FenetreMirvane* Fenetre() const { return fenetre_.get(); }
  AideQt* Aide() const { return aide_.get(); }

 private:
  void OuvrirTable();

  ModeEcran& ecran_;
  Reglages* reglages_;
  PlateformeQt plateforme_;
  ResolutionEcran resolution_;
  FrmSplash splash_;
  std::unique_ptr<FenetreSplash> accueil_;
  std::unique_ptr<AideQt> aide_;
  std::unique_ptr<Mirvane> table_;
  std::unique_ptr<FenetreMirvane> fenetre_;
  std::unique_ptr<QObject> fermeture_;
};

// The whole program on the desktop's window system: 0 at its end, 1 when no display could be
// opened.
int LancerMirvane(int argc, char** argv);
