// The windows opened from the result panel: the score sheet, the eighteen tricks and the four hands.
#include "table/annexes.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "support/cartes.h"
#include "support/donne_jouee.h"
#include "support/regles_jeu.h"
#include "table/controles.h"

namespace {

// Rows given as "name text; name text; ...".
void VerifierLignes(const FormScoreDetaille& f, const std::string& lignes) {
  std::istringstream flux(lignes);
  std::string ligne;
  while (std::getline(flux, ligne, ';')) {
    const size_t debut = ligne.find_first_not_of(' ');
    const size_t blanc = ligne.find(' ', debut);
    const std::string nom = ligne.substr(debut, blanc - debut);
    ASSERT_GE(f.Chercher(nom), 0) << nom;
    EXPECT_EQ(f[f.Chercher(nom)].legende, ligne.substr(blanc + 1)) << nom;
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

TEST(FormScoreDetaille, TheWorkedGardeIsWrittenOutRowByRowAtItsPlaces) {
  Partie g;
  Finir(g, 2, EnchereGarde, 88, 2, 2, 1);
  FormScoreDetaille f(g.Langue);
  f.Remplir(g);
  VerifierLignes(f,
                 "CardinalPreneur EST; PanelNbBouts 2; PanelPointsRealises 44; Panel3D3 -; PanelContrat 41; "
                 "Panel3D5 =; PanelAuDessusContrat 3; PanelSensPrimePetit -; PanelPrimePetit 10; "
                 "PanelScoreApresPetit -7; PanelSigneGain +; Panel3D9 25; PanelScoreTmp 18; Panel3D12 x; "
                 "PanelCoefficientEnchere 2; PanelScoreApresEnchere 36; PanelSensPoignee +; PanelValeurPoignee 20; "
                 "PanelScoreApresPoignee 56; Panel3D15 x 3 =; PanelScoreFinalPreneur 168; PanelFeuilleScore OK; "
                 "PanelPreneur Preneur; PanelDefNbBouts Nombre de bouts; PanelPoints Points réalisés; "
                 "PanelDefContrat Contrat; PanelDefPrimePetit Prime du PETIT au bout; "
                 "PanelDefPrimePoignee Prime de POIGNEE");
  EXPECT_TRUE(f[f.cadrePetit].visible);
  EXPECT_TRUE(f[f.cadrePoignee].visible);
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
  EXPECT_EQ(f[f.cadrePoignee].largeur, 3975);
  EXPECT_EQ(f[f.cadrePoignee].hauteur, 1140);
}

// A failed Garde contre in English, the taker's Petit at the end, a triple handful; 91 half
// points make 46 (the half to the even integer), 5 short of 51. Then neither frame.
TEST(FormScoreDetaille, AFailedContractInEnglishAndTheFrames) {
  Partie g;
  g.Langue = 2;
  Finir(g, 4, EnchereGardeContre, 91, 1, 1, 3);
  FormScoreDetaille f(g.Langue);
  f.Remplir(g);
  VerifierLignes(f,
                 "CardinalPreneur WEST; PanelPointsRealises 46; PanelAuDessusContrat -5; PanelSensPrimePetit +; "
                 "PanelScoreApresPetit 5; PanelSigneGain -; PanelScoreTmp -20; PanelCoefficientEnchere 6; "
                 "PanelScoreApresEnchere -120; PanelSensPoignee -; PanelValeurPoignee 40; "
                 "PanelScoreApresPoignee -160; PanelScoreFinalPreneur -480; PanelPreneur Taker; "
                 "PanelDefNbBouts Oudlers number; PanelPoints Points; PanelDefContrat Contract; "
                 "PanelDefPrimePetit Bonus (Petit on last trick); PanelDefPrimePoignee Bonus (POIGNEE)");
  EXPECT_EQ(f.titre, "Score détaillé de la partie");
  g.Langue = 1;
  Finir(g, 1, EncherePrise, 111, 0, 0, 0);
  f.Remplir(g);
  EXPECT_FALSE(f[f.cadrePetit].visible);
  EXPECT_FALSE(f[f.cadrePoignee].visible);
  VerifierLignes(f,
                 "CardinalPreneur SUD; PanelPointsRealises 56; PanelAuDessusContrat 0; PanelSigneGain +; "
                 "PanelScoreTmp 25; PanelCoefficientEnchere 1; PanelScoreFinalPreneur 75");
}

// Over every contract and handful, as the rules state the score.
TEST(FormScoreDetaille, TheLastRowIsTheDealsScore) {
  Partie g{Aleatoire(13)};
  FormScoreDetaille f(g.Langue);
  for (int n = 0; n < 2000; ++n) {
    const int16_t preneur = static_cast<int16_t>(1 + n % 4);
    const int16_t contrat = static_cast<int16_t>(1 + n / 4 % 4);
    JouerDonneAuHasard(g, preneur, contrat);
    g.PoigneeAnnoncee = static_cast<int16_t>(n / 16 % 4);
    f.Remplir(g);
    const int attendu = regles::Score(g.DemiPointsPreneur, g.BoutsPreneur, g.PetitAuBout, contrat, g.PoigneeAnnoncee);
    ASSERT_EQ(f[f.scoreFinal].legende, std::to_string(attendu)) << "deal " << n;
    ASSERT_EQ(f[f.cadrePetit].visible, g.PetitAuBout != 0) << "deal " << n;
  }
}

// The pictures shown, by number, and the tricks whose leader's card is framed.
std::set<int16_t> Montrees(const FormTousPlis& f, int16_t n = 72) {
  std::set<int16_t> vues;
  for (int16_t i = 1; i <= n; ++i)
    if (f[n == 72 ? f.ImagePli(i) : f.CadreEntame(i)].visible) vues.insert(i);
  return vues;
}
std::set<int16_t> Encadres(const FormTousPlis& f) { return Montrees(f, 18); }

// Step by step the cards come back in the order they were laid, each at its seat's side of
// its trick's cross, the leader's card framed: one frame a cross, shown with its card. The first
// step clears the full window, a step past the last changes nothing; "Effacer tout" starts the
// replay over, midway too, and "Voir tout" ends it.
TEST(FormTousPlis, TheReplayShowsTheCardsInTheOrderTheyWereLaidTheLeadersFramed) {
  Partie g{Aleatoire(5)};
  std::vector<CartePosee> posees;
  do {
    posees = JouerDonneAuHasard(g, 2, EnchereGarde);
  } while (std::set<int16_t>(g.EntameurParPli.begin(), g.EntameurParPli.end()).size() < 4);
  FormTousPlis f(g);
  const auto Cliquer = [&f](int panneau, int fois = 1) {
    for (int i = 0; i < fois; ++i) f.Envoyer(panneau, Evenement::Clic);
  };
  EXPECT_EQ(Montrees(f).size(), 72u);
  EXPECT_EQ(Encadres(f).size(), 18u);
  for (int16_t t = 1; t <= 18; ++t) {
    const Controle& cadre = f[f.CadreEntame(t)];
    const Controle& entame = f[f.ImagePli(static_cast<int16_t>((t - 1) * 4 + g.EntameurParPli[t]))];
    EXPECT_EQ((std::array{cadre.gauche, cadre.haut, cadre.largeur, cadre.hauteur}),
              (std::array{entame.gauche - Twips(1), entame.haut - Twips(1), Twips(32), Twips(52)}));
  }
  std::set<int16_t> attendues;
  std::set<int16_t> cadres;
  for (const CartePosee& p : posees) {
    Cliquer(f.panelPasAPas);
    const int16_t n = static_cast<int16_t>((p.pli - 1) * 4 + p.siege);
    attendues.insert(n);
    if (p.siege == g.EntameurParPli[p.pli]) cadres.insert(p.pli);
    ASSERT_EQ(Montrees(f), attendues) << "trick " << p.pli << " seat " << p.siege;
    ASSERT_EQ(Encadres(f), cadres);
    EXPECT_TRUE(Meme(f[f.ImagePli(n)].carte, p.carte)) << Nom(p.carte);
  }
  EXPECT_EQ(f.EtapePasAPas, 73);
  Cliquer(f.panelPasAPas);
  EXPECT_EQ(Montrees(f).size(), 72u);
  Cliquer(f.panelEffacer);
  EXPECT_TRUE(Montrees(f).empty());
  EXPECT_TRUE(Encadres(f).empty());
  EXPECT_EQ(f.EtapePasAPas, 1);
  Cliquer(f.panelPasAPas, 2);
  Cliquer(f.panelEffacer);
  Cliquer(f.panelPasAPas);
  EXPECT_EQ(Montrees(f), std::set<int16_t>{g.EntameurParPli[1]});
  Cliquer(f.panelVoir);
  EXPECT_EQ(f.EtapePasAPas, 73);
  EXPECT_EQ(Montrees(f).size(), 72u);
}

void VerifierMains(const FormMains& f, const Partie& g) {
  for (int16_t s = 1; s <= 4; ++s)
    for (int16_t k = 1; k <= 18; ++k)
      EXPECT_TRUE(Meme(f[f.PicMain(s, k)].carte, g.MainsJoueurs[s][k])) << "seat " << s << " place " << k;
  for (int16_t i = 1; i <= 6; ++i) {
    EXPECT_TRUE(Meme(f[f.PicChienAvant(i)].carte, g.ChienMontre[i])) << i;
    EXPECT_TRUE(Meme(f[f.PicChienApres(i)].carte, g.Chien[i])) << i;
  }
}

// The four hands, the chien and the discard; boxes of 32 x 52 pixels in two rows of nine,
// placed in the hand's frame.
TEST(FormMains, TheFourHandsTheChienAndTheDiscard) {
  Partie g{Aleatoire(21)};
  JouerDonneAuHasard(g, 1, EnchereGarde);
  ASSERT_NE(g.ChienMontre, g.Chien);  // the taker discarded
  FormMains f(g);
  VerifierMains(f, g);
  EXPECT_EQ(f.titre, "Les Quatre Mains et Le Chien...");
  EXPECT_EQ(f[f.panelChien].legende, "CHIEN");
  EXPECT_EQ(f[f.panelEcart].legende, "ECART");
  for (const auto& [k, gauche, haut] :
       {std::tuple<int16_t, float, float>{1, 60, 60}, {9, 4140, 60}, {10, 60, 870}, {18, 4140, 870}}) {
    const Controle& c = f[f.PicMain(3, k)];
    EXPECT_EQ((std::array{c.gauche, c.haut, c.largeur, c.hauteur}), (std::array<float, 4>{gauche, haut, 480, 780}));
    EXPECT_EQ(f[c.parent].nom, "PanelMainNord");
  }
  EXPECT_EQ(f[f.PicChienAvant(6)].gauche, 1725 + 5 * 510);
  EXPECT_EQ(f[f.PicChienApres(1)].gauche, 45);
}

// From the result panel: the score sheet is refilled at every click and unloaded by its OK;
// OK hides the tricks (the replay kept, the taker's name in the language it was drawn in) and
// the hands. A new deal unloads the three; opened again, each shows the new deal afresh in the
// language of that moment.
TEST(FenetresAnnexes, OkAndANewDeal) {
  Partie g{Aleatoire(8)};
  g.Langue = 2;
  JouerDonneAuHasard(g, 4, EnchereGardeSans);
  Finir(g, 4, EnchereGarde, 88, 2, 2, 1);
  FenetresAnnexes annexes;
  annexes.PanelScoreDetaille_Click(g);
  annexes.PanelVoirPlis_Click(g);
  annexes.PanelVoirMains_Click(g);
  FormScoreDetaille* s = annexes.ScoreDetaille();
  FormTousPlis* p = annexes.TousPlis();
  FormMains* m = annexes.Mains();
  ASSERT_NE(s, nullptr);
  ASSERT_NE(p, nullptr);
  ASSERT_NE(m, nullptr);
  g.PoigneeAnnoncee = 0;
  annexes.PanelScoreDetaille_Click(g);
  EXPECT_EQ(annexes.ScoreDetaille(), s);
  EXPECT_EQ((*s)[s->scoreFinal].legende, "108");
  s->Envoyer(s->ok, Evenement::Bas);
  EXPECT_EQ((*s)[s->ok].biseau, BiseauCreux);
  s->Envoyer(s->ok, Evenement::Haut);
  EXPECT_EQ((*s)[s->ok].biseau, BiseauRelief);
  s->Envoyer(s->ok, Evenement::Clic);
  EXPECT_EQ(annexes.ScoreDetaille(), nullptr);

  EXPECT_EQ(p->titre, "Here are the 18 tricks of the deal");
  EXPECT_EQ((*p)[p->panelPreneur].legende, "WEST");
  EXPECT_EQ((*p)[p->panelPasAPas].legende, "Step by step");
  for (int i = 0; i < 5; ++i) p->Envoyer(p->panelPasAPas, Evenement::Clic);
  const std::set<int16_t> vues = Montrees(*p);
  p->Envoyer(p->panelPlisOk, Evenement::Clic);
  m->Envoyer(m->panelMainsOk, Evenement::Clic);
  EXPECT_FALSE(p->visible);
  EXPECT_FALSE(m->visible);
  g.Langue = 1;
  annexes.PanelVoirPlis_Click(g);
  annexes.PanelVoirMains_Click(g);
  EXPECT_EQ(annexes.TousPlis(), p);
  EXPECT_EQ(annexes.Mains(), m);
  EXPECT_TRUE(p->visible);
  EXPECT_TRUE(m->visible);
  EXPECT_EQ(Montrees(*p), vues);
  EXPECT_EQ((*p)[p->panelPreneur].legende, "WEST");
  VerifierMains(*m, g);

  annexes.DechargerALaNouvelleDonne();
  EXPECT_EQ(annexes.ScoreDetaille(), nullptr);
  EXPECT_EQ(annexes.TousPlis(), nullptr);
  EXPECT_EQ(annexes.Mains(), nullptr);
  g.Langue = 2;
  JouerDonneAuHasard(g, 2, EnchereGardeContre);
  annexes.PanelScoreDetaille_Click(g);
  annexes.PanelVoirMains_Click(g);
  g.Langue = 1;
  annexes.PanelVoirPlis_Click(g);
  s = annexes.ScoreDetaille();
  p = annexes.TousPlis();
  m = annexes.Mains();
  ASSERT_NE(s, nullptr);
  ASSERT_NE(p, nullptr);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ((*s)[s->cardinalPreneur].legende, "EAST");
  EXPECT_EQ(p->EtapePasAPas, 1);
  EXPECT_EQ(Montrees(*p).size(), 72u);
  EXPECT_EQ((*p)[p->panelPreneur].legende, "EST");
  EXPECT_EQ((*p)[p->panelPasAPas].legende, "Pas à pas");
  VerifierMains(*m, g);  // no discard: the chien itself
  EXPECT_EQ(m->titre, "The Four Hands and The Dog...");
  EXPECT_EQ((*m)[m->panelChien].legende, "DOG");
  EXPECT_EQ((*m)[m->panelEcart].legende, "DISCARD");
}

}  // namespace
