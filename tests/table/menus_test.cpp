#include "table/menus.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "table/modele.h"

namespace {

struct Ligne {
  const char *nom, *parent, *francais, *anglais, *touche;
};
// The menu bar as the user sees it, in display order.
const Ligne Barre[] = {
    {"jeu", "", "&Mirvane", "&Mirvane", ""},
    {"nouveau", "jeu", "Nouvelle partie", "New deal", "F2"},
    {"scorzero", "jeu", "Initialiser les scores", "Init scores", ""},
    {"quitter", "jeu", "Quitter", "Quit", "F9"},
    {"MenuNiveau", "", "Niveau", "Level", ""},
    {"MenuDebutant", "MenuNiveau", "Débutant", "Beginner", ""},
    {"MenuAmateur", "MenuNiveau", "Amateur", "Medium", ""},
    {"MenuBon", "MenuNiveau", "Bon", "Advanced", ""},
    {"MenuPro", "MenuNiveau", "Pro", "Pro", ""},
    {"menulang", "", "&Langue/Language", "&Langue/Language", ""},
    {"menufrench", "menulang", "Français", "Français", ""},
    {"menuenglish", "menulang", "English", "English", ""},
    {"jeuff", "", "&Force de votre main", "&Strength of your hand", ""},
    {"jeunormal", "jeuff", "Normale (main aléatoire)", "Normal (random hand)", ""},
    {"jeudeprise", "jeuff", "Prise", "Take", ""},
    {"jeudegarde", "jeuff", "Garde", "Guard", ""},
    {"jeudegardesans", "jeuff", "Garde sans le chien", "Guard without the dog", ""},
    {"jeudegardecontre", "jeuff", "Garde contre le chien", "Guard against the dog", ""},
    {"jeudef", "jeuff", "Défense (main faible)", "Defense (weak hand)", ""},
    {"MenuVoir", "", "Visibilité", "Interface", ""},
    {"scores", "MenuVoir", "Scores", "Scores", "F11"},
    {"MenuLastPli", "MenuVoir", "Le dernier pli", "The last trick", "F12"},
    {"voirench", "MenuVoir", "Voir le conseil d'enchère", "Recommended bid", "F5"},
    {"voircours", "MenuVoir", "Voir les points de la partie en cours", "See score of the current deal", "F6"},
    {"voiratext", "MenuVoir", "Voir le nombre d'atouts dehors", "See number of trumps outside", "F7"},
    {"vispanel", "MenuVoir", "Voir les panneaux gauche et droit", "See left and right panels", "F8"},
    {"options", "", "&Options", "&Options", ""},
    {"MenuMainQuelconqueMinPrise", "options", "Au moins une main quelconque de Prise...",
     "At least one hand taking...", ""},
    {"vitessejeu", "options", "Vitesse du jeu de la carte", "Speed of the card throw", ""},
    {"ultrarapide", "vitessejeu", "Très rapide", "Very quick", ""},
    {"rapide", "vitessejeu", "Rapide", "Quick", ""},
    {"normale", "vitessejeu", "Normale", "Normal", ""},
    {"lente", "vitessejeu", "Lente", "Slow", ""},
    {"ultralente", "vitessejeu", "Très lente", "Very slow", ""},
    {"trans", "options", "Attente entre chaque pli", "Waiting time between each trick", ""},
    {"auto5s", "trans", "5 secondes", "5 seconds", ""},
    {"auto2s", "trans", "2 secondes", "2 seconds", ""},
    {"auto1s", "trans", "1 seconde", "1 second", ""},
    {"clickobli", "trans", "Click obligatoire", "Mandatory click", ""},
    {"rehauss", "options", "Réhaussement des cartes jouables", "Réhaussement des cartes jouables", ""},
    {"aide", "", "&Aide", "&Help", ""},
    {"som", "aide", "Sommaire", "Contents", "F1"},
    {"apropos", "aide", "à-propos", "About", ""},
};

std::string NomParent(const ModeleFenetre& f, const ElementMenu& m) {
  return m.parent < 0 ? "" : f.Menus()[static_cast<size_t>(m.parent)].nom;
}

TEST(Menus, TheBarHasItsItemsInOrderUnderTheirMenusWithTheirKeysAndCaptionsInBothLanguages) {
  ModeleFenetre f;
  CreerMenus(f);
  ASSERT_EQ(f.Menus().size(), std::size(Barre));
  for (int16_t langue : {2, 1}) {
    LegenderMenus(f, langue);
    for (size_t i = 0; i < std::size(Barre); ++i) {
      const ElementMenu& m = f.Menus()[i];
      SCOPED_TRACE(Barre[i].nom);
      EXPECT_EQ(m.nom, Barre[i].nom);
      EXPECT_EQ(NomParent(f, m), Barre[i].parent);
      EXPECT_EQ(m.legende, langue == 1 ? Barre[i].francais : Barre[i].anglais);
      EXPECT_EQ(m.touche, Barre[i].touche);
    }
  }
  // Another language leaves the captions.
  LegenderMenus(f, 2);
  LegenderMenus(f, 3);
  LegenderMenus(f, 0);
  EXPECT_EQ(f.Menus()[static_cast<size_t>(f.ChercherMenu("aide"))].legende, "&Help");
}

TEST(Menus, OnlyTheLanguageMenuItsFrenchItemAndTheRaisingItemAreUnavailableAndNothingUnderThemRuns) {
  ModeleFenetre f;
  CreerMenus(f);
  std::vector<std::string> indisponibles, coches;
  for (const ElementMenu& m : f.Menus()) {
    if (!m.disponible) indisponibles.push_back(m.nom);
    if (m.coche) coches.push_back(m.nom);
  }
  EXPECT_EQ(indisponibles, (std::vector<std::string>{"menulang", "menufrench", "rehauss"}));
  EXPECT_EQ(coches, std::vector<std::string>{"rehauss"});

  int choisis = 0;
  for (const char* nom : {"menuenglish", "menufrench", "rehauss", "nouveau"})
    f.AssocierMenu(f.ChercherMenu(nom), [&choisis] { ++choisis; });
  for (const char* nom : {"menuenglish", "menufrench", "rehauss", "nouveau"}) f.ChoisirMenu(f.ChercherMenu(nom));
  EXPECT_EQ(choisis, 1);
}

}  // namespace
