#include "table/modele.h"

int ModeleFenetre::Ajouter(Controle c) {
  controles_.push_back(std::move(c));
  gestionnaires_.emplace_back();
  return static_cast<int>(controles_.size()) - 1;
}

int ModeleFenetre::Chercher(std::string_view nom, int16_t index) const {
  for (size_t i = 0; i < controles_.size(); ++i)
    if (controles_[i].nom == nom && controles_[i].index == index) return static_cast<int>(i);
  return -1;
}

int ModeleFenetre::AjouterMenu(ElementMenu m) {
  menus_.push_back(std::move(m));
  actionsMenus_.emplace_back();
  return static_cast<int>(menus_.size()) - 1;
}

int ModeleFenetre::ChercherMenu(std::string_view nom) const {
  for (size_t i = 0; i < menus_.size(); ++i)
    if (menus_[i].nom == nom) return static_cast<int>(i);
  return -1;
}

void ModeleFenetre::Associer(int id, Evenement e, Gestionnaire g) {
  Gestionnaires& h = gestionnaires_[static_cast<size_t>(id)];
  switch (e) {
    case Evenement::Clic:
      h.clic = std::move(g);
      break;
    case Evenement::Bas:
      h.bas = std::move(g);
      break;
    case Evenement::Haut:
      h.haut = std::move(g);
      break;
    case Evenement::Survol:
      h.survol = std::move(g);
      break;
  }
}

void ModeleFenetre::AssocierMenu(int id, std::function<void()> g) {
  actionsMenus_[static_cast<size_t>(id)] = std::move(g);
}

bool ModeleFenetre::AUnGestionnaire(int id, Evenement e) const {
  const Gestionnaires& h = gestionnaires_[static_cast<size_t>(id)];
  switch (e) {
    case Evenement::Clic:
      return static_cast<bool>(h.clic);
    case Evenement::Bas:
      return static_cast<bool>(h.bas);
    case Evenement::Haut:
      return static_cast<bool>(h.haut);
    case Evenement::Survol:
      return static_cast<bool>(h.survol);
  }
  return false;
}

bool ModeleFenetre::Visible(int id) const {
  for (int i = id; i >= 0; i = controles_[static_cast<size_t>(i)].parent)
    if (!controles_[static_cast<size_t>(i)].visible) return false;
  return true;
}

bool ModeleFenetre::Atteignable(int id) const {
  if (!actif || !visible) return false;
  for (int i = id; i >= 0; i = controles_[static_cast<size_t>(i)].parent) {
    const Controle& c = controles_[static_cast<size_t>(i)];
    if (!c.visible || !c.actif) return false;
  }
  return true;
}

void ModeleFenetre::Envoyer(int id, Evenement e) {
  if (id < 0 || id >= static_cast<int>(controles_.size())) return;
  if (!Atteignable(id)) {
    // A disabled control, shown in an enabled window, passes its click to the window.
    if (e == Evenement::Clic && actif && visible && Visible(id)) Form_Click();
    return;
  }
  const Gestionnaires& h = gestionnaires_[static_cast<size_t>(id)];
  const int16_t index = controles_[static_cast<size_t>(id)].index;
  // Copied: a handler may replace handlers while it runs.
  Gestionnaire g;
  switch (e) {
    case Evenement::Clic:
      g = h.clic;
      break;
    case Evenement::Bas:
      g = h.bas;
      break;
    case Evenement::Haut:
      g = h.haut;
      break;
    case Evenement::Survol:
      g = h.survol;
      break;
  }
  if (g) {
    g(index);
  } else if (e == Evenement::Clic) {
    // A control that takes no click lets it through to the window, as the table's shape does:
    // "click anywhere" means anywhere.
    Form_Click();
  }
}

void ModeleFenetre::ChoisirMenu(int id) {
  if (!actif || id < 0 || id >= static_cast<int>(menus_.size())) return;
  for (int i = id; i >= 0; i = menus_[static_cast<size_t>(i)].parent)
    if (!menus_[static_cast<size_t>(i)].disponible || !menus_[static_cast<size_t>(i)].visible) return;
  const auto g = actionsMenus_[static_cast<size_t>(id)];
  if (g) g();
}
