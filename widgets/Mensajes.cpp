#include "widgets/Mensajes.h"

#include <QMessageBox>
#include <QWidget>

namespace {

ManejadorMensajes &Manejador()
{
    static ManejadorMensajes manejador;
    return manejador;
}

void MostrarCajaModal(QWidget *ventana, const QString &texto, const QString &titulo, Icono icono)
{
    QMessageBox caja(icono == Icono::Error ? QMessageBox::Critical : QMessageBox::NoIcon, titulo, texto,
                     QMessageBox::Ok, ventana != nullptr ? ventana->window() : nullptr);
    caja.exec();
}

} // namespace

void MostrarMensaje(QWidget *ventana, const QString &texto, const QString &titulo, Icono icono)
{
    // Copy first: a handler may install another one while it runs.
    const ManejadorMensajes manejador = Manejador();
    if (manejador)
        manejador(ventana, texto, titulo, icono);
    else
        MostrarCajaModal(ventana, texto, titulo, icono);
}

void MostrarError(QWidget *ventana, const QString &texto)
{
    MostrarMensaje(ventana, texto, QStringLiteral("Error"), Icono::Error);
}

void MostrarAviso(QWidget *ventana, const QString &texto)
{
    MostrarMensaje(ventana, texto, QString::fromUtf8(kTituloAplicacion), Icono::Ninguno);
}

ManejadorMensajes InstalarManejadorMensajes(ManejadorMensajes nuevo)
{
    ManejadorMensajes anterior = std::move(Manejador());
    Manejador() = std::move(nuevo);
    return anterior;
}
