#include "converters/FormTemperatura.h"

#include "converters/Cajas.h"
#include "widgets/BotonesImagen.h"
#include "widgets/Mensajes.h"
#include "widgets/Teclas.h"
#include "widgets/TextosNumericos.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTextEdit>

using Conversiones::Escala;

namespace {

constexpr Escala kTodas[] = {Escala::Celsius, Escala::Fahrenheit, Escala::Kelvin};

constexpr int kAncho = 610;
constexpr int kAltoSinAyuda = 92;
constexpr int kAltoAyuda = 500;

const char *const kAyuda = R"(
<p>La <b>escala Kelvin</b>, o escala absoluta, empieza en el cero absoluto, la temperatura más
baja posible, a la que las partículas de la materia tienen la mínima energía y no pueden
ceder más calor. Por eso no tiene valores negativos. Su unidad, el kelvin (K), es una unidad
básica del Sistema Internacional y se escribe sin el signo de grado.</p>
<p>La <b>escala Celsius</b> toma como puntos fijos la fusión del hielo (0 ºC) y la ebullición
del agua a una atmósfera de presión (100 ºC), y divide ese intervalo en cien grados. Un grado
Celsius es tan grande como un kelvin, de modo que el cero absoluto está a -273,15 ºC.</p>
<p>La <b>escala Fahrenheit</b>, usada sobre todo en Estados Unidos, da 32 ºF a la fusión del
hielo y 212 ºF a la ebullición del agua: entre ambos hay 180 grados, y cada grado Fahrenheit
vale 5/9 de un grado Celsius. El cero absoluto está a -459,67 ºF.</p>
<p>Para pasar de una escala a otra:</p>
<p style="white-space:pre">ºC = (ºF-32)/1,8<br>ºF = 1,8 * ºC + 32<br>K =  ºC + 273,15</p>
)";

} // namespace

FormTemperatura::FormTemperatura(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FormTemperatura"));
    setWindowTitle(QStringLiteral("Unidades de temperatura") + QString(23, u' ') + QStringLiteral("Orvella"));
    crearControles();
    conectar();
    AjustarAltura();
}

void FormTemperatura::crearControles()
{
    // Decoration: a sunken panel behind the row of boxes and, under it, a
    // band running from cold to hot.
    ui.LabelR1 = new QLabel(this);
    ui.LabelR1->setObjectName(QStringLiteral("LabelR1"));
    ui.LabelR1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.LabelR1->setGeometry(10, 10, 532, 56);
    ui.LabelR2 = new QLabel(this);
    ui.LabelR2->setObjectName(QStringLiteral("LabelR2"));
    ui.LabelR2->setGeometry(10, 72, 532, 6);
    ui.LabelR2->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #3060d0, stop:0.5 #e0e0e0, stop:1 #d03020);"));

    const int y = 23;
    ui.cajas[static_cast<std::size_t>(Escala::Celsius)] = CrearCaja(this, "TextC", 20, y);
    ui.LabelC2 = CrearEtiqueta(this, "LabelC2", QStringLiteral("°C"), 154, y);
    ui.Igual1 = CrearEtiqueta(this, "Igual1", QStringLiteral("="), 186, y);
    ui.cajas[static_cast<std::size_t>(Escala::Fahrenheit)] = CrearCaja(this, "TextF", 204, y);
    ui.LabelF3 = CrearEtiqueta(this, "LabelF3", QStringLiteral("°F"), 338, y);
    ui.Igual2 = CrearEtiqueta(this, "Igual2", QStringLiteral("="), 368, y);
    ui.cajas[static_cast<std::size_t>(Escala::Kelvin)] = CrearCaja(this, "TextK", 386, y);
    ui.LabelK = CrearEtiqueta(this, "LabelK", QStringLiteral("K"), 522, y);

    ui.Informacion = CrearBotonImagen(TipoBoton::Informacion, QStringLiteral("Información"), this);
    ui.Informacion->move(kAncho - 58, 16);

    ui.RTBinformacion = CrearPanelAyuda(this, "RTBinformacion", QString::fromUtf8(kAyuda));
    ui.RTBinformacion->setGeometry(10, kAltoSinAyuda, kAncho - 20, kAltoAyuda - kAltoSinAyuda - 10);
}

void FormTemperatura::conectar()
{
    for (QLineEdit *caja : ui.cajas)
        caja->installEventFilter(this);
    // The watchers see every change, the converter's own writes included.
    connect(Caja(Escala::Kelvin), &QLineEdit::textChanged, this, &FormTemperatura::TextK_Change);
    connect(Caja(Escala::Fahrenheit), &QLineEdit::textChanged, this, &FormTemperatura::TextF_Change);
    connect(ui.Informacion, &QPushButton::clicked, this, &FormTemperatura::Informacion_Click);
}

QLineEdit *FormTemperatura::Caja(Escala escala) const
{
    return ui.cajas[static_cast<std::size_t>(escala)];
}

bool FormTemperatura::eventFilter(QObject *objeto, QEvent *evento)
{
    for (Escala escala : kTodas) {
        if (objeto != Caja(escala))
            continue;
        if (evento->type() == QEvent::KeyPress)
            return Caja_KeyPress(escala, static_cast<QKeyEvent *>(evento));
        if (evento->type() == QEvent::KeyRelease)
            Caja_KeyUp(escala, static_cast<QKeyEvent *>(evento));
        break;
    }
    return QWidget::eventFilter(objeto, evento);
}

bool FormTemperatura::Caja_KeyPress(Escala escala, QKeyEvent *evento)
{
    const auto filtro =
        escala == Escala::Kelvin ? Calculos::TipoFiltro::Decimal : Calculos::TipoFiltro::DecimalConSigno;
    return TecleoEnCaja(Caja(escala), evento, ui.cajas, filtro);
}

void FormTemperatura::Caja_KeyUp(Escala escala, QKeyEvent *evento)
{
    if (EsSoltarTecleo(evento))
        Convertir(escala);
}

void FormTemperatura::Convertir(Escala origen)
{
    // Writing the first box may already have snapped every box to absolute
    // zero, so each value comes from the source box as it reads right then.
    for (Escala destino : Conversiones::OrdenTemperatura(origen)) {
        const auto t = LeerNumero(Caja(origen));
        if (!t)
            return;
        EscribirNumero(Caja(destino), Conversiones::ConvertirTemperatura(origen, destino, *t));
    }
}

void FormTemperatura::TextK_Change()
{
    if (m_enCeroAbsoluto)
        return;
    const auto k = LeerNumero(Caja(Escala::Kelvin));
    if (!k || !Conversiones::KelvinBajoCero(*k))
        return;
    const QScopedValueRollback enCero(m_enCeroAbsoluto, true);
    MostrarMensaje(this, QStringLiteral("La temperatura mínima posible es 0 K."), QStringLiteral("Error"),
                   Icono::Error);
    CeroAbsoluto();
}

void FormTemperatura::TextF_Change()
{
    if (m_enCeroAbsoluto)
        return;
    const auto f = LeerNumero(Caja(Escala::Fahrenheit));
    if (!f || !Conversiones::FahrenheitBajoCero(*f))
        return;
    const QScopedValueRollback enCero(m_enCeroAbsoluto, true);
    CeroAbsoluto();
}

void FormTemperatura::CeroAbsoluto()
{
    const auto escribir = [this](Escala escala, std::string_view texto) {
        Caja(escala)->setText(QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())));
    };
    escribir(Escala::Kelvin, Conversiones::kCeroAbsolutoK);
    escribir(Escala::Celsius, Conversiones::kCeroAbsolutoC);
    escribir(Escala::Fahrenheit, Conversiones::kCeroAbsolutoF);
}

void FormTemperatura::Informacion_Click()
{
    ui.RTBinformacion->setVisible(ui.RTBinformacion->isHidden());
    AjustarAltura();
}

void FormTemperatura::AjustarAltura()
{
    setFixedSize(kAncho, ui.RTBinformacion->isHidden() ? kAltoSinAyuda : kAltoAyuda);
}
