// The program's life cycle: the start screen, the display switched at load and put back at the
// end, the help file of the language, the confirmed quit and the close box.
#include "table/cycle_vie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/factice.h"
#include "platform/factice_ecran.h"
#include "platform/reglages_factices.h"
#include "table/centrer_feuille.h"
#include "table/frm_splash.h"
#include "table/mirvane.h"

namespace {

// Message boxes that also note how many keys the store had received when each one opened.
class PlateformeObservee : public PlateformeFactice {
 public:
  ReponseMessage Message(std::string_view texte, std::string_view titre, BoutonsMessage boutons) override {
    if (observer) observer();
    return PlateformeFactice::Message(texte, titre, boutons);
  }
  std::function<void()> observer;
};

struct Table {
  PlateformeObservee plateforme;
  ReglagesFactices store;
  ModeEcranFactice ecran{{1024, 768}, {{800, 600}, {1024, 768}}};
  ResolutionEcran resolution{ecran};
  AideFactice aide;
  Mirvane m{plateforme, Aleatoire(5), &store};
  int fins = 0;
  std::vector<size_t> ecrituresAuxMessages;

  explicit Table(int16_t langue, const std::string& dossier = "/opt/mirvane") {
    m.g.Langue = langue;
    m.DefinirBureau(&resolution, &aide, dossier);
    m.terminer = [this] { ++fins; };
    plateforme.observer = [this] { ecrituresAuxMessages.push_back(store.ecritures.size()); };
    m.Form_Load();
  }
  bool Armee() { return m.TimerEnchere().Active() || m.TimerEntreCarte().Active() || m.TimerTransition().Active(); }
};

TEST(CycleTable, LoadSwitchesTheDisplayEntersTheProgramsFolderAndPicksTheHelpFileOfTheLanguage) {
  const std::filesystem::path avant = std::filesystem::current_path();
  const std::string dossier = std::filesystem::canonical(std::filesystem::temp_directory_path()).string();
  ASSERT_NE(avant, dossier);
  for (const int16_t langue : {1, 2}) {
    Table t(langue, dossier);
    const std::filesystem::path courant = std::filesystem::current_path();
    std::filesystem::current_path(avant);
    EXPECT_EQ(courant, dossier);
    const std::string fichier = dossier + (langue == 1 ? "/mirvanefr.html" : "/mirvaneus.html");
    t.m.Envoyer(t.m.Id().PanelAide, Evenement::Clic);
    t.m.ChoisirMenu(t.m.ChercherMenu("som"));
    EXPECT_EQ(t.aide.ouvertures, (std::vector<std::string>{fichier, fichier}));
  }
  EXPECT_EQ(FichierAide(dossier, 3), "");
  EXPECT_EQ(FichierAide(dossier, 0), "");
}

// No: the game goes on where it was. Yes, by the button or the menu: goodbye, then the save,
// then the display put back and the end. In another language, nothing at all. The close box:
// no question and no save, the end once, and nothing reaches the window after it.
TEST(CycleTable, TheQuitQuestion) {
  const struct {
    int16_t langue;
    ReponseMessage reponse;
    int par;  // 0 the button, 1 the menu, 2 the close box (twice)
    std::vector<std::string> textes;
  } cas[] = {
      {1, ReponseMessage::Non, 0, {"Voulez-vous réellement arrêter Mirvane pour Windows 95 ?"}},
      {1, ReponseMessage::Oui, 0, {"Voulez-vous réellement arrêter Mirvane pour Windows 95 ?", "A bientôt !"}},
      {2, ReponseMessage::Oui, 1, {"Do you really want to quit Mirvane for Windows 95 ?", "See you soon !"}},
      {3, ReponseMessage::Oui, 0, {}},
      {1, ReponseMessage::Oui, 2, {}},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(testing::Message() << c.langue << " " << c.par << " " << c.textes.size());
    Table t(c.langue);
    t.m.PanelLancement_Click();  // a deal under way, the first bid's timer armed
    const size_t avant = t.store.ecritures.size();
    t.plateforme.reponses = {c.reponse};
    if (c.par == 1) t.m.ChoisirMenu(t.m.ChercherMenu("quitter"));
    if (c.par == 2) {
      t.m.Form_Unload();
      t.m.Form_Unload();
    }
    if (c.par != 1) t.m.Envoyer(t.m.Id().PanelQuit, Evenement::Clic);  // after the close box, reaches nothing
    const bool quitte = c.textes.size() == 2;
    const bool fin = quitte || c.par == 2;
    std::vector<std::string> textes;
    for (const auto& message : t.plateforme.messages) {
      textes.push_back(message.texte);
      EXPECT_EQ(message.titre, c.langue == 1 ? "Mirvane pour Windows 95" : "Mirvane for Windows 95");
      EXPECT_EQ(message.boutons, &message == &t.plateforme.messages[0] ? BoutonsMessage::OuiNon : BoutonsMessage::Ok);
    }
    EXPECT_EQ(textes, c.textes);
    // Nothing saved before the goodbye; everything saved after it.
    EXPECT_EQ(t.ecrituresAuxMessages, std::vector<size_t>(c.textes.size(), avant));
    EXPECT_EQ(t.store.ecritures.size() > avant, quitte);
    EXPECT_EQ(t.m.C(t.m.Id().Carte3d[1]).visible, !quitte);  // the card pictures unloaded
    EXPECT_EQ(t.ecran.Taille(), fin ? (TailleEcran{1024, 768}) : (TailleEcran{800, 600}));
    EXPECT_EQ(t.ecran.demandes.size(), fin ? 2u : 1u);
    EXPECT_EQ(t.fins, fin ? 1 : 0);
    EXPECT_EQ(t.m.Decharge(), fin);
    EXPECT_EQ(t.Armee(), !fin);
  }
}

const std::vector<TailleEcran> ModesCourants = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1920, 1080}};

// Put back whether switched, refused (no such mode, or no switch at all) or not, whoever ends first.
TEST(ResolutionEcran, SwitchesTo800x600UnlessTheWidthIs800OrTheHeight600AndPutsTheSizeBackOnce) {
  const struct {
    TailleEcran depart;
    std::vector<TailleEcran> modes;
    bool demande;
  } cas[] = {
      {{1024, 768}, ModesCourants, true},  {{1920, 1080}, ModesCourants, true},
      {{640, 480}, ModesCourants, true},   {{800, 600}, ModesCourants, false},
      {{800, 480}, ModesCourants, false},  {{1024, 600}, ModesCourants, false},
      {{800, 1280}, ModesCourants, false}, {{1366, 600}, ModesCourants, false},
      {{1920, 1080}, {{1024, 768}}, true}, {{1920, 1080}, {}, true},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(testing::Message() << c.depart.largeur << "x" << c.depart.hauteur << " " << c.modes.size());
    ModeEcranFactice ecran(c.depart, c.modes);
    ResolutionEcran resolution(ecran);
    resolution.RestaurerResolutionEcran();  // a signal during the start screen: nothing to put back
    EXPECT_TRUE(ecran.demandes.empty());
    resolution.AdapterResolutionEcran();
    std::vector<TailleEcran> demandes;
    if (c.demande) demandes.push_back({800, 600});
    EXPECT_EQ(ecran.demandes, demandes);
    const bool bascule = c.demande && std::count(c.modes.begin(), c.modes.end(), TailleEcran{800, 600}) > 0;
    EXPECT_EQ(ecran.Taille(), bascule ? (TailleEcran{800, 600}) : c.depart);
    resolution.RestaurerResolutionEcran();  // a signal
    resolution.RestaurerResolutionEcran();  // then the unload as the program ends
    demandes.push_back(c.depart);
    EXPECT_EQ(ecran.demandes, demandes);
    EXPECT_EQ(ecran.Taille(), c.depart);
  }
}

// Loaded in French; either button shows pressed while held. The English one opens the game once
// in English, even closed again (other ways out: the screen's window test).
TEST(FrmSplash, LoadsInFrenchAndTheEnglishButtonOpensTheGameOnceInEnglish) {
  FrmSplash f;
  f.Form_Load();
  EXPECT_EQ(f.Langue, 1);
  EXPECT_EQ(f.ModeDebug, 0);
  EXPECT_EQ(f.TitreLogiciel, "Mirvane pour Windows 95");
  EXPECT_EQ(f[f.lblVersion].legende, std::string("Version ") + MIRVANE_VERSION);
  EXPECT_EQ(f[f.lblCompanyProduct].legende, "Mirvane pour Windows 95");
  EXPECT_EQ(f[f.CommandStartEnglish].legende, "ENGLISH VERSION");
  EXPECT_EQ(f[f.CommandStartFrench].legende, "VERSION FRANCAISE");
  EXPECT_NE(f[f.lblWarning].legende.find("droit d'auteur"), std::string::npos);
  EXPECT_EQ(f[f.Picture2].parent, f.Frame1);
  EXPECT_EQ(f[f.Image2].largeur, 95 * 15);
  EXPECT_EQ(f[f.Image2].hauteur, 129 * 15);
  for (const int b : {f.CommandStartFrench, f.CommandStartEnglish}) {
    f.Envoyer(b, Evenement::Bas);
    EXPECT_EQ(f[b].biseau, BiseauCreux) << f[b].nom;
    f.Envoyer(b, Evenement::Haut);
    EXPECT_EQ(f[b].biseau, BiseauRelief) << f[b].nom;
  }
  int ouvertures = 0;
  f.surDechargement = [&] {
    ++ouvertures;
    EXPECT_EQ(f.Langue, 2);
    EXPECT_EQ(f.TitreLogiciel, "Mirvane for Windows 95");
  };
  f.Envoyer(f.CommandStartEnglish, Evenement::Clic);
  f.Form_Unload();
  EXPECT_EQ(ouvertures, 1);
  EXPECT_TRUE(f.Decharge());
  std::string titre = "x";
  DefinirTitreFenetre(3, titre);
  EXPECT_EQ(titre, "x");
}

TEST(CentrerFeuille, CentresOnTheScreenHalvesKeptAndLargerWindowsGoNegative) {
  const struct {
    float largeur, hauteur, gauche, haut;
  } cas[] = {{6000, 4000, 3000, 2500}, {6015, 4005, 2992.5f, 2497.5f}, {15360, 11520, -1680, -1260}};
  for (const auto& c : cas) {
    Feuille f{111, 222, c.largeur, c.hauteur};
    CentrerFeuille(f, 12000, 9000);  // 800 x 600 pixels
    EXPECT_EQ((std::array{f.gauche, f.haut, f.largeur, f.hauteur}),
              (std::array{c.gauche, c.haut, c.largeur, c.hauteur}));
  }
}

}  // namespace
