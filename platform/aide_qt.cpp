#include "platform/aide_qt.h"

#include <QFileInfo>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>

namespace {

QString Titre(int16_t langue) {
  return langue == 2 ? QStringLiteral("Mirvane help") : QStringLiteral("Aide de Mirvane");
}

QString TexteIntrouvable(int16_t langue, const QString& fichier) {
  const QString nom = fichier.isEmpty() ? QStringLiteral("?") : fichier.toHtmlEscaped();
  if (langue == 2)
    return QStringLiteral(
               "<h2>Help not found</h2><p>The help file <b>%1</b> cannot be read. "
               "Mirvane goes on without it.</p>")
        .arg(nom);
  return QStringLiteral(
             "<h2>Aide introuvable</h2><p>Le fichier d'aide <b>%1</b> ne peut pas être lu. "
             "Mirvane continue sans lui.</p>")
      .arg(nom);
}

}  // namespace

AideQt::AideQt(int16_t langue, std::function<void(QWidget&)> centrer) : langue_(langue), centrer_(std::move(centrer)) {}

AideQt::~AideQt() = default;

void AideQt::AfficherIndex(const std::string& fichier) {
  const bool premiere = !fenetre_;
  if (premiere) {
    fenetre_ = std::make_unique<QTextBrowser>();
    fenetre_->setObjectName(QStringLiteral("Aide"));
    fenetre_->setWindowTitle(Titre(langue_));
    fenetre_->setOpenExternalLinks(true);
    fenetre_->resize(640, 520);
  }
  const QString chemin = QString::fromStdString(fichier);
  const QFileInfo info(chemin);
  if (!chemin.isEmpty() && info.isFile() && info.isReadable()) {
    fenetre_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
  } else {
    fenetre_->setHtml(TexteIntrouvable(langue_, chemin));
  }
  fenetre_->verticalScrollBar()->setValue(0);  // the contents are at the top
  if (premiere && centrer_) centrer_(*fenetre_);
  if (fenetre_->isVisible()) fenetre_->raise();  // asked again while it lies behind the table
  fenetre_->show();
  fenetre_->activateWindow();
}
