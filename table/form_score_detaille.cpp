#include "table/form_score_detaille.h"

#include <string>

#include "game/score.h"
#include "table/controles.h"
#include "table/textes.h"

namespace {
// Every panel of the sheet is one row high; the places come from the sheet's design.
constexpr float Hauteur = 465;
constexpr float LargeurValeur = 1035;
constexpr float LargeurSigne = 510;

Controle Panneau(std::string nom, int parent, float gauche, float haut, float largeur, std::string_view texte,
                 int16_t biseau = BiseauRelief) {
  Controle c;
  c.nom = std::move(nom);
  c.parent = parent;
  c.gauche = gauche;
  c.haut = haut;
  c.largeur = largeur;
  c.hauteur = Hauteur;
  c.legende = texte;
  c.biseau = biseau;
  return c;
}
// A value: filled in from the deal, or a fixed bonus.
Controle Valeur(std::string nom, int parent, float gauche, float haut, std::string_view texte = "",
                float largeur = LargeurValeur) {
  Controle c = Panneau(std::move(nom), parent, gauche, haut, largeur, texte, BiseauCreux);
  c.gras = true;
  return c;
}
// An operator: "-", "=", "x" ...
Controle Signe(std::string nom, int parent, float gauche, float haut, std::string_view texte,
               float largeur = LargeurSigne) {
  Controle c = Panneau(std::move(nom), parent, gauche, haut, largeur, texte, BiseauAucun);
  c.gras = true;
  return c;
}
Controle Etiquette(std::string nom, int parent, float gauche, float haut, float largeur, float hauteur,
                   std::string_view texte) {
  Controle c = Panneau(std::move(nom), parent, gauche, haut, largeur, texte);
  c.hauteur = hauteur;
  return c;
}

std::string Nombre(int16_t n) { return std::to_string(n); }
std::string_view PlusMoins(bool plus) { return plus ? "+" : "-"; }
}  // namespace

FormScoreDetaille::FormScoreDetaille(int16_t langue) {
  titre = "Score détaillé de la partie";
  largeur = 7980;
  hauteur = 6450;
  const auto texte = [langue](std::string_view fr, std::string_view en) { return SelonLangue(langue, fr, en); };

  feuille = Ajouter(Etiquette("PanelScoreDetaille", -1, 0, 0, 7980, 6450, ""));
  const int p = feuille;

  Ajouter(Etiquette("PanelPreneur", p, 150, 150, 1815, Hauteur, texte("Preneur", "Taker")));
  cardinalPreneur = Ajouter(Valeur("CardinalPreneur", p, 135, 675, "", 1830));

  nbBouts = Ajouter(Valeur("PanelNbBouts", p, 6495, 840, "", 1335));
  Ajouter(Etiquette("PanelDefNbBouts", p, 6495, 1365, 1335, Hauteur, texte("Nombre de bouts", "Oudlers number")));

  pointsRealises = Ajouter(Valeur("PanelPointsRealises", p, 3030, 180));
  Ajouter(Etiquette("PanelPoints", p, 4200, 180, 2055, Hauteur, texte("Points réalisés", "Points")));
  Ajouter(Signe("Panel3D3", p, 2385, 720, "-"));
  contrat = Ajouter(Valeur("PanelContrat", p, 3030, 720));
  Ajouter(Etiquette("PanelDefContrat", p, 4215, 720, 2040, Hauteur, texte("Contrat", "Contract")));
  Ajouter(Signe("Panel3D5", p, 2385, 1260, "="));
  auDessusContrat = Ajouter(Valeur("PanelAuDessusContrat", p, 3030, 1260));

  cadrePetit = Ajouter(Etiquette("PanelPetitAubout", p, 2385, 1845, 3450, 1155, ""));
  sensPrimePetit = Ajouter(Signe("PanelSensPrimePetit", cadrePetit, 45, 45, ""));
  Ajouter(Valeur("PanelPrimePetit", cadrePetit, 690, 45, "10"));
  Ajouter(Etiquette("PanelDefPrimePetit", cadrePetit, 1860, 45, 1545, 1005,
                    texte("Prime du PETIT au bout", "Bonus (Petit on last trick)")));
  Ajouter(Signe("Panel3D10", cadrePetit, 45, 585, "="));
  scoreApresPetit = Ajouter(Valeur("PanelScoreApresPetit", cadrePetit, 690, 585));

  signeGain = Ajouter(Signe("PanelSigneGain", p, 2385, 2970, ""));
  Ajouter(Valeur("Panel3D9", p, 3030, 2970, "25"));
  Ajouter(Signe("Panel3D11", p, 2385, 3510, "="));
  scoreTmp = Ajouter(Valeur("PanelScoreTmp", p, 3030, 3510));

  Ajouter(Signe("Panel3D12", p, 1170, 4065, "x"));
  coefficientEnchere = Ajouter(Valeur("PanelCoefficientEnchere", p, 1815, 4050, "", LargeurSigne));
  Ajouter(Signe("Panel3D13", p, 2385, 4050, "="));
  scoreApresEnchere = Ajouter(Valeur("PanelScoreApresEnchere", p, 3030, 4050));

  cadrePoignee = Ajouter(Etiquette("PanelPoignee", p, 270, 4635, 3975, 1140, ""));
  Ajouter(Etiquette("PanelDefPrimePoignee", cadrePoignee, 45, 45, 2055, 1005,
                    texte("Prime de POIGNEE", "Bonus (POIGNEE)")));
  sensPoignee = Ajouter(Signe("PanelSensPoignee", cadrePoignee, 2145, 45, ""));
  valeurPoignee = Ajouter(Valeur("PanelValeurPoignee", cadrePoignee, 2790, 45));
  Ajouter(Signe("Panel3D14", cadrePoignee, 2145, 585, "="));
  scoreApresPoignee = Ajouter(Valeur("PanelScoreApresPoignee", cadrePoignee, 2790, 585));

  Ajouter(Signe("Panel3D15", p, 1815, 5790, "x 3 =", LargeurValeur));
  scoreFinal = Ajouter(Valeur("PanelScoreFinalPreneur", p, 3000, 5790));

  ok = AjouterBouton(*this, Panneau("PanelFeuilleScore", p, 4230, 5805, LargeurValeur, "OK"), [this] {
    visible = false;
    decharge_ = true;
  });
}

void FormScoreDetaille::Remplir(const Partie& g) {
  const DetailScore d = DetaillerScoreDonne(g);
  if (const auto nom = NomSiege(g.Langue, g.Preneur)) (*this)[cardinalPreneur].legende = *nom;
  (*this)[nbBouts].legende = Nombre(g.BoutsPreneur);
  (*this)[contrat].legende = Nombre(g.PointsAFaire);
  (*this)[pointsRealises].legende = Nombre(d.PointsRealises);
  (*this)[auDessusContrat].legende = Nombre(d.Difference);

  const bool petit = g.PetitAuBout == 1 || g.PetitAuBout == 2;
  (*this)[cadrePetit].visible = petit;
  if (petit) {
    (*this)[sensPrimePetit].legende = PlusMoins(g.PetitAuBout == 1);
    (*this)[scoreApresPetit].legende = Nombre(d.ApresPetit);
  }

  (*this)[signeGain].legende = PlusMoins(d.Reussi);
  (*this)[scoreTmp].legende = Nombre(d.ApresPrime);
  (*this)[coefficientEnchere].legende = Nombre(d.Multiplicateur);
  (*this)[scoreApresEnchere].legende = Nombre(d.ApresContrat);

  (*this)[cadrePoignee].visible = d.PrimePoignee != 0;
  if (d.PrimePoignee != 0) {
    (*this)[valeurPoignee].legende = Nombre(d.PrimePoignee);
    (*this)[sensPoignee].legende = PlusMoins(d.Reussi);
    (*this)[scoreApresPoignee].legende = Nombre(d.ApresPoignee);
  }
  (*this)[scoreFinal].legende = Nombre(d.Score);
}
