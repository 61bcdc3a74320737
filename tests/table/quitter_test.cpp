// The main window's life cycle: the display switched at load and put back at the end, the
// help file of the language, the confirmed quit and the close box.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/factice.h"
#include "platform/factice_ecran.h"
#include "platform/reglages_factices.h"
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
  std::vector<std::string> Textes() const {
    std::vector<std::string> t;
    for (const auto& message : plateforme.messages) t.push_back(message.texte);
    return t;
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
    EXPECT_EQ(t.ecran.demandes, (std::vector<TailleEcran>{{800, 600}}));
    const std::string fichier = dossier + (langue == 1 ? "/mirvanefr.html" : "/mirvaneus.html");
    t.m.Envoyer(t.m.Id().PanelAide, Evenement::Clic);
    t.m.ChoisirMenu(t.m.ChercherMenu("som"));
    EXPECT_EQ(t.aide.ouvertures, (std::vector<std::string>{fichier, fichier}));
  }
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
    if (c.par == 2) t.m.Form_Unload(), t.m.Form_Unload();
    if (c.par != 1) t.m.Envoyer(t.m.Id().PanelQuit, Evenement::Clic);  // after the close box, reaches nothing
    EXPECT_EQ(t.Textes(), c.textes);
    const bool quitte = c.textes.size() == 2, fin = quitte || c.par == 2;
    for (const auto& message : t.plateforme.messages) {
      EXPECT_EQ(message.titre, c.langue == 1 ? "Mirvane pour Windows 95" : "Mirvane for Windows 95");
      EXPECT_EQ(message.boutons, &message == &t.plateforme.messages[0] ? BoutonsMessage::OuiNon : BoutonsMessage::Ok);
    }
    // Nothing saved before the goodbye; everything saved after it.
    EXPECT_EQ(t.ecrituresAuxMessages, std::vector<size_t>(c.textes.size(), avant));
    EXPECT_EQ(t.store.ecritures.size() > avant, quitte);
    EXPECT_EQ(t.m.C(t.m.Id().Carte3d[1]).visible, !quitte);  // the card pictures unloaded
    EXPECT_EQ(t.ecran.demandes.size(), fin ? 2u : 1u);
    EXPECT_EQ(t.ecran.Taille(), fin ? (TailleEcran{1024, 768}) : (TailleEcran{800, 600}));
    EXPECT_EQ(t.fins, fin ? 1 : 0);
    EXPECT_EQ(t.m.Decharge(), fin);
    EXPECT_EQ(t.Armee(), !fin);
  }
}

}  // namespace
