#pragma once
// Puts a window in the middle of its screen before it is shown.
class QSize;
class QWidget;

void CentrerFenetre(QWidget& fenetre);
// The same on a screen of the given size in pixels, for a size Qt has not heard of yet.
void CentrerFenetreSur(QWidget& fenetre, const QSize& tailleEcran);
