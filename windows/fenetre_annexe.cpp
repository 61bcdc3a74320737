#include "windows/fenetre_annexe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QWindow>

#include "table/form_mains.h"
#include "table/form_score_detaille.h"
#include "table/form_tous_plis.h"
#include "windows/centrage_qt.h"

namespace {
// Dialogs, the only kind the window system keeps above the main window they are transient for,
// with the title-bar buttons asked for and no others. A title and no button tells X11 window
// managers that the window may be moved, and nothing else.
Qt::WindowFlags Drapeaux(FenetreAnnexe::Bordure bordure) {
  const Qt::WindowFlags titre = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (bordure == FenetreAnnexe::Bordure::Fixe) return titre;
  return titre | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
}
}  // namespace

FenetreAnnexe::FenetreAnnexe(ModeleFenetre& modele, Bordure bordure, int sortie)
    : FenetreModele(modele, nullptr, Drapeaux(bordure)), sortie_(sortie) {
  if (bordure == Bordure::Fixe)
    setFixedSize(sizeHint());
  else
    resize(sizeHint());
  CentrerFenetre(*this);
}

void FenetreAnnexe::closeEvent(QCloseEvent* event) {
  // The program closes its windows as it ends: nothing may hold it.
  if (!event->spontaneous()) {
    event->accept();
    return;
  }
  // The model alone hides the window, so that the two never part.
  event->ignore();
  if (sortie_ >= 0) Transmettre(sortie_, Evenement::Clic);
}

FenetrePoignee::FenetrePoignee(ModeleFenetre& modele) : FenetreAnnexe(modele, Bordure::Fixe) {
  setObjectName(QStringLiteral("FormPoignee"));
}

void FenetrePoignee::changeEvent(QEvent* event) {
  FenetreAnnexe::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !isMinimized()) return;
  // The main window it is kept above first, then this one above it.
  const QWindow* principale = windowHandle() ? windowHandle()->transientParent() : nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (principale != nullptr && w->windowHandle() == principale) {
      w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
      w->show();
    }
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

FenetreScoreDetaille::FenetreScoreDetaille(FormScoreDetaille& modele)
    : FenetreAnnexe(modele, Bordure::Fixe, modele.ok) {}

FenetreTousPlis::FenetreTousPlis(FormTousPlis& modele) : FenetreAnnexe(modele, Bordure::Fixe, modele.panelPlisOk) {}

FenetreMains::FenetreMains(FormMains& modele) : FenetreAnnexe(modele, Bordure::Fixe, modele.panelMainsOk) {}

FenetreLastPli::FenetreLastPli(FormLastPli& modele) : FenetreAnnexe(modele, Bordure::Reglable), lastPli_(modele) {}

void FenetreLastPli::closeEvent(QCloseEvent* event) {
  lastPli_.Form_Unload();
  event->accept();
  // The owner lets this window go; the next opening makes another.
  emit EvenementTransmis();
}
