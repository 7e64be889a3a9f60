#include "converters/FormTemperatura.h"

#include "converters/conversiones.h"
#include "widgets/Controles.h"
#include "widgets/Mensajes.h"
#include "widgets/TextosNumericos.h"

#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

using Calculos::Escala;

namespace {

constexpr int kAncho = 610;
constexpr int kY = 23;

// In the order of the scales. Only the kelvin box refuses a minus sign.
constexpr CajaConversion kCajas[] = {
    {"TextC", "Grados Celsius", 20, kY, Calculos::TipoFiltro::DecimalConSigno},
    {"TextF", "Grados Fahrenheit", 204, kY, Calculos::TipoFiltro::DecimalConSigno},
    {"TextK", "Kelvin", 386, kY, Calculos::TipoFiltro::Decimal},
};

struct Rotulo {
    const char *nombre;
    const char *texto;
    int x;
};

constexpr Rotulo kRotulos[] = {
    {"LabelC2", "°C", 154}, {"Igual1", "=", 186}, {"LabelF3", "°F", 338}, {"Igual2", "=", 368}, {"LabelK", "K", 522},
};

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

const DefinicionConversion kDefinicion{
    .titulo = "Unidades de temperatura",
    .blancos = 23,
    .finales = 0,
    .cajas = kCajas,
    .conversor = Calculos::kConversorTemperatura,
    .ancho = kAncho,
    .altoSinAyuda = 92,
    .altoConAyuda = 500,
    .informacion = {kAncho - 58, 16},
    .panel = "RTBinformacion",
    .ayuda = kAyuda,
};

} // namespace

FormTemperatura::FormTemperatura(QWidget *parent) : VentanaConversion(kDefinicion, parent)
{
    setObjectName(QStringLiteral("FormTemperatura"));
    crearControles();
    conectar();
}

void FormTemperatura::crearControles()
{
    for (const Rotulo &r : kRotulos)
        EtiquetaDeCaja(this, r.nombre, QString::fromUtf8(r.texto), r.x, kY);
    // Decoration behind the boxes: a sunken panel around the row and, under
    // it, a band running from cold to hot.
    auto *banda = Crear<QLabel>(this, QStringLiteral("LabelR2"), {10, 72, 532, 6});
    banda->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #3060d0, stop:0.5 #e0e0e0, stop:1 #d03020);"));
    banda->lower();
    auto *panel = Crear<QLabel>(this, QStringLiteral("LabelR1"), {10, 10, 532, 56});
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->lower();
}

void FormTemperatura::conectar()
{
    // The watchers see every change, the converter's own writes included.
    connect(Caja(static_cast<int>(Escala::Kelvin)), &QLineEdit::textChanged, this, &FormTemperatura::TextK_Change);
    connect(Caja(static_cast<int>(Escala::Fahrenheit)), &QLineEdit::textChanged, this, &FormTemperatura::TextF_Change);
}

void FormTemperatura::TextK_Change()
{
    Vigilar(Escala::Kelvin);
}

void FormTemperatura::TextF_Change()
{
    Vigilar(Escala::Fahrenheit);
}

// A value below absolute zero snaps the three boxes to it; only kelvin says
// why (Celsius reaches it through kelvin).
void FormTemperatura::Vigilar(Escala escala)
{
    if (m_enCeroAbsoluto)
        return;
    const auto t = LeerNumero(Caja(static_cast<int>(escala)));
    if (!t)
        return;
    if (escala == Escala::Kelvin ? !Calculos::KelvinBajoCero(*t) : !Calculos::FahrenheitBajoCero(*t))
        return;
    const QScopedValueRollback enCero(m_enCeroAbsoluto, true);
    if (escala == Escala::Kelvin)
        MostrarError(this, QStringLiteral("La temperatura mínima posible es 0 K."));
    CeroAbsoluto();
}

void FormTemperatura::CeroAbsoluto()
{
    const auto escribir = [this](Escala escala, std::string_view texto) {
        Caja(static_cast<int>(escala))->setText(QString::fromUtf8(texto));
    };
    escribir(Escala::Kelvin, Calculos::kCeroAbsolutoK);
    escribir(Escala::Celsius, Calculos::kCeroAbsolutoC);
    escribir(Escala::Fahrenheit, Calculos::kCeroAbsolutoF);
}
