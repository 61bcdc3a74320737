#include "platform/aide_qt.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <tuple>

#include "windows/application_qt.h"

namespace {

using AideQtTest = TestQt;

// Said in the help window's language; the file turning up later opens in the same window, every
// section linked from its contents, the example worked out to the score the rules give.
TEST_F(AideQtTest, AMissingFileIsReportedThenEachHelpFileOpensAtItsContentsWithTheWorkedExample) {
  const std::tuple<int16_t, const char*, const char*, const char*, const char*> cas[] = {
      {1, "Aide de Mirvane", "introuvable", "mirvanefr.html", "Sommaire"},
      {2, "Mirvane help", "not found", "mirvaneus.html", "Contents"}};
  for (const auto& [langue, titre, introuvable, fichier, sommaire] : cas) {
    AideQt aide(langue);
    aide.AfficherIndex("/nulle/part/mirvane.html");
    QTextBrowser* fenetre = aide.Fenetre();
    ASSERT_NE(fenetre, nullptr);
    EXPECT_EQ(fenetre->windowTitle(), QString::fromUtf8(titre));
    const QString absent = fenetre->toPlainText();
    EXPECT_TRUE(absent.contains(introuvable)) << fichier;
    EXPECT_TRUE(absent.contains("/nulle/part/mirvane.html")) << fichier;

    aide.AfficherIndex(MIRVANE_DOSSIER_SOURCE "/pictures/" + std::string(fichier));
    ASSERT_EQ(aide.Fenetre(), fenetre);
    const QString html = fenetre->document()->toHtml();
    EXPECT_TRUE(fenetre->toPlainText().contains(sommaire)) << fichier;
    EXPECT_TRUE(fenetre->toPlainText().contains("3 × 56 = 168")) << fichier;
    int liens = 0;
    for (auto m = QRegularExpression(QStringLiteral("href=\"#([a-z]+)\"")).globalMatch(html); m.hasNext(); ++liens) {
      const QString ancre = m.next().captured(1);
      EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(ancre))) << fichier << " #" << ancre.toStdString();
    }
    EXPECT_GE(liens, 14) << fichier;
  }
}

}  // namespace
