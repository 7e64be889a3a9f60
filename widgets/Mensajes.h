#pragma once

#include "core/aplicacion.h"

#include <QString>

#include <functional>

class QWidget;

enum class Icono { Ninguno, Error };

using ManejadorMensajes = std::function<void(QWidget *, const QString &texto, const QString &titulo, Icono)>;

// Every message box of the program goes through here: a modal box with an
// OK button, owned by the window of `ventana`.
void MostrarMensaje(QWidget *ventana, const QString &texto, const QString &titulo, Icono icono);

// The two kinds of message of the program: an error, titled "Error" with the
// error icon, and a notice, titled with the application's name, no icon.
void MostrarError(QWidget *ventana, const QString &texto);
void MostrarAviso(QWidget *ventana, const QString &texto);

// Replaces the way messages are shown (tests record them instead) and returns
// the previous handler. An empty handler restores the real message box.
ManejadorMensajes InstalarManejadorMensajes(ManejadorMensajes nuevo);
