#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

inline constexpr int kFotogramasAtomo = 10;

// Frame `fotograma` (0..9) of the atom that goes round in the About box and
// stands in the application icon: a nucleus and three elliptical orbits
// whose electrons move one step per frame. Painted in a 32 x 32 box.
void PintarAtomo(QPainter &p, int fotograma);

// The frame as a 32 x 32 picture, drawn at `escala` device pixels per pixel.
QImage DibujarAtomo(int fotograma, qreal escala = 1.0);

// The application icon, the atom on a dark tile, painted in a 32 x 32 box:
// the same drawing gives the window icon and the installed icon files.
void PintarIcono(QPainter &p);

// The window icon, each size drawn at its own size. The installed icon
// files are drawn by tools/icono.
QIcon IconoAplicacion();
