#include "calculators/FormRendimiento.h"

#include "core/formula.h"
#include "core/numeros.h"
#include "widgets/Accesible.h"
#include "widgets/CajaFormula.h"
#include "widgets/Controles.h"
#include "widgets/FiltroTeclas.h"
#include "widgets/GuardiaFoco.h"
#include "widgets/Mensajes.h"
#include "widgets/TextosNumericos.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>
#include <tuple>

namespace {

const char *const kAyuda = R"(
<p align="justify">Cuando se lleva a cabo una reacción, los reactivos no suelen estar en las proporciones exactas que
indica la ecuación ajustada. El <b>reactivo limitante</b> es el que se consume primero: cuando se acaba, la reacción
se detiene, y por eso limita la cantidad de producto que se forma. Los demás son <b>reactivos en exceso</b>: parte de
ellos queda sin reaccionar.</p>
<p align="justify">El <b>rendimiento teórico</b> es la cantidad de producto que se obtendría si reaccionara todo el
reactivo limitante, según la ecuación ajustada. El <b>rendimiento real</b> es la cantidad de producto que se obtiene
de hecho, casi siempre menor. El <b>porcentaje de rendimiento</b> relaciona ambos:</p>
<p align="center" style="white-space:pre-wrap">% de rendimiento  =  rendimiento real x 100 / rendimiento teórico</p>
)";

const QString kFormulaMolecular = QStringLiteral("Introduzca la fórmula molecular.");

// An unknown symbol has no message of its own here: the calculation then
// asks for the formula.
const MensajesFormula kErroresFormula{.empiezaPorNumero = {"La fórmula no puede empezar por un número"}};

} // namespace

FormRendimiento::FormRendimiento(QWidget *parent) : VentanaCalculadora(parent)
{
    PrepararVentana(this, Titulo(QStringLiteral("Rendimiento de reacción"), 21), Fuente(QStringLiteral("Arial"), 9),
                    {540, 296});

    crearControles();
    conectar();
}

void FormRendimiento::crearControles()
{
    // The column headings stand over the middle of their columns.
    const Qt::Alignment columna = Qt::AlignHCenter | Qt::AlignBottom;
    const Qt::Alignment fila = Qt::AlignLeft | Qt::AlignVCenter;
    struct Rotulo {
        const char *nombre;
        const char *texto;
        QRect zona;
        Qt::Alignment alineacion;
    };
    const Rotulo rotulos[] = {
        {"Label1", "Reactivo limitante", {130, 14, 180, 20}, columna},
        {"Label2", "Producto", {330, 14, 180, 20}, columna},
        {"Label5", "Fórmula:", {20, 48, 100, 20}, fila},
        {"Label6", "Coeficiente:", {20, 92, 100, 20}, fila},
        {"Label7", "masa(g):", {20, 132, 100, 20}, fila},
    };
    for (const Rotulo &r : rotulos)
        CrearEtiqueta(this, QString::fromUtf8(r.nombre), QString::fromUtf8(r.texto), r.zona)
            ->setAlignment(r.alineacion);

    // Each box is read by its row's caption and its column's heading.
    for (auto [caja, nombre, x, lectura] :
         {std::tuple{&ui.BoxFormulaEmpReact, "BoxFormulaEmpReact", 130, "Fórmula del reactivo limitante"},
          std::tuple{&ui.BoxFormulaEmpProd, "BoxFormulaEmpProd", 330, "Fórmula del producto"}}) {
        *caja = new CajaFormula(this);
        (*caja)->setObjectName(QString::fromUtf8(nombre));
        (*caja)->setGeometry(x, 40, 180, (*caja)->height());
        Nombrar(*caja, QString::fromUtf8(lectura));
    }

    struct Caja {
        QLineEdit *&caja;
        const char *nombre;
        QRect zona;
        const char *lectura;
    };
    const Caja cajas[] = {
        {ui.TextCoefReact, "TextCoefReact", {130, 88, 60, 26}, "Coeficiente del reactivo limitante"},
        {ui.TextCoefProd, "TextCoefProd", {330, 88, 60, 26}, "Coeficiente del producto"},
        {ui.TextMasaReact, "TextMasaReact", {130, 128, 120, 26}, "Masa del reactivo limitante (g)"},
        {ui.TextMasaProd, "TextMasaProd", {330, 128, 120, 26}, "Masa del producto (g)"},
        {ui.PmReactivo, "PmReactivo", {}, "Masa molecular del reactivo limitante"},
        {ui.PmProducto, "PmProducto", {}, "Masa molecular del producto"},
        {ui.MasaTeoricaProducto, "MasaTeoricaProducto", {}, "Masa teórica del producto"},
    };
    for (const Caja &c : cajas) {
        c.caja = Crear<QLineEdit>(this, QString::fromUtf8(c.nombre), c.zona);
        Nombrar(c.caja, QString::fromUtf8(c.lectura));
    }
    m_numeros = {ui.TextCoefReact, ui.TextCoefProd, ui.TextMasaReact, ui.TextMasaProd};
    ui.TextCoefReact->setText(QStringLiteral("1"));
    ui.TextCoefReact->setToolTip(QStringLiteral("Coeficiente estequiométrico del reactivo en la ecuación balanceada."));
    ui.TextCoefProd->setText(QStringLiteral("1"));
    ui.TextCoefProd->setToolTip(QStringLiteral("Coeficiente estequiométrico del producto en la ecuación balanceada."));
    // Working storage: the molar masses and the theoretical mass.
    for (QLineEdit *oculta : {ui.PmReactivo, ui.PmProducto, ui.MasaTeoricaProducto})
        oculta->hide();

    const QFont resultado = Fuente(QStringLiteral("Arial"), 11, true);
    const QColor azulOscuro(0, 0, 128);
    QLabel *rotulo =
        CrearEtiqueta(this, QStringLiteral("Label3"), QStringLiteral("% de rendimiento   ="), {20, 186, 158, 24});
    ui.LabelRendimiento = CrearEtiqueta(this, QStringLiteral("LabelRendimiento"), QString(), {182, 186, 160, 24});
    for (QLabel *etiqueta : {rotulo, ui.LabelRendimiento}) {
        etiqueta->setFont(resultado);
        Colorear(etiqueta, Qt::transparent, azulOscuro);
    }
    NombrarResultado(ui.LabelRendimiento, QStringLiteral("Porcentaje de rendimiento"));

    CrearBotones("cbCalcular", "Borrar", {482, 240});
    // Over the data and the result when shown.
    CrearAyuda(kAyuda, {10, 10, 520, 222}, Fuente(QStringLiteral("Arial"), 10));
}

void FormRendimiento::conectar()
{
    // A yield shown always belongs to the data beside it.
    // Any edit gives the button back.
    for (CajaFormula *formula : {ui.BoxFormulaEmpReact, ui.BoxFormulaEmpProd}) {
        connect(formula, &QTextEdit::textChanged, ui.LabelRendimiento, &QLabel::clear);
        connect(formula, &CajaFormula::editada, this, &FormRendimiento::Caja_Change);
    }
    for (QLineEdit *caja : m_numeros) {
        const bool coeficiente = caja == ui.TextCoefReact || caja == ui.TextCoefProd;
        InstalarFiltro(caja, coeficiente ? Calculos::TipoFiltro::Entero : Calculos::TipoFiltro::Decimal);
        connect(caja, &QLineEdit::textChanged, ui.LabelRendimiento, &QLabel::clear);
        connect(caja, &QLineEdit::textEdited, this, &FormRendimiento::Caja_Change);
        caja->installEventFilter(this);
    }
}

bool FormRendimiento::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::FocusOut)
        Numero_LostFocus(static_cast<QLineEdit *>(objeto), static_cast<QFocusEvent *>(evento));
    return QWidget::eventFilter(objeto, evento);
}

void FormRendimiento::Calcular()
{
    OcultarAyuda();
    if (!DatosCompletos() || !MasasMolares())
        return;
    BotonCalcular()->setEnabled(false);
    MostrarRendimiento();
}

// Both formulas, then each number box: empty ones only take the focus, the
// ones that are not numbers are reported.
bool FormRendimiento::DatosCompletos()
{
    if (ui.BoxFormulaEmpReact->Texto().isEmpty()) {
        Avisar(QStringLiteral("Introduzca la fórmula molecular del reactivo limitante."), ui.BoxFormulaEmpReact);
        return false;
    }
    if (ui.BoxFormulaEmpProd->Texto().isEmpty()) {
        Avisar(QStringLiteral("Introduzca la fórmula molecular del producto."), ui.BoxFormulaEmpProd);
        return false;
    }
    const auto vacia =
        std::find_if(m_numeros.begin(), m_numeros.end(), [](QLineEdit *c) { return c->text().isEmpty(); });
    if (vacia != m_numeros.end()) {
        (*vacia)->setFocus();
        return false;
    }
    const char *const mensajes[] = {
        "El valor dado al coeficiente del reactivo no es válido.",
        "El valor dado al coeficiente del producto no es válido.",
        "El valor dado a la masa del reactivo no es válido.",
        "El valor dado a la masa del producto no es válido.",
    };
    for (std::size_t n = 0; n < m_numeros.size(); ++n) {
        if (!EsTextoNumerico(m_numeros[n]->text())) {
            Avisar(QString::fromUtf8(mensajes[n]), m_numeros[n]);
            ui.LabelRendimiento->clear();
            return false;
        }
    }
    return true;
}

// The product's first: a refused formula is reported on its own box.
bool FormRendimiento::MasasMolares()
{
    EscribirNumero(ui.PmProducto, Calculos::Redondear(MasaMolecularProd(), Calculos::kDecimalesMasaMolarReaccion));
    if (LeerNumero(ui.PmProducto).value_or(0.0) == 0.0) {
        MostrarError(this, kFormulaMolecular);
        ui.BoxFormulaEmpProd->setFocus();
        return false;
    }
    EscribirNumero(ui.PmReactivo, Calculos::Redondear(MasaMolecularReact(), Calculos::kDecimalesMasaMolarReaccion));
    if (LeerNumero(ui.PmReactivo).value_or(0.0) == 0.0) {
        MostrarError(this, kFormulaMolecular);
        ui.BoxFormulaEmpReact->setFocus();
        return false;
    }
    return true;
}

// A reagent coefficient typed as "0,0" (the check on leaving the box stops
// only "0"), or a theoretical mass of 0, has no yield: the result stays empty
// and nothing is said.
void FormRendimiento::MostrarRendimiento()
{
    const Calculos::DatosReaccion datos{
        .coefReactivo = *LeerNumero(ui.TextCoefReact),
        .coefProducto = *LeerNumero(ui.TextCoefProd),
        .masaReactivo = *LeerNumero(ui.TextMasaReact),
        .pmReactivo = *LeerNumero(ui.PmReactivo),
        .pmProducto = *LeerNumero(ui.PmProducto),
    };
    ui.MasaTeoricaProducto->clear();
    if (const auto teorica = Calculos::MasaTeoricaProducto(datos))
        EscribirNumero(ui.MasaTeoricaProducto, *teorica);
    const std::optional<double> teorica = LeerNumero(ui.MasaTeoricaProducto);
    const std::optional<double> rendimiento =
        teorica ? Calculos::PorcentajeRendimiento(*LeerNumero(ui.TextMasaProd), *teorica) : std::nullopt;
    if (!rendimiento) {
        ui.LabelRendimiento->clear();
        return;
    }
    ui.LabelRendimiento->setText(TextoDeNumero(*rendimiento));
    // Judged on the figure as shown, which stays.
    if (Calculos::RendimientoMayorDe100(NumeroDeTexto(ui.LabelRendimiento->text()).value_or(0.0)))
        MostrarError(this, QStringLiteral("El rendimiento no puede ser mayor de 100."));
}

double FormRendimiento::MasaMolecularReact()
{
    return MasaDeFormula(ui.BoxFormulaEmpReact, kErroresFormula);
}

double FormRendimiento::MasaMolecularProd()
{
    return MasaDeFormula(ui.BoxFormulaEmpProd, kErroresFormula);
}

void FormRendimiento::Avisar(const QString &texto, QWidget *foco)
{
    MostrarAviso(this, texto);
    foco->setFocus();
}

void FormRendimiento::Caja_Change()
{
    BotonCalcular()->setEnabled(true);
}

void FormRendimiento::Numero_LostFocus(QLineEdit *caja, QFocusEvent *evento)
{
    Guardia()->AlPerderFocoSinCero(caja, *evento);
}

void FormRendimiento::Calcular_Click()
{
    Calcular();
}

void FormRendimiento::Borrar_Click()
{
    OcultarAyuda();
    ui.BoxFormulaEmpReact->Vaciar();
    ui.BoxFormulaEmpProd->Vaciar();
    for (QLineEdit *caja : m_numeros)
        caja->clear();
    ui.LabelRendimiento->clear();
    ui.BoxFormulaEmpReact->setFocus();
    BotonCalcular()->setEnabled(true);
}
