#include "platform/aide_qt.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>

#include "windows/application_qt.h"

namespace {

using AideQtTest = TestQt;

const std::string Dossier = MIRVANE_DOSSIER_SOURCE "/pictures";

TEST_F(AideQtTest, AMissingFileIsReportedInTheHelpWindowInItsLanguage) {
  const struct {
    int16_t langue;
    const char* titre;
    const char* mot;
  } cas[] = {{1, "Aide de Mirvane", "introuvable"}, {2, "Mirvane help", "not found"}};
  for (const auto& c : cas) {
    AideQt aide(c.langue);
    aide.AfficherIndex("/nulle/part/mirvane.html");
    ASSERT_NE(aide.Fenetre(), nullptr);
    EXPECT_TRUE(aide.Fenetre()->isVisible());
    EXPECT_EQ(aide.Fenetre()->windowTitle(), QString::fromUtf8(c.titre));
    const QString texte = aide.Fenetre()->toPlainText();
    EXPECT_TRUE(texte.contains(QString::fromUtf8(c.mot))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("/nulle/part/mirvane.html"))) << texte.toStdString();
    // The file turning up later is shown in the same window.
    QTextBrowser* fenetre = aide.Fenetre();
    aide.AfficherIndex(Dossier + (c.langue == 1 ? "/mirvanefr.html" : "/mirvaneus.html"));
    EXPECT_EQ(aide.Fenetre(), fenetre);
    EXPECT_FALSE(aide.Fenetre()->toPlainText().contains(QString::fromUtf8(c.mot)));
  }
}

// Both help files open on their contents, link every section from it, and work the example
// out to the score the rules give.
TEST_F(AideQtTest, BothHelpFilesOpenAtTheirContentsWithTheWorkedExample) {
  const struct {
    const char* fichier;
    int16_t langue;
    const char* sommaire;
  } cas[] = {{"/mirvanefr.html", 1, "Sommaire"}, {"/mirvaneus.html", 2, "Contents"}};
  for (const auto& c : cas) {
    AideQt aide(c.langue);
    aide.AfficherIndex(Dossier + c.fichier);
    const QTextBrowser& f = *aide.Fenetre();
    EXPECT_EQ(f.source().fileName(), QString::fromUtf8(c.fichier + 1));
    const QString html = f.document()->toHtml();
    const QString texte = f.toPlainText();
    EXPECT_TRUE(texte.contains(QString::fromUtf8(c.sommaire)));
    EXPECT_TRUE(texte.contains(QStringLiteral("3 × 56 = 168"))) << c.fichier;
    // Every link of the contents leads to an anchor of the file.
    const QRegularExpression lien(QStringLiteral("href=\"#([a-z]+)\""));
    int liens = 0;
    for (auto m = lien.globalMatch(html); m.hasNext();) {
      const QString ancre = m.next().captured(1);
      EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(ancre))) << c.fichier << " #" << ancre.toStdString();
      ++liens;
    }
    EXPECT_GE(liens, 14) << c.fichier;
  }
}

}  // namespace
