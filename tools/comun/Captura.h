#pragma once

#include <QString>

class QWidget;

// What the tools that draw the program's windows for its documentation
// share: the same day and the same game every time, so that a picture
// changes only when a window does.

// Names the application as the program does and fixes today's date and the
// seed the games are dealt from. Call it right after building the
// QApplication.
void PrepararProgramaFijo();

// Lets timers and posted events run for `ms` milliseconds, so that
// animations show a frame.
void Esperar(int ms);

// Draws a window as the screen shows it (a shaped window only through its
// mask), at the window's pixel density, into a PNG file. False when the file
// cannot be written.
bool GuardarCaptura(QWidget *ventana, const QString &ruta);
