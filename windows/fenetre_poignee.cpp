#include "windows/fenetre_poignee.h"

#include "windows/centrage_qt.h"

FenetrePoignee::FenetrePoignee(ModeleFenetre& modele)
    : FenetreModele(modele, nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("FormPoignee"));
  setFixedSize(sizeHint());
  CentrerFenetre(*this);
}
