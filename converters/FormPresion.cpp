#include "converters/FormPresion.h"

#include "converters/Cajas.h"
#include "widgets/BotonesImagen.h"
#include "widgets/Teclas.h"
#include "widgets/TextosNumericos.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

using Conversiones::UnidadPresion;

namespace {

constexpr int kAncho = 640;
constexpr int kAltoSinAyuda = 150;
constexpr int kAltoAyuda = 340;

struct FilaPresion {
    UnidadPresion unidad;
    const char *caja;
    const char *etiqueta;
    const char *unidadTexto;
    const char *exponente; // the label of the superscript 2, when the unit has one
    int x;
    int y;
};

// Two columns of three; the pascal label leaves room for its superscript.
constexpr FilaPresion kFilas[] = {
    {UnidadPresion::Atm, "TextAtm", "Label1", "atm.", nullptr, 20, 20},
    {UnidadPresion::Hg, "TextHg", "Label2", "mmHg (torr)", nullptr, 20, 62},
    {UnidadPresion::Bar, "TextBar", "Label3", "bar", nullptr, 20, 104},
    {UnidadPresion::Pa, "TextPa", "Label4", "N/m   (Pa) ", "Label5", 300, 20},
    {UnidadPresion::Dina, "TextDina", "Label6", "dina/cm", "Label7", 300, 62},
    {UnidadPresion::Kg, "TextKg", "Label8", "kg/cm", "Label9", 300, 104},
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

} // namespace

FormPresion::FormPresion(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FormPresion"));
    setWindowTitle(QStringLiteral("Unidades de presión") + QString(31, u' ') + QStringLiteral("Orvella"));
    crearControles();
    conectar();
    AjustarAltura();
}

void FormPresion::crearControles()
{
    std::size_t n = 0;
    for (const FilaPresion &fila : kFilas) {
        QLineEdit *caja = CrearCaja(this, fila.caja, fila.x, fila.y);
        ui.cajas[static_cast<std::size_t>(fila.unidad)] = caja;
        const int xUnidad = fila.x + kAnchoCaja + 8;
        QLabel *etiqueta = CrearEtiqueta(this, fila.etiqueta, QString::fromUtf8(fila.unidadTexto), xUnidad, fila.y);
        ui.etiquetas[n++] = etiqueta;
        if (fila.exponente == nullptr)
            continue;
        // The 2 sits just after "m" of the unit, raised and smaller.
        const QString base = QString::fromUtf8(fila.unidadTexto).section(u' ', 0, 0);
        const int xExponente = xUnidad + etiqueta->fontMetrics().horizontalAdvance(base) + 1;
        QLabel *dos = CrearEtiqueta(this, fila.exponente, QStringLiteral("2"), xExponente, fila.y - 6);
        QFont letra = dos->font();
        letra.setPointSizeF(letra.pointSizeF() * 0.65);
        dos->setFont(letra);
        dos->adjustSize();
        ui.etiquetas[n++] = dos;
    }

    ui.Informacion = CrearBotonImagen(TipoBoton::Informacion, QStringLiteral("Información"), this);
    ui.Informacion->move(kAncho - 60, kAltoSinAyuda - 60);

    ui.RichTextBox1 = CrearPanelAyuda(this, "RichTextBox1", QString::fromUtf8(kAyuda));
    ui.RichTextBox1->setGeometry(10, kAltoSinAyuda, kAncho - 20, kAltoAyuda - kAltoSinAyuda - 10);
}

void FormPresion::conectar()
{
    for (QLineEdit *caja : ui.cajas)
        caja->installEventFilter(this);
    connect(ui.Informacion, &QPushButton::clicked, this, &FormPresion::Informacion_Click);
}

QLineEdit *FormPresion::Caja(UnidadPresion unidad) const
{
    return ui.cajas[static_cast<std::size_t>(unidad)];
}

bool FormPresion::eventFilter(QObject *objeto, QEvent *evento)
{
    for (const FilaPresion &fila : kFilas) {
        if (objeto != Caja(fila.unidad))
            continue;
        if (evento->type() == QEvent::KeyPress)
            return Caja_KeyPress(fila.unidad, static_cast<QKeyEvent *>(evento));
        if (evento->type() == QEvent::KeyRelease)
            Caja_KeyUp(fila.unidad, static_cast<QKeyEvent *>(evento));
        break;
    }
    return QWidget::eventFilter(objeto, evento);
}

bool FormPresion::Caja_KeyPress(UnidadPresion unidad, QKeyEvent *evento)
{
    return TecleoEnCaja(Caja(unidad), evento, ui.cajas, Calculos::TipoFiltro::Decimal);
}

void FormPresion::Caja_KeyUp(UnidadPresion unidad, QKeyEvent *evento)
{
    if (EsSoltarTecleo(evento))
        Convertir(unidad);
}

void FormPresion::Convertir(UnidadPresion origen)
{
    const auto x = LeerNumero(Caja(origen));
    if (!x)
        return;
    QLineEdit *atm = Caja(UnidadPresion::Atm);
    if (origen != UnidadPresion::Atm)
        EscribirNumero(atm, Conversiones::AAtmosferas(origen, *x));
    // Each box is derived from what the atmosphere box shows at that moment:
    // for some sources it has already been rounded, for others not yet.
    for (UnidadPresion destino : Conversiones::OrdenPresion(origen)) {
        const auto a = LeerNumero(atm);
        if (!a) {
            Caja(destino)->clear();
            continue;
        }
        EscribirNumero(Caja(destino), Conversiones::DesdeAtmosferas(destino, *a));
    }
}

void FormPresion::Informacion_Click()
{
    ui.RichTextBox1->setVisible(ui.RichTextBox1->isHidden());
    AjustarAltura();
}

void FormPresion::AjustarAltura()
{
    setFixedSize(kAncho, ui.RichTextBox1->isHidden() ? kAltoSinAyuda : kAltoAyuda);
}
