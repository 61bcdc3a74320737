#include "windows/fenetre_mirvane.h"

#include <QMenu>
#include <QMenuBar>
#include <QWindow>
#include <algorithm>

#include "platform/plateforme_qt.h"
#include "table/mirvane.h"
#include "windows/fenetre_annexe.h"
#include "windows/fenetre_modele.h"

FenetreMirvane::FenetreMirvane(Mirvane& mirvane, PlateformeQt& plateforme) : FenetreMirvane(mirvane) {
  Ecouter(plateforme);
}

FenetreMirvane::FenetreMirvane(ModeleFenetre& modele, PlateformeQt& plateforme) : FenetreMirvane(modele) {
  Ecouter(plateforme);
}

namespace {

// One of the controller's windows: `source` gives its model while it exists, W draws it.
template <class W, class Source>
void Suivre(FenetreMirvane& principale, Source source) {
  principale.SuivreFenetre([source]() -> ModeleFenetre* { return source(); },
                           [source](ModeleFenetre&) -> FenetreModele* { return new W(*source()); });
}

}  // namespace

FenetreMirvane::FenetreMirvane(Mirvane& mirvane) : FenetreMirvane(static_cast<ModeleFenetre&>(mirvane)) {
  Suivre<FenetrePoignee>(*this, [&mirvane] { return mirvane.Poignee(); });
  Suivre<FenetreScoreDetaille>(*this, [&mirvane] { return mirvane.ScoreDetaille(); });
  Suivre<FenetreTousPlis>(*this, [&mirvane] { return mirvane.TousPlis(); });
  Suivre<FenetreMains>(*this, [&mirvane] { return mirvane.Mains(); });
  // Unloaded by its close box, the last trick's window exists only while it is shown.
  Suivre<FenetreLastPli>(*this, [&mirvane]() -> FormLastPli* {
    FormLastPli* f = mirvane.LastPli();
    return f != nullptr && f->visible ? f : nullptr;
  });
}

FenetreMirvane::FenetreMirvane(ModeleFenetre& modele) : modele_(modele) {
  CreerMenus();
  table_ = new FenetreModele(modele, this);
  setCentralWidget(table_);
  connect(table_, &FenetreModele::EvenementTransmis, this, &FenetreMirvane::SynchroniserTout);
  // 800 x 600 outside, the table taking all of it below the menu bar, and more if the model
  // asks for it, so that no control it lays out is cut.
  const QSize voulue = table_->sizeHint();
  const int barre = menuBar()->sizeHint().height();
  table_->setFixedSize(std::max(800, voulue.width()), std::max(600 - barre, voulue.height()));
  adjustSize();
  setFixedSize(size());
  SynchroniserTout();
}

void FenetreMirvane::Ecouter(PlateformeQt& plateforme) {
  plateforme_ = &plateforme;
  plateforme.ApresEvenement([this] { SynchroniserTout(); });
}

FenetreMirvane::~FenetreMirvane() {
  if (plateforme_) plateforme_->ApresEvenement(nullptr);
  for (FenetreSuivie& s : suivies_) delete s.fenetre;
}

void FenetreMirvane::CreerMenus() {
  const std::vector<ElementMenu>& menus = modele_.Menus();
  std::vector<QMenu*> sousMenus(menus.size(), nullptr);
  auto parentDe = [&](size_t id) -> QMenu* {
    const int p = menus[id].parent;
    return p >= 0 && static_cast<size_t>(p) < id ? sousMenus[static_cast<size_t>(p)] : nullptr;
  };
  for (size_t id = 0; id < menus.size(); ++id) {
    const ElementMenu& m = menus[id];
    const bool aDesEnfants =
        std::any_of(menus.begin(), menus.end(), [&](const ElementMenu& e) { return e.parent == static_cast<int>(id); });
    QMenu* parent = parentDe(id);
    QAction* a = nullptr;
    if (m.parent < 0 || aDesEnfants) {
      QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
      sousMenus[id] = menu;
      a = menu->menuAction();
    } else if (parent) {
      a = m.separateur ? parent->addSeparator() : parent->addAction(QString());
    } else {
      a = menuBar()->addAction(QString());
    }
    if (!aDesEnfants && !m.separateur) {
      connect(a, &QAction::triggered, this, [this, id] {
        modele_.ChoisirMenu(static_cast<int>(id));
        SynchroniserTout();
      });
    }
    actions_.push_back(a);
  }
  menusDessines_ = menus;
  SynchroniserMenus(true);
}

void FenetreMirvane::SynchroniserMenus(bool tout) {
  const std::vector<ElementMenu>& menus = modele_.Menus();
  for (size_t id = 0; id < actions_.size() && id < menus.size(); ++id) {
    const ElementMenu& m = menus[id];
    ElementMenu& avant = menusDessines_[id];
    QAction* a = actions_[id];
    if (!m.separateur) {
      if (tout || m.legende != avant.legende) a->setText(QString::fromStdString(m.legende));
      if (tout || m.touche != avant.touche) a->setShortcut(QKeySequence(QString::fromStdString(m.touche)));
      // Qt changes these behind the model's back: a click unticks a ticked item, and a window
      // enabled again enables its menus. So they are compared with the action, not the last draw.
      if (a->isCheckable() != m.coche) a->setCheckable(m.coche);
      if (a->isChecked() != m.coche) a->setChecked(m.coche);
    }
    if (a->isEnabled() != m.disponible) a->setEnabled(m.disponible);
    if (tout || m.visible != avant.visible) a->setVisible(m.visible);
    avant = m;
  }
}

void FenetreMirvane::SuivreFenetre(Source source, Createur creer) {
  suivies_.push_back({std::move(source), std::move(creer)});
  SynchroniserTout();
}

FenetreModele* FenetreMirvane::Auxiliaire(const ModeleFenetre* modele) const {
  for (const FenetreSuivie& s : suivies_)
    if (s.fenetre && s.modele == modele) return s.fenetre;
  return nullptr;
}

void FenetreMirvane::SynchroniserTout() {
  for (FenetreSuivie& s : suivies_) {
    ModeleFenetre* m = s.source();
    if (m == s.modele) continue;
    if (s.fenetre) {
      // Its model is gone: the window may be in the middle of its own event, so it goes later.
      s.fenetre->Detacher();
      s.fenetre->hide();
      s.fenetre->deleteLater();
      s.fenetre = nullptr;
    }
    s.modele = m;
    if (m) {
      s.fenetre = s.creer(*m);
      connect(s.fenetre, &FenetreModele::EvenementTransmis, this, &FenetreMirvane::SynchroniserTout);
      // A window of its own (the main one may be disabled meanwhile), kept above this one.
      s.fenetre->winId();
      if (QWindow* w = s.fenetre->windowHandle()) w->setTransientParent(window()->windowHandle());
      if (m->visible) s.fenetre->show();
    }
  }
  table_->Synchroniser();
  SynchroniserMenus(false);
  for (FenetreSuivie& s : suivies_)
    if (s.fenetre) s.fenetre->Synchroniser();
}
