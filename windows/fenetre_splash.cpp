#include "windows/fenetre_splash.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>

#include "table/frm_splash.h"

namespace {

// A picture filling a picture box, scaled to it; clicks go to the box.
void Poser(QWidget* boite, const QString& ressource) {
  if (boite == nullptr) return;
  auto* image = new QLabel(boite);
  image->setObjectName(boite->objectName() + QStringLiteral("Image"));
  image->setPixmap(QPixmap(ressource).scaled(boite->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  image->setAlignment(Qt::AlignCenter);
  image->setGeometry(boite->rect());
  image->setAttribute(Qt::WA_TransparentForMouseEvents);
}

}  // namespace

FenetreSplash::FenetreSplash(FrmSplash& modele) : FenetreAnnexe(modele, Bordure::Fixe), splash_(modele) {
  setObjectName(QStringLiteral("frmSplash"));
  Poser(Widget(modele.Picture2), QStringLiteral(":/pictures/mirvane.png"));
  Poser(Widget(modele.Image2), QStringLiteral(":/pictures/accueil.png"));
}

void FenetreSplash::closeEvent(QCloseEvent* event) {
  // The program closing it as it ends opens nothing.
  if (event->spontaneous()) splash_.Form_Unload();
  event->accept();
}
