#include "platform/reglages_qt.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString CleQt(std::string_view section, std::string_view cle) { return Q(section) + QLatin1Char('/') + Q(cle); }

}  // namespace

std::string ReglagesQt::Chemin(std::string_view application) const {
  // Looked up at each call: the environment decides, as it does for every program of the user.
  const QString dossier =
      dossier_.empty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : Q(dossier_);
  return (dossier + QLatin1Char('/') + Q(application) + QLatin1Char('/') + Q(application) + QStringLiteral(".ini"))
      .toStdString();
}

std::string ReglagesQt::Lire(std::string_view application, std::string_view section, std::string_view cle,
                             std::string_view defaut) {
  const QSettings s(QString::fromStdString(Chemin(application)), QSettings::IniFormat);
  // A malformed file still gives the keys it could parse.
  if (s.status() == QSettings::AccessError) return std::string(defaut);
  const QVariant v = s.value(CleQt(section, cle));
  if (!v.isValid()) return std::string(defaut);
  // An unquoted value with commas comes back as a list.
  if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(',')).toStdString();
  return v.toString().toStdString();
}

bool ReglagesQt::Ecrire(std::string_view application, std::string_view section, std::string_view cle,
                        std::string_view valeur) {
  QSettings s(QString::fromStdString(Chemin(application)), QSettings::IniFormat);
  s.setValue(CleQt(section, cle), Q(valeur));
  s.sync();
  // A format error of the file as it was read does not stop the write; it rewrites the file whole.
  return s.status() != QSettings::AccessError;
}
