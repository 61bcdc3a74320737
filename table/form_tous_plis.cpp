#include "table/form_tous_plis.h"

#include "table/controles.h"
#include "table/textes.h"

namespace {
// A small card: the top-left 30 x 50 pixels of its face.
constexpr float LargeurCarte = 30, HauteurCarte = 50;

Controle Panneau(std::string nom, float gauche, float haut, float largeur, float hauteur) {
  Controle c;
  c.nom = std::move(nom);
  c.gauche = Twips(gauche);
  c.haut = Twips(haut);
  c.largeur = Twips(largeur);
  c.hauteur = Twips(hauteur);
  return c;
}
}  // namespace

FormTousPlis::FormTousPlis(const Partie& g) {
  const int16_t langue = g.Langue;
  titre = SelonLangue(langue, "Voici les 18 plis de la partie !", "Here are the 18 tricks of the deal");
  largeur = Twips(648);
  hauteur = Twips(405);
  couleurFond = 0xC0C0C0;

  for (int16_t n = 1; n <= 72; ++n) {
    Controle c = Panneau("ImagePli", 0, 0, LargeurCarte, HauteurCarte);
    c.index = n;
    c.genre = GenreControle::Carte;
    c.visible = false;
    imagePli_[n] = Ajouter(std::move(c));
  }
  // The leader's card has a one-pixel border around it.
  for (int16_t t = 1; t <= 18; ++t) {
    Controle c = Panneau("CadreEntame", 0, 0, LargeurCarte + 2, HauteurCarte + 2);
    c.index = t;
    c.genre = GenreControle::Cadre;
    c.visible = false;
    cadreEntame_[t] = Ajouter(std::move(c));
  }
  panelPreneur = Ajouter(Panneau("PanelPreneur", 4, 372, 135, 27));
  Controle effacer = Panneau("PanelEffacer", 161, 373, 100, 28);
  effacer.legende = SelonLangue(langue, "Effacer tout", "Erase all");
  panelEffacer = AjouterBouton(*this, std::move(effacer), [this] { AppelEffacer(); });
  Controle pas = Panneau("PanelPasAPas", 281, 373, 100, 29);
  pas.legende = SelonLangue(langue, "Pas à pas", "Step by step");
  panelPasAPas = AjouterBouton(*this, std::move(pas), [this] { PanelPasAPas_Click(); });
  Controle voir = Panneau("PanelVoir", 401, 373, 100, 28);
  voir.legende = SelonLangue(langue, "Voir tout", "See all tricks");
  panelVoir = AjouterBouton(*this, std::move(voir), [this] { PanelVoir_Click(); });
  Controle ok = Panneau("PanelPlisOk", 538, 373, 104, 28);
  ok.legende = "OK";
  panelPlisOk = AjouterBouton(*this, std::move(ok), [this] { visible = false; });

  EtapePasAPas = 1;
  // Each trick from its leader, in the seats' playing order.
  for (int16_t t = 1; t <= 18; ++t) {
    int16_t s = g.EntameurParPli[t];
    for (int16_t j = 1; j <= 4; ++j) {
      OrdrePasAPas[(t - 1) * 4 + j] = static_cast<int16_t>((t - 1) * 4 + s);
      s = JoueurSuivant(s);
    }
  }
  AppelDessinPlis(g);
}

void FormTousPlis::AppelDessinPlis(const Partie& g) {
  for (int16_t t = 1; t <= 18; ++t) {
    const float x = static_cast<float>(108 * ((t - 1) % 6) + 10);
    const float y = static_cast<float>(116 * ((t - 1) / 6) + 10);
    // South below, East right, North above, West left.
    static constexpr float dx[] = {33, 66, 33, 0};
    static constexpr float dy[] = {54, 27, 0, 27};
    for (int16_t s = 1; s <= 4; ++s) {
      const int16_t n = static_cast<int16_t>((t - 1) * 4 + s);
      Controle& image = (*this)[imagePli_[n]];
      image.gauche = Twips(x + dx[s - 1]);
      image.haut = Twips(y + dy[s - 1]);
      image.largeur = Twips(LargeurCarte);
      image.hauteur = Twips(HauteurCarte);
      MontrerFace(image, g.MainsJoueurs[s][g.CarteJoueeParPli[s][t]]);
      encadree_[n] = 0;
      if (s == g.EntameurParPli[t]) {
        encadree_[n] = t;
        Controle& cadre = (*this)[cadreEntame_[t]];
        cadre.gauche = image.gauche - Twips(1);
        cadre.haut = image.haut - Twips(1);
      }
    }
  }
  for (int16_t n = 1; n <= 72; ++n) Montrer(n, true);
  if (const auto nom = NomSiege(g.Langue, g.Preneur)) (*this)[panelPreneur].legende = *nom;
}

void FormTousPlis::Montrer(int16_t n, bool montre) {
  (*this)[imagePli_[n]].visible = montre;
  if (encadree_[n] != 0) (*this)[cadreEntame_[encadree_[n]]].visible = montre;
}

void FormTousPlis::AppelEffacer() {
  for (int16_t n = 1; n <= 72; ++n) Montrer(n, false);
  EtapePasAPas = 1;
}

void FormTousPlis::PanelPasAPas_Click() {
  if (EtapePasAPas == 1) AppelEffacer();
  if (EtapePasAPas <= 72) {
    Montrer(OrdrePasAPas[EtapePasAPas], true);
    ++EtapePasAPas;
  }
}

void FormTousPlis::PanelVoir_Click() {
  for (int16_t n = 1; n <= 72; ++n) Montrer(n, true);
  EtapePasAPas = 73;
}
