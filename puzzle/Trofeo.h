#pragma once

#include <QImage>

// The picture of the completion window: a golden cup on a paper scroll with
// a prize rosette, 177 x 209, drawn from code at `escala` device pixels per
// pixel.
QImage DibujarTrofeo(qreal escala = 1.0);
