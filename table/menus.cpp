#include "table/menus.h"

#include <string>

#include "table/modele.h"
#include "table/textes.h"

namespace {

struct DefinitionMenu {
  std::string_view nom;
  std::string_view parent;  // the menu or submenu it belongs to; empty for a menu of the bar
  std::string_view francais;
  std::optional<std::string_view> anglais;  // none: the French caption stands in both
  std::string_view touche;
  bool disponible = true;
  bool coche = false;
};

constexpr auto Aucune = std::nullopt;

constexpr DefinitionMenu Menus[] = {
    {"jeu", "", "&Mirvane", Aucune, ""},
    {"nouveau", "jeu", "Nouvelle partie", "New deal", "F2"},
    {"scorzero", "jeu", "Initialiser les scores", "Init scores", ""},
    {"quitter", "jeu", "Quitter", "Quit", "F9"},

    {"MenuNiveau", "", "Niveau", "Level", ""},
    {"MenuDebutant", "MenuNiveau", "Débutant", "Beginner", ""},
    {"MenuAmateur", "MenuNiveau", "Amateur", "Medium", ""},
    {"MenuBon", "MenuNiveau", "Bon", "Advanced", ""},
    {"MenuPro", "MenuNiveau", "Pro", Aucune, ""},

    // Never made available: the language chosen on the start screen holds for the run.
    {"menulang", "", "&Langue/Language", Aucune, "", false},
    {"menufrench", "menulang", "Français", Aucune, "", false},
    {"menuenglish", "menulang", "English", Aucune, ""},

    {"jeuff", "", "&Force de votre main", "&Strength of your hand", ""},
    {"jeunormal", "jeuff", "Normale (main aléatoire)", "Normal (random hand)", ""},
    {"jeudeprise", "jeuff", "Prise", "Take", ""},
    {"jeudegarde", "jeuff", "Garde", "Guard", ""},
    {"jeudegardesans", "jeuff", "Garde sans le chien", "Guard without the dog", ""},
    {"jeudegardecontre", "jeuff", "Garde contre le chien", "Guard against the dog", ""},
    {"jeudef", "jeuff", "Défense (main faible)", "Defense (weak hand)", ""},

    {"MenuVoir", "", "Visibilité", "Interface", ""},
    {"scores", "MenuVoir", "Scores", Aucune, "F11"},
    {"MenuLastPli", "MenuVoir", "Le dernier pli", "The last trick", "F12"},
    {"voirench", "MenuVoir", "Voir le conseil d'enchère", "Recommended bid", "F5"},
    {"voircours", "MenuVoir", "Voir les points de la partie en cours", "See score of the current deal", "F6"},
    {"voiratext", "MenuVoir", "Voir le nombre d'atouts dehors", "See number of trumps outside", "F7"},
    {"vispanel", "MenuVoir", "Voir les panneaux gauche et droit", "See left and right panels", "F8"},

    {"options", "", "&Options", Aucune, ""},
    {"MenuMainQuelconqueMinPrise", "options", "Au moins une main quelconque de Prise...", "At least one hand taking...",
     ""},
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
    // Shown checked and greyed: the playable cards are raised by the level, not by this item.
    {"rehauss", "options", "Réhaussement des cartes jouables", Aucune, "", false, true},

    {"aide", "", "&Aide", "&Help", ""},
    {"som", "aide", "Sommaire", "Contents", "F1"},
    {"apropos", "aide", "à-propos", "About", ""},
};

}  // namespace

void CreerMenus(ModeleFenetre& f) {
  for (const DefinitionMenu& d : Menus) {
    ElementMenu m;
    m.nom = std::string(d.nom);
    m.parent = d.parent.empty() ? -1 : f.ChercherMenu(d.parent);
    m.legende = std::string(d.francais);
    m.touche = std::string(d.touche);
    m.disponible = d.disponible;
    m.coche = d.coche;
    f.AjouterMenu(std::move(m));
  }
}

void LegenderMenus(ModeleFenetre& f, int16_t langue) {
  if (langue != LangueFrancais && langue != LangueAnglais) return;
  for (const DefinitionMenu& d : Menus) {
    const int id = f.ChercherMenu(d.nom);
    if (id < 0) continue;
    f.Menu(id).legende = std::string(langue == LangueAnglais ? d.anglais.value_or(d.francais) : d.francais);
  }
}
