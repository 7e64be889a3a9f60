#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;

// Every control of a window is made here, with its parent, its name in the
// program (its objectName: how the rest of the program and the tests find
// it) and its place on the window.
template <class Control> Control *Crear(QWidget *padre, const QString &nombre, const QRect &zona)
{
    auto *control = new Control(padre);
    control->setObjectName(nombre);
    control->setGeometry(zona);
    return control;
}

// The same for what has no place on the window: timers.
template <class Objeto> Objeto *Crear(QObject *padre, const QString &nombre)
{
    auto *objeto = new Objeto(padre);
    objeto->setObjectName(nombre);
    return objeto;
}

QLabel *CrearEtiqueta(QWidget *padre, const QString &nombre, const QString &texto, const QRect &zona);

QFont Fuente(const QString &familia, qreal puntos, bool negrita = false);

// Background and text colour; a transparent background lets the window show
// through.
void Colorear(QWidget *control, const QColor &fondo, const QColor &texto);

// What a control shows: the text of a box, label, list or button, the date
// of a date picker, the title of a frame, the plain text of a rich-text box,
// the lines of a list box joined by commas. Empty for anything else.
QString TextoDe(const QWidget *control);

// The first step of a window's load: its name (that of its class), its
// caption, its letter and its fixed size.
void PrepararVentana(QWidget *ventana, const QString &titulo, const QFont &letra, QSize tamano);

// An empty transparent picture of `tamano` pixels for drawing on at
// `escala` device pixels per pixel (the screen's density), so that it stays
// sharp on a high-density screen.
QPixmap Lienzo(QSize tamano, qreal escala);

// A window's caption: its title, a run of `blancos` blanks, the program's
// name and, on some windows, `finales` more blanks.
QString Titulo(const QString &titulo, int blancos, int finales = 0);
