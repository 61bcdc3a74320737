#include "table/textes.h"

#include <array>

#include "game/partie.h"
#include "game/pli.h"
#include "table/menus.h"
#include "table/modele.h"

namespace {

using Mots4 = std::array<std::string_view, 4>;
using Mots5 = std::array<std::string_view, 5>;

struct Langage {
  Mots4 sieges, niveaux;
  Mots5 ordinateur, humain, conseil;  // by bid 0..4
  std::string_view prefixeConseil, titreLogiciel, finFenetre, finAPropos, notice, echec;
};

constexpr Langage Francais{
    {"SUD", "EST", "NORD", "OUEST"},
    {"Débutant", "Amateur", "Bon", "Pro"},
    {"Passe", "PRISE ", "GARDE", "GARDE SANS", "GARDE CONTRE"},
    {"Passe", "PRISE", "GARDE", "GARDE SANS", "GARDE CONTRE"},
    {"Passe", "Prise", "Garde", "Garde sans", "Garde contre"},
    "Conseil : ",
    "Mirvane pour Windows 95",
    " pour Windows 95",
    " pour Windows",
    "Mirvane, le tarot à quatre joueurs : vous contre trois joueurs de l'ordinateur.\n"
    "Écrit par les développeurs de Mirvane.",
    "Les options et les scores n'ont pas pu être enregistrés dans le fichier ",
};

constexpr Langage Anglais{
    {"SOUTH", "EAST", "NORTH", "WEST"},
    {"Beginner", "Medium", "Advanced", "Pro"},
    {"Pass", "TAKE ", "GUARD", "GUARD WITHOUT", "GUARD AGAINST"},
    {"Pass", "TAKE", "GUARD", "GUARD WITHOUT", "GUARD AGAINST"},
    {"Pass", "Take", "Guard", "Guard without", "Guard against"},
    "Advice : ",
    "Mirvane for Windows 95",
    " for Windows",
    " for Windows",
    "Mirvane, French tarot for four players: you against three computer players.\n"
    "Written by the Mirvane developers.",
    "The options and scores could not be saved to the file ",
};

const Langage* De(int16_t langue) {
  if (langue == LangueFrancais) return &Francais;
  if (langue == LangueAnglais) return &Anglais;
  return nullptr;
}

template <size_t N>
std::optional<std::string_view> Mot(const std::array<std::string_view, N>& mots, int i, int premier) {
  if (i < premier || i >= premier + static_cast<int>(N)) return std::nullopt;
  return mots[static_cast<size_t>(i - premier)];
}

// A fixed caption of a control; no English one when the English pass leaves it as it is.
struct LegendeFixe {
  std::string_view controle;
  std::string_view francais;
  std::optional<std::string_view> anglais;
};

constexpr LegendeFixe Fixes[] = {
    {"info", "", ""},
    {"PanelLancement", "Cliquez ici pour commencer à jouer !", "Click here to start playing !"},
    {"PanelVoirPlis", "VOIR LES 18 PLIS", "SEE THE 18 TRICKS"},
    {"PanelPoigneeSimple", "SIMPLE", "SINGLE"},
    {"PanelPoigneeDouble", "DOUBLE", "DOUBLE"},
    {"PanelPoigneeTriple", "TRIPLE", "TRIPLE"},
    {"PanelPoigneeAucune", "aucune", "no one"},
    {"PanelQuit", "Quitter", "Quit"},
    {"PanelNewPartie", "Nouvelle donne", "New deal"},
    {"PanelAide", "Aide", "Help"},
    {"ButtonPasse", "Passe", "Pass"},
    {"ButtonPrise", "Prise", "Take"},
    {"ButtonGarde", "Garde", "Guard"},
    {"ButtonGardeSans", "Garde sans", "Guard without"},
    {"ButtonGardeContre", "Garde contre", "Guard against"},
    {"PanelPanelNewPartie", "NOUVELLE DONNE", "New deal"},
    {"PanelRejouerDonne", "REJOUER LA DONNE", "Play this deal again"},
    {"PanelVoirMains", "VOIR LES MAINS", "See each hand"},
    // The English pass leaves it: it reads "SCORES" in both.
    {"PanelScoreDetaille", "SCORES", std::nullopt},
    {"PanelConfirmeEcart", "Accepter cet écart !", "Confirm discard !"},
};

// The caption in a language, none when that language leaves it.
std::optional<std::string_view> LegendeFixeDe(const LegendeFixe& l, int16_t langue) {
  if (langue == LangueFrancais) return l.francais;
  if (langue == LangueAnglais) return l.anglais;
  return std::nullopt;
}

struct Survol {
  std::string_view controle, francais, anglais;
};
constexpr Survol Survols[] = {
    {"nBoutsDefense", "Ce panneau indique le nombre de bouts joués par la Défense",
     "This panel indicates the number of oudlers played by the Defense"},
    {"nBoutsPreneur", "Ce panneau indique le nombre de bouts joués par le Preneur",
     "This panel indicates the number of oudlers played by the Taker"},
    {"nContrat", "Ce panneau indique le nombre de points (contrat) que le Preneur doit faire",
     "This panel indicates the number of points (contract) the Taker has to make"},
    {"nEnchere", "Ce panneau indique l'enchère du Preneur", "This panel indicates the bid of the Taker"},
    {"nPointsAttaque", "Ce panneau indique le score du Preneur", "This panel indicates the score of the Taker"},
    {"nPointsDefense", "Ce panneau indique le score de la Défense", "This panel indicates the score of the Defense"},
    {"PanelAtExt", "Ce panneau indique le nombre d'atouts restant en dehors de votre propre main",
     "This panel indicates the number of trumps left outside your hand"},
    {"PanelDonneur", "Ce panneau indique le Donneur", "This panel indicates the Dealer"},
    {"PanelPreneur", "Ce panneau indique le Preneur", "This panel indicates the Taker"},
    {"PanelEnchere", "Alors, vous la faites votre enchère ???", "So what about your bid ???"},
    {"CarteTable", "Sachez que vous êtes toujours situé en SUD.", "Your hand is South"},
    {"PanelGauche", "", ""},
    {"PanelDroite", "", ""},
};

void Legender(ModeleFenetre& f, std::string_view controle, int16_t index, std::optional<std::string_view> texte) {
  const int id = f.Chercher(controle, index);
  if (id >= 0 && texte) f[id].legende = std::string(*texte);
}

std::optional<std::string> Suivi(std::optional<std::string_view> debut, std::string_view milieu,
                                 std::optional<std::string_view> fin) {
  if (!debut || !fin) return std::nullopt;
  return std::string(*debut) + std::string(milieu) + std::string(*fin);
}

}  // namespace

std::optional<std::string_view> NomSiege(int16_t langue, int16_t siege) {
  const Langage* l = De(langue);
  return l ? Mot(l->sieges, siege, 1) : std::nullopt;
}

std::optional<std::string_view> NomNiveau(int16_t langue, int16_t niveau) {
  const Langage* l = De(langue);
  return l ? Mot(l->niveaux, niveau, 1) : std::nullopt;
}

std::optional<std::string_view> MotEnchere(int16_t langue, int16_t enchere, FormeEnchere forme) {
  const Langage* l = De(langue);
  if (!l) return std::nullopt;
  switch (forme) {
    case FormeEnchere::Ordinateur:
      return Mot(l->ordinateur, enchere, 0);
    case FormeEnchere::Humain:
      return Mot(l->humain, enchere, 0);
    case FormeEnchere::Conseil:
      return Mot(l->conseil, enchere, 0);
  }
  return std::nullopt;
}

std::optional<std::string> TexteConseil(int16_t langue, int16_t enchere) {
  const Langage* l = De(langue);
  if (!l) return std::nullopt;
  return std::string(l->prefixeConseil) + std::string(Mot(l->conseil, enchere, 0).value_or(""));
}

std::optional<std::string_view> TitreLogiciel(int16_t langue) {
  const Langage* l = De(langue);
  return l ? std::optional(l->titreLogiciel) : std::nullopt;
}

std::optional<std::string> TitreFenetre(int16_t langue, std::string_view version) {
  const Langage* l = De(langue);
  return Suivi("Mirvane ", version, l ? std::optional(l->finFenetre) : std::nullopt);
}

std::optional<std::string> TitreAPropos(int16_t langue, std::string_view version) {
  const Langage* l = De(langue);
  return Suivi("Mirvane ", version, l ? std::optional(l->finAPropos) : std::nullopt);
}

std::optional<std::string> TexteAPropos(int16_t langue, std::string_view version) {
  const Langage* l = De(langue);
  if (!l) return std::nullopt;
  return std::string(l->notice) + "\nVersion " + std::string(version);
}

std::optional<std::string> TexteEchecSauvegarde(int16_t langue, std::string_view chemin) {
  const Langage* l = De(langue);
  return l ? std::optional(std::string(l->echec) + std::string(chemin)) : std::nullopt;
}

std::optional<std::string_view> TexteSurvol(int16_t langue, std::string_view controle) {
  for (const Survol& s : Survols)
    if (s.controle == controle) {
      if (langue == LangueFrancais) return s.francais;
      if (langue == LangueAnglais) return s.anglais;
    }
  return std::nullopt;
}

void AppliquerLangue(ModeleFenetre& f, const Partie& g, std::string_view version) {
  const int16_t langue = g.Langue;
  if (!De(langue)) return;
  for (const LegendeFixe& l : Fixes) Legender(f, l.controle, -1, LegendeFixeDe(l, langue));

  // The deal under way, once one has been dealt.
  const bool donne = g.NumeroDonne > 0;
  if (donne) Legender(f, "PanelDonneur", -1, NomSiege(langue, g.Donneur));
  const int16_t contrat = ContratPreneur(g);
  if (contrat >= EncherePrise) Legender(f, "nEnchere", -1, MotEnchere(langue, contrat, FormeEnchere::Humain));
  for (int16_t siege = 1; siege <= 4; ++siege)
    Legender(f, "PanelDecision", siege, MotEnchere(langue, g.EnchereJoueur[siege], FormeEnchere::Ordinateur));
  if (g.Preneur != 0) Legender(f, "PanelPreneur", -1, NomSiege(langue, g.Preneur));

  if (const auto titre = TitreFenetre(langue, version)) f.titre = *titre;
  LegenderMenus(f, langue);

  if (donne && g.JoueurHumain >= 1 && g.JoueurHumain <= 4) {
    const auto conseil = TexteConseil(langue, g.EnchereJoueur[g.JoueurHumain]);
    Legender(f, "EvMaMain", -1, *conseil);
  }
}

void AssocierSurvols(ModeleFenetre& f, const Partie& g) {
  const int info = f.Chercher("info");
  if (info < 0) return;
  for (size_t id = 0; id < f.Controles().size(); ++id) {
    std::string nom = f.Controles()[id].nom;
    if (!TexteSurvol(LangueFrancais, nom)) continue;
    f.Associer(static_cast<int>(id), Evenement::Survol, [&f, &g, info, nom = std::move(nom)](int16_t) {
      if (const auto texte = TexteSurvol(g.Langue, nom)) f[info].legende = std::string(*texte);
    });
  }
}
