#include "platform/reglages_qt.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "game/partie.h"
#include "table/options.h"

namespace {

// Only a regular file is a settings file; nothing else at its path is read, waited on or
// replaced, whoever runs the tests (permissions do not stop root).
TEST(ReglagesQt, AnyOtherPlaceGivesDefaultsAndFailedWritesAndIsLeftAsItWas) {
  QTemporaryDir dossier;
  const QString d = dossier.path(), fifo = d + "/fifo/mirvane/mirvane.ini";
  for (const char* chemin : {"/dossier/mirvane/mirvane.ini", "/fifo/mirvane", "/peripherique/mirvane"})
    QDir().mkpath(d + chemin);
  ASSERT_EQ(mkfifo(qPrintable(fifo), 0600), 0);
  // A device of our own where we may make one: root would see it replaced.
  const QString peripherique =
      mknod(qPrintable(d + "/null"), S_IFCHR | 0666, makedev(1, 3)) == 0 ? d + "/null" : "/dev/null";
  ASSERT_EQ(symlink(qPrintable(peripherique), qPrintable(d + "/peripherique/mirvane/mirvane.ini")), 0);
  // A FIFO where a folder should be; a folder, a FIFO and a device where the file should be.
  for (const QString& racine : {fifo, d + "/dossier", d + "/fifo", d + "/peripherique"}) {
    SCOPED_TRACE(racine.toStdString());
    ReglagesQt r(racine.toStdString());
    EXPECT_TRUE(r.Lire("mirvane", "option", "niveau", "0") == "0" && !r.Ecrire("mirvane", "option", "niveau", "4"));
  }
  struct stat s {};
  EXPECT_TRUE(stat(qPrintable(fifo), &s) == 0 && S_ISFIFO(s.st_mode));
  EXPECT_TRUE(stat(qPrintable(peripherique), &s) == 0 && S_ISCHR(s.st_mode));
}

// The opens of the settings file, and its writes: QSettings writes a new file and puts it in
// place. Closes are watched too, or the kernel would merge the opens that follow each other.
struct Espion {
  explicit Espion(const QString& dossier) : fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    inotify_add_watch(fd, qPrintable(dossier), IN_OPEN | IN_CLOSE | IN_CREATE | IN_MOVED_TO);
  }
  ~Espion() { close(fd); }
  Espion& Compter() {
    alignas(inotify_event) char tampon[4096];
    for (ssize_t n; (n = read(fd, tampon, sizeof tampon)) > 0;)
      for (char* p = tampon; p < tampon + n; p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len) {
        const auto* e = reinterpret_cast<inotify_event*>(p);
        if (e->len == 0 || std::string(e->name) != "mirvane.ini") continue;
        if (e->mask & IN_OPEN) ++ouvertures;
        if (e->mask & (IN_CREATE | IN_MOVED_TO)) ++ecritures;
      }
    return *this;
  }
  int fd, ouvertures = 0, ecritures = 0;
};

TEST(ReglagesQt, OneSaveIsOneWriteAndALoadParsesTheFileOnceHoweverDamaged) {
  QTemporaryDir dossier;
  const QString ini = dossier.path() + "/mirvane/mirvane.ini";
  QDir().mkpath(dossier.path() + "/mirvane");
  Options o;
  Partie g;
  {
    Espion espion(dossier.path() + "/mirvane");
    const QByteArray avant = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dossier.path().toUtf8());
    ReglagesQt r;  // the user's configuration folder
    EXPECT_EQ(r.Chemin("mirvane"), ini.toStdString());
    EXPECT_TRUE(ChargerOptions(o, g, r));  // the first run: the defaults, then the marker
    g.ScoreTotal[2] = -120;
    EXPECT_TRUE(SauverOptions(o, g, r));
    avant.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", avant);
    EXPECT_EQ(espion.Compter().ecritures, 3);
    ReglagesQt autre(dossier.path().toStdString());
    EXPECT_EQ(autre.Lire("mirvane", "option", "score2", "0"), "-120");
  }

  QByteArray fichier(
      "garbage without equals\n\x01\x02\xff\n[option]\ndeja=oui\nniveau=abc\nvitesseJeuCarte=99999\n"
      "attenteEntrePli=3\nforceMain=@Variant(\\0\\0\\0\\x7f)\nvisPanneaux=true\nvisPointsPartie=1,2\n"
      "score1=-120\nscore2=2147483648\nson=0\n[option\n=\n");
  // Too many keys for Qt to keep it parsed from one QSettings to the next.
  for (int i = 0; i < 20000; ++i) fichier += "[option]\nc" + QByteArray::number(i) + "=\xfe\n[\xfe\n=\n";
  QFile f(ini);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(fichier) == fichier.size());
  f.close();
  Espion espion(dossier.path() + "/mirvane");
  ReglagesQt r(dossier.path().toStdString());
  EXPECT_TRUE(ChargerOptions(o, g, r));
  EXPECT_EQ(espion.Compter().ouvertures, 1);
  // The good keys are read; the rest are missing ones.
  EXPECT_EQ((std::vector<int>{g.Niveau, o.VitesseJeuCarte, o.AttenteEntrePli, g.ForceMain, o.VisPanneaux,
                              o.VisPointsPartie, g.ScoreTotal[1], g.ScoreTotal[2], o.Son}),
            (std::vector<int>{0, 0, 3, 0, OptionVrai, OptionFaux, -120, 0, OptionFaux}));
}

}  // namespace
