#pragma once

#include <QString>
#include <QWidget>

#include <functional>

// A kind of window the program opens: its class, the menu entry that opens
// it (none for the windows the program opens by itself) and how to make one.
//
// A window whose opening needs work that can be done ahead (a table its rules
// build on first use) has a static Preparar(); the menu runs it off the GUI
// thread as the submenu holding the window's entry opens, so that the window
// opens at once when its entry is chosen.
struct FichaVentana {
    const QMetaObject *clase;
    const char *entrada;
    QWidget *(*crear)();
    void (*preparar)() = nullptr;

    QString Clase() const { return QString::fromLatin1(clase->className()); }
};

template <class Ventana> constexpr FichaVentana Ficha(const char *entrada = nullptr)
{
    FichaVentana ficha{&Ventana::staticMetaObject, entrada, []() -> QWidget * { return new Ventana; }};
    if constexpr (requires { Ventana::Preparar(); })
        ficha.preparar = &Ventana::Preparar;
    return ficha;
}

// Opens the program's windows. There is one window of each kind: opening a
// kind that is already open brings that window to the front; once it has
// been closed, opening it again creates a new one, which runs its load step
// again. Windows have no parent (closing the periodic table leaves the others
// open), are deleted when closed, and the program ends with the last one.
// A window that wants to be modal says so itself (QDialog::setModal) and is
// then shown application-modal.
class Lanzador {
public:
    using Fabrica = std::function<QWidget *()>;

    // The window of kind `clase`, made by `fabrica` when none is open.
    static QWidget *Abrir(const QString &clase, const Fabrica &fabrica);
    static QWidget *Abrir(const FichaVentana &ficha);

    // The open window of kind `clase`, or nullptr.
    static QWidget *Abierta(const QString &clase);

    // Closes every window of the program at once, without asking, and so
    // ends it.
    static void CerrarTodo();
};
