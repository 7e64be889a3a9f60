#include "widgets/Lanzador.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>

namespace {

QHash<QString, QPointer<QWidget>> &Ventanas()
{
    static QHash<QString, QPointer<QWidget>> ventanas;
    return ventanas;
}

} // namespace

QWidget *Lanzador::Abierta(const QString &clase)
{
    const QPointer<QWidget> ventana = Ventanas().value(clase);
    // A closed window waits for its deletion hidden; it no longer counts.
    return ventana != nullptr && ventana->isVisible() ? ventana.data() : nullptr;
}

QWidget *Lanzador::Abrir(const QString &clase, const Fabrica &fabrica)
{
    QWidget *ventana = Abierta(clase);
    if (ventana == nullptr) {
        ventana = fabrica();
        if (ventana == nullptr)
            return nullptr;
        ventana->setAttribute(Qt::WA_DeleteOnClose);
        Ventanas().insert(clase, ventana);
        ventana->show();
    } else if (ventana->isMinimized()) {
        ventana->setWindowState(ventana->windowState() & ~Qt::WindowMinimized);
    }
    ventana->raise();
    ventana->activateWindow();
    return ventana;
}

QWidget *Lanzador::Abrir(const FichaVentana &ficha)
{
    return Abrir(ficha.Clase(), ficha.crear);
}

void Lanzador::CerrarTodo()
{
    QApplication::closeAllWindows();
    // The program ends with its last window; one that refused to close must
    // not keep it alive.
    for (QWidget *ventana : QApplication::topLevelWidgets()) {
        if (ventana->isVisible() && ventana->isWindow()) {
            QCoreApplication::exit(0);
            return;
        }
    }
}
