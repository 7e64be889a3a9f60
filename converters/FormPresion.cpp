#include "converters/FormPresion.h"

#include "converters/conversiones.h"

#include <QLabel>

namespace {

constexpr int kAncho = 640;
constexpr int kAltoSinAyuda = 150;

// In the order of the units: two columns of three.
constexpr CajaConversion kCajas[] = {
    {"TextAtm", "Atmósferas", 20, 20, Calculos::TipoFiltro::Decimal},
    {"TextHg", "Milímetros de mercurio (torr)", 20, 62, Calculos::TipoFiltro::Decimal},
    {"TextBar", "Bares", 20, 104, Calculos::TipoFiltro::Decimal},
    {"TextPa", "Newtons por metro cuadrado (pascales)", 300, 20, Calculos::TipoFiltro::Decimal},
    {"TextDina", "Dinas por centímetro cuadrado", 300, 62, Calculos::TipoFiltro::Decimal},
    {"TextKg", "Kilogramos por centímetro cuadrado", 300, 104, Calculos::TipoFiltro::Decimal},
};

struct Unidad {
    const char *etiqueta;
    const char *texto;
    const char *exponente; // the label of the superscript 2, when the unit has one
};

// The unit beside each box; the pascal's leaves room for its superscript.
constexpr Unidad kUnidades[] = {
    {"Label1", "atm.", nullptr},         {"Label2", "mmHg (torr)", nullptr}, {"Label3", "bar", nullptr},
    {"Label4", "N/m   (Pa) ", "Label5"}, {"Label6", "dina/cm", "Label7"},    {"Label8", "kg/cm", "Label9"},
};

const char *const kAyuda = R"(
<p><b>Factores de conversión:</b></p>
<p>1 atm<br>
= 760 mm Hg (torr)<br>
= 1,01325 × 10<sup>6</sup> dina/cm<sup>2</sup><br>
= 101.325 N/m<sup>2</sup> (Pa)<br>
= 1,01325 bar<br>
= 1,03323 kg/cm<sup>2</sup></p>
)";

const DefinicionConversion kDefinicion{
    .titulo = "Unidades de presión",
    .blancos = 31,
    .finales = 0,
    .cajas = kCajas,
    .conversor = Calculos::kConversorPresion,
    .ancho = kAncho,
    .altoSinAyuda = kAltoSinAyuda,
    .altoConAyuda = 340,
    .informacion = {kAncho - 60, kAltoSinAyuda - 60},
    .panel = "RichTextBox1",
    .ayuda = kAyuda,
};

} // namespace

FormPresion::FormPresion(QWidget *parent) : VentanaConversion(kDefinicion, parent)
{
    setObjectName(QStringLiteral("FormPresion"));
    for (std::size_t i = 0; i < std::size(kCajas); ++i) {
        const Unidad &u = kUnidades[i];
        const int x = kCajas[i].x + GrupoCajas::kAncho + 8;
        const int y = kCajas[i].y;
        QLabel *etiqueta = EtiquetaDeCaja(this, u.etiqueta, QString::fromUtf8(u.texto), x, y);
        if (u.exponente == nullptr)
            continue;
        // The 2 sits just after the "m" of the unit, raised and smaller.
        const QString base = QString::fromUtf8(u.texto).section(u' ', 0, 0);
        QLabel *dos = EtiquetaDeCaja(this, u.exponente, QStringLiteral("2"),
                                     x + etiqueta->fontMetrics().horizontalAdvance(base) + 1, y - 6);
        QFont letra = dos->font();
        letra.setPointSizeF(letra.pointSizeF() * 0.65);
        dos->setFont(letra);
        dos->adjustSize();
    }
}
