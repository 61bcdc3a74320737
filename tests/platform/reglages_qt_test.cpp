#include "platform/reglages_qt.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <filesystem>

#include "game/partie.h"
#include "table/options.h"

namespace {

// The settings folder <dossier>/mirvane, made, and its file's path.
QString DossierMirvane(const QTemporaryDir& dossier) {
  QDir().mkpath(dossier.path() + "/mirvane");
  return dossier.path() + "/mirvane/mirvane.ini";
}

void EcrireOctets(const QString& chemin, const QByteArray& octets) {
  QFile f(chemin);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << chemin.toStdString();
  ASSERT_EQ(f.write(octets), octets.size()) << chemin.toStdString();
}

// Only a regular file is a settings file; nothing else at its path is read, waited on or
// replaced, whoever runs the tests (permissions do not stop root). A path that cannot be looked
// at is not a missing file either: its defaults are read, and saves fail.
TEST(ReglagesQt, AnyOtherPlaceGivesDefaultsAndFailedWritesAndIsLeftAsItWas) {
  QTemporaryDir dossier;
  const QString d = dossier.path();
  const QString fifo = d + "/fifo/mirvane/mirvane.ini";
  for (const char* chemin : {"/dossier/mirvane/mirvane.ini", "/fifo/mirvane", "/peripherique/mirvane"})
    QDir().mkpath(d + chemin);
  ASSERT_EQ(mkfifo(qPrintable(fifo), 0600), 0);
  // A device of our own where we may make one: root would see it replaced.
  const QString peripherique =
      mknod(qPrintable(d + "/null"), S_IFCHR | 0666, makedev(1, 3)) == 0 ? d + "/null" : "/dev/null";
  ASSERT_EQ(symlink(qPrintable(peripherique), qPrintable(d + "/peripherique/mirvane/mirvane.ini")), 0);
  ASSERT_EQ(symlink("boucle", qPrintable(d + "/boucle")), 0);
  // A FIFO and a link to itself where a folder should be; a folder, a FIFO and a device where the file should be.
  for (const QString& racine : {fifo, d + "/dossier", d + "/fifo", d + "/peripherique", d + "/boucle"}) {
    SCOPED_TRACE(racine.toStdString());
    ReglagesQt r(racine.toStdString());
    EXPECT_EQ(r.Lire("mirvane", "option", "niveau", "0"), "0") << "the default is read";
    EXPECT_FALSE(r.Ecrire("mirvane", "option", "niveau", "4")) << "the save fails";
  }
  EXPECT_TRUE(std::filesystem::is_fifo(fifo.toStdString())) << "the FIFO stays";
  EXPECT_TRUE(std::filesystem::is_character_file(peripherique.toStdString())) << "the device stays";
}

// The opens of the settings file, and its writes: it is written as a new file put in place.
// Closes are watched too, or the kernel would merge the opens that follow each other.
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
  int fd;
  int ouvertures = 0;
  int ecritures = 0;
};

TEST(ReglagesQt, OneSaveIsOneWriteAndALoadParsesTheFileOnceHoweverDamaged) {
  QTemporaryDir dossier;
  const QString ini = DossierMirvane(dossier);
  Options o;
  Partie g;
  {
    Espion espion(dossier.path() + "/mirvane");
    const QByteArray avant = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dossier.path().toUtf8());
    ReglagesQt r;                          // the user's configuration folder
    EXPECT_TRUE(ChargerOptions(o, g, r));  // the first run: the defaults, then the marker
    g.ScoreTotal[2] = -120;
    EXPECT_TRUE(SauverOptions(o, g, r));
    qputenv("XDG_CONFIG_HOME", avant);  // an empty one is an unset one
    EXPECT_EQ(espion.Compter().ecritures, 3);
    EXPECT_EQ(ReglagesQt(dossier.path().toStdString()).Lire("mirvane", "option", "score2", "0"), "-120");
    ReglagesQt neuf(dossier.path().toStdString() + "/neuf");
    EXPECT_TRUE(neuf.Ecrire("mirvane", "option", "deja", "1")) << "a folder not made yet";
  }

  EcrireOctets(ini,
               "garbage without equals\n\x01\x02\xff\n[option]\ndeja=oui\nattenteEntrePli=3\n"
               "forceMain=@Variant(\\0\\0\\0\\x7f)\nvisPointsPartie=1,2\nscore1=-120\n[option\n=\n");
  Espion espion(dossier.path() + "/mirvane");
  ReglagesQt r(dossier.path().toStdString());
  EXPECT_TRUE(ChargerOptions(o, g, r));
  EXPECT_EQ(espion.Compter().ouvertures, 1);
  // The good keys are read as the file writes them; the rest are missing ones.
  EXPECT_EQ(o.AttenteEntrePli, 3) << "attenteEntrePli=3";
  EXPECT_EQ(g.ForceMain, 0) << "forceMain=@Variant(...)";
  EXPECT_EQ(o.VisPointsPartie, OptionFaux) << "visPointsPartie=1,2";
  EXPECT_EQ(g.ScoreTotal[1], -120) << "score1=-120";
}

// Another program's lock fails the save after a short wait; what no program could have left at
// the lock's path (where QLockFile would wait for ever on a FIFO) fails it at once. The store
// then goes on: a lock left behind by a program that is gone is taken over.
TEST(ReglagesQt, ALockThatCannotBeTakenFailsTheSaveAndTheStoreGoesOn) {
  QTemporaryDir dossier;
  const std::string verrou = DossierMirvane(dossier).toStdString() + ".lock";
  ReglagesQt r(dossier.path().toStdString());
  Options o;
  Partie g;
  QLockFile autre(QString::fromStdString(verrou));
  ASSERT_TRUE(autre.tryLock(0));
  EXPECT_FALSE(ChargerOptions(o, g, r)) << "a first run under another program's lock";
  autre.unlock();
  ASSERT_EQ(mkdir(verrou.c_str(), 0700), 0);
  EXPECT_FALSE(SauverOptions(o, g, r)) << "a folder at the lock's path";
  ASSERT_EQ(rmdir(verrou.c_str()), 0);
  ASSERT_EQ(mkfifo(verrou.c_str(), 0600), 0);
  EXPECT_FALSE(SauverOptions(o, g, r)) << "a FIFO at the lock's path";
  ASSERT_EQ(unlink(verrou.c_str()), 0);
  // The lock of a process that cannot exist; QLockFile locks its removal beside it.
  EcrireOctets(QString::fromStdString(verrou), "999999999\n");
  ASSERT_EQ(mkfifo((verrou + ".rmlock").c_str(), 0600), 0);
  EXPECT_FALSE(SauverOptions(o, g, r)) << "a FIFO where a lock left behind is removed";
  ASSERT_EQ(unlink((verrou + ".rmlock").c_str()), 0);
  EXPECT_TRUE(ChargerOptions(o, g, r)) << "a lock left behind";
}

// A link to a regular file is followed: read, and written through so that the link stays. A
// write that the target's place refuses is a failed save, however damaged the file was.
TEST(ReglagesQt, ALinkIsFollowedAndStaysALinkAndAFailedWriteIsReportedAfterADamagedRead) {
  QTemporaryDir dossier;
  const std::string d = dossier.path().toStdString();
  const QString lien = DossierMirvane(dossier);
  const QString ailleurs = dossier.path() + "/ailleurs";
  QDir().mkpath(ailleurs);
  const QByteArray abime("garbage without equals\n[option]\nniveau=3\n[option\n");
  EcrireOctets(ailleurs + "/reel.ini", abime);
  ASSERT_EQ(symlink("../ailleurs/reel.ini", qPrintable(lien)), 0);
  ReglagesQt r(d);
  EXPECT_EQ(r.Lire("mirvane", "option", "niveau", "0"), "3") << "read through the link";
  EXPECT_TRUE(r.Ecrire("mirvane", "option", "niveau", "2")) << "a damaged file saved";
  EXPECT_TRUE(QFileInfo(lien).isSymLink()) << "the link stays a link";
  EXPECT_EQ(ReglagesQt(d).Lire("mirvane", "option", "niveau", "0"), "2") << "written through the link";

  // The target's place: a file system of one page, seen by this test alone.
  const bool monte = unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                     mount("mirvane", qPrintable(ailleurs), "tmpfs", 0, "size=4k") == 0;
  if (!monte) GTEST_SKIP() << "this machine does not let the test mount a file system of its own";
  EcrireOctets(ailleurs + "/reel.ini", abime);  // the page taken
  EXPECT_FALSE(ReglagesQt(d).Ecrire("mirvane", "option", "niveau", "2")) << "a full place";
  ASSERT_EQ(mount(nullptr, qPrintable(ailleurs), nullptr, MS_REMOUNT, "size=1m"), 0);
  EcrireOctets(ailleurs + "/reel.ini", abime + "\n");  // another length: no parse of the last one is kept
  ASSERT_EQ(mount(nullptr, qPrintable(ailleurs), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
  EXPECT_FALSE(ReglagesQt(d).Ecrire("mirvane", "option", "niveau", "2")) << "a read-only place";
  umount2(qPrintable(ailleurs), MNT_DETACH);
}

}  // namespace
