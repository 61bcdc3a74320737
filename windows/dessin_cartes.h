#pragma once
// Our own card faces, drawn with QPainter. The tool in tools/ writes them to pictures/ and a
// test checks that the committed files are still exactly what this code draws.
#include <QImage>
#include <QString>
#include <cstdint>

inline constexpr int LargeurCarte = 90;
inline constexpr int HauteurCarte = 150;

// A face is named by its place in the picture lists: suit code 0..4 and index 1..22 in the
// trump list (22 the Excuse) or 1..14 in a plain suit's list.
int16_t NombreImages(int16_t couleur);
QString NomFichierCarte(int16_t couleur, int16_t indice);  // "atout-07.png", "excuse.png", ...
inline const QString NomFichierIcone = QStringLiteral("mirvane.png");
inline const QString NomFichierAccueil = QStringLiteral("accueil.png");

// False when a DejaVu font file is missing: the faces would come out without their texts.
bool PolicesDisponibles();

// 90 x 150, ARGB32 premultiplied, transparent outside the rounded corners. Needs a
// QGuiApplication (the glyph outlines come from the platform's font engine).
QImage DessinerCarte(int16_t couleur, int16_t indice);
QImage DessinerIcone();  // 128 x 128
// The start screen's picture: the three oudlers fanned out on the table's green, 95 x 129,
// 24 bits per pixel.
QImage DessinerImageAccueil();
