#include "converters/FormEnergia.h"

#include "converters/conversiones.h"
#include "widgets/Controles.h"

#include <QFrame>

namespace {

constexpr int kAncho = 660;
constexpr int kYPar = 20;
constexpr int kYTrio = 86;

// In the order of the units; typing empties only the boxes of its own group.
constexpr CajaConversion kCajas[] = {
    {"TextCal", "Calorías", 20, kYPar, Calculos::TipoFiltro::Decimal, 0},
    {"TextJ", "Julios", 250, kYPar, Calculos::TipoFiltro::Decimal, 0},
    {"TextCalMol", "Kilocalorías por mol", 20, kYTrio, Calculos::TipoFiltro::Decimal, 1},
    {"TextJMol", "Kilojulios por mol", 250, kYTrio, Calculos::TipoFiltro::Decimal, 1},
    {"TexteV", "Electronvoltios", 470, kYTrio, Calculos::TipoFiltro::Decimal, 1},
};

// The unit beside each box.
constexpr std::pair<const char *, const char *> kUnidades[] = {
    {"Label1", "cal"}, {"Label2", "J"}, {"Label5", "kcal/mol"}, {"Label6", "kJ/mol"}, {"Label4", "eV"},
};

const char *const kAyuda = R"(
<p><b>Factores de conversión:</b></p>
<p style="white-space:pre">1 caloría (termodinámica)  =  4,184 J</p>
<p style="white-space:pre">1 eV  =  96,48 kJ/mol</p>
<p>El electronvoltio se toma por partícula y se expresa por mol, multiplicado por la
constante de Avogadro.</p>
)";

const DefinicionConversion kDefinicion{
    .titulo = "Unidades de energía",
    .blancos = 27,
    .finales = 30,
    .cajas = kCajas,
    .conversor = Calculos::kConversorEnergia,
    .ancho = kAncho,
    .altoSinAyuda = 136,
    .altoConAyuda = 300,
    .informacion = {kAncho - 60, kYPar - 7},
    .panel = "RichTextBox1",
    .ayuda = kAyuda,
};

} // namespace

FormEnergia::FormEnergia(QWidget *parent) : VentanaConversion(kDefinicion, parent)
{
    setObjectName(QStringLiteral("FormEnergia"));
    for (std::size_t i = 0; i < std::size(kCajas); ++i) {
        const auto &[nombre, unidad] = kUnidades[i];
        EtiquetaDeCaja(this, nombre, QString::fromUtf8(unidad), kCajas[i].x + GrupoCajas::kAncho + 8, kCajas[i].y);
    }
    auto *linea = Crear<QFrame>(this, QStringLiteral("Line1"), {10, 68, kAncho - 20, 4});
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
}
