#pragma once

#include <QImage>

// The program's pictures, drawn from code so that every build shows the same
// ones and nothing has to be shipped or decoded from disk.

// Ripples on water, for the splash (425 x 319).
QImage DibujarOndas();

// An edge-on spiral galaxy over a starry sky, for the About box (800 x 600).
QImage DibujarGalaxia();

// A small yellow letter (32 x 32).
QImage DibujarCarta();
