#include "table/frm_splash.h"

#include "table/textes.h"

namespace {

constexpr uint32_t Bleu = 0x000080;
// Free faces with the widths of Arial and Times New Roman, which the texts were laid out for.
constexpr const char* PoliceEtiquettes = "Liberation Sans";
constexpr const char* PoliceBoutons = "Liberation Serif";

Controle Etiquette(const char* nom, float gauche, float haut, float largeur, float hauteur, float taille) {
  Controle c;
  c.nom = nom;
  c.gauche = gauche;
  c.haut = haut;
  c.largeur = largeur;
  c.hauteur = hauteur;
  c.biseau = BiseauAucun;
  c.taillePolice = taille;
  c.police = PoliceEtiquettes;
  c.alignement = AligneGauche;
  return c;
}

Controle Image(const char* nom, int parent, float gauche, float haut, float largeur, float hauteur) {
  Controle c = Etiquette(nom, gauche, haut, largeur, hauteur, 8.25f);
  c.parent = parent;
  return c;
}

Controle BoutonLangue(const char* nom, const char* legende, float gauche) {
  Controle c;
  c.nom = nom;
  c.genre = GenreControle::Bouton;
  c.gauche = gauche;
  c.haut = 2880;
  c.largeur = 2460;
  c.hauteur = 660;
  c.legende = legende;
  c.taillePolice = 10;
  c.police = PoliceBoutons;
  c.gras = true;
  return c;
}

Controle Cadre1() {
  Controle c = Etiquette("Frame1", 240, 240, 1260, 1260, 8.25f);
  c.biseau = BiseauCreux;
  return c;
}

}  // namespace

void DefinirTitreFenetre(int16_t Langue, std::string& TitreLogiciel) {
  if (const auto titre = ::TitreLogiciel(Langue)) TitreLogiciel = *titre;
}

// Sizes in twips: 480 x 264 pixels. The icon sits in its frame, the picture of 95 x 129 pixels
// under it, the texts and the two buttons on the right.
FrmSplash::FrmSplash()
    : Frame1(Ajouter(Cadre1())),
      Picture2(Ajouter(Image("Picture2", Frame1, 150, 150, 960, 960))),
      Image2(Ajouter(Image("Image2", -1, 157, 1740, 1425, 1935))),
      lblWarning(Ajouter(Etiquette("lblWarning", 1740, 1320, 5220, 1260, 8.25f))),
      lblVersion(Ajouter(Etiquette("lblVersion", 1740, 900, 5220, 300, 9))),
      lblCompanyProduct(Ajouter(Etiquette("lblCompanyProduct", 1740, 240, 5220, 540, 16))),
      CommandStartEnglish(Ajouter(BoutonLangue("CommandStartEnglish", "ENGLISH VERSION", 1740))),
      CommandStartFrench(Ajouter(BoutonLangue("CommandStartFrench", "VERSION FRANCAISE", 4500))) {
  titre = "Mirvane";
  largeur = 7200;
  hauteur = 3960;
  (*this)[lblCompanyProduct].gras = true;
  (*this)[lblCompanyProduct].couleurTexte = Bleu;
  Associer(CommandStartFrench, Evenement::Clic, [this](int16_t) { CommandStartFrench_Click(); });
  Associer(CommandStartEnglish, Evenement::Clic, [this](int16_t) { CommandStartEnglish_Click(); });
  // The pressed look of the 3-D buttons.
  for (const int b : {CommandStartEnglish, CommandStartFrench}) {
    Associer(b, Evenement::Bas, [this, b](int16_t) { (*this)[b].biseau = BiseauCreux; });
    Associer(b, Evenement::Haut, [this, b](int16_t) { (*this)[b].biseau = BiseauRelief; });
  }
}

void FrmSplash::Form_Load() {
  Langue = 1;
  DefinirTitreFenetre(Langue, TitreLogiciel);
  NumeroVersion = MIRVANE_VERSION;
  ModeDebug = 0;
  (*this)[lblVersion].legende = "Version " + NumeroVersion;
  (*this)[lblCompanyProduct].legende = "Mirvane pour Windows 95";
  (*this)[lblWarning].legende =
      "Avertissement : ce logiciel est protégé par le droit d'auteur. Toute reproduction ou diffusion, "
      "même partielle, sans l'autorisation de ses auteurs est interdite.";
}

void FrmSplash::CommandStartFrench_Click() {
  Langue = 1;
  Form_Unload();
}

void FrmSplash::CommandStartEnglish_Click() {
  Langue = 2;
  Form_Unload();
}

void FrmSplash::Form_Unload() {
  if (decharge_) return;
  decharge_ = true;
  DefinirTitreFenetre(Langue, TitreLogiciel);
  if (surDechargement) surDechargement();
}
