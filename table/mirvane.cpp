#include "table/mirvane.h"

#include <cstdio>
#include <filesystem>

#include "computer/choix.h"
#include "computer/ecart.h"
#include "computer/evaluation.h"
#include "computer/suivi.h"
#include "game/distribution.h"
#include "game/pli.h"
#include "game/score.h"
#include "platform/reglages_factices.h"
#include "table/chronometre.h"
#include "table/menus.h"
#include "table/textes.h"

namespace {

// Colours, 0xRRGGBB.
constexpr uint32_t Gris = 0xC0C0C0;
constexpr uint32_t Tapis = 0x0B5D2A;
constexpr uint32_t Rouge = 0xFF0000;
constexpr uint32_t Noir = 0x000000;
constexpr uint32_t Bleu = 0x000080;
constexpr uint32_t Jaune = 0xFFFF80;

// Rounding of the layout: nearest, a half to the even integer, in single precision.
int16_t R(float x) { return CInt(static_cast<double>(x)); }

std::string Nombre(int64_t n) { return std::to_string(n); }

// A camp's points keep their half: 45.5 (45,5 in French).
std::string Points(double p, int16_t langue) {
  char texte[32];
  if (p == static_cast<double>(static_cast<int64_t>(p))) {
    std::snprintf(texte, sizeof texte, "%lld", static_cast<long long>(p));
  } else {
    std::snprintf(texte, sizeof texte, "%.1f", p);
    if (langue == 1)
      for (char& c : texte)
        if (c == '.') c = ',';
  }
  return texte;
}

}  // namespace

Mirvane::Mirvane(Plateforme& plateforme, Aleatoire alea, Reglages* reglages)
    : g(alea),
      plateforme_(plateforme),
      timerEnchere_(plateforme.CreerMinuterie()),
      timerEntreCarte_(plateforme.CreerMinuterie()),
      timerTransition_(plateforme.CreerMinuterie()) {
  g.ecran = this;
  largeur = LargeurFenetreTwips;
  hauteur = HauteurAireTwips;
  couleurFond = Tapis;
  titre = "Mirvane";
  timerEnchere_->DefinirIntervalle(300);
  timerEnchere_->SurTic([this] { TimerEnchere_Timer(); });
  timerEntreCarte_->SurTic([this] { TimerEntreCarte_Timer(); });
  timerTransition_->SurTic([this] { TimerTransition_Timer(); });
  if (reglages == nullptr) {
    reglagesMemoire_ = std::make_unique<ReglagesFactices>();
    reglages = reglagesMemoire_.get();
  }
  options_ = std::make_unique<OptionsTable>(g, *this, *timerEntreCarte_, *timerTransition_, *reglages, plateforme);
  CreerControles();
  CreerMenus();
}

Mirvane::~Mirvane() { g.ecran = &AffichageMuet(); }

void Mirvane::Texte(int id, std::string_view francais, std::string_view anglais) {
  if (g.Langue == 1) C(id).legende = francais;
  if (g.Langue == 2) C(id).legende = anglais;
}

void Mirvane::Legende(int id, std::optional<std::string_view> texte) {
  if (texte) C(id).legende = *texte;
}

void Mirvane::AssocierBouton(int id, std::function<void()> clic) { ::AssocierBouton(*this, id, std::move(clic)); }

// ---------------------------------------------------------------------------------------------
// Controls

void Mirvane::CreerControles() {
  auto panneau = [this](const char* nom, int parent, float x, float y, float w, float h, int16_t index = -1) {
    Controle c;
    c.nom = nom;
    c.index = index;
    c.parent = parent;
    c.gauche = x;
    c.haut = y;
    c.largeur = w;
    c.hauteur = h;
    c.biseau = BiseauCreux;
    c.couleurFond = Gris;
    return Ajouter(c);
  };
  auto bouton = [&](const char* nom, int parent, float x, float y, float w, float h, int16_t index = -1) {
    const int id = panneau(nom, parent, x, y, w, h, index);
    C(id).genre = GenreControle::Bouton;
    C(id).biseau = BiseauRelief;
    C(id).gras = true;
    return id;
  };
  auto etiquette = [&](const char* nom, int parent, float x, float y, float w, std::string_view fr,
                       std::string_view en) {
    const int id = panneau(nom, parent, x, y, w, 255);
    C(id).biseau = BiseauAucun;
    C(id).alignement = AligneGauche;
    C(id).taillePolice = 7.5f;
    Texte(id, fr, en);
    etiquettes_.push_back({id, std::string(fr), std::string(en)});
    return id;
  };
  auto valeur = [&](const char* nom, int parent, float x, float y, float w) {
    const int id = panneau(nom, parent, x, y, w, 330);
    C(id).gras = true;
    C(id).couleurTexte = Bleu;
    C(id).couleurFond = 0xFFFFFF;
    return id;
  };

  // The table: its shape, the four trick places and the taker's frame.
  id_.TableRonde = panneau("TableRonde", -1, 3290, 45, 5400, 5400);
  C(id_.TableRonde).genre = GenreControle::Forme;
  C(id_.TableRonde).visible = false;
  C(id_.TableRonde).couleurFond = 0x1E7A3C;
  for (int16_t i = 1; i <= 4; ++i) {
    id_.CadrePreneur[i] = panneau("CadrePreneur", -1, 0, 0, 1485, 2385, i);
    C(id_.CadrePreneur[i]).genre = GenreControle::Cadre;
    C(id_.CadrePreneur[i]).visible = false;
    C(id_.CadrePreneur[i]).couleurTexte = 0xFFD700;
  }
  for (int16_t i = 1; i <= 4; ++i) {
    id_.CarteTable[i] = panneau("CarteTable", -1, 0, 0, 1350, 2280, i);
    Controle& c = C(id_.CarteTable[i]);
    c.genre = GenreControle::Carte;
    c.visible = false;
    Associer(id_.CarteTable[i], Evenement::Clic, [this](int16_t k) { CarteTable_Click(k); });
  }

  // Left panel: the deal's information and the prompts.
  id_.PanelGauche = panneau("PanelGauche", -1, 45, 45, 1980, 5400);
  C(id_.PanelGauche).biseau = BiseauRelief;
  const int G = id_.PanelGauche;
  etiquette("EtiquetteDonneur", G, 90, 75, 1800, "Donneur", "Dealer");
  id_.PanelDonneur = valeur("PanelDonneur", G, 90, 330, 1800);
  etiquette("EtiquettePreneur", G, 90, 705, 1800, "Preneur", "Taker");
  id_.PanelPreneur = valeur("PanelPreneur", G, 90, 960, 1800);
  etiquette("EtiquetteEnchere", G, 90, 1335, 1800, "Contrat", "Contract");
  id_.nEnchere = valeur("nEnchere", G, 90, 1590, 1800);
  etiquette("EtiquettePreneurPoints", G, 690, 1965, 600, "Preneur", "Taker");
  etiquette("EtiquetteDefensePoints", G, 1320, 1965, 600, "Défense", "Defense");
  etiquette("EtiquettePoints", G, 90, 2250, 600, "Points", "Points");
  id_.nPointsAttaque = valeur("nPointsAttaque", G, 690, 2220, 570);
  id_.nPointsDefense = valeur("nPointsDefense", G, 1320, 2220, 570);
  etiquette("EtiquetteBouts", G, 90, 2625, 600, "Bouts", "Oudlers");
  id_.nBoutsPreneur = valeur("nBoutsPreneur", G, 690, 2595, 570);
  id_.nBoutsDefense = valeur("nBoutsDefense", G, 1320, 2595, 570);
  etiquette("EtiquetteContrat", G, 90, 3000, 1000, "À faire", "To make");
  id_.nContrat = valeur("nContrat", G, 1320, 2970, 570);
  etiquette("EtiquetteAtExt", G, 90, 3375, 1200, "Atouts dehors", "Trumps out");
  id_.PanelAtExt = valeur("PanelAtExt", G, 1320, 3345, 570);
  id_.info = panneau("info", G, 90, 3780, 1800, 1530);
  C(id_.info).couleurFond = Jaune;
  C(id_.info).gras = true;
  C(id_.info).taillePolice = 8.25f;

  // Right panel: commands, advice, level and the results of the run.
  id_.PanelDroite = panneau("PanelDroite", -1, 10065, 45, 1890, 5400);
  C(id_.PanelDroite).biseau = BiseauRelief;
  const int D = id_.PanelDroite;
  id_.PanelNewPartie = bouton("PanelNewPartie", D, 90, 90, 1710, 510);
  C(id_.PanelNewPartie).legende = "Nouvelle partie";
  id_.PanelAide = bouton("PanelAide", D, 90, 690, 1710, 510);
  id_.PanelQuit = bouton("PanelQuit", D, 90, 1290, 1710, 510);
  etiquette("EtiquetteConseil", D, 90, 1950, 1710, "Enchère", "Bid");
  id_.EvMaMain = bouton("EvMaMain", D, 90, 2205, 1710, 480);
  C(id_.EvMaMain).gras = false;
  etiquette("EtiquetteNiveau", D, 90, 2835, 1710, "Niveau", "Level");
  id_.PanelNiveau = valeur("PanelNiveau", D, 90, 3090, 1710);
  etiquette("EtiquetteScore10", D, 90, 3540, 1710, "10 dernières donnes", "Last 10 deals");
  id_.Score10Panel = valeur("Score10Panel", D, 90, 3795, 1710);
  etiquette("EtiquettePourcent", D, 90, 4245, 1710, "Points gagnés", "Points won");
  id_.PanelPourcentScore = valeur("PanelPourcentScore", D, 90, 4500, 1710);
  id_.Panel3D1 = panneau("Panel3D1", D, 90, 4950, 1710, 300);
  C(id_.Panel3D1).legende = "Panel3D1";
  C(id_.Panel3D1).visible = false;
  for (int16_t i = 1; i <= 4; ++i) {
    id_.PanelRegle[i] = panneau("PanelRegle", -1, 0, 0, 600, 300, i);
    C(id_.PanelRegle[i]).visible = false;
  }

  // Bids of the four seats, the discard confirmation, the running-score panels.
  for (int16_t i = 1; i <= 4; ++i) {
    id_.PanelDecision[i] = panneau("PanelDecision", -1, 0, 0, 2100, 510, i);
    Controle& c = C(id_.PanelDecision[i]);
    c.visible = false;
    c.biseau = BiseauRelief;
    c.gras = true;
    c.taillePolice = 13.1f;
    c.couleurFond = 0xE0E0FF;
  }
  id_.PanelConfirmeEcart = bouton("PanelConfirmeEcart", -1, 0, 0, 2100, 510);
  C(id_.PanelConfirmeEcart).visible = false;
  C(id_.PanelConfirmeEcart).couleurFond = 0xFFE0A0;
  for (int16_t i = 1; i <= 4; ++i) {
    id_.PanelScoreTotal[i] = panneau("PanelScoreTotal", -1, 0, 0, 1350, 1080, i);
    C(id_.PanelScoreTotal[i]).visible = false;
    C(id_.PanelScoreTotal[i]).biseau = BiseauRelief;
    id_.PanelScore[i] = valeur("PanelScore", id_.PanelScoreTotal[i], 60, 90, 1230);
    C(id_.PanelScore[i]).index = i;
    id_.PanelClassement[i] = panneau("PanelClassement", id_.PanelScoreTotal[i], 60, 540, 1230, 450, i);
    C(id_.PanelClassement[i]).gras = true;
    C(id_.PanelClassement[i]).taillePolice = 12;
    for (int id : {id_.PanelScoreTotal[i], id_.PanelScore[i], id_.PanelClassement[i]})
      Associer(id, Evenement::Clic, [this](int16_t k) { PanelScoreTotal_Click(k); });
  }

  // The chien, then the hand: the hand lies over everything else of the table.
  for (int16_t i = 1; i <= 6; ++i) {
    id_.CarteChien[i] = panneau("CarteChien", -1, 0, 0, 1320, 2280, i);
    C(id_.CarteChien[i]).genre = GenreControle::Carte;
    C(id_.CarteChien[i]).visible = false;
    Associer(id_.CarteChien[i], Evenement::Clic, [this](int16_t k) { CarteChien_Click(k); });
  }
  for (int16_t i = 1; i <= 24; ++i) {
    id_.Carte3d[i] = panneau("Carte3d", -1, 0, 0, 1350, 2280, i);
    C(id_.Carte3d[i]).genre = GenreControle::Carte;
    C(id_.Carte3d[i]).visible = false;
    Associer(id_.Carte3d[i], Evenement::Clic, [this](int16_t k) { Carte3d_Click(k); });
  }

  // The user's bid buttons.
  id_.PanelEnchere = panneau("PanelEnchere", -1, 0, 0, 8250, 600);
  C(id_.PanelEnchere).visible = false;
  C(id_.PanelEnchere).biseau = BiseauRelief;
  id_.ButtonPasse = bouton("ButtonPasse", id_.PanelEnchere, 75, 75, 1560, 450);
  id_.ButtonPrise = bouton("ButtonPrise", id_.PanelEnchere, 1695, 75, 1560, 450);
  id_.ButtonGarde = bouton("ButtonGarde", id_.PanelEnchere, 3315, 75, 1560, 450);
  id_.ButtonGardeSans = bouton("ButtonGardeSans", id_.PanelEnchere, 4935, 75, 1560, 450);
  id_.ButtonGardeContre = bouton("ButtonGardeContre", id_.PanelEnchere, 6555, 75, 1620, 450);

  // The handful offer.
  id_.PanelPoignee = panneau("PanelPoignee", -1, 0, 0, 5160, 660);
  C(id_.PanelPoignee).visible = false;
  C(id_.PanelPoignee).biseau = BiseauRelief;
  C(id_.PanelPoignee).couleurFond = 0x00C0C0;
  id_.PanelPoigneeSimple = bouton("PanelPoigneeSimple", id_.PanelPoignee, 90, 90, 1200, 480);
  id_.PanelPoigneeDouble = bouton("PanelPoigneeDouble", id_.PanelPoignee, 1350, 90, 1200, 480);
  id_.PanelPoigneeTriple = bouton("PanelPoigneeTriple", id_.PanelPoignee, 2610, 90, 1200, 480);
  id_.PanelPoigneeAucune = bouton("PanelPoigneeAucune", id_.PanelPoignee, 3870, 90, 1200, 480);

  // The result of the deal.
  id_.PanelResultat = panneau("PanelResultat", -1, 0, 0, 9600, 2280);
  C(id_.PanelResultat).visible = false;
  C(id_.PanelResultat).biseau = BiseauRelief;
  const int Rs = id_.PanelResultat;
  id_.PanelTexteResultat = panneau("PanelTexteResultat", Rs, 120, 120, 9360, 1350);
  C(id_.PanelTexteResultat).gras = true;
  C(id_.PanelTexteResultat).taillePolice = 12;
  C(id_.PanelTexteResultat).couleurFond = Jaune;
  id_.PanelScoreDetaille = bouton("PanelScoreDetaille", Rs, 120, 1620, 1800, 540);
  id_.PanelVoirMains = bouton("PanelVoirMains", Rs, 2010, 1620, 1800, 540);
  id_.PanelVoirPlis = bouton("PanelVoirPlis", Rs, 3900, 1620, 1800, 540);
  id_.PanelPanelNewPartie = bouton("PanelPanelNewPartie", Rs, 5790, 1620, 1800, 540);
  id_.PanelRejouerDonne = bouton("PanelRejouerDonne", Rs, 7680, 1620, 1800, 540);
  C(id_.PanelScoreDetaille).legende = "SCORES";
  C(id_.PanelVoirMains).legende = "VOIR LES MAINS";
  C(id_.PanelVoirPlis).legende = "VOIR LES 18 PLIS";
  C(id_.PanelPanelNewPartie).legende = "NOUVELLE DONNE";
  C(id_.PanelRejouerDonne).legende = "REJOUER LA DONNE";

  // The start panel.
  id_.PanelLancement = bouton("PanelLancement", -1, 0, 0, 5400, 900);
  C(id_.PanelLancement).taillePolice = 13.5f;
  C(id_.PanelLancement).couleurFond = 0xFFF0C0;

  // Handlers of the buttons.
  AssocierBouton(id_.PanelLancement, [this] { PanelLancement_Click(); });
  AssocierBouton(id_.PanelNewPartie, [this] { PanelNewPartie_Click(); });
  AssocierBouton(id_.PanelPanelNewPartie, [this] { PanelPanelNewPartie_Click(); });
  AssocierBouton(id_.PanelRejouerDonne, [this] { PanelRejouerDonne_Click(); });
  AssocierBouton(id_.ButtonPasse, [this] { ButtonPasse_Click(); });
  AssocierBouton(id_.ButtonPrise, [this] { ButtonPrise_Click(); });
  AssocierBouton(id_.ButtonGarde, [this] { ButtonGarde_Click(); });
  AssocierBouton(id_.ButtonGardeSans, [this] { ButtonGardeSans_Click(); });
  AssocierBouton(id_.ButtonGardeContre, [this] { ButtonGardeContre_Click(); });
  AssocierBouton(id_.EvMaMain, [this] { EvMaMain_Click(); });
  AssocierBouton(id_.PanelPoigneeAucune, [this] { PanelPoigneeAucune_Click(); });
  AssocierBouton(id_.PanelPoigneeSimple, [this] { PanelPoigneeSimple_Click(); });
  AssocierBouton(id_.PanelPoigneeDouble, [this] { PanelPoigneeDouble_Click(); });
  AssocierBouton(id_.PanelPoigneeTriple, [this] { PanelPoigneeTriple_Click(); });
  AssocierBouton(id_.PanelConfirmeEcart, [this] { PanelConfirmeEcart_Click(); });
  AssocierBouton(id_.PanelScoreDetaille, [this] { PanelScoreDetaille_Click(); });
  AssocierBouton(id_.PanelVoirMains, [this] { PanelVoirMains_Click(); });
  AssocierBouton(id_.PanelVoirPlis, [this] { PanelVoirPlis_Click(); });
  AssocierBouton(id_.PanelAide, [this] { PanelAide_Click(); });
  AssocierBouton(id_.PanelQuit, [this] { PanelQuit_Click(); });
  Associer(id_.Panel3D1, Evenement::Clic, [this](int16_t) { Panel3D1_Click(); });

  // Mouse-over explanations.
  AssocierSurvols(*this, g);
}

void Mirvane::CreerMenus() {
  ::CreerMenus(*this);
  id_.nouveau = ChercherMenu("nouveau");
  id_.scorzero = ChercherMenu("scorzero");
  id_.quitter = ChercherMenu("quitter");
  id_.scores = ChercherMenu("scores");
  id_.MenuLastPli = ChercherMenu("MenuLastPli");
  id_.menufrench = ChercherMenu("menufrench");
  id_.menuenglish = ChercherMenu("menuenglish");
  id_.apropos = ChercherMenu("apropos");
  AssocierMenu(id_.nouveau, [this] { nouveau_Click(); });
  AssocierMenu(id_.scorzero, [this] { scorzero_Click(); });
  AssocierMenu(id_.scores, [this] { scores_Click(); });
  AssocierMenu(id_.MenuLastPli, [this] { MenuLastPli_Click(); });
  AssocierMenu(id_.menufrench, [this] { menufrench_Click(); });
  AssocierMenu(id_.menuenglish, [this] { menuenglish_Click(); });
  AssocierMenu(id_.apropos, [this] { apropos_Click(); });
  AssocierMenu(id_.quitter, [this] { quitter_Click(); });
  AssocierMenu(ChercherMenu("som"), [this] { som_Click(); });
  options_->AssocierMenus();
}

void Mirvane::AppliquerLangue() {
  ::AppliquerLangue(*this, g, NumeroVersion);
  for (const Etiquette& e : etiquettes_) Texte(e.id, e.francais, e.anglais);
}

void Mirvane::menufrench_Click() {
  g.Langue = LangueFrancais;
  AppliquerLangue();
  Menu(id_.menufrench).coche = true;
  Menu(id_.menuenglish).coche = false;
}

void Mirvane::menuenglish_Click() {
  g.Langue = LangueAnglais;
  AppliquerLangue();
  Menu(id_.menufrench).coche = false;
  Menu(id_.menuenglish).coche = true;
}

void Mirvane::apropos_Click() {
  const auto titre = TitreAPropos(g.Langue, NumeroVersion);
  const auto texte = TexteAPropos(g.Langue, NumeroVersion);
  if (titre && texte) plateforme_.Message(*texte, *titre, BoutonsMessage::Ok);
}

// ---------------------------------------------------------------------------------------------
// Load and layout

void Mirvane::Form_Load() {
  // Texts before the options: applying them shows a level name.
  AppliquerLangue();

  TimerEntreCarte().DefinirIntervalle(200);
  TimerTransition().DefinirIntervalle(2000);
  g.PourcentJeuReflechi = 100;
  // The saved speed, pause and level replace the start values, unless out of their range.
  options_->ChargerOptions();
  DetermineClassementJoueurs(g);
  InitAireJeu();
  if (resolution_ != nullptr) resolution_->AdapterResolutionEcran();
  if (!dossierProgramme_.empty()) {
    std::error_code erreur;  // a folder that cannot be entered leaves the current one
    std::filesystem::current_path(dossierProgramme_, erreur);
  }
  FichierAideCourant = FichierAide(dossierProgramme_, g.Langue);
  Menu(id_.MenuLastPli).disponible = false;
  Controle& lancement = C(id_.PanelLancement);
  lancement.gauche = (LargeurFenetreTwips - lancement.largeur) / 2;
  lancement.haut = (HauteurFenetreTwips - lancement.hauteur) / 3;
  DecalageCarte = DecalageCartePoignee = R(C(id_.Carte3d[1]).hauteur / 4);
  LargeurCarte = static_cast<int16_t>(C(id_.Carte3d[1]).largeur);
  g.SeuilPoigneeSimple = 10;
  g.SeuilPoigneeDouble = 13;
  g.SeuilPoigneeTriple = 15;
  for (int16_t i = 1; i <= 4; ++i) C(id_.PanelRegle[i]).visible = false;
  DecalageCarteJouable = 200;
  Menu(id_.menufrench).coche = g.Langue == LangueFrancais;
  Menu(id_.menuenglish).coche = g.Langue == LangueAnglais;
  g.RejouerDonne = 0;
  g.AttenteJeuHumain = 0;
  ResultatsDonnes.Remplir(0);
  PointsEnJeu = 0;
  PointsGagnes.Remplir(0);
  IndexHistorique = 0;
  g.ChienAffiche = 0;
  g.ReglesActives.Remplir(1);
  g.NumeroDonne = 0;
  for (Carte& c : g.PliCourant) c.Couleur = -1;
  g.JoueurHumain = 1;
  g.PremierJoueur = 3;
  GaucheMain = 100;
  CreerJeuCartes(g.TableCartes);
}

void Mirvane::InitAireJeu() {
  const float W = LargeurFenetreTwips, H = HauteurFenetreTwips;
  const float cw = C(id_.Carte3d[1]).largeur, ch = C(id_.Carte3d[1]).hauteur;
  Controle& T = C(id_.TableRonde);
  for (int16_t i = 1; i <= 4; ++i) {
    C(id_.CadrePreneur[i]).largeur = 1485;
    C(id_.CadrePreneur[i]).hauteur = 2385;
  }
  PasMain18 = R((W - cw) / 18);
  HautMain = R(T.haut + T.hauteur + 50);
  HautMilieu = R(T.haut + (T.hauteur - ch) / 2);
  if (ch + 50 < H - static_cast<float>(HautMain)) HautMain = R(HautMain + (H - HautMain - ch - 50) / 2);
  Controle& enchere = C(id_.PanelEnchere);
  enchere.haut = HautMain - enchere.hauteur - 50;
  PasMain24 = R((W - cw) / 24);
  const Controle& gauche = C(id_.PanelGauche);
  T.gauche = gauche.gauche + gauche.largeur + (W - C(id_.PanelDroite).largeur - gauche.largeur - 200 - T.largeur) / 2;
  const float Tl = T.gauche, Tt = T.haut, Tw = T.largeur, Th = T.hauteur;
  Controle& poignee = C(id_.PanelPoignee);
  poignee.gauche = Tl + (Tw - poignee.largeur) / 2;
  poignee.haut = Tt + Th - poignee.hauteur;
  GaucheChien = R(Tl + (Tw - 5 * PasMain18 - cw) / 2);
  Controle& sud = C(id_.CarteTable[1]);
  Controle& est = C(id_.CarteTable[2]);
  Controle& nord = C(id_.CarteTable[3]);
  Controle& ouest = C(id_.CarteTable[4]);
  sud.gauche = Tl + Tw / 2 - sud.largeur / 2;
  nord.gauche = Tl + Tw / 2 - nord.largeur / 2;
  sud.haut = Tt + Th - sud.hauteur - 200;
  nord.haut = Tt + 200;
  est.haut = Tt + Th / 2 - est.hauteur / 2;
  ouest.haut = Tt + Th / 2 - ouest.hauteur / 2;
  est.gauche = Tl + Tw - est.largeur - 400;
  ouest.gauche = Tl + 400;
  for (int16_t i = 1; i <= 4; ++i) {
    const Controle& carte = C(id_.CarteTable[i]);
    Controle& score = C(id_.PanelScoreTotal[i]);
    score.gauche = carte.gauche;
    score.haut = carte.haut + C(id_.CarteTable[1]).hauteur / 2 - score.hauteur / 2;
    Controle& decision = C(id_.PanelDecision[i]);
    decision.gauche = carte.gauche - (decision.largeur - carte.largeur) / 2;
    decision.haut = carte.haut - (decision.hauteur - carte.hauteur) / 2;
    Controle& regle = C(id_.PanelRegle[i]);
    regle.gauche = carte.gauche;
    regle.haut = carte.haut;
  }
  C(id_.PanelConfirmeEcart).gauche = C(id_.PanelDecision[1]).gauche;
  C(id_.PanelConfirmeEcart).haut = C(id_.PanelDecision[1]).haut;
  enchere.gauche = (W - enchere.largeur) / 2;
  Controle& resultat = C(id_.PanelResultat);
  resultat.gauche = (W - resultat.largeur) / 2;
  resultat.haut = Tt + Th + 100;
}

void Mirvane::DisposerMainJoueur() {
  for (int16_t i = 1; i <= 6; ++i) C(id_.CarteChien[i]).visible = false;
  const Main& main = g.MainsJoueurs[g.JoueurHumain];
  for (int16_t i = 1; i <= 18; ++i) {
    Controle& c = C(id_.Carte3d[i]);
    const double r = g.Rnd();
    c.gauche = static_cast<float>(GaucheMain + (i - 1) * PasMain18 + 60 * main[i].Couleur);
    c.haut = static_cast<float>(HautMain + 40 - 8 * CInt(r * 8));
    c.pointeur = PointeurInterdit;
  }
  for (int16_t i = 1; i <= 18; ++i) {
    C(id_.Carte3d[i]).visible = true;
    DessinerCarteMain(i);
  }
}

namespace {
// A card of suit outside 0..4 leaves the picture as it was.
void PoserImage(Controle& c, const Carte& carte) {
  if (carte.Couleur >= 0 && carte.Couleur <= 4) c.carte = Carte{carte.Valeur, carte.Couleur, 0, 0};
}
}  // namespace

void Mirvane::DessinerCarteMain(int16_t k) { PoserImage(C(id_.Carte3d[k]), g.MainsJoueurs[g.JoueurHumain][k]); }
void Mirvane::DessinerCarteChien(int16_t i) { PoserImage(C(id_.CarteChien[i]), g.Chien[i]); }

void Mirvane::AfficherCarteTable(int16_t joueur, int16_t place) {
  Controle& c = C(id_.CarteTable[joueur]);
  c.visible = true;
  PoserImage(c, g.MainsJoueurs[joueur][place]);
}

// ---------------------------------------------------------------------------------------------
// Display of the rules

void Mirvane::MarquerCartesJouables(int16_t joueur) {
  for (int16_t i = 1; i <= 18; ++i) {
    Controle& c = C(id_.Carte3d[i]);
    const bool jouable = g.CarteJouable[joueur][i] == 1;
    c.pointeur = jouable ? PointeurFleche : PointeurInterdit;
    if (jouable && g.OptionLeverCartes == 1) c.haut -= DecalageCarteJouable;
  }
}

void Mirvane::AfficherPoints(double attaque, double defense) {
  C(id_.nPointsAttaque).legende = Points(attaque, g.Langue);
  C(id_.nPointsDefense).legende = Points(defense, g.Langue);
}

void Mirvane::AfficherBouts(int16_t preneur, int16_t defense) {
  C(id_.nBoutsPreneur).legende = Nombre(preneur);
  C(id_.nBoutsDefense).legende = Nombre(defense);
}

void Mirvane::AfficherPointsAFaire(int16_t points) { C(id_.nContrat).legende = Nombre(points); }
void Mirvane::ActiverMenuLastPli() { Menu(id_.MenuLastPli).disponible = true; }
void Mirvane::ActiverTimerTransition() { TimerTransition().DefinirActive(true); }
void Mirvane::ActiverTimerEntreCarte() { TimerEntreCarte().DefinirActive(true); }
void Mirvane::AfficherInfo(std::string_view francais, std::string_view anglais) { Texte(id_.info, francais, anglais); }
void Mirvane::AfficherAtoutsDehors(int16_t nombre) { C(id_.PanelAtExt).legende = Nombre(nombre); }
void Mirvane::AfficherRegle(int16_t joueur, std::string_view texte) { C(id_.PanelRegle[joueur]).legende = texte; }

void Mirvane::AfficherCliquezPourContinuer() {
  AfficherInfo("Cliquez n'importe où pour continuer à jouer", "Click anywhere in order to go on");
}

// ---------------------------------------------------------------------------------------------
// Sequencing of a deal

void Mirvane::nouveau_Click() { PreparerNouvelleDonne(0); }
void Mirvane::PanelLancement_Click() { PreparerNouvelleDonne(0); }

void Mirvane::PanelNewPartie_Click() {
  pointeur = PointeurSablier;
  PreparerNouvelleDonne(0);
}

void Mirvane::PanelPanelNewPartie_Click() {
  pointeur = PointeurSablier;
  PreparerNouvelleDonne(0);
}

void Mirvane::PanelRejouerDonne_Click() {
  pointeur = PointeurSablier;
  g.RejouerDonne = 1;
  PreparerNouvelleDonne(1);
}

void Mirvane::PreparerNouvelleDonne(int16_t rejouer) {
  ++DonnesPreparees;
  g.RejouerDonne = rejouer;
  Menu(id_.MenuLastPli).disponible = false;
  for (int16_t i = 1; i <= 24; ++i) {
    C(id_.Carte3d[i]).largeur = LargeurCarte;
    C(id_.Carte3d[i]).visible = false;
  }
  C(id_.PanelLancement).visible = false;
  annexes_.DechargerALaNouvelleDonne();
  g.CouleurLonguePreneurCoupee = 0;
  g.PoigneeAnnoncee = 0;
  g.OffrePoigneeEnCours = 0;
  for (int id : {id_.PanelPoignee, id_.PanelPoigneeDouble, id_.PanelPoigneeTriple}) C(id).visible = false;
  g.Preneur = 0;
  Contrat = 0;
  g.EnchereJoueur.Remplir(EnchereAucune);
  C(id_.PanelEnchere).visible = false;
  C(id_.PanelConfirmeEcart).visible = false;
  for (int16_t i = 1; i <= 24; ++i) {
    C(id_.Carte3d[i]).pointeur = PointeurInterdit;
    C(id_.Carte3d[i]).actif = false;
  }
  TimerEnchere().DefinirActive(false);
  TimerEntreCarte().DefinirActive(false);
  TimerTransition().DefinirActive(false);
  g.AttenteJeuHumain = 0;
  C(id_.PanelResultat).visible = false;
  for (int16_t i = 1; i <= 4; ++i) C(id_.PanelScoreTotal[i]).visible = false;
  IndexHistorique = static_cast<int16_t>(IndexHistorique + 1);
  if (IndexHistorique == 11) IndexHistorique = 1;
  g.MeilleureEnchere = 0;
  pointeur = PointeurSablier;
  AfficherInfo("Veuillez patienter durant le chargement de la partie ...", "Please wait while the game is loading...");
  C(id_.TableRonde).visible = false;
  g.ChienAffiche = 0;
  // Their drawing layer holds nothing of ours: the faces are pictures, kept while hidden.
  for (int16_t i = 1; i <= 4; ++i) C(id_.CarteTable[i]).visible = false;
  g.PliAffiche = 0;
  C(id_.PanelAtExt).legende.clear();
  for (int16_t i = 1; i <= 4; ++i) C(id_.CadrePreneur[i]).visible = false;
  for (int id : {id_.nPointsAttaque, id_.nPointsDefense}) C(id).legende.clear();
  g.BoutsPreneur = 0;
  g.BoutsDefense = 0;
  for (int id : {id_.nBoutsPreneur, id_.nBoutsDefense, id_.nEnchere, id_.nContrat, id_.PanelPreneur, id_.PanelDonneur})
    C(id).legende.clear();
  for (Carte& c : g.PliCourant) c.Couleur = -1;
  g.AttenteClic = 0;
  g.EcartHumainEnCours = 0;
  for (int16_t i = 1; i <= 4; ++i) C(id_.PanelDecision[i]).visible = false;
  g.PlusHautAtoutPli = 0;
  if (rejouer != 1) g.PremierJoueur = static_cast<int16_t>(g.PremierJoueur + 1);
  if (g.PremierJoueur == 5) g.PremierJoueur = 1;
  g.Donneur = static_cast<int16_t>(g.PremierJoueur - 1);
  if (g.Donneur == 0) g.Donneur = 4;
  Legende(id_.PanelDonneur, NomSiege(g.Langue, g.Donneur));
  g.EntameurPli = g.PremierJoueur;
  g.NbCartesPli = 0;
  g.JoueurCourant = g.PremierJoueur;
  g.DemiPointsPreneur = 0;
  g.DemiPointsDefense = 0;
  Chronometrer(chronos ? &chronos->secondesDonne : nullptr, [this] { DistribuerDonneAcceptee(g); });
  g.NumeroPli = 0;
  g.NbEncheres = 0;
  pointeur = PointeurDefaut;
  DemanderEnchere(g.PremierJoueur);
}

void Mirvane::DemanderEnchere(int16_t siege) {
  int16_t enchere = CalculerEnchereConseillee(g, siege);
  g.EnchereJoueur[siege] = enchere;
  if (enchere > g.MeilleureEnchere) {
    if (siege != g.JoueurHumain) g.MeilleureEnchere = enchere;
  } else {
    g.EnchereJoueur[siege] = ::EncherePasse;
  }
  if (siege != g.JoueurHumain) {
    EnchereurCourant = siege;
    TimerEnchere().DefinirActive(true);
    return;
  }
  enchere = g.EnchereJoueur[siege];
  if (const auto conseil = TexteConseil(g.Langue, enchere)) C(id_.EvMaMain).legende = *conseil;
  AfficherInfo("Cliquez sur l'enchère que vous désirez annoncer !", "Click on the bid you want to do");
  C(id_.PanelEnchere).visible = true;
}

void Mirvane::TimerEnchere_Timer() {
  const int16_t siege = EnchereurCourant;
  TimerEnchere().DefinirActive(false);
  Controle& decision = C(id_.PanelDecision[siege]);
  decision.visible = true;
  const int16_t enchere = g.EnchereJoueur[siege];
  Legende(id_.PanelDecision[siege], MotEnchere(g.Langue, enchere, FormeEnchere::Ordinateur));
  g.NbEncheres = static_cast<int16_t>(g.NbEncheres + 1);
  if (g.NbEncheres >= 4) {
    AfficherInfo("Cliquez n'importe où pour continuer à jouer", "Click anywhere to go on playing");
    g.AttenteClic = 1;
  } else {
    DemanderEnchere(JoueurSuivant(siege));
  }
}

int16_t Mirvane::DeterminerPreneur() {
  int16_t meilleur = g.PremierJoueur;
  int16_t meilleure = g.EnchereJoueur[g.PremierJoueur];
  int16_t siege = g.PremierJoueur;
  for (int i = 1; i < 4; ++i) {
    siege = JoueurSuivant(siege);
    if (g.EnchereJoueur[siege] > meilleure) {
      meilleur = siege;
      meilleure = g.EnchereJoueur[siege];
    }
  }
  Contrat = meilleure;
  if (meilleure >= 1 && meilleure <= 4) Legende(id_.nEnchere, MotEnchere(g.Langue, meilleure, FormeEnchere::Humain));
  return meilleur;
}

void Mirvane::EnchainerTransition() {
  TimerTransition().DefinirActive(false);
  if (g.PliAffiche == 1) {
    g.PliAffiche = 0;
    if (g.NumeroPli != 19)
      for (int16_t i = 1; i <= 4; ++i) C(id_.CarteTable[i]).visible = false;
    for (Carte& c : g.PliCourant) c.Couleur = -1;
  }
  if (g.AttenteClic == 1 && g.EcartHumainEnCours == 0) {
    g.AttenteClic = 0;
    if (g.NumeroPli == 0) {
      g.NumeroPli = 1;
      g.Preneur = DeterminerPreneur();
      if (g.EnchereJoueur[g.Preneur] == ::EncherePasse) {
        PreparerNouvelleDonne(0);
        return;
      }
      for (int16_t i = 1; i <= 4; ++i) C(id_.PanelDecision[i]).visible = false;
      Controle& cadre = C(id_.CadrePreneur[g.Preneur]);
      cadre.gauche = C(id_.CarteTable[g.Preneur]).gauche - 45;
      cadre.haut = C(id_.CarteTable[g.Preneur]).haut - 45;
      C(id_.TableRonde).visible = true;
      cadre.visible = true;
      Legende(id_.PanelPreneur, NomSiege(g.Langue, g.Preneur));
      for (int16_t i = 1; i <= 24; ++i) C(id_.Carte3d[i]).actif = true;
      MontrerChien();
    } else {
      C(id_.info).legende.clear();
      ActiverTimerEntreCarte();
    }
  }
  if (g.ChienAffiche == 1 && g.AttenteClic == 2) PrendreChien();
  if (g.ChienAffiche == 1 && g.AttenteClic == 0) g.AttenteClic = 2;
}

void Mirvane::MontrerChien() {
  if (g.EnchereJoueur[g.Preneur] > ::EnchereGarde) {
    PreparerJeuDeLaCarte(g);
    g.AttenteClic = 1;
    return;
  }
  for (int16_t i = 1; i <= 6; ++i) {
    Controle& c = C(id_.CarteChien[i]);
    c.gauche = static_cast<float>(GaucheChien + (i - 1) * PasMain18);
    c.haut = static_cast<float>(HautMilieu - 100 + 10 * i);
    c.largeur = 1350;
    c.pointeur = PointeurDefaut;
    c.visible = true;
    DessinerCarteChien(i);
  }
  AfficherInfo("Et voici le Chien ! Bon, cliquez pour continuer à jouer ...",
               "Here is the Dog ! Well, please click anywhere...");
  g.AttenteClic = 0;
  g.ChienAffiche = 1;
  for (int16_t i = 1; i <= 18; ++i) C(id_.Carte3d[i]).pointeur = PointeurDefaut;
}

void Mirvane::TimerEntreCarte_Timer() {
  TimerEntreCarte().DefinirActive(false);
  if (g.NumeroPli > 18) return;
  if (g.JoueurCourant != g.JoueurHumain) {
    // A computer seat: its legal cards, its choice, the card laid.
    g.AttenteJeuHumain = 0;
    Chronometrer(chronos ? &chronos->secondesChoix : nullptr, [this] {
      DeterminerCartesJouables(g, g.JoueurCourant);
      JouerCarteOrdinateur(g, g.JoueurCourant);
    });
    if (chronos) ++chronos->cartes;
    CompterCartePli(g);
    return;
  }
  DeterminerCartesJouables(g, g.JoueurCourant);
  AfficherInfo("A vous de jouer !", "Play !");
  g.AttenteJeuHumain = 1;
  if (g.NumeroPli == 1) {
    g.OffrePoigneeEnCours = 1;
    int16_t n = 0;
    for (const Carte& c : g.MainsJoueurs[g.JoueurHumain])
      if (c.Couleur == CouleurAtout) ++n;
    if (n >= g.SeuilPoigneeSimple) {
      if (n >= g.SeuilPoigneeDouble) C(id_.PanelPoigneeDouble).visible = true;
      if (n >= g.SeuilPoigneeTriple) C(id_.PanelPoigneeTriple).visible = true;
      C(id_.PanelPoignee).visible = true;
    } else {
      g.OffrePoigneeEnCours = 0;
    }
  }
}

void Mirvane::TimerTransition_Timer() {
  TimerTransition().DefinirActive(false);
  EnchainerTransition();
}

// ---------------------------------------------------------------------------------------------
// The user's bids

void Mirvane::EnchereHumaine(int16_t b) {
  if (g.MeilleureEnchere >= b) {
    AfficherInfo("Vous devez faire une meilleure enchère ou passer !", "Make a better bid or pass !");
    return;
  }
  Controle& decision = C(id_.PanelDecision[1]);
  decision.taillePolice = 13.5f;
  decision.visible = true;
  Legende(id_.PanelDecision[1], MotEnchere(g.Langue, b, FormeEnchere::Humain));
  g.EnchereJoueur[g.JoueurHumain] = b;
  g.MeilleureEnchere = b;
  CompterEnchereHumaine();
}

void Mirvane::EncherePasse() {
  C(id_.PanelDecision[1]).visible = true;
  Texte(id_.PanelDecision[1], "Passe", "Pass");
  g.EnchereJoueur[g.JoueurHumain] = ::EncherePasse;
  CompterEnchereHumaine();
}

void Mirvane::CompterEnchereHumaine() {
  g.NbEncheres = static_cast<int16_t>(g.NbEncheres + 1);
  if (g.NbEncheres >= 4) {
    AfficherCliquezPourContinuer();
    g.AttenteClic = 1;
  } else {
    DemanderEnchere(2);
  }
  C(id_.PanelEnchere).visible = false;
}

void Mirvane::EvMaMain_Click() {
  if (!C(id_.PanelEnchere).visible) return;
  switch (g.EnchereJoueur[g.JoueurHumain]) {
    case 0:
      EncherePasse();
      break;
    case 1:
      EncherePrise();
      break;
    case 2:
      EnchereGarde();
      break;
    case 3:
      EnchereGardeSans();
      break;
    case 4:
      EnchereGardeContre();
      break;
    default:
      break;
  }
}

void Mirvane::Panel3D1_Click() {
  if (C(id_.PanelEnchere).visible) EncherePasse();
}

// ---------------------------------------------------------------------------------------------
// The user's cards

void Mirvane::Carte3d_Click(int16_t k) {
  if (g.AttenteClic == 1) {
    EnchainerTransition();
    return;
  }
  if (g.EcartHumainEnCours == 1) {
    const int16_t s = IndexCarteEcart[k];
    const bool chien = s > 18;
    const Carte& carte = chien ? g.Chien[s - 18] : g.MainsJoueurs[g.JoueurHumain][s];
    int16_t& choisi = chien ? ChoixEcartChien[s - 18] : ChoixEcartMain[s];
    if (!carte.EstEcartable()) return;
    if (choisi == 1) {
      choisi = 0;
      MoveDown(k);
      --NbCartesEcart;
      C(id_.PanelConfirmeEcart).visible = false;
    } else if (NbCartesEcart < 6) {
      choisi = 1;
      MoveUp(k);
      ++NbCartesEcart;
      if (NbCartesEcart == 6) C(id_.PanelConfirmeEcart).visible = true;
    }
    return;
  }
  if (g.AttenteClic != 0 || k > 18) return;
  const int16_t j = g.JoueurCourant;
  if (g.AttenteJeuHumain != 1 || j != g.JoueurHumain || g.OffrePoigneeEnCours != 0 || g.CarteJouable[j][k] != 1 ||
      g.MainsJoueurs[j][k].EnMain != 1)
    return;
  g.AttenteJeuHumain = 0;
  PoserCarte(g, j, k);
  C(id_.Carte3d[k]).visible = false;
  if (g.OptionLeverCartes == 1)
    for (int16_t i = 1; i <= 18; ++i)
      if (g.CarteJouable[j][i] == 1) C(id_.Carte3d[i]).haut += DecalageCarteJouable;
  CompterCartePli(g);
}

void Mirvane::PanelPoigneeAucune_Click() {
  g.OffrePoigneeEnCours = 0;
  C(id_.PanelPoignee).visible = false;
}

void Mirvane::DeclarerPoignee(int16_t genre) {
  g.PoigneeAnnoncee = genre;
  C(id_.PanelPoignee).visible = false;
  for (int16_t i = 1; i <= 18; ++i)
    if (g.MainsJoueurs[g.JoueurHumain][i].Couleur == CouleurAtout) C(id_.Carte3d[i]).visible = false;
  actif = false;
  poigneeFermee_.reset();
  formPoignee_ = std::make_unique<FormPoignee>(g, plateforme_, DecalageCartePoignee, [this] { FermerPoignee(); });
}

void Mirvane::FermerPoignee() {
  actif = true;
  g.OffrePoigneeEnCours = 0;
  for (int16_t i = 1; i <= 18; ++i) C(id_.Carte3d[i]).visible = true;
  // Kept until the next declaration: its handler is still running.
  poigneeFermee_ = std::move(formPoignee_);
}

// ---------------------------------------------------------------------------------------------
// The user's discard

void Mirvane::CarteChien_Click(int16_t) {
  if (g.EcartHumainEnCours == 0) PrendreChien();
}

void Mirvane::PrendreChien() {
  g.ChienAffiche = 0;
  for (int16_t i = 1; i <= 6; ++i) C(id_.CarteChien[i]).visible = false;
  if (g.Preneur == g.JoueurHumain) {
    g.AttenteClic = 0;
    g.EcartHumainEnCours = 1;
    PreparerEcartJoueur();
  } else {
    FaireEcartOrdinateur(g);
    g.AttenteClic = 1;
    EnchainerTransition();
  }
}

void Mirvane::PreparerEcartJoueur() {
  for (int16_t i = 1; i <= 24; ++i) {
    Controle& c = C(id_.Carte3d[i]);
    c.pointeur = PointeurFleche;
    c.visible = false;
    c.gauche = static_cast<float>(GaucheMain + (i - 1) * PasMain24);
    c.haut = static_cast<float>(HautMain - CInt(g.Rnd() * 30));
    c.carte = Carte{};
  }
  Cartes24 cartes;
  Drapeaux24 origine;
  FusionnerMainEtChien(g.MainsJoueurs[g.JoueurHumain], g.Chien, cartes, origine);
  int16_t h = 1, q = 1;
  for (int16_t k = 1; k <= 24; ++k) {
    SourceCarteEcart[k] = origine[k];
    PoserImage(C(id_.Carte3d[k]), cartes[k]);
    IndexCarteEcart[k] = origine[k] == 1 ? h++ : static_cast<int16_t>(18 + q++);
  }
  NbCartesEcart = 0;
  ChoixEcartMain.Remplir(0);
  ChoixEcartChien.Remplir(0);
  for (int16_t k = 1; k <= 24; ++k)
    if (!cartes[k].EstEcartable()) C(id_.Carte3d[k]).pointeur = PointeurInterdit;
  for (int16_t k = 1; k <= 24; ++k) C(id_.Carte3d[k]).visible = true;
  AfficherInfo("Cliquez sur 6 cartes pour constituer l'écart", "Click on 6 cards to make the discard");
}

void Mirvane::MoveUp(int16_t index) { C(id_.Carte3d[index]).haut -= DecalageCarte; }
void Mirvane::MoveDown(int16_t index) { C(id_.Carte3d[index]).haut += DecalageCarte; }

void Mirvane::PanelConfirmeEcart_Click() {
  for (int16_t i = 1; i <= 18; ++i) C(id_.Carte3d[i]).largeur = LargeurCarte;
  C(id_.PanelConfirmeEcart).visible = false;
  ValiderEcartJoueur();
}

void Mirvane::ValiderEcartJoueur() {
  for (int16_t i = 19; i <= 24; ++i) C(id_.Carte3d[i]).visible = false;
  int16_t h = 1, q = 1, e = 1, m = 1;
  for (int16_t k = 1; k <= 24; ++k) {
    const bool main = SourceCarteEcart[k] == 1;
    const Carte carte = main ? g.MainsJoueurs[g.JoueurHumain][h] : g.Chien[q];
    const int16_t choisi = main ? ChoixEcartMain[h++] : ChoixEcartChien[q++];
    // The confirmation is shown only with six cards chosen; the bounds keep a stray call safe.
    if (choisi == 1 && e <= 6)
      EcartTampon[e++] = Carte{carte.Valeur, carte.Couleur, 0, 0};
    else if (m <= 18)
      g.MainTampon[m++] = Carte{carte.Valeur, carte.Couleur, 0, 0};
  }
  if (e != 7 || m != 19) return;
  for (int16_t i = 1; i <= 6; ++i) {
    g.Chien[i].Valeur = EcartTampon[i].Valeur;
    g.Chien[i].Couleur = EcartTampon[i].Couleur;
  }
  for (int16_t i = 1; i <= 18; ++i) {
    Carte& c = g.MainsJoueurs[g.JoueurHumain][i];
    c.Valeur = g.MainTampon[i].Valeur;
    c.Couleur = g.MainTampon[i].Couleur;
    c.EnMain = 1;
  }
  PreparerJeuDeLaCarte(g);
  DisposerMainJoueur();
  g.EcartHumainEnCours = 0;
  g.AttenteClic = 1;
  EnchainerTransition();
}

// ---------------------------------------------------------------------------------------------
// End of the deal and running scores

void Mirvane::AfficherResultatDonne() {
  int16_t S = 0;
  CalculerScoreDonne(g, S);
  const bool preneurHumain = g.Preneur == g.JoueurHumain;
  const int32_t R = preneurHumain ? S : CInt(-S / 3.0);
  ResultatsDonnes[IndexHistorique < 1 ? 1 : IndexHistorique] = R;
  if (g.RejouerDonne == 1) {
    if (g.Langue == 1)
      plateforme_.Message(
          "Les points n'ont pas été comptabilisés dans les scores globaux car cette donne a été rejouée", "",
          BoutonsMessage::Ok);
    if (g.Langue == 2)
      plateforme_.Message("Because you played the deal again, global scores are not modified.", "", BoutonsMessage::Ok);
  } else {
    AjouterAuScore(g.ScoreTotal[1], R);
    for (int16_t s = 2; s <= 4; ++s)
      AjouterAuScore(g.ScoreTotal[s], preneurHumain ? -CInt(R / 3.0) : s == g.Preneur ? -3 * R : R);
  }
  int16_t somme = 0;
  for (int32_t r : ResultatsDonnes) somme = static_cast<int16_t>(somme + r);
  C(id_.Score10Panel).legende = Nombre(somme);
  // At stake: the taker's whole score for the user as taker, three times his share in defence.
  const int32_t enJeu = preneurHumain ? R : 3 * R;
  PointsEnJeu += R < 1 ? -enJeu : enJeu;
  if (R >= 1) PointsGagnes[1] += R;
  if (PointsEnJeu != 0) C(id_.PanelPourcentScore).legende = Nombre(CInt(PointsGagnes[1] * 100.0 / PointsEnJeu)) + " %";
  std::string message;
  if (g.Langue == 1)
    message = preneurHumain ? (R >= 1 ? "BRAVOOOOOOO, vous avez gagné contre la DEFENSE !"
                                      : "AIIIIIIIIE, la DEFENSE vous a fait chuter !")
                            : (R >= 1 ? "BRAVO, vous avez bien défendu et fait chuter le PRENEUR !"
                                      : "AIE, vous n'avez pas pu faire chuter le PRENEUR !");
  else
    message = preneurHumain ? (R >= 1 ? "BRAVOOOOOOO, you WIN against the Defense !"
                                      : "OWWWWWWWWW, you LOSE against the Defense !")
                            : (R >= 1 ? "BRAVO to you and the Defense !" : "OW, your Defense was not very good...");
  C(id_.PanelResultat).visible = true;
  Texte(id_.PanelTexteResultat, "Résultat du Preneur : " + Nombre(S) + " points.\n" + message,
        "Results for the Taker : " + Nombre(S) + " points.\n" + message);
  DetermineClassementJoueurs(g);
  BasculerScoresTotaux();
}

void Mirvane::BasculerScoresTotaux() {
  for (int16_t i = 1; i <= 4; ++i) {
    C(id_.PanelScore[i]).legende = Nombre(g.ScoreTotal[i]);
    Controle& rang = C(id_.PanelClassement[i]);
    rang.legende = Nombre(g.Classement[i]);
    rang.couleurTexte = g.Classement[i] == 1 ? Rouge : Noir;
    C(id_.PanelScoreTotal[i]).visible = true;
  }
}

void Mirvane::PanelScoreTotal_Click(int16_t) {
  for (int16_t i = 1; i <= 4; ++i) C(id_.PanelScoreTotal[i]).visible = false;
}

void Mirvane::scorzero_Click() {
  ReponseMessage r = ReponseMessage::Non;
  // The question's title is the about box's.
  const std::string titre = TitreAPropos(g.Langue, NumeroVersion).value_or("");
  if (g.Langue == 1)
    r = plateforme_.Message("Voulez-vous réellement remettre les scores à 0 ?", titre, BoutonsMessage::OuiNon);
  if (g.Langue == 2)
    r = plateforme_.Message("Do you really want to initialize scores ?", titre, BoutonsMessage::OuiNon);
  if (r != ReponseMessage::Oui) return;
  g.ScoreTotal.Remplir(0);
  DetermineClassementJoueurs(g);
  BasculerScoresTotaux();
}

// ---------------------------------------------------------------------------------------------
// Help and the end of the run

void Mirvane::DefinirBureau(ResolutionEcran* resolution, Aide* aide, std::string dossierProgramme) {
  resolution_ = resolution;
  aide_ = aide;
  dossierProgramme_ = std::move(dossierProgramme);
}

void Mirvane::AfficherAideIndex() {
  if (aide_ != nullptr) aide_->AfficherIndex(FichierAideCourant);
}

void Mirvane::DechargerTousControles() {
  for (int16_t i = 1; i <= 24; ++i) C(id_.Carte3d[i]).visible = false;
  for (int16_t i = 1; i <= 6; ++i) C(id_.CarteChien[i]).visible = false;
}

void Mirvane::ConfirmerQuitter() {
  const auto titre = TitreLogiciel(g.Langue);
  if (!titre) return;  // a language we do not have: no question, nothing happens
  const std::string t(*titre);
  const bool fr = g.Langue == 1;
  const std::string question =
      fr ? "Voulez-vous réellement arrêter " + t + " ?" : "Do you really want to quit " + t + " ?";
  if (plateforme_.Message(question, t, BoutonsMessage::OuiNon) != ReponseMessage::Oui) return;
  DechargerTousControles();
  plateforme_.Message(fr ? "A bientôt !" : "See you soon !", t, BoutonsMessage::Ok);
  options_->SauverOptions();
  Form_Unload();
}

void Mirvane::Form_Unload() {
  if (decharge_) return;
  decharge_ = true;
  // No event is handled any more.
  for (Minuterie* m : {timerEnchere_.get(), timerEntreCarte_.get(), timerTransition_.get()}) m->DefinirActive(false);
  actif = false;
  if (resolution_ != nullptr) resolution_->RestaurerResolutionEcran();
  if (terminer) terminer();
}
