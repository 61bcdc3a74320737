// The windows after a deal and the last-trick window drawn by Qt: widgets that follow their
// model, and small card boxes that show the top-left corner of the face, cut, not scaled.
#include <gtest/gtest.h>

#include <QTest>

#include "application_qt.h"
#include "platform/panneau3d.h"
#include "support/donne_jouee.h"
#include "table/form_mains.h"
#include "table/form_score_detaille.h"
#include "table/form_tous_plis.h"
#include "windows/carte_sav.h"
#include "windows/fenetre_annexe.h"

namespace {

using FenetresAnnexes = TestQt;

template <class W = QWidget>
W* Trouver(const QWidget& fenetre, const QString& nom) {
  W* w = fenetre.findChild<W*>(nom);
  EXPECT_NE(w, nullptr) << qPrintable(nom);
  return w;
}

// The box is `largeur` x `hauteur` pixels and shows that corner of the card's face.
void VerifierCoin(QWidget* boite, const Carte& carte, int largeur, int hauteur) {
  ASSERT_NE(boite, nullptr);
  ASSERT_EQ(boite->size(), QSize(largeur, hauteur)) << qPrintable(boite->objectName());
  VerifierFace(boite, *FormCarteSav::Instance().Image(carte));
}

QString Nom(const char* nom, int index) { return QString::fromLatin1(nom) + QLatin1Char('_') + QString::number(index); }

TEST_F(FenetresAnnexes, TheTricksReplayedInTheirWindow) {
  Partie g{Aleatoire(41)};
  JouerDonneAuHasard(g, 2, EnchereGarde);
  FormTousPlis modele(g);
  FenetreTousPlis fenetre(modele);
  fenetre.show();
  EXPECT_EQ(fenetre.size(), QSize(648, 405));
  EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("Voici les 18 plis de la partie !"));
  EXPECT_EQ(Trouver<Panneau3D>(fenetre, "PanelPreneur")->Legende(), QStringLiteral("EST"));
  for (int16_t t = 1; t <= 18; ++t)
    for (int16_t s = 1; s <= 4; ++s) {
      const int16_t n = static_cast<int16_t>((t - 1) * 4 + s);
      QWidget* boite = Trouver(fenetre, Nom("ImagePli", n));
      VerifierCoin(boite, g.MainsJoueurs[s][g.CarteJoueeParPli[s][t]], 30, 50);
      EXPECT_EQ(boite->pos(), QPoint(108 * ((t - 1) % 6) + 10 + (s == 2 ? 66 : s == 4 ? 0 : 33),
                                     116 * ((t - 1) / 6) + 10 + (s == 1 ? 54 : s == 3 ? 0 : 27)));
    }
  // The leader's frame lies one pixel around its card.
  const int16_t entame = static_cast<int16_t>(g.EntameurParPli[7] + 24);
  EXPECT_EQ(Trouver(fenetre, Nom("CadreEntame", 7))->geometry(),
            Trouver(fenetre, Nom("ImagePli", entame))->geometry().adjusted(-1, -1, 1, 1));

  // "Pas à pas" clicked: one card and its frame left.
  QTest::mouseClick(Trouver(fenetre, "PanelPasAPas"), Qt::LeftButton);
  EXPECT_EQ(modele.EtapePasAPas, 2);
  int montrees = 0;
  for (QWidget* w : fenetre.findChildren<QWidget*>())
    if (w->isVisibleTo(&fenetre) && (w->objectName().startsWith("ImagePli") || w->objectName().startsWith("Cadre")))
      ++montrees;
  EXPECT_EQ(montrees, 2);
  EXPECT_TRUE(Trouver(fenetre, Nom("ImagePli", g.EntameurParPli[1]))->isVisibleTo(&fenetre));

  QTest::mouseClick(Trouver(fenetre, "PanelPlisOk"), Qt::LeftButton);
  EXPECT_FALSE(fenetre.isVisible());
}

TEST_F(FenetresAnnexes, TheFourHandsInBoxesOfTheirCorners) {
  Partie g{Aleatoire(42)};
  g.Langue = 2;
  JouerDonneAuHasard(g, 3, EncherePrise);
  FormMains modele(g);
  FenetreMains fenetre(modele);
  fenetre.show();
  EXPECT_EQ(fenetre.size(), QSize(654, 418));
  EXPECT_EQ(fenetre.windowTitle(), QStringLiteral("The Four Hands and The Dog..."));
  EXPECT_EQ(Trouver<Panneau3D>(fenetre, "PanelEcart")->Legende(), QStringLiteral("DISCARD"));
  static const char* const mains[] = {"PicMainSud", "PicEst", "PicNord", "PicOuest"};
  for (int16_t s = 1; s <= 4; ++s)
    for (int16_t k = 1; k <= 18; ++k) VerifierCoin(Trouver(fenetre, Nom(mains[s - 1], k)), g.MainsJoueurs[s][k], 32, 52);
  for (int16_t i = 1; i <= 6; ++i) {
    VerifierCoin(Trouver(fenetre, Nom("PicChienAvant", i)), g.ChienMontre[i], 32, 52);
    VerifierCoin(Trouver(fenetre, Nom("PicChienApres", i)), g.Chien[i], 32, 52);
  }
  QTest::mouseClick(Trouver(fenetre, "PanelMainsOk"), Qt::LeftButton);
  EXPECT_FALSE(modele.visible);
  EXPECT_FALSE(fenetre.isVisible());
}

TEST_F(FenetresAnnexes, TheScoreSheetAndTheLastTrick) {
  Partie g{Aleatoire(43)};
  JouerDonneAuHasard(g, 1, EnchereGarde);
  DonnerContrat(g, 2, EnchereGarde);
  g.DemiPointsPreneur = 88, g.BoutsPreneur = 2, g.PointsAFaire = 41, g.PetitAuBout = 2, g.PoigneeAnnoncee = 1;
  FormScoreDetaille feuille(g.Langue);
  feuille.Remplir(g);
  FenetreScoreDetaille fenetre(feuille);
  fenetre.show();
  EXPECT_EQ(fenetre.size(), QSize(532, 430));
  for (const Controle& c : feuille.Controles()) {
    if (c.genre != GenreControle::Panneau && c.genre != GenreControle::Bouton) continue;
    auto* p = Trouver<Panneau3D>(fenetre, QString::fromStdString(c.nom));
    EXPECT_EQ(p->Legende().toStdString(), c.legende) << c.nom;
  }
  EXPECT_TRUE(Trouver(fenetre, "PanelPoignee")->isVisibleTo(&fenetre));

  // The last trick: whole faces on green.
  FormLastPli dernier(g.Langue);
  dernier.Dessiner(g);
  FenetreLastPli last(dernier);
  last.show();
  EXPECT_EQ(last.size(), QSize(318, 356));
  for (int16_t s = 1; s <= 4; ++s)
    VerifierCoin(Trouver(last, Nom("CarteLastPli", s)), g.MainsJoueurs[s][g.CarteJoueeParPli[s][18]], 90, 152);
}

}  // namespace
