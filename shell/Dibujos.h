#pragma once

#include <QImage>

// The program's pictures, drawn from code so that every build shows the same
// ones and nothing has to be shipped or decoded from disk. Each is drawn at
// `escala` device pixels per pixel (the screen's device pixel ratio), so
// that it stays sharp on a high-density screen; its size in pixels is the
// one given.

// Ripples on water, for the splash (425 x 319).
QImage DibujarOndas(qreal escala = 1.0);

// An edge-on spiral galaxy over a starry sky, for the About box (800 x 600).
QImage DibujarGalaxia(qreal escala = 1.0);

// A small yellow letter (32 x 32).
QImage DibujarCarta(qreal escala = 1.0);
