#include "table/form_mains.h"

#include "table/controles.h"

namespace {
// A box shows the top-left 32 x 52 pixels of its face.
constexpr float LargeurBoite = 480, HauteurBoite = 780, PasBoite = 510;

Controle Panneau(std::string nom, int parent, float gauche, float haut, float largeur, float hauteur) {
  Controle c;
  c.nom = std::move(nom);
  c.parent = parent;
  c.gauche = gauche;
  c.haut = haut;
  c.largeur = largeur;
  c.hauteur = hauteur;
  return c;
}

int AjouterBoite(ModeleFenetre& f, std::string nom, int16_t index, int parent, float gauche, float haut) {
  Controle c = Panneau(std::move(nom), parent, gauche, haut, LargeurBoite, HauteurBoite);
  c.index = index;
  c.genre = GenreControle::Carte;
  return f.Ajouter(std::move(c));
}
}  // namespace

FormMains::FormMains(const Partie& g) {
  titre = SelonLangue(g.Langue, "Les Quatre Mains et Le Chien...", "The Four Hands and The Dog...",
                      "Les 4 mains et le chien !");
  largeur = 9810;
  hauteur = 6270;

  // Seat 1 South, 2 East, 3 North, 4 West: two rows of nine.
  static constexpr const char* cadres[] = {"PanelMainSud", "PanelMainEst", "PanelMainNord", "PanelMainOuest"};
  static constexpr const char* boites[] = {"PicMainSud", "PicEst", "PicNord", "PicOuest"};
  static constexpr float gauches[] = {2550, 5070, 2550, 30};
  static constexpr float hauts[] = {3540, 1785, 30, 1785};
  for (int16_t s = 1; s <= 4; ++s) {
    const int cadre = Ajouter(Panneau(cadres[s - 1], -1, gauches[s - 1], hauts[s - 1], 4695, 1725));
    for (int16_t k = 1; k <= 18; ++k)
      picMain_[s][k] = AjouterBoite(*this, boites[s - 1], k, cadre, 60 + PasBoite * ((k - 1) % 9), k <= 9 ? 60 : 870);
  }

  const int avant = Ajouter(Panneau("PanelChienAvantEcart", -1, 30, 5310, 4815, 900));
  Controle chien = Panneau("PanelChien", avant, 60, 60, 1605, 765);
  chien.legende = SelonLangue(g.Langue, "CHIEN", "DOG");
  panelChien = Ajouter(std::move(chien));
  for (int16_t i = 1; i <= 6; ++i)
    picChienAvant_[i] = AjouterBoite(*this, "PicChienAvant", i, avant, 1725 + PasBoite * (i - 1), 60);

  const int apres = Ajouter(Panneau("PanelChienApresEcart", -1, 4920, 5310, 4860, 900));
  for (int16_t i = 1; i <= 6; ++i)
    picChienApres_[i] = AjouterBoite(*this, "PicChienApres", i, apres, 45 + PasBoite * (i - 1), 60);
  Controle ecart = Panneau("PanelEcart", apres, 3120, 60, 1665, 765);
  ecart.legende = SelonLangue(g.Langue, "ECART", "DISCARD");
  panelEcart = Ajouter(std::move(ecart));

  Controle ok = Panneau("PanelMainsOk", -1, 8130, 4065, 870, 630);
  ok.legende = "OK";
  panelMainsOk = AjouterBouton(*this, std::move(ok), [this] { visible = false; });

  AppelDessinMains(g);
}

void FormMains::AppelDessinMains(const Partie& g) {
  for (int16_t s = 1; s <= 4; ++s)
    for (int16_t k = 1; k <= 18; ++k) MontrerFace((*this)[picMain_[s][k]], g.MainsJoueurs[s][k]);
  for (int16_t i = 1; i <= 6; ++i) MontrerFace((*this)[picChienAvant_[i]], g.ChienMontre[i]);
  for (int16_t i = 1; i <= 6; ++i) MontrerFace((*this)[picChienApres_[i]], g.Chien[i]);
}

FormLastPli::FormLastPli(int16_t langue) {
  titre = SelonLangue(langue, "LE DERNIER PLI...", "THE LAST TRICK...", "LE DERNIER PLI");
  largeur = 4770;
  hauteur = 5340;
  couleurFond = 0x008000;
  static constexpr float gauches[] = {1695, 3225, 1695, 150};
  static constexpr float hauts[] = {2925, 1560, 135, 1560};
  for (int16_t s = 1; s <= 4; ++s) {
    Controle c = Panneau("CarteLastPli", -1, gauches[s - 1], hauts[s - 1], 1350, 2280);
    c.index = s;
    c.genre = GenreControle::Carte;
    c.couleurFond = couleurFond;
    carteLastPli_[s] = Ajouter(std::move(c));
  }
}

void FormLastPli::Dessiner(const Partie& g) {
  if (g.NumeroPli < 2) return;
  const int16_t t = static_cast<int16_t>(g.NumeroPli - 1);
  for (int16_t s = 1; s <= 4; ++s) MontrerFace((*this)[carteLastPli_[s]], g.MainsJoueurs[s][g.CarteJoueeParPli[s][t]]);
}
