// The windows after a deal and the last-trick window drawn by Qt: each at its size, with small
// card boxes where the layout puts them, showing the top-left corner of the face, cut, not
// scaled.
#include <gtest/gtest.h>

#include "application_qt.h"
#include "support/donne_jouee.h"
#include "table/form_mains.h"
#include "table/form_score_detaille.h"
#include "table/form_tous_plis.h"
#include "windows/carte_sav.h"
#include "windows/fenetre_annexe.h"

namespace {

using FenetresAnnexes = TestQt;

QWidget* Trouver(const QWidget& fenetre, const char* nom, int index) {
  return fenetre.findChild<QWidget*>(QStringLiteral("%1_%2").arg(QLatin1String(nom)).arg(index));
}

// The box is `largeur` x `hauteur` pixels and shows that corner of the card's face.
void VerifierCoin(QWidget* boite, const Carte& carte, int largeur, int hauteur) {
  ASSERT_NE(boite, nullptr);
  ASSERT_EQ(boite->size(), QSize(largeur, hauteur)) << qPrintable(boite->objectName());
  VerifierFace(boite, *FormCarteSav::Instance().Image(carte));
}

TEST_F(FenetresAnnexes, EachWindowAtItsSizeShowsTheCardsOfTheDeal) {
  Partie g{Aleatoire(41)};
  JouerDonneAuHasard(g, 2, EnchereGarde);

  // The 18 tricks: three rows of six crosses, the leader's card framed one pixel around.
  FormTousPlis plis(g);
  FenetreTousPlis fenetrePlis(plis);
  fenetrePlis.show();
  EXPECT_EQ(fenetrePlis.size(), QSize(648, 405));
  for (int16_t t = 1; t <= 18; ++t)
    for (int16_t s = 1; s <= 4; ++s) {
      QWidget* boite = Trouver(fenetrePlis, "ImagePli", (t - 1) * 4 + s);
      VerifierCoin(boite, g.MainsJoueurs[s][g.CarteJoueeParPli[s][t]], 30, 50);
      EXPECT_EQ(boite->pos(), QPoint(108 * ((t - 1) % 6) + 10 + (s == 2 ? 66 : s == 4 ? 0 : 33),
                                     116 * ((t - 1) / 6) + 10 + (s == 1 ? 54 : s == 3 ? 0 : 27)));
    }
  EXPECT_EQ(Trouver(fenetrePlis, "CadreEntame", 7)->geometry(),
            Trouver(fenetrePlis, "ImagePli", g.EntameurParPli[7] + 24)->geometry().adjusted(-1, -1, 1, 1));

  // The four hands, the chien as dealt and the discard.
  FormMains mains(g);
  FenetreMains fenetreMains(mains);
  fenetreMains.show();
  EXPECT_EQ(fenetreMains.size(), QSize(654, 418));
  static const char* const noms[] = {"PicMainSud", "PicEst", "PicNord", "PicOuest"};
  for (int16_t s = 1; s <= 4; ++s)
    for (int16_t k = 1; k <= 18; ++k) VerifierCoin(Trouver(fenetreMains, noms[s - 1], k), g.MainsJoueurs[s][k], 32, 52);
  for (int16_t i = 1; i <= 6; ++i) {
    VerifierCoin(Trouver(fenetreMains, "PicChienAvant", i), g.ChienMontre[i], 32, 52);
    VerifierCoin(Trouver(fenetreMains, "PicChienApres", i), g.Chien[i], 32, 52);
  }

  // The score sheet, with its handful row for a handful declared.
  g.PoigneeAnnoncee = 1;
  FormScoreDetaille feuille(g.Langue);
  feuille.Remplir(g);
  FenetreScoreDetaille fenetreFeuille(feuille);
  fenetreFeuille.show();
  EXPECT_EQ(fenetreFeuille.size(), QSize(532, 430));
  EXPECT_TRUE(fenetreFeuille.findChild<QWidget*>(QStringLiteral("PanelPoignee"))->isVisibleTo(&fenetreFeuille));

  // The last trick: whole faces on green.
  FormLastPli dernier(g.Langue);
  dernier.Dessiner(g);
  FenetreLastPli last(dernier);
  last.show();
  EXPECT_EQ(last.size(), QSize(318, 356));
  for (int16_t s = 1; s <= 4; ++s)
    VerifierCoin(Trouver(last, "CarteLastPli", s), g.MainsJoueurs[s][g.CarteJoueeParPli[s][18]], 90, 152);
}

}  // namespace
