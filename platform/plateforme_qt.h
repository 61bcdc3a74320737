#pragma once
// The platform on Qt: QTimer timers and QMessageBox boxes. A tick that comes while a box is
// open is held back (the game is in the middle of the handler that asked the question) and
// delivered once the box is closed and that handler has returned.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/plateforme.h"

class PlateformeQt;

class MinuterieQt : public Minuterie {
 public:
  explicit MinuterieQt(PlateformeQt& plateforme);
  ~MinuterieQt() override;
  void DefinirIntervalle(int millisecondes) override;
  int Intervalle() const override { return timer_.interval(); }
  void DefinirActive(bool active) override;
  bool Active() const override { return active_; }
  // What the QTimer calls at each interval; public so that tests can stand in for it.
  void Echeance();

 private:
  friend class PlateformeQt;
  void Declencher() { Tic(); }
  PlateformeQt& plateforme_;
  QTimer timer_;
  bool active_ = false;
};

class PlateformeQt : public Plateforme {
 public:
  PlateformeQt();
  ~PlateformeQt() override;
  std::unique_ptr<Minuterie> CreerMinuterie() override;
  ReponseMessage Message(std::string_view texte, std::string_view titre, BoutonsMessage boutons) override;
  // Run after each tick delivered and before a box opens, so that the windows show the model.
  void ApresEvenement(std::function<void()> f) { apres_ = std::move(f); }
  // The language of the buttons of Yes/No boxes: 1 French, 2 English.
  int16_t langue = 2;

 protected:
  // The box itself, modal; returns the answer. Tests replace it.
  virtual ReponseMessage MontrerBoite(const QString& texte, const QString& titre, BoutonsMessage boutons);

 private:
  friend class MinuterieQt;
  void Tic(MinuterieQt& m);
  void Oublier(MinuterieQt& m);
  void LivrerRetenus();

  int boitesOuvertes_ = 0;
  std::vector<MinuterieQt*> retenus_;  // ticks held back while a box is open, in arrival order
  std::function<void()> apres_;
  QObject contexte_;  // owner of the queued deliveries
};
