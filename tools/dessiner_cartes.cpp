// Draws the 78 card faces, the icon and the start screen's picture, or the two contact sheets.
//
//   mirvane-cartes DOSSIER               faces, icon and start picture into DOSSIER (the program's
//                                        own are the source tree's pictures/)
//   mirvane-cartes --planches DOSSIER    DOSSIER/planche-faces.png and DOSSIER/planche-coins.png
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "windows/dessin_cartes.h"

namespace {

bool Echec(const QString& chemin, const QString& raison) {
  std::fprintf(stderr, "mirvane-cartes: cannot write %s: %s\n", qPrintable(chemin), qPrintable(raison));
  return false;
}

// Each file is written whole or not at all: into a new file beside it, renamed over it once
// complete. Unbuffered, so that a write that fails is seen at the write with the system's reason
// (Qt 6.4 renames even when the flush at closing failed); a short write is followed by another,
// whose failure gives the reason. Anything but a regular file in the way is refused: a FIFO or a
// device, or a link to one (the new file would replace the link's target).
bool Ecrire(const QImage& image, const QString& chemin) {
  const QFileInfo existant(chemin);
  if (existant.exists() && !existant.isFile()) return Echec(chemin, QStringLiteral("not a regular file"));
  QByteArray png;
  QBuffer tampon(&png);
  if (!tampon.open(QIODevice::WriteOnly) || !image.save(&tampon, "PNG")) {
    return Echec(chemin, QStringLiteral("the PNG could not be made"));
  }
  QSaveFile fichier(chemin);
  if (!fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return Echec(chemin, fichier.errorString());
  qint64 ecrits = 0;
  qint64 n = 0;
  while (ecrits < png.size() && (n = fichier.write(png.constData() + ecrits, png.size() - ecrits)) > 0) ecrits += n;
  if (ecrits < png.size() || !fichier.commit()) return Echec(chemin, fichier.errorString());
  return true;
}

// The printed report is the run's result: lost on a full standard output, the run failed.
bool SortieEcrite() {
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
  std::fprintf(stderr, "mirvane-cartes: cannot write the standard output: %s\n", std::strerror(errno));
  return false;
}

bool CreerDossier(const QDir& dossier) {
  if (QDir().mkpath(dossier.path())) return true;
  const bool fichier = QFileInfo::exists(dossier.path());
  std::fprintf(stderr, "mirvane-cartes: %s %s\n", fichier ? "not a folder:" : "cannot create the folder",
               qPrintable(dossier.path()));
  return false;
}

bool DessinerTout(const QDir& dossier) {
  for (int16_t couleur = 0; couleur <= 4; ++couleur) {
    for (int16_t indice = 1; indice <= NombreImages(couleur); ++indice) {
      if (!Ecrire(DessinerCarte(couleur, indice), dossier.filePath(NomFichierCarte(couleur, indice)))) {
        return false;
      }
    }
  }
  return Ecrire(DessinerIcone(), dossier.filePath(NomFichierIcone)) &&
         Ecrire(DessinerImageAccueil(), dossier.filePath(NomFichierAccueil));
}

// One row per plain suit, then the trumps in two rows, the Excuse last; each face cut to
// its top-left `coin` (the whole face when `coin` is the card's size).
QImage Planche(QSize coin) {
  constexpr int Marge = 8;
  constexpr int Colonnes = 14;
  const std::vector<std::vector<std::pair<int16_t, int16_t>>> rangees = [] {
    std::vector<std::vector<std::pair<int16_t, int16_t>>> r;
    for (int16_t couleur = 1; couleur <= 4; ++couleur) {
      r.emplace_back();
      for (int16_t v = 1; v <= 14; ++v) r.back().emplace_back(couleur, v);
    }
    r.emplace_back();
    for (int16_t v = 1; v <= 22; ++v) {
      if (v == 12) r.emplace_back();
      r.back().emplace_back(int16_t{0}, v);
    }
    return r;
  }();
  QImage planche(Marge + Colonnes * (coin.width() + Marge),
                 Marge + static_cast<int>(rangees.size()) * (coin.height() + Marge),
                 QImage::Format_ARGB32_Premultiplied);
  planche.fill(QColor(0x0b, 0x5d, 0x2a));
  QPainter p(&planche);
  for (std::size_t r = 0; r < rangees.size(); ++r) {
    for (std::size_t c = 0; c < rangees[r].size(); ++c) {
      const auto [couleur, indice] = rangees[r][c];
      p.drawImage(QPoint(Marge + static_cast<int>(c) * (coin.width() + Marge),
                         Marge + static_cast<int>(r) * (coin.height() + Marge)),
                  DessinerCarte(couleur, indice).copy(QRect(QPoint(0, 0), coin)));
    }
  }
  return planche;
}

}  // namespace

int main(int argc, char** argv) {
  // A drawing tool: it needs no display, and one platform means one font engine.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (!PolicesDisponibles()) {
    std::fprintf(stderr, "mirvane-cartes: cannot load DejaVuSans-Bold.ttf (package fonts-dejavu-core)\n");
    return 1;
  }
  const QStringList args = app.arguments().mid(1);
  if (args.size() == 2 && args[0] == QStringLiteral("--planches")) {
    const QDir dossier(args[1]);
    if (!CreerDossier(dossier)) return 1;
    const bool ok = Ecrire(Planche(QSize(LargeurCarte, HauteurCarte)), dossier.filePath("planche-faces.png")) &&
                    Ecrire(Planche(QSize(30, 50)), dossier.filePath("planche-coins.png"));
    if (!ok) return 1;
    std::printf("%s\n%s\n", qPrintable(dossier.filePath("planche-faces.png")),
                qPrintable(dossier.filePath("planche-coins.png")));
    return SortieEcrite() ? 0 : 1;
  }
  if (args.size() != 1 || args[0].startsWith(QLatin1Char('-'))) {
    std::fprintf(stderr, "usage: mirvane-cartes DOSSIER | --planches DOSSIER\n");
    return 2;
  }
  const QDir dossier(args[0]);
  if (!CreerDossier(dossier) || !DessinerTout(dossier)) return 1;
  std::printf("faces, icon and start picture written into %s\n", qPrintable(dossier.absolutePath()));
  return SortieEcrite() ? 0 : 1;
}
