#include "table/form_score_detaille.h"

#include <gtest/gtest.h>

#include "support/donne_jouee.h"
#include "support/regles_jeu.h"
#include "table/annexes.h"

namespace {

struct Ligne {
  const char* nom;
  const char* texte;
};

void VerifierLignes(const FormScoreDetaille& f, std::initializer_list<Ligne> lignes) {
  for (const Ligne& l : lignes) {
    const int id = f.Chercher(l.nom);
    ASSERT_GE(id, 0) << l.nom;
    EXPECT_EQ(f[id].legende, l.texte) << l.nom;
  }
}

// A finished deal as the counting leaves it.
void Finir(Partie& g, int16_t preneur, int16_t contrat, int16_t demiPoints, int16_t bouts, int16_t petit,
           int16_t poignee) {
  DonnerContrat(g, preneur, contrat);
  g.DemiPointsPreneur = demiPoints;
  g.DemiPointsDefense = static_cast<int16_t>(182 - demiPoints);
  g.BoutsPreneur = bouts;
  g.BoutsDefense = static_cast<int16_t>(3 - bouts);
  g.PointsAFaire = static_cast<int16_t>(regles::PointsAFaire(bouts));
  g.PetitAuBout = petit;
  g.PoigneeAnnoncee = poignee;
}

TEST(FormScoreDetaille, TheWorkedGardeIsWrittenOutRowByRow) {
  Partie g;
  Finir(g, 2, EnchereGarde, 88, 2, 2, 1);
  FormScoreDetaille f(g.Langue);
  f.Remplir(g);
  VerifierLignes(f, {{"CardinalPreneur", "EST"}, {"PanelNbBouts", "2"}, {"PanelPointsRealises", "44"},
                     {"Panel3D3", "-"}, {"PanelContrat", "41"}, {"Panel3D5", "="}, {"PanelAuDessusContrat", "3"},
                     {"PanelSensPrimePetit", "-"}, {"PanelPrimePetit", "10"}, {"PanelScoreApresPetit", "-7"},
                     {"PanelSigneGain", "+"}, {"Panel3D9", "25"}, {"PanelScoreTmp", "18"},
                     {"Panel3D12", "x"}, {"PanelCoefficientEnchere", "2"}, {"PanelScoreApresEnchere", "36"},
                     {"PanelSensPoignee", "+"}, {"PanelValeurPoignee", "20"}, {"PanelScoreApresPoignee", "56"},
                     {"Panel3D15", "x 3 ="}, {"PanelScoreFinalPreneur", "168"}, {"PanelFeuilleScore", "OK"},
                     {"PanelPreneur", "Preneur"}, {"PanelDefPrimePetit", "Prime du PETIT au bout"}});
  EXPECT_TRUE(f[f.cadrePetit].visible);
  EXPECT_TRUE(f[f.cadrePoignee].visible);
  EXPECT_EQ(f.titre, "Score détaillé de la partie");
}

TEST(FormScoreDetaille, FailedContractsFramesAndLanguages) {
  Partie g;
  g.Langue = 2;
  // A failed Garde contre, the taker's Petit at the end, a triple handful; 91 half points
  // make 46 (the half goes to the even integer), 5 short of 51.
  Finir(g, 4, EnchereGardeContre, 91, 1, 1, 3);
  FormScoreDetaille f(g.Langue);
  f.Remplir(g);
  VerifierLignes(f, {{"CardinalPreneur", "WEST"}, {"PanelPointsRealises", "46"}, {"PanelAuDessusContrat", "-5"},
                     {"PanelSensPrimePetit", "+"}, {"PanelScoreApresPetit", "5"}, {"PanelSigneGain", "-"},
                     {"PanelScoreTmp", "-20"}, {"PanelCoefficientEnchere", "6"}, {"PanelScoreApresEnchere", "-120"},
                     {"PanelSensPoignee", "-"}, {"PanelValeurPoignee", "40"}, {"PanelScoreApresPoignee", "-160"},
                     {"PanelScoreFinalPreneur", "-480"}, {"PanelPreneur", "Taker"},
                     {"PanelDefNbBouts", "Oudlers number"}, {"PanelPoints", "Points"}, {"PanelDefContrat", "Contract"},
                     {"PanelDefPrimePetit", "Bonus (Petit on last trick)"}, {"PanelDefPrimePoignee", "Bonus (POIGNEE)"},
                     {"Panel3D9", "25"}, {"PanelFeuilleScore", "OK"}});
  EXPECT_EQ(f.titre, "Score détaillé de la partie");

  // No petit au bout, no handful: both frames hidden. 111 half points: 56 made.
  g.Langue = 1;
  Finir(g, 1, EncherePrise, 111, 0, 0, 0);
  f.Remplir(g);
  EXPECT_FALSE(f[f.cadrePetit].visible);
  EXPECT_FALSE(f[f.cadrePoignee].visible);
  VerifierLignes(f, {{"CardinalPreneur", "SUD"}, {"PanelPointsRealises", "56"}, {"PanelAuDessusContrat", "0"},
                     {"PanelSigneGain", "+"}, {"PanelScoreTmp", "25"}, {"PanelCoefficientEnchere", "1"},
                     {"PanelScoreFinalPreneur", "75"}});
}

// Over thousands of deals played to the end, every contract and handful, the sheet's last row
// is the taker's score as the rules state it.
TEST(FormScoreDetaille, TheLastRowIsTheDealsScore) {
  Partie g{Aleatoire(13)};
  FormScoreDetaille f(g.Langue);
  for (int n = 0; n < 2000; ++n) {
    const int16_t preneur = static_cast<int16_t>(1 + n % 4), contrat = static_cast<int16_t>(1 + n / 4 % 4);
    JouerDonneAuHasard(g, preneur, contrat);
    g.PoigneeAnnoncee = static_cast<int16_t>(n / 16 % 4);
    f.Remplir(g);
    const int attendu =
        regles::Score(g.DemiPointsPreneur, g.BoutsPreneur, g.PetitAuBout, contrat, g.PoigneeAnnoncee);
    ASSERT_EQ(f[f.scoreFinal].legende, std::to_string(attendu)) << "deal " << n;
    ASSERT_EQ(f[f.cadrePetit].visible, g.PetitAuBout != 0) << "deal " << n;
  }
}

// Opened from the result panel: modeless, refilled at every click, unloaded by OK and by a new
// deal.
TEST(FormScoreDetaille, OkAndANewDealUnloadTheSheet) {
  Partie g;
  Finir(g, 3, EnchereGarde, 88, 2, 2, 1);
  FenetresAnnexes annexes;
  EXPECT_EQ(annexes.ScoreDetaille(), nullptr);
  annexes.PanelScoreDetaille_Click(g);
  FormScoreDetaille* f = annexes.ScoreDetaille();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->visible);
  EXPECT_EQ((*f)[f->scoreFinal].legende, "168");

  g.PoigneeAnnoncee = 0;
  annexes.PanelScoreDetaille_Click(g);
  EXPECT_EQ(annexes.ScoreDetaille(), f);
  EXPECT_EQ((*f)[f->scoreFinal].legende, "108");

  f->Envoyer(f->ok, Evenement::Bas);
  EXPECT_EQ((*f)[f->ok].biseau, BiseauCreux);
  f->Envoyer(f->ok, Evenement::Haut);
  EXPECT_EQ((*f)[f->ok].biseau, BiseauRelief);
  f->Envoyer(f->ok, Evenement::Clic);
  EXPECT_FALSE(f->visible);
  EXPECT_EQ(annexes.ScoreDetaille(), nullptr);

  // Created afresh, in the language of that moment.
  g.Langue = 2;
  annexes.PanelScoreDetaille_Click(g);
  f = annexes.ScoreDetaille();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->visible);
  EXPECT_EQ((*f)[f->Chercher("PanelPreneur")].legende, "Taker");
  EXPECT_EQ((*f)[f->cardinalPreneur].legende, "NORTH");

  annexes.DechargerALaNouvelleDonne();
  EXPECT_EQ(annexes.ScoreDetaille(), nullptr);
}

}  // namespace
