#include "table/controles.h"

std::string_view NomSiege(int16_t siege, int16_t langue) {
  static constexpr std::string_view fr[5] = {"", "SUD", "EST", "NORD", "OUEST"};
  static constexpr std::string_view en[5] = {"", "SOUTH", "EAST", "NORTH", "WEST"};
  if (siege < 1 || siege > 4) return {};
  return langue == 2 ? en[siege] : fr[siege];
}

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
