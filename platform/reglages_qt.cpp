#include "platform/reglages_qt.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cerrno>
#include <optional>

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString CleQt(std::string_view section, std::string_view cle) { return Q(section) + QLatin1Char('/') + Q(cle); }

std::string Texte(const QVariant& v) {
  // An unquoted value with commas comes back as a list.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
  return v.toString().toStdString();
}

// The file's bytes, empty when there is no file yet; nothing when the path leads to anything but
// a regular file or cannot be looked at. Only what stat calls a regular file is opened (opening a
// device may act on it), and without waiting, in case a FIFO took its place in between.
std::optional<QByteArray> LireFichier(const std::string& chemin) {
  struct stat s {};
  if (stat(chemin.c_str(), &s) == 0 && !S_ISREG(s.st_mode)) return std::nullopt;
  const int fd = open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? std::optional(QByteArray()) : std::nullopt;
  QFile f;
  if (fstat(fd, &s) != 0 || !S_ISREG(s.st_mode) || !f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    close(fd);
    return std::nullopt;
  }
  QByteArray octets = f.readAll();
  if (f.error() != QFileDevice::NoError) return std::nullopt;
  return octets;
}

// QLockFile reads a lock it cannot take (and the one it takes to remove it) to see whether it was
// left behind: a FIFO there would hold it for ever. Nothing but a regular file can be such a lock.
bool VerrouPossible(const std::string& chemin) {
  for (const char* suffixe : {".lock", ".lock.rmlock"}) {
    struct stat s {};
    if (stat((chemin + suffixe).c_str(), &s) == 0 && !S_ISREG(s.st_mode)) return false;
  }
  return true;
}

// Written whole or not at all. Unbuffered, so that a write that fails at the last flush fails
// the commit too.
bool EcrireFichier(const QString& nom, const QByteArray& octets) {
  QSaveFile f(nom);
  return f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && f.write(octets) == octets.size() && f.commit();
}

}  // namespace

void ReglagesQt::Jeter::operator()(QSettings* copie) const {
  const QString nom = copie->fileName();
  delete copie;
  QFile::remove(nom);
}

ReglagesQt::ReglagesQt(std::string dossier) : dossier_(std::move(dossier)) {}

ReglagesQt::~ReglagesQt() = default;

std::string ReglagesQt::Chemin(std::string_view application) const {
  // Looked up at each call: the environment decides, as it does for every program of the user.
  const QString dossier =
      dossier_.empty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : Q(dossier_);
  return (dossier + QLatin1Char('/') + Q(application) + QLatin1Char('/') + Q(application) + QStringLiteral(".ini"))
      .toStdString();
}

ReglagesQt::Copie ReglagesQt::Copier(const QByteArray& octets) {
  if (!prive_) prive_ = std::make_unique<QTemporaryDir>();
  if (!prive_->isValid()) return nullptr;
  const QString nom = prive_->filePath(QString::number(++copies_) + QStringLiteral(".ini"));
  QFile f(nom);
  const bool ecrit = f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size() && f.flush();
  f.close();
  if (!ecrit) {
    QFile::remove(nom);
    return nullptr;
  }
  return Copie(new QSettings(nom, QSettings::IniFormat));
}

QSettings* ReglagesQt::Fichier(std::string_view application) {
  const std::string chemin = Chemin(application);
  if (fichier_ && cheminLu_ == chemin) return fichier_.get();
  const std::optional<QByteArray> octets = LireFichier(chemin);
  if (!octets) return nullptr;
  fichier_ = Copier(*octets);
  cheminLu_ = chemin;
  return fichier_.get();
}

std::string ReglagesQt::Lire(std::string_view application, std::string_view section, std::string_view cle,
                             std::string_view defaut) {
  // A malformed file still gives the keys it could parse.
  const QSettings* s = Fichier(application);
  const QVariant v = s != nullptr ? s->value(CleQt(section, cle)) : QVariant();
  return v.isValid() ? Texte(v) : std::string(defaut);
}

bool ReglagesQt::EcrireTout(std::string_view application, std::string_view section, const ValeursReglages& valeurs) {
  const std::string chemin = Chemin(application);
  const QString nom = QString::fromStdString(chemin);
  QDir().mkpath(QFileInfo(nom).absolutePath());  // a first run: the lock goes there too
  QLockFile verrou(nom + QStringLiteral(".lock"));
  if (!VerrouPossible(chemin) || !verrou.tryLock(AttenteVerrouMs)) return false;
  // Read again under the lock: what another program wrote since is kept.
  const std::optional<QByteArray> avant = LireFichier(chemin);
  Copie ecrite = avant ? Copier(*avant) : nullptr;
  if (!ecrite) return false;
  for (const auto& [cle, valeur] : valeurs) ecrite->setValue(CleQt(section, cle), Q(valeur));
  ecrite->sync();
  // QSettings keeps the first error it met, a damaged file's included: the copy's write is judged
  // by what it holds, read afresh.
  QFile f(ecrite->fileName());
  const QByteArray apres = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  Copie relue = Copier(apres);
  if (!relue) return false;
  for (const auto& [cle, valeur] : valeurs)
    if (Texte(relue->value(CleQt(section, cle))) != valeur) return false;
  fichier_ = std::move(relue);
  cheminLu_ = chemin;
  return EcrireFichier(nom, apres);
}
