#include "table/options.h"

#include <array>
#include <cctype>
#include <charconv>
#include <string>

#include "platform/plateforme.h"
#include "table/modele.h"
#include "table/textes.h"

namespace {

// A whole decimal number with an optional sign that fits T.
template <class T>
std::optional<T> Nombre(std::string_view texte) {
  // from_chars takes a minus sign but no plus.
  if (!texte.empty() && texte.front() == '+') {
    texte.remove_prefix(1);
    if (!texte.empty() && texte.front() == '-') return std::nullopt;
  }
  T v{};
  const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), v);
  if (erreur != std::errc{} || fin != texte.data() + texte.size()) return std::nullopt;
  return v;
}

// A decimal number, sign, fraction and exponent allowed ("-1.5", ".5", "2e10"), however large:
// whether it is one, and whether it is zero.
std::optional<bool> NombreDecimalNul(std::string_view texte) {
  size_t i = 0;
  auto chiffres = [&](bool& nul) {
    const size_t debut = i;
    for (; i < texte.size() && std::isdigit(static_cast<unsigned char>(texte[i])); ++i)
      if (texte[i] != '0') nul = false;
    return i - debut;
  };
  if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) ++i;
  bool nul = true;
  size_t n = chiffres(nul);
  if (i < texte.size() && texte[i] == '.') {
    ++i;
    n += chiffres(nul);
  }
  if (n == 0) return std::nullopt;
  if (i < texte.size() && (texte[i] == 'e' || texte[i] == 'E')) {
    ++i;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-')) ++i;
    bool exposantNul = true;
    if (chiffres(exposantNul) == 0) return std::nullopt;
  }
  if (i != texte.size()) return std::nullopt;
  return nul;
}

bool EgalSansCasse(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
  return true;
}

constexpr std::string_view CleDeja = "deja";
constexpr std::array<std::string_view, 4> ClesScores = {"score1", "score2", "score3", "score4"};

// The stored options in their order, with the variable each one lives in.
enum class Genre { Entier, Booleen };
struct Cle {
  std::string_view nom;
  Genre genre;
  int16_t Options::*option;  // null: a variable of the game
  int16_t EtatOptions::*jeu;
};
constexpr Cle ClesAvantScores[] = {
    {"niveau", Genre::Entier, nullptr, &EtatOptions::Niveau},
    {"vitesseJeuCarte", Genre::Entier, &Options::VitesseJeuCarte, nullptr},
    {"attenteEntrePli", Genre::Entier, &Options::AttenteEntrePli, nullptr},
    {"forceMain", Genre::Entier, nullptr, &EtatOptions::ForceMain},
    {"visConseilEnchere", Genre::Booleen, &Options::VisConseilEnchere, nullptr},
    {"visPointsPartie", Genre::Booleen, &Options::VisPointsPartie, nullptr},
    {"visAtoutsDehors", Genre::Booleen, &Options::VisAtoutsDehors, nullptr},
    {"visPanneaux", Genre::Booleen, &Options::VisPanneaux, nullptr},
    {"auMoinsUnePrise", Genre::Booleen, &Options::AuMoinsUnePrise, nullptr},
};
constexpr Cle CleSon = {"son", Genre::Booleen, &Options::Son, nullptr};

int16_t& Variable(const Cle& c, Options& o, Partie& g) {
  return c.option ? o.*(c.option) : static_cast<EtatOptions&>(g).*(c.jeu);
}
int16_t Valeur(const Cle& c, const Options& o, const Partie& g) {
  return c.option ? o.*(c.option) : static_cast<const EtatOptions&>(g).*(c.jeu);
}

std::string Lire(Reglages& r, std::string_view cle) { return r.Lire(ApplicationMirvane, SectionOptions, cle, "0"); }

void LireCle(Reglages& r, const Cle& c, Options& o, Partie& g) {
  const std::string t = Lire(r, c.nom);
  Variable(c, o, g) = c.genre == Genre::Entier ? LireEntier16(t) : LireBooleen(t);
}
void AjouterCle(ValeursReglages& valeurs, const Cle& c, const Options& o, const Partie& g) {
  const int16_t v = Valeur(c, o, g);
  valeurs.emplace_back(c.nom, c.genre == Genre::Entier ? std::to_string(v) : std::string(TexteBooleen(v)));
}

// Menu items chosen by a value: the item of value `premier` + i is items[i].
template <size_t N>
void Cocher(EffetsOptions& e, const std::array<std::string_view, N>& items, int premier, int16_t valeur) {
  for (size_t i = 0; i < N; ++i) e.coches.emplace_back(items[i], valeur == premier + static_cast<int>(i));
}

constexpr std::array<std::string_view, 6> ItemsMain = {"jeudef",     "jeunormal",      "jeudeprise",
                                                       "jeudegarde", "jeudegardesans", "jeudegardecontre"};
constexpr std::array<std::string_view, 4> ItemsNiveau = {"MenuDebutant", "MenuAmateur", "MenuBon", "MenuPro"};
constexpr std::array<std::string_view, 5> ItemsVitesse = {"ultralente", "lente", "normale", "rapide", "ultrarapide"};
constexpr std::array<std::string_view, 4> ItemsAttente = {"clickobli", "auto1s", "auto2s", "auto5s"};
constexpr std::array<int, 5> IntervalleParVitesse = {1000, 400, 200, 100, 10};
constexpr std::array<int, 3> IntervalleParAttente = {1000, 2000, 5000};
constexpr std::array<std::string_view, 5> PanneauxPoints = {"nPointsAttaque", "nBoutsPreneur", "nContrat",
                                                            "nPointsDefense", "nBoutsDefense"};

// The option items and what they do to their variable.
struct ItemOption {
  std::string_view menu;
  int16_t Options::*option;  // null: the kind of hand, in the game
  int16_t valeur;            // ignored by a toggle
  bool bascule;
};
constexpr ItemOption ItemsOptions[] = {
    {"jeudef", nullptr, 1, false},
    {"jeunormal", nullptr, 2, false},
    {"jeudeprise", nullptr, 3, false},
    {"jeudegarde", nullptr, 4, false},
    {"jeudegardesans", nullptr, 5, false},
    {"jeudegardecontre", nullptr, 6, false},
    {"voirench", &Options::VisConseilEnchere, 0, true},
    {"voircours", &Options::VisPointsPartie, 0, true},
    {"voiratext", &Options::VisAtoutsDehors, 0, true},
    {"vispanel", &Options::VisPanneaux, 0, true},
    {"MenuMainQuelconqueMinPrise", &Options::AuMoinsUnePrise, 0, true},
    {"ultrarapide", &Options::VitesseJeuCarte, 5, false},
    {"rapide", &Options::VitesseJeuCarte, 4, false},
    {"normale", &Options::VitesseJeuCarte, 3, false},
    {"lente", &Options::VitesseJeuCarte, 2, false},
    {"ultralente", &Options::VitesseJeuCarte, 1, false},
    {"auto5s", &Options::AttenteEntrePli, 3, false},
    {"auto2s", &Options::AttenteEntrePli, 2, false},
    {"auto1s", &Options::AttenteEntrePli, 1, false},
    {"clickobli", &Options::AttenteEntrePli, 0, false},
};

const ItemOption* ItemDe(std::string_view menu) {
  for (const ItemOption& it : ItemsOptions)
    if (it.menu == menu) return &it;
  return nullptr;
}

}  // namespace

int16_t LireEntier16(std::string_view texte) { return Nombre<int16_t>(texte).value_or(0); }
int32_t LireEntier32(std::string_view texte) { return Nombre<int32_t>(texte).value_or(0); }

int16_t LireBooleen(std::string_view texte) {
  if (EgalSansCasse(texte, "true")) return OptionVrai;
  if (EgalSansCasse(texte, "false")) return OptionFaux;
  // Any other number is true, whatever its size or fraction; what is not a number is false.
  return NombreDecimalNul(texte).value_or(true) ? OptionFaux : OptionVrai;
}

std::string_view TexteBooleen(int16_t valeur) { return valeur != 0 ? "true" : "false"; }

void DefinirOptionsParDefaut(Options& o, Partie& g) {
  g.AuMoinsUnePriseActif = 0;  // derived: set again by the next applying
  o.AuMoinsUnePrise = OptionFaux;
  o.AttenteEntrePli = 2;
  g.ForceMain = 2;
  g.Niveau = NiveauPro;
  o.VitesseJeuCarte = 3;
  o.VisConseilEnchere = o.VisPointsPartie = o.VisAtoutsDehors = o.VisPanneaux = OptionVrai;
  g.ScoreTotal.Remplir(0);
  o.Son = OptionVrai;
}

bool SauverOptions(const Options& o, const Partie& g, Reglages& r) {
  // The whole set in one write of the store.
  ValeursReglages valeurs;
  for (const Cle& c : ClesAvantScores) AjouterCle(valeurs, c, o, g);
  for (int siege = 1; siege <= 4; ++siege)
    valeurs.emplace_back(ClesScores[static_cast<size_t>(siege - 1)], std::to_string(g.ScoreTotal[siege]));
  AjouterCle(valeurs, CleSon, o, g);
  return r.EcrireTout(ApplicationMirvane, SectionOptions, valeurs);
}

bool CreerOptionsParDefaut(Options& o, Partie& g, Reglages& r) {
  DefinirOptionsParDefaut(o, g);
  return SauverOptions(o, g, r);
}

bool ChargerOptions(Options& o, Partie& g, Reglages& r) {
  if (Lire(r, CleDeja) == "0") {
    const bool sauve = CreerOptionsParDefaut(o, g, r);
    // Marked only once the defaults are in: a store that took nothing is a first run again.
    return sauve && r.Ecrire(ApplicationMirvane, SectionOptions, CleDeja, "1");
  }
  for (const Cle& c : ClesAvantScores) LireCle(r, c, o, g);
  for (int siege = 1; siege <= 4; ++siege)
    g.ScoreTotal[siege] = LireEntier32(Lire(r, ClesScores[static_cast<size_t>(siege - 1)]));
  LireCle(r, CleSon, o, g);
  return true;
}

EffetsOptions AppliquerOptions(const Options& o, Partie& g) {
  EffetsOptions e;
  Cocher(e, ItemsMain, 1, g.ForceMain);

  Cocher(e, ItemsNiveau, 1, g.Niveau);
  AppliquerNiveau(g, g.Niveau);
  if (g.Niveau >= 1 && g.Niveau <= 4) e.legendeNiveau = NomNiveau(g.Langue, g.Niveau);

  e.coches.emplace_back("MenuMainQuelconqueMinPrise", o.AuMoinsUnePrise != 0);
  g.AuMoinsUnePriseActif = o.AuMoinsUnePrise != 0 ? 1 : 0;

  e.coches.emplace_back("voirench", o.VisConseilEnchere != 0);
  e.visibilites.emplace_back("EvMaMain", o.VisConseilEnchere != 0);
  e.coches.emplace_back("voircours", o.VisPointsPartie != 0);
  for (std::string_view p : PanneauxPoints) e.visibilites.emplace_back(p, o.VisPointsPartie != 0);
  e.coches.emplace_back("voiratext", o.VisAtoutsDehors != 0);
  e.visibilites.emplace_back("PanelAtExt", o.VisAtoutsDehors != 0);
  e.coches.emplace_back("vispanel", o.VisPanneaux != 0);
  e.visibilites.emplace_back("PanelGauche", o.VisPanneaux != 0);
  e.visibilites.emplace_back("PanelDroite", o.VisPanneaux != 0);

  Cocher(e, ItemsVitesse, 1, o.VitesseJeuCarte);
  if (o.VitesseJeuCarte >= 1 && o.VitesseJeuCarte <= 5)
    e.intervalleEntreCarte = IntervalleParVitesse[static_cast<size_t>(o.VitesseJeuCarte - 1)];

  Cocher(e, ItemsAttente, 0, o.AttenteEntrePli);
  g.AttenteAuto = o.AttenteEntrePli == 0 ? 0 : 1;
  if (o.AttenteEntrePli >= 1 && o.AttenteEntrePli <= 3)
    e.intervalleTransition = IntervalleParAttente[static_cast<size_t>(o.AttenteEntrePli - 1)];
  return e;
}

void PorterEffets(const EffetsOptions& e, ModeleFenetre& f, Minuterie& entreCarte, Minuterie& transition) {
  for (const auto& [menu, coche] : e.coches)
    if (const int id = f.ChercherMenu(menu); id >= 0) f.Menu(id).coche = coche;
  for (const auto& [panneau, visible] : e.visibilites)
    if (const int id = f.Chercher(panneau); id >= 0) f[id].visible = visible;
  if (e.legendeNiveau)
    if (const int id = f.Chercher("PanelNiveau"); id >= 0) f[id].legende = std::string(*e.legendeNiveau);
  if (e.intervalleEntreCarte) entreCarte.DefinirIntervalle(*e.intervalleEntreCarte);
  if (e.intervalleTransition) transition.DefinirIntervalle(*e.intervalleTransition);
}

bool NiveauModifiable(const Partie& g) { return g.NumeroPli == 0 || g.NumeroPli == 19; }

int16_t NiveauDuMenu(std::string_view menu) {
  for (size_t i = 0; i < ItemsNiveau.size(); ++i)
    if (ItemsNiveau[i] == menu) return static_cast<int16_t>(i + 1);
  return 0;
}

bool ModifierOption(std::string_view menu, Options& o, Partie& g) {
  const ItemOption* it = ItemDe(menu);
  if (!it) return false;
  int16_t& v = it->option ? o.*(it->option) : g.ForceMain;
  v = it->bascule ? (v != 0 ? OptionFaux : OptionVrai) : it->valeur;
  return true;
}

void OptionsTable::ChargerOptions() {
  Signaler(::ChargerOptions(o, g_, r_));
  AppliquerOptions();
}

void OptionsTable::CreerOptionsParDefaut() { Signaler(::CreerOptionsParDefaut(o, g_, r_)); }

void OptionsTable::SauverOptions() { Signaler(::SauverOptions(o, g_, r_)); }

void OptionsTable::AppliquerOptions() { PorterEffets(::AppliquerOptions(o, g_), f_, entreCarte_, transition_); }

void OptionsTable::ChangerNiveau(int16_t niveau) {
  if (!NiveauModifiable(g_)) {
    p_.Message(TexteNiveauRefuse, "", BoutonsMessage::Ok);
    return;
  }
  g_.Niveau = niveau;
  AppliquerOptions();
  SauverOptions();
}

void OptionsTable::ChoisirOption(std::string_view menu) {
  if (const int16_t niveau = NiveauDuMenu(menu)) {
    ChangerNiveau(niveau);
    return;
  }
  if (!ModifierOption(menu, o, g_)) return;
  AppliquerOptions();
  SauverOptions();
}

void OptionsTable::AssocierMenus() {
  for (size_t id = 0; id < f_.Menus().size(); ++id) {
    std::string nom = f_.Menus()[id].nom;
    if (nom == "rehauss") {
      f_.AssocierMenu(static_cast<int>(id), [] {});
    } else if (NiveauDuMenu(nom) != 0 || ItemDe(nom)) {
      f_.AssocierMenu(static_cast<int>(id), [this, nom = std::move(nom)] { ChoisirOption(nom); });
    }
  }
}

void OptionsTable::Signaler(bool ecrit) {
  if (ecrit || echecSignale_) return;
  const auto texte = TexteEchecSauvegarde(g_.Langue, r_.Chemin(ApplicationMirvane));
  const auto titre = TitreLogiciel(g_.Langue);
  if (!texte || !titre) return;
  echecSignale_ = true;
  p_.Message(*texte, *titre, BoutonsMessage::Ok);
}
