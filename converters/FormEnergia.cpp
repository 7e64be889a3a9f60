#include "converters/FormEnergia.h"

#include "converters/Cajas.h"
#include "widgets/BotonesImagen.h"
#include "widgets/Teclas.h"
#include "widgets/TextosNumericos.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include <vector>

using Conversiones::UnidadEnergia;

namespace {

constexpr int kAncho = 660;
constexpr int kAltoSinAyuda = 136;
constexpr int kAltoAyuda = 300;
constexpr int kYPar = 20;
constexpr int kYLinea = 68;
constexpr int kYTrio = 86;

struct CajaEnergia {
    UnidadEnergia unidad;
    const char *caja;
    const char *etiqueta;
    const char *unidadTexto;
    int x;
    int y;
};

constexpr CajaEnergia kCajas[] = {
    {UnidadEnergia::Cal, "TextCal", "Label1", "cal", 20, kYPar},
    {UnidadEnergia::J, "TextJ", "Label2", "J", 250, kYPar},
    {UnidadEnergia::KcalMol, "TextCalMol", "Label5", "kcal/mol", 20, kYTrio},
    {UnidadEnergia::KJMol, "TextJMol", "Label6", "kJ/mol", 250, kYTrio},
    {UnidadEnergia::EV, "TexteV", "Label4", "eV", 470, kYTrio},
};

const char *const kAyuda = R"(
<p><b>Factores de conversión:</b></p>
<p style="white-space:pre">1 caloría (termodinámica)  =  4,184 J</p>
<p style="white-space:pre">1 eV  =  96,48 kJ/mol</p>
<p>El electronvoltio se toma por partícula y se expresa por mol, multiplicado por la
constante de Avogadro.</p>
)";

} // namespace

FormEnergia::FormEnergia(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FormEnergia"));
    setWindowTitle(QStringLiteral("Unidades de energía") + QString(27, u' ') + QStringLiteral("Orvella") +
                   QString(30, u' '));
    crearControles();
    conectar();
    AjustarAltura();
}

void FormEnergia::crearControles()
{
    for (const CajaEnergia &c : kCajas) {
        const auto i = static_cast<std::size_t>(c.unidad);
        ui.cajas[i] = CrearCaja(this, c.caja, c.x, c.y);
        ui.etiquetas[i] = CrearEtiqueta(this, c.etiqueta, QString::fromUtf8(c.unidadTexto), c.x + kAnchoCaja + 8, c.y);
    }

    ui.Line1 = new QFrame(this);
    ui.Line1->setObjectName(QStringLiteral("Line1"));
    ui.Line1->setFrameShape(QFrame::HLine);
    ui.Line1->setFrameShadow(QFrame::Sunken);
    ui.Line1->setGeometry(10, kYLinea, kAncho - 20, 4);

    ui.Informacion = CrearBotonImagen(TipoBoton::Informacion, QStringLiteral("Información"), this);
    ui.Informacion->move(kAncho - 60, kYPar - 7);

    ui.RichTextBox1 = CrearPanelAyuda(this, "RichTextBox1", QString::fromUtf8(kAyuda));
    ui.RichTextBox1->setGeometry(10, kAltoSinAyuda, kAncho - 20, kAltoAyuda - kAltoSinAyuda - 10);
}

void FormEnergia::conectar()
{
    for (QLineEdit *caja : ui.cajas)
        caja->installEventFilter(this);
    connect(ui.Informacion, &QPushButton::clicked, this, &FormEnergia::Informacion_Click);
}

QLineEdit *FormEnergia::Caja(UnidadEnergia unidad) const
{
    return ui.cajas[static_cast<std::size_t>(unidad)];
}

bool FormEnergia::eventFilter(QObject *objeto, QEvent *evento)
{
    for (const CajaEnergia &c : kCajas) {
        if (objeto != Caja(c.unidad))
            continue;
        if (evento->type() == QEvent::KeyPress)
            return Caja_KeyPress(c.unidad, static_cast<QKeyEvent *>(evento));
        if (evento->type() == QEvent::KeyRelease)
            Caja_KeyUp(c.unidad, static_cast<QKeyEvent *>(evento));
        break;
    }
    return QWidget::eventFilter(objeto, evento);
}

bool FormEnergia::Caja_KeyPress(UnidadEnergia unidad, QKeyEvent *evento)
{
    // The other group is left alone.
    std::vector<QLineEdit *> grupo;
    for (UnidadEnergia u : Conversiones::GrupoEnergia(unidad))
        grupo.push_back(Caja(u));
    return TecleoEnCaja(Caja(unidad), evento, grupo, Calculos::TipoFiltro::Decimal);
}

void FormEnergia::Caja_KeyUp(UnidadEnergia unidad, QKeyEvent *evento)
{
    if (EsSoltarTecleo(evento))
        Convertir(unidad);
}

void FormEnergia::Convertir(UnidadEnergia origen)
{
    const auto x = LeerNumero(Caja(origen));
    if (!x)
        return;
    // The reference box (J or kJ/mol) comes from the typed value; the rest
    // of the group from the rounded number it then shows.
    const UnidadEnergia referencia = Conversiones::Referencia(origen);
    for (UnidadEnergia destino : Conversiones::OrdenEnergia(origen)) {
        if (destino == referencia) {
            EscribirNumero(Caja(destino), Conversiones::AReferencia(origen, *x));
            continue;
        }
        const auto y = LeerNumero(Caja(referencia));
        if (!y) {
            Caja(destino)->clear();
            continue;
        }
        EscribirNumero(Caja(destino), Conversiones::DesdeReferencia(destino, *y));
    }
}

void FormEnergia::Informacion_Click()
{
    ui.RichTextBox1->setVisible(ui.RichTextBox1->isHidden());
    AjustarAltura();
}

void FormEnergia::AjustarAltura()
{
    setFixedSize(kAncho, ui.RichTextBox1->isHidden() ? kAltoSinAyuda : kAltoAyuda);
}
