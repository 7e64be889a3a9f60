#include "widgets/Mensajes.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLayout>
#include <QMessageBox>
#include <QWidget>

namespace {

ManejadorMensajes &Manejador()
{
    static ManejadorMensajes manejador;
    return manejador;
}

// The width the box's title bar needs. The window manager draws that bar and
// Qt cannot measure it: count the title in bold, a size up from the box's
// text, beside the bar's icon and three buttons, each about as wide as the bar
// is high. Qt's own guess leaves a short box's title cut ("O… la").
int AnchoDelTitulo(const QMessageBox &caja)
{
    QFont negrita = caja.font();
    negrita.setBold(true);
    if (negrita.pointSizeF() > 0)
        negrita.setPointSizeF(negrita.pointSizeF() * 1.2);
    else
        negrita.setPixelSize(negrita.pixelSize() * 6 / 5);
    const QFontMetrics medida(negrita);
    const int alturaBarra = medida.height() * 2;
    return medida.horizontalAdvance(caja.windowTitle()) + 4 * alturaBarra;
}

void MostrarCajaModal(QWidget *ventana, const QString &texto, const QString &titulo, Icono icono)
{
    QMessageBox caja(icono == Icono::Error ? QMessageBox::Critical : QMessageBox::NoIcon, titulo, texto,
                     QMessageBox::Ok, ventana != nullptr ? ventana->window() : nullptr);
    // QMessageBox fixes its own size as it shows, from its layout: the row of
    // buttons spans the whole box, so its minimum widens the box.
    if (auto *botones = caja.findChild<QDialogButtonBox *>()) {
        const QMargins margen = caja.layout()->contentsMargins();
        botones->setMinimumWidth(AnchoDelTitulo(caja) - margen.left() - margen.right());
    }
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
