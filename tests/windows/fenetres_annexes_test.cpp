// The windows after a deal and the last-trick window drawn by Qt: widgets that follow their
// model, and small card boxes that show the top-left corner of the face, cut, not scaled.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>
#include <QTest>

#include "application_qt.h"
#include "platform/factice.h"
#include "platform/panneau3d.h"
#include "support/cartes.h"
#include "support/donne_jouee.h"
#include "windows/fenetre_mirvane.h"
#include "table/mirvane.h"
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

// The box is `largeur` x `hauteur` pixels and shows exactly that corner of the card's face
// (its transparent rounded corner shows what lies beneath; a box taller than the face, the
// rest of the window).
void VerifierCoin(QWidget* boite, const Carte& carte, int largeur, int hauteur) {
  ASSERT_NE(boite, nullptr);
  ASSERT_EQ(boite->size(), QSize(largeur, hauteur)) << qPrintable(boite->objectName());
  const QImage vu = boite->grab().toImage().convertToFormat(QImage::Format_ARGB32);
  const QImage coin =
      FormCarteSav::Instance().Image(carte)->copy(0, 0, largeur, hauteur).toImage().convertToFormat(QImage::Format_ARGB32);
  int comparees = 0;
  for (int y = 0; y < coin.height(); ++y)
    for (int x = 0; x < coin.width(); ++x)
      if (qAlpha(coin.pixel(x, y)) == 255) {
        ASSERT_EQ(vu.pixel(x, y), coin.pixel(x, y)) << qPrintable(boite->objectName()) << " " << x << "," << y;
        ++comparees;
      }
  EXPECT_GT(comparees, coin.width() * coin.height() * 9 / 10);
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
  EXPECT_EQ(Trouver<Panneau3D>(fenetre, "PanelScoreFinalPreneur")->Legende(), QStringLiteral("168"));
  EXPECT_TRUE(Trouver(fenetre, "PanelPoignee")->isVisibleTo(&fenetre));
  g.PoigneeAnnoncee = 0;
  feuille.Remplir(g);
  fenetre.Synchroniser();
  EXPECT_FALSE(Trouver(fenetre, "PanelPoignee")->isVisibleTo(&fenetre));
  EXPECT_EQ(Trouver<Panneau3D>(fenetre, "PanelScoreFinalPreneur")->Legende(), QStringLiteral("108"));
  QTest::mouseClick(Trouver(fenetre, "PanelFeuilleScore"), Qt::LeftButton);
  EXPECT_TRUE(feuille.Decharge());

  // The last trick: whole faces on green, and a close box that only hides the window.
  FormLastPli dernier(g.Langue);
  dernier.Dessiner(g);
  FenetreLastPli last(dernier);
  last.show();
  EXPECT_EQ(last.size(), QSize(318, 356));
  for (int16_t s = 1; s <= 4; ++s)
    VerifierCoin(Trouver(last, Nom("CarteLastPli", s)), g.MainsJoueurs[s][g.CarteJoueeParPli[s][18]], 90, 152);
  last.close();
  EXPECT_FALSE(dernier.visible);
  dernier.visible = true;
  last.Synchroniser();
  EXPECT_TRUE(last.isVisible());
}

// The main window opens and closes the Qt windows as the controller's models come and go.
TEST_F(FenetresAnnexes, TheMainWindowFollowsTheController) {
  PlateformeFactice plateforme;
  Mirvane m(plateforme, Aleatoire(44));
  m.Form_Load();
  FenetreMirvane principale(m);
  const auto ouvertes = [] {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) n += qobject_cast<FenetreAnnexe*>(w) != nullptr;
    return n;
  };
  m.PreparerNouvelleDonne(0);
  JouerDonneAuHasard(m.g, 1, EnchereGarde);
  m.PanelVoirMains_Click();
  m.PanelVoirPlis_Click();
  m.PanelScoreDetaille_Click();
  m.MenuLastPli_Click();
  principale.SynchroniserTout();
  EXPECT_EQ(ouvertes(), 4);
  FenetreModele* mains = principale.Auxiliaire(m.Mains());
  ASSERT_NE(mains, nullptr);
  EXPECT_TRUE(mains->isVisible());

  QTest::mouseClick(Trouver(*principale.Auxiliaire(m.ScoreDetaille()), "PanelFeuilleScore"), Qt::LeftButton);
  EXPECT_EQ(m.ScoreDetaille(), nullptr);
  EXPECT_EQ(ouvertes(), 3);

  m.ChoisirMenu(m.Id().nouveau);
  principale.SynchroniserTout();
  EXPECT_EQ(ouvertes(), 1);  // the last trick stays
  ASSERT_NE(m.LastPli(), nullptr);
  FenetreModele* last = principale.Auxiliaire(m.LastPli());
  EXPECT_TRUE(last->isVisible());

  // Moved and closed by the user, it comes back centred by the menu.
  last->move(last->pos() + QPoint(137, 123));
  last->close();
  principale.SynchroniserTout();
  m.MenuLastPli_Click();
  principale.SynchroniserTout();
  EXPECT_TRUE(last->isVisible());
  const QPoint ecart = last->frameGeometry().center() - last->screen()->geometry().center();
  EXPECT_LE(ecart.manhattanLength(), 2) << ecart.x() << "," << ecart.y();
}

}  // namespace
