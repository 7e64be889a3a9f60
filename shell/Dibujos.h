#pragma once

#include <QIcon>
#include <QImage>

// The program's pictures, drawn from code so that every build shows the same
// ones and nothing has to be shipped or decoded from disk.

inline constexpr int kFotogramasAtomo = 10;

// Ripples on water, for the splash (425 x 319).
QImage DibujarOndas();

// An edge-on spiral galaxy over a starry sky, for the About box (800 x 600).
QImage DibujarGalaxia();

// Frame `fotograma` (0..9) of the atom animation: a nucleus and three
// elliptical orbits whose electrons move one step per frame (32 x 32).
QImage DibujarAtomo(int fotograma);

// A small yellow letter (32 x 32).
QImage DibujarCarta();

// The application icon: a periodic-table tile with an orbit around it.
QIcon IconoAplicacion();
