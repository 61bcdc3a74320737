#include "platform/reglages_qt.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "game/partie.h"
#include "table/options.h"

namespace {

std::string Texte(const QString& chemin) {
  QFile f(chemin);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll().toStdString();
}

void Deposer(const QString& chemin, const QByteArray& contenu) {
  QDir().mkpath(QFileInfo(chemin).absolutePath());
  QFile f(chemin);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(contenu);
}

TEST(ReglagesQt, WrittenTextsAreReadBackFromTheApplicationsIniFileAndMissingKeysGiveTheDefault) {
  QTemporaryDir dossier;
  ReglagesQt r(dossier.path().toStdString());
  const QString fichier = dossier.path() + "/mirvane/mirvane.ini";
  EXPECT_EQ(r.Chemin("mirvane"), fichier.toStdString());

  EXPECT_TRUE(r.Ecrire("mirvane", "option", "niveau", "4"));
  EXPECT_TRUE(r.Ecrire("mirvane", "option", "score1", "-1758"));
  EXPECT_TRUE(r.Ecrire("mirvane", "option", "son", "true"));

  ReglagesQt autre(dossier.path().toStdString());
  EXPECT_EQ(autre.Lire("mirvane", "option", "niveau", "0"), "4");
  EXPECT_EQ(autre.Lire("mirvane", "option", "score1", "0"), "-1758");
  EXPECT_EQ(autre.Lire("mirvane", "option", "son", "0"), "true");
  EXPECT_EQ(autre.Lire("mirvane", "option", "deja", "0"), "0");
  EXPECT_EQ(autre.Lire("mirvane", "autre", "niveau", "7"), "7");

  const std::string ini = Texte(fichier);
  EXPECT_NE(ini.find("[option]"), std::string::npos) << ini;
  EXPECT_NE(ini.find("niveau=4"), std::string::npos) << ini;
}

TEST(ReglagesQt, TheUsersConfigurationFolderFollowsXdgConfigHome) {
  QTemporaryDir dossier;
  const QByteArray avant = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", dossier.path().toUtf8());
  ReglagesQt r;
  const std::string chemin = r.Chemin("mirvane");
  const bool ecrit = r.Ecrire("mirvane", "option", "deja", "1");
  if (avant.isNull()) qunsetenv("XDG_CONFIG_HOME"); else qputenv("XDG_CONFIG_HOME", avant);

  EXPECT_EQ(chemin, (dossier.path() + "/mirvane/mirvane.ini").toStdString());
  EXPECT_TRUE(ecrit);
  EXPECT_TRUE(QFile::exists(dossier.path() + "/mirvane/mirvane.ini"));
}

// Places the store cannot use, whoever runs the tests (permissions do not stop root).
TEST(ReglagesQt, AFileThatCannotBeReadOrWrittenGivesDefaultsAndFailedWrites) {
  QTemporaryDir dossier;
  // The folder of the application is a plain file.
  Deposer(dossier.path() + "/bloque/mirvane", "pas un dossier");
  // The INI file is a folder.
  QDir().mkpath(dossier.path() + "/dossier/mirvane/mirvane.ini");
  for (const char* racine : {"/bloque", "/dossier"}) {
    SCOPED_TRACE(racine);
    ReglagesQt r((dossier.path() + racine).toStdString());
    EXPECT_FALSE(r.Ecrire("mirvane", "option", "niveau", "4"));
    EXPECT_EQ(r.Lire("mirvane", "option", "niveau", "0"), "0");
  }
}

TEST(ReglagesQt, ADamagedFileLoadsItsGoodKeysAndTurnsTheRestIntoMissingOnes) {
  QTemporaryDir dossier;
  Deposer(dossier.path() + "/mirvane/mirvane.ini",
          "garbage without equals\n\x01\x02\xff\n[option]\ndeja=oui\nniveau=abc\nvitesseJeuCarte=99999\n"
          "attenteEntrePli=3\nforceMain=@Variant(\\0\\0\\0\\x7f)\nvisPanneaux=true\nvisPointsPartie=1,2\n"
          "score1=-120\nscore2=2147483648\nson=0\n[option\n=\n");
  ReglagesQt r(dossier.path().toStdString());
  Options o;
  Partie g;
  EXPECT_TRUE(ChargerOptions(o, g, r));
  EXPECT_EQ(g.Niveau, 0);
  EXPECT_EQ(o.VitesseJeuCarte, 0);
  EXPECT_EQ(o.AttenteEntrePli, 3);
  EXPECT_EQ(g.ForceMain, 0);
  EXPECT_EQ(o.VisPanneaux, OptionVrai);
  EXPECT_EQ(o.VisPointsPartie, OptionFaux);
  EXPECT_EQ(g.ScoreTotal[1], -120);
  EXPECT_EQ(g.ScoreTotal[2], 0);
  EXPECT_EQ(o.Son, OptionFaux);
}

}  // namespace
