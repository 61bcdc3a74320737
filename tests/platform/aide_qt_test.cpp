#include "platform/aide_qt.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>

#include "windows/application_qt.h"

namespace {

using AideQtTest = TestQt;

// Said in the help window's language; the file turning up later opens in the same window, every
// section linked from its contents, the example worked out to the score the rules give.
TEST_F(AideQtTest, AMissingFileIsReportedThenEachHelpFileOpensAtItsContentsWithTheWorkedExample) {
  const struct {
    int16_t langue;
    const char *titre, *introuvable, *fichier, *sommaire;
  } cas[] = {{1, "Aide de Mirvane", "introuvable", "mirvanefr.html", "Sommaire"},
             {2, "Mirvane help", "not found", "mirvaneus.html", "Contents"}};
  for (const auto& c : cas) {
    AideQt aide(c.langue);
    aide.AfficherIndex("/nulle/part/mirvane.html");
    QTextBrowser* fenetre = aide.Fenetre();
    ASSERT_NE(fenetre, nullptr);
    EXPECT_TRUE(fenetre->isVisible());
    EXPECT_EQ(fenetre->windowTitle(), QString::fromUtf8(c.titre));
    const QString absent = fenetre->toPlainText();
    EXPECT_TRUE(absent.contains(c.introuvable)) << c.fichier;
    EXPECT_TRUE(absent.contains("/nulle/part/mirvane.html")) << c.fichier;

    aide.AfficherIndex(MIRVANE_DOSSIER_SOURCE "/pictures/" + std::string(c.fichier));
    ASSERT_EQ(aide.Fenetre(), fenetre);
    EXPECT_EQ(fenetre->source().fileName(), QString::fromUtf8(c.fichier));
    const QString texte = fenetre->toPlainText();
    const QString html = fenetre->document()->toHtml();
    EXPECT_FALSE(texte.contains(c.introuvable)) << c.fichier;
    EXPECT_TRUE(texte.contains(c.sommaire)) << c.fichier;
    EXPECT_TRUE(texte.contains("3 × 56 = 168")) << c.fichier;
    int liens = 0;
    for (auto m = QRegularExpression(QStringLiteral("href=\"#([a-z]+)\"")).globalMatch(html); m.hasNext(); ++liens) {
      const QString ancre = m.next().captured(1);
      EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(ancre))) << c.fichier << " #" << ancre.toStdString();
    }
    EXPECT_GE(liens, 14) << c.fichier;
  }
}

}  // namespace
