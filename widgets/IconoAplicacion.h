#pragma once

#include <QIcon>
#include <QImage>

inline constexpr int kFotogramasAtomo = 10;

// Frame `fotograma` (0..9) of the atom that goes round in the About box and
// stands in the application icon: a nucleus and three elliptical orbits
// whose electrons move one step per frame (32 x 32).
QImage DibujarAtomo(int fotograma);

// The application icon: the atom on a dark tile.
QIcon IconoAplicacion();
