#pragma once
// The main window: the menu bar built from the model's menus, the table drawn by a
// FenetreModele, and the auxiliary windows opened while their models exist. Every event goes
// to the models; after each one every open window is redrawn from its model.
#include <QMainWindow>
#include <functional>
#include <vector>

#include "table/modele.h"

class FenetreModele;
class Mirvane;
class PlateformeQt;
class QAction;
class QMenu;

class FenetreMirvane : public QMainWindow {
  Q_OBJECT

 public:
  // The table's controller; its handful window opens and closes by itself.
  explicit FenetreMirvane(Mirvane& mirvane);
  // Any window model drawn as the main window.
  explicit FenetreMirvane(ModeleFenetre& modele);
  // The same, every window redrawn after each tick of the platform's timers.
  FenetreMirvane(Mirvane& mirvane, PlateformeQt& plateforme);
  FenetreMirvane(ModeleFenetre& modele, PlateformeQt& plateforme);
  ~FenetreMirvane() override;

  FenetreModele& Table() const { return *table_; }
  // An auxiliary window: `creer` makes its Qt window while `source` gives a model, and the
  // window closes as soon as `source` gives nothing (or another model).
  using Source = std::function<ModeleFenetre*()>;
  using Createur = std::function<FenetreModele*(ModeleFenetre&)>;
  void SuivreFenetre(Source source, Createur creer);
  // The open window of the auxiliary model, nullptr when none.
  FenetreModele* Auxiliaire(const ModeleFenetre* modele) const;
  // Redraws every window from its model.
  void SynchroniserTout();

 private:
  void Ecouter(PlateformeQt& plateforme);
  void CreerMenus();
  void SynchroniserMenus(bool tout);

  struct FenetreSuivie {
    Source source;
    Createur creer;
    ModeleFenetre* modele = nullptr;
    FenetreModele* fenetre = nullptr;
  };

  ModeleFenetre& modele_;
  PlateformeQt* plateforme_ = nullptr;
  FenetreModele* table_;
  std::vector<QAction*> actions_;  // per menu item
  std::vector<ElementMenu> menusDessines_;
  std::vector<FenetreSuivie> suivies_;
};
