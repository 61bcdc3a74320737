#include "platform/reglages_qt.h"

#include <sys/stat.h>

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <cerrno>

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString CleQt(std::string_view section, std::string_view cle) { return Q(section) + QLatin1Char('/') + Q(cle); }

// A regular file, or nothing yet. Asked before QSettings opens anything: reading a FIFO waits
// for a writer for ever, and the write replaces whatever the path leads to, a device included.
bool FichierReglages(const std::string& chemin) {
  struct stat s {};
  if (stat(chemin.c_str(), &s) != 0) return errno == ENOENT;
  return S_ISREG(s.st_mode);
}

}  // namespace

ReglagesQt::ReglagesQt(std::string dossier) : dossier_(std::move(dossier)) {}

ReglagesQt::~ReglagesQt() = default;

std::string ReglagesQt::Chemin(std::string_view application) const {
  // Looked up at each call: the environment decides, as it does for every program of the user.
  const QString dossier =
      dossier_.empty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : Q(dossier_);
  return (dossier + QLatin1Char('/') + Q(application) + QLatin1Char('/') + Q(application) + QStringLiteral(".ini"))
      .toStdString();
}

QSettings* ReglagesQt::Fichier(std::string_view application) {
  const std::string chemin = Chemin(application);
  if (!FichierReglages(chemin)) return nullptr;
  const QString nom = QString::fromStdString(chemin);
  if (!fichier_ || fichier_->fileName() != nom) fichier_ = std::make_unique<QSettings>(nom, QSettings::IniFormat);
  return fichier_.get();
}

std::string ReglagesQt::Lire(std::string_view application, std::string_view section, std::string_view cle,
                             std::string_view defaut) {
  const QSettings* s = Fichier(application);
  // A malformed file still gives the keys it could parse.
  if (s == nullptr || s->status() == QSettings::AccessError) return std::string(defaut);
  const QVariant v = s->value(CleQt(section, cle));
  if (!v.isValid()) return std::string(defaut);
  // An unquoted value with commas comes back as a list.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
  return v.toString().toStdString();
}

bool ReglagesQt::EcrireTout(std::string_view application, std::string_view section, const ValeursReglages& valeurs) {
  QSettings* s = Fichier(application);
  if (s == nullptr) return false;
  for (const auto& [cle, valeur] : valeurs) s->setValue(CleQt(section, cle), Q(valeur));
  s->sync();
  // A format error of the file as it was read does not stop the write; it rewrites the file whole.
  return s->status() != QSettings::AccessError;
}
