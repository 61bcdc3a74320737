#include "windows/fenetre_annexe.h"

#include <QCloseEvent>

#include "windows/centrage_qt.h"
#include "table/form_mains.h"

namespace {
Qt::WindowFlags Drapeaux(FenetreAnnexe::Bordure bordure) {
  if (bordure == FenetreAnnexe::Bordure::Reglable) return Qt::Window;
  return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
}
}  // namespace

FenetreAnnexe::FenetreAnnexe(ModeleFenetre& modele, Bordure bordure) : FenetreModele(modele, nullptr, Drapeaux(bordure)) {
  if (bordure == Bordure::Fixe)
    setFixedSize(sizeHint());
  else
    resize(sizeHint());
  CentrerFenetre(*this);
}

FenetreLastPli::FenetreLastPli(FormLastPli& modele) : FenetreAnnexe(modele, Bordure::Reglable), lastPli_(modele) {}

void FenetreLastPli::closeEvent(QCloseEvent* event) {
  lastPli_.Form_Unload();
  Synchroniser();
  event->accept();
}
