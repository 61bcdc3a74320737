#include "table/form_score_detaille.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/donne_jouee.h"
#include "support/regles_jeu.h"
#include "table/annexes.h"

namespace {

// Rows given as "name text; name text; ...".
void VerifierLignes(const FormScoreDetaille& f, const std::string& lignes) {
  std::istringstream flux(lignes);
  std::string ligne;
  while (std::getline(flux, ligne, ';')) {
    const size_t debut = ligne.find_first_not_of(' '), blanc = ligne.find(' ', debut);
    const std::string nom = ligne.substr(debut, blanc - debut), texte = ligne.substr(blanc + 1);
    const int id = f.Chercher(nom);
    ASSERT_GE(id, 0) << nom;
    EXPECT_EQ(f[id].legende, texte) << nom;
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

// The worked Garde written out row by row, each row at its place on the sheet.
TEST(FormScoreDetaille, TheWorkedGardeIsWrittenOutRowByRowAtItsPlaces) {
  Partie g;
  Finir(g, 2, EnchereGarde, 88, 2, 2, 1);
  FormScoreDetaille f(g.Langue);
  f.Remplir(g);
  VerifierLignes(f, "CardinalPreneur EST; PanelNbBouts 2; PanelPointsRealises 44; Panel3D3 -; PanelContrat 41; "
                    "Panel3D5 =; PanelAuDessusContrat 3; PanelSensPrimePetit -; PanelPrimePetit 10; "
                    "PanelScoreApresPetit -7; PanelSigneGain +; Panel3D9 25; PanelScoreTmp 18; Panel3D12 x; "
                    "PanelCoefficientEnchere 2; PanelScoreApresEnchere 36; PanelSensPoignee +; PanelValeurPoignee 20; "
                    "PanelScoreApresPoignee 56; Panel3D15 x 3 =; PanelScoreFinalPreneur 168; PanelFeuilleScore OK; "
                    "PanelPreneur Preneur; PanelDefNbBouts Nombre de bouts; PanelPoints Points réalisés; "
                    "PanelDefContrat Contrat; PanelDefPrimePetit Prime du PETIT au bout; "
                    "PanelDefPrimePoignee Prime de POIGNEE");
  EXPECT_TRUE(f[f.cadrePetit].visible);
  EXPECT_TRUE(f[f.cadrePoignee].visible);
  EXPECT_EQ(f.titre, "Score détaillé de la partie");
  // Left and top; inside the two frames, from the frame.
  std::istringstream places(
      "PanelPreneur 150 150 CardinalPreneur 135 675 PanelNbBouts 6495 840 PanelDefNbBouts 6495 1365 "
      "PanelPointsRealises 3030 180 PanelPoints 4200 180 PanelContrat 3030 720 PanelDefContrat 4215 720 "
      "PanelAuDessusContrat 3030 1260 PanelPetitAubout 2385 1845 PanelSensPrimePetit 45 45 PanelPrimePetit 690 45 "
      "PanelDefPrimePetit 1860 45 Panel3D10 45 585 PanelScoreApresPetit 690 585 PanelSigneGain 2385 2970 "
      "Panel3D9 3030 2970 Panel3D11 2385 3510 PanelScoreTmp 3030 3510 Panel3D12 1170 4065 "
      "PanelCoefficientEnchere 1815 4050 Panel3D13 2385 4050 PanelScoreApresEnchere 3030 4050 PanelPoignee 270 4635 "
      "PanelDefPrimePoignee 45 45 PanelSensPoignee 2145 45 PanelValeurPoignee 2790 45 Panel3D14 2145 585 "
      "PanelScoreApresPoignee 2790 585 Panel3D15 1815 5790 PanelScoreFinalPreneur 3000 5790");
  std::string nom;
  float gauche, haut;
  while (places >> nom >> gauche >> haut) {
    const Controle& c = f[f.Chercher(nom)];
    EXPECT_EQ((std::array{c.gauche, c.haut}), (std::array{gauche, haut})) << nom;
  }
  EXPECT_EQ((std::array{f[f.cadrePoignee].largeur, f[f.cadrePoignee].hauteur}), (std::array<float, 2>{3975, 1140}));
}

// A failed Garde contre in English, the taker's Petit at the end, a triple handful; 91 half
// points make 46 (the half to the even integer), 5 short of 51. Then neither frame.
TEST(FormScoreDetaille, AFailedContractInEnglishAndTheFrames) {
  Partie g;
  g.Langue = 2;
  Finir(g, 4, EnchereGardeContre, 91, 1, 1, 3);
  FormScoreDetaille f(g.Langue);
  f.Remplir(g);
  VerifierLignes(f, "CardinalPreneur WEST; PanelPointsRealises 46; PanelAuDessusContrat -5; PanelSensPrimePetit +; "
                    "PanelScoreApresPetit 5; PanelSigneGain -; PanelScoreTmp -20; PanelCoefficientEnchere 6; "
                    "PanelScoreApresEnchere -120; PanelSensPoignee -; PanelValeurPoignee 40; "
                    "PanelScoreApresPoignee -160; PanelScoreFinalPreneur -480; PanelPreneur Taker; "
                    "PanelDefNbBouts Oudlers number; PanelPoints Points; PanelDefContrat Contract; "
                    "PanelDefPrimePetit Bonus (Petit on last trick); PanelDefPrimePoignee Bonus (POIGNEE)");
  EXPECT_EQ(f.titre, "Score détaillé de la partie");
  g.Langue = 1;
  Finir(g, 1, EncherePrise, 111, 0, 0, 0);
  f.Remplir(g);
  EXPECT_FALSE(f[f.cadrePetit].visible || f[f.cadrePoignee].visible);
  VerifierLignes(f, "CardinalPreneur SUD; PanelPointsRealises 56; PanelAuDessusContrat 0; PanelSigneGain +; "
                    "PanelScoreTmp 25; PanelCoefficientEnchere 1; PanelScoreFinalPreneur 75");
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
    const int attendu = regles::Score(g.DemiPointsPreneur, g.BoutsPreneur, g.PetitAuBout, contrat, g.PoigneeAnnoncee);
    ASSERT_EQ(f[f.scoreFinal].legende, std::to_string(attendu)) << "deal " << n;
    ASSERT_EQ(f[f.cadrePetit].visible, g.PetitAuBout != 0) << "deal " << n;
  }
}

// Opened from the result panel: refilled at every click, unloaded by OK and by a new deal,
// created afresh in the language of that moment.
TEST(FormScoreDetaille, OkAndANewDealUnloadTheSheet) {
  Partie g;
  Finir(g, 3, EnchereGarde, 88, 2, 2, 1);
  FenetresAnnexes annexes;
  annexes.PanelScoreDetaille_Click(g);
  FormScoreDetaille* f = annexes.ScoreDetaille();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->visible);
  g.PoigneeAnnoncee = 0;
  annexes.PanelScoreDetaille_Click(g);
  EXPECT_EQ(annexes.ScoreDetaille(), f);
  EXPECT_EQ((*f)[f->scoreFinal].legende, "108");
  f->Envoyer(f->ok, Evenement::Bas);
  EXPECT_EQ((*f)[f->ok].biseau, BiseauCreux);
  f->Envoyer(f->ok, Evenement::Haut);
  EXPECT_EQ((*f)[f->ok].biseau, BiseauRelief);
  f->Envoyer(f->ok, Evenement::Clic);
  EXPECT_EQ(annexes.ScoreDetaille(), nullptr);
  g.Langue = 2;
  annexes.PanelScoreDetaille_Click(g);
  ASSERT_NE(f = annexes.ScoreDetaille(), nullptr);
  EXPECT_EQ((*f)[f->cardinalPreneur].legende, "NORTH");
  annexes.DechargerALaNouvelleDonne();
  EXPECT_EQ(annexes.ScoreDetaille(), nullptr);
}

}  // namespace
