#include "widgets/VentanaCalculadora.h"

#include "widgets/Ayuda.h"
#include "widgets/BotonesImagen.h"
#include "widgets/CajaFormula.h"
#include "widgets/Controles.h"
#include "widgets/GuardiaFoco.h"

#include <QPushButton>
#include <QTextEdit>

VentanaCalculadora::VentanaCalculadora(QWidget *parent) : QWidget(parent, Qt::Window), m_guardia(new GuardiaFoco(this))
{
}

void VentanaCalculadora::CrearBotones(const char *calcular, const char *borrar, QPoint informacion)
{
    // A button's width and a gap apart.
    constexpr int kPaso = 52;
    QPoint sitio = informacion - QPoint(kPaso * ((calcular != nullptr) + (borrar != nullptr)), 0);
    const auto boton = [this, &sitio](TipoBoton tipo, const char *nombre, void (VentanaCalculadora::*clic)()) {
        QPushButton *b = CrearBotonImagen(tipo, QString::fromUtf8(nombre), this);
        b->move(sitio);
        sitio.rx() += kPaso;
        connect(b, &QPushButton::clicked, this, clic);
        return b;
    };
    if (calcular != nullptr)
        ui.calcular = boton(TipoBoton::Calcular, calcular, &VentanaCalculadora::Calcular_Click);
    if (borrar != nullptr)
        boton(TipoBoton::Borrar, borrar, &VentanaCalculadora::Borrar_Click);
    boton(TipoBoton::Informacion, "Información", &VentanaCalculadora::Informacion_Click);
}

void VentanaCalculadora::CrearAyuda(const char *html, const QRect &zona, const QFont &letra)
{
    ui.RichTextBox1 = CrearPanelAyuda(this, QStringLiteral("RichTextBox1"), html, zona, letra);
}

double VentanaCalculadora::MasaDeFormula(const Calculos::AnalisisFormula &analisis, QWidget *caja,
                                         const MensajesFormula &mensajes)
{
    MensajeFormula mensaje;
    switch (analisis.error) {
    case Calculos::ErrorFormula::Ninguno:
        return analisis.masa;
    case Calculos::ErrorFormula::Vacia:
        return 0.0;
    case Calculos::ErrorFormula::EmpiezaPorNumero:
        mensaje = mensajes.empiezaPorNumero;
        break;
    case Calculos::ErrorFormula::SimboloDesconocido:
        mensaje = mensajes.simboloDesconocido;
        break;
    }
    if (mensaje.texto != nullptr) {
        const QString texto = QString::fromUtf8(mensaje.texto);
        if (mensaje.icono == Icono::Error)
            MostrarError(this, texto);
        else
            MostrarAviso(this, texto);
    }
    caja->setFocus();
    return 0.0;
}

double VentanaCalculadora::MasaDeFormula(CajaFormula *caja, const MensajesFormula &mensajes)
{
    return MasaDeFormula(Calculos::AnalizarFormula(caja->Texto().toStdString()), caja, mensajes);
}

void VentanaCalculadora::OcultarAyuda()
{
    ui.RichTextBox1->hide();
}

void VentanaCalculadora::Informacion_Click()
{
    AlternarAyuda(ui.RichTextBox1);
}
