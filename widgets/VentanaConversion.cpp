#include "widgets/VentanaConversion.h"

#include "widgets/Ayuda.h"
#include "widgets/BotonesImagen.h"
#include "widgets/Controles.h"

#include <QPushButton>
#include <QTextEdit>

VentanaConversion::VentanaConversion(const DefinicionConversion &definicion, QWidget *parent)
    : QWidget(parent), m_ancho(definicion.ancho), m_altoSinAyuda(definicion.altoSinAyuda),
      m_altoConAyuda(definicion.altoConAyuda)
{
    setWindowTitle(Titulo(QString::fromUtf8(definicion.titulo), definicion.blancos, definicion.finales));
    ui.cajas = new GrupoCajas(this, definicion.cajas, definicion.conversor);
    ui.Informacion = CrearBotonImagen(TipoBoton::Informacion, QStringLiteral("Información"), this);
    ui.Informacion->move(definicion.informacion);
    // Under the boxes, in the room the window makes for it.
    const QRect zona(10, m_altoSinAyuda, m_ancho - 20, m_altoConAyuda - m_altoSinAyuda - 10);
    ui.ayuda = CrearPanelAyuda(this, QString::fromUtf8(definicion.panel), definicion.ayuda, zona, GrupoCajas::Letra());
    connect(ui.Informacion, &QPushButton::clicked, this, &VentanaConversion::Informacion_Click);
    AjustarAltura();
}

QLineEdit *VentanaConversion::Caja(int i) const
{
    return ui.cajas->Caja(i);
}

void VentanaConversion::Informacion_Click()
{
    AlternarAyuda(ui.ayuda);
    AjustarAltura();
}

void VentanaConversion::AjustarAltura()
{
    setFixedSize(m_ancho, ui.ayuda->isHidden() ? m_altoSinAyuda : m_altoConAyuda);
}
