#include "table/controles.h"

void MontrerFace(Controle& image, const Carte& carte) {
  if (carte.Couleur >= CouleurAtout && carte.Couleur <= CouleurCarreau) image.carte = carte;
}

void AssocierBouton(ModeleFenetre& f, int id, std::function<void()> clic) {
  f.Associer(id, Evenement::Clic, [clic = std::move(clic)](int16_t) { clic(); });
  f.Associer(id, Evenement::Bas, [&f, id](int16_t) { f[id].biseau = BiseauCreux; });
  f.Associer(id, Evenement::Haut, [&f, id](int16_t) { f[id].biseau = BiseauRelief; });
}

int AjouterBouton(ModeleFenetre& f, Controle c, std::function<void()> clic) {
  c.genre = GenreControle::Bouton;
  c.biseau = BiseauRelief;
  const int id = f.Ajouter(std::move(c));
  AssocierBouton(f, id, std::move(clic));
  return id;
}
