#pragma once

#include <QString>
#include <QWidget>

#include <algorithm>
#include <span>
#include <vector>

class QLabel;

// What a screen reader announces for the controls of a window: a name and,
// where it helps, a description. None of it changes what the window shows.

// A control's name and, when given, its description.
void Nombrar(QWidget *control, const QString &nombre, const QString &descripcion = {});

// A field captioned by a label: the label becomes its buddy (on Linux a
// screen reader takes a drop-down list's name from there: Qt gives the
// list's entry as its name) and the field is named after the caption without
// its ":" or "=", or `nombre` when the caption alone does not say it
// ("Masa molecular" beside "g/mol").
void NombrarPorRotulo(QWidget *campo, QLabel *rotulo, const QString &nombre = {});

// A window's names in one table: each control by its name in the program,
// what a screen reader calls it and, when it has them, the label that
// captions it and a description.
struct LecturaControl {
    const char *control;
    const char *nombre;
    const char *rotulo = nullptr;
    const char *descripcion = nullptr;
};
void NombrarControles(QWidget *ventana, std::span<const LecturaControl> lecturas);

// A caption's text as a name: "Fórmula :" is "Fórmula".
QString TextoDeRotulo(const QString &rotulo);

// A label that shows a result is read as what it is, then what it shows and
// the unit in the label beside it: "Actividad: 7,5 mCi". The name follows the
// text as it changes.
void NombrarResultado(QLabel *resultado, const QString &nombre, const QLabel *unidad = nullptr);

// Labels that act as buttons (a click on them does something): Enter or
// Space presses them as the mouse would, and a dotted frame marks the one
// that has the focus, only while it has it, so the window looks as it always
// did. A screen reader reads them as buttons. Tab reaches them through
// MoverFoco: a label that takes the focus by itself lays its text out
// another way, a pixel off.
void HacerPulsables(std::span<QLabel *const> etiquetas);

// Tab and Backtab in a window with such labels: the focus goes to the next
// (or previous) control of `orden` that shows, from the one that has it, or
// from either end. The window calls it from its focusNextPrevChild.
bool MoverFoco(std::span<QWidget *const> orden, bool adelante);

// The tab order runs through `controles` in this order.
void OrdenDeTabulacion(std::span<QWidget *const> controles);

// Controls in the order they are read: by rows from the top, each row from
// the left.
template <class Control> std::vector<QWidget *> EnOrdenDeLectura(std::span<Control *const> controles)
{
    std::vector<QWidget *> orden(controles.begin(), controles.end());
    std::stable_sort(orden.begin(), orden.end(), [](const QWidget *a, const QWidget *b) {
        const QPoint pa = a->mapTo(a->window(), QPoint());
        const QPoint pb = b->mapTo(b->window(), QPoint());
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return orden;
}
