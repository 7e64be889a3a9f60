#include "calculators/FormDisoluciones.h"

#include "core/formula.h"
#include "core/numeros.h"
#include "widgets/Accesible.h"
#include "widgets/CajaFormula.h"
#include "widgets/Controles.h"
#include "widgets/FiltroTeclas.h"
#include "widgets/GuardiaFoco.h"
#include "widgets/Mensajes.h"
#include "widgets/Teclas.h"
#include "widgets/TextosNumericos.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <iterator>
#include <span>
#include <tuple>

using Calculos::Cantidad;

namespace {

// Paragraphs a little closer than the default, so the whole text shows at once.
const char *const kAyuda = R"(
<p align="justify" style="margin-top:5px; margin-bottom:5px">La concentración de una disolución es la cantidad de
soluto presente en una cantidad dada de disolución o de disolvente.</p>
<p align="justify" style="margin-top:5px; margin-bottom:5px">El porcentaje en masa o peso porcentual de soluto en
relación a la masa total de la disolución se define como:</p>
<p align="center" style="margin-top:5px; margin-bottom:5px; white-space:pre-wrap"><b>Porcentaje en masa  =  masa de soluto x 100 / masa de disolución</b></p>
<p align="justify" style="margin-top:5px; margin-bottom:5px; font-size:8pt">En Orvella se hace siempre la
aproximación de tomar la densidad de la disolución final igual a 1 g/ml.</p>
<p align="justify" style="margin-top:5px; margin-bottom:5px">La molaridad (M) se define como el número de moles de
soluto en un litro de disolución, por lo que su unidad es mol/l.</p>
<p align="center" style="margin-top:5px; margin-bottom:5px; white-space:pre-wrap"><b>Molaridad  =  moles de soluto / litros de disolución</b></p>
<p align="justify" style="margin-top:5px; margin-bottom:5px">También suele expresarse la concentración de soluto en
una disolución como la cantidad (masa) de soluto por unidad de volumen de la disolución: g/l, mg/l, &#956;g/l,
etc.</p>
)";

const MensajesFormula kErroresFormula{
    .empiezaPorNumero = {"Introduzca la fórmula molecular correcta."},
    .simboloDesconocido = {"Introduzca la fórmula molecular correcta.", Icono::Ninguno}};

const QString kMayorQueLaDePartida =
    QStringLiteral("La concentración de la disolución deseada no puede ser mayor que la de partida.");

void Llenar(QComboBox *lista, std::span<const Calculos::Unidad> unidades, int alCargar)
{
    lista->setEditable(true);
    // What is typed is read as it stands: never added to the list, never
    // completed into another entry.
    lista->setInsertPolicy(QComboBox::NoInsert);
    lista->setCompleter(nullptr);
    lista->setFont(Fuente(QStringLiteral("Times New Roman"), 11));
    for (const Calculos::Unidad &u : unidades)
        lista->addItem(QString::fromUtf8(u.texto));
    lista->setCurrentIndex(alCargar);
}

// The entry shown in the list, typed or chosen; -1 when it is none of them.
int Posicion(const QComboBox *lista, std::span<const Calculos::Unidad> unidades)
{
    return Calculos::PosicionUnidad(unidades, lista->currentText().toStdString());
}

void Mostrar(QLabel *numero, QLabel *unidad, const Calculos::Escalado &resultado)
{
    numero->setText(TextoDeNumero(resultado.valor));
    // A value too large to write has no unit either.
    unidad->setText(numero->text().isEmpty() ? QString() : QString::fromUtf8(resultado.unidad));
}

} // namespace

FormDisoluciones::FormDisoluciones(QWidget *parent) : VentanaCalculadora(parent)
{
    PrepararVentana(this, Titulo(QStringLiteral("Disoluciones"), 38), Fuente(QStringLiteral("Arial"), 9), {640, 300});

    crearControles();
    crearListas();
    ordenarTabulacion();
    conectar();

    ui.OptionSolido->setChecked(true);
    BorrarResultados();
}

void FormDisoluciones::crearControles()
{
    ui.Frame1 = Crear<QGroupBox>(this, QStringLiteral("Frame1"), {10, 10, 340, 220});
    ui.Frame1->setTitle(QStringLiteral("Datos del soluto"));
    ui.Frame3 = Crear<QGroupBox>(this, QStringLiteral("Frame3"), {360, 10, 270, 110});
    ui.Frame3->setTitle(QStringLiteral("Datos de la disolución"));
    ui.Frame2 = Crear<QGroupBox>(this, QStringLiteral("Frame2"), {360, 130, 270, 100});
    ui.Frame2->setTitle(QStringLiteral("Cantidad de soluto"));

    struct Rotulo {
        QGroupBox *marco;
        const char *nombre;
        const char *texto;
        QRect zona;
    };
    const Rotulo rotulos[] = {
        {ui.Frame1, "Label2", "Fórmula", {14, 34, 100, 20}},
        {ui.Frame1, "Label3", "Masa molecular", {14, 76, 100, 20}},
        {ui.Frame1, "Label4", "g/mol", {246, 76, 50, 20}},
        {ui.Frame1, "Label1", "g/ml", {246, 148, 50, 20}},
        {ui.Frame3, "Label8", "Concentración", {14, 33, 100, 20}},
        {ui.Frame3, "Label7", "Volumen", {14, 73, 100, 20}},
    };
    QHash<QString, QLabel *> rotulo;
    for (const Rotulo &r : rotulos)
        rotulo.insert(QString::fromUtf8(r.nombre),
                      CrearEtiqueta(r.marco, QString::fromUtf8(r.nombre), QString::fromUtf8(r.texto), r.zona));

    ui.RTBFormula = new CajaFormula(ui.Frame1);
    ui.RTBFormula->setObjectName(QStringLiteral("RTBFormula"));
    ui.RTBFormula->setGeometry(120, 24, 206, ui.RTBFormula->height());
    NombrarPorRotulo(ui.RTBFormula, rotulo.value(QStringLiteral("Label2")), QStringLiteral("Fórmula del soluto"));

    // What a screen reader calls each box, and the caption that is its buddy.
    struct Caja {
        QGroupBox *marco;
        QLineEdit *&caja;
        const char *nombre;
        const char *texto;
        QRect zona;
        const char *lectura;
        const char *rotulo;
    };
    const Caja cajas[] = {
        {ui.Frame1, ui.TextPm, "TextPm", "", {120, 72, 120, 26}, "Masa molecular (g/mol)", "Label3"},
        {ui.Frame1, ui.TextDensidad, "TextDensidad", "1,00", {170, 144, 70, 26}, "Densidad del líquido (g/ml)", ""},
        {ui.Frame1,
         ui.TextConcInicial,
         "TextConcInicial",
         "1",
         {170, 180, 70, 26},
         "Concentración de la disolución de partida",
         ""},
        {ui.Frame3,
         ui.TextConcFinal,
         "TextConcFinal",
         "1",
         {120, 29, 70, 26},
         "Concentración de la disolución deseada",
         "Label8"},
        {ui.Frame3,
         ui.TextVolumen,
         "TextVolumen",
         "500",
         {120, 69, 70, 26},
         "Volumen de la disolución deseada",
         "Label7"},
    };
    for (const Caja &c : cajas) {
        c.caja = Crear<QLineEdit>(c.marco, QString::fromUtf8(c.nombre), c.zona);
        c.caja->setText(QString::fromUtf8(c.texto));
        if (QLabel *r = rotulo.value(QString::fromUtf8(c.rotulo)))
            NombrarPorRotulo(c.caja, r, QString::fromUtf8(c.lectura));
        else
            Nombrar(c.caja, QString::fromUtf8(c.lectura));
    }

    ui.OptionSolido = Crear<QRadioButton>(ui.Frame1, QStringLiteral("OptionSolido"), {14, 112, 150, 24});
    ui.OptionSolido->setText(QStringLiteral("Sólido"));
    ui.OptionLiquido = Crear<QRadioButton>(ui.Frame1, QStringLiteral("OptionLiquido"), {14, 146, 150, 24});
    ui.OptionLiquido->setText(QStringLiteral("Líquido   densidad"));
    // Its density has a box, and a name, of its own.
    Nombrar(ui.OptionLiquido, QStringLiteral("Líquido"));
    ui.OptionDisol = Crear<QRadioButton>(ui.Frame1, QStringLiteral("OptionDisol"), {14, 182, 150, 24});
    ui.OptionDisol->setText(QStringLiteral("Disolución"));
    // As wide as what a click on them takes.
    for (QRadioButton *opcion : {ui.OptionSolido, ui.OptionLiquido, ui.OptionDisol})
        opcion->adjustSize();

    const QFont resultado = Fuente(QStringLiteral("Arial"), 11, true);
    for (auto [etiqueta, nombre, texto, zona] : {
             std::tuple{&ui.LabelResultado, "LabelResultado", "Resultado", QRect(14, 30, 150, 24)},
             std::tuple{&ui.UnidadResul, "UnidadResul", "g", QRect(172, 30, 60, 24)},
             std::tuple{&ui.LabelResultado2, "LabelResultado2", "Resultado", QRect(14, 64, 150, 24)},
             std::tuple{&ui.UnidadResul2, "UnidadResul2", "g", QRect(172, 64, 60, 24)},
         }) {
        *etiqueta = CrearEtiqueta(ui.Frame2, QString::fromUtf8(nombre), QString::fromUtf8(texto), zona);
        (*etiqueta)->setFont(resultado);
    }
    // The second one shows only the volume of a liquid.
    NombrarResultado(ui.LabelResultado, ui.Frame2->title(), ui.UnidadResul);
    NombrarResultado(ui.LabelResultado2, QStringLiteral("Volumen del líquido"), ui.UnidadResul2);
    // The figures end where their units begin.
    ui.LabelResultado->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.LabelResultado2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    CrearBotones("cbCalcular", nullptr, {586, 244});
    // Over the three frames when shown.
    CrearAyuda(kAyuda, {10, 10, 620, 224}, Fuente(QStringLiteral("Arial"), 10));
}

void FormDisoluciones::crearListas()
{
    ui.ComboConcInicial = Crear<QComboBox>(ui.Frame1, QStringLiteral("ComboConcInicial"), {246, 180, 80, 26});
    Llenar(ui.ComboConcInicial, Calculos::kUnidadesConcInicial, Calculos::kConcInicialAlCargar);
    ui.ComboConcFinal = Crear<QComboBox>(ui.Frame3, QStringLiteral("ComboConcFinal"), {196, 29, 64, 26});
    Llenar(ui.ComboConcFinal, Calculos::kUnidadesConcFinal, Calculos::kConcFinalAlCargar);
    ui.ComboVolumen = Crear<QComboBox>(ui.Frame3, QStringLiteral("ComboVolumen"), {196, 69, 64, 26});
    Llenar(ui.ComboVolumen, Calculos::kUnidadesVolumen, Calculos::kVolumenAlCargar);
    Nombrar(ui.ComboConcInicial, QStringLiteral("Unidad de la concentración de partida"));
    Nombrar(ui.ComboConcFinal, QStringLiteral("Unidad de la concentración deseada"));
    Nombrar(ui.ComboVolumen, QStringLiteral("Unidad del volumen"));
}

// Down the solute's data, then the solution's, then the buttons.
void FormDisoluciones::ordenarTabulacion()
{
    QWidget *const orden[] = {ui.RTBFormula,    ui.TextPm,         ui.OptionSolido,    ui.OptionLiquido,
                              ui.TextDensidad,  ui.OptionDisol,    ui.TextConcInicial, ui.ComboConcInicial,
                              ui.TextConcFinal, ui.ComboConcFinal, ui.TextVolumen,     ui.ComboVolumen,
                              BotonCalcular()};
    OrdenDeTabulacion(orden);
}

void FormDisoluciones::conectar()
{
    for (QRadioButton *opcion : {ui.OptionSolido, ui.OptionLiquido, ui.OptionDisol})
        connect(opcion, &QRadioButton::clicked, this, &FormDisoluciones::BorrarResultados);

    for (QObject *control : std::initializer_list<QObject *>{ui.RTBFormula, ui.TextPm, ui.TextDensidad,
                                                             ui.TextConcInicial, ui.TextConcFinal, ui.TextVolumen,
                                                             ui.ComboConcInicial, ui.ComboConcFinal, ui.ComboVolumen})
        control->installEventFilter(this);
    connect(ui.RTBFormula, &CajaFormula::editada, this, &FormDisoluciones::RTBFormula_Change);
    for (QLineEdit *caja : {ui.TextPm, ui.TextDensidad, ui.TextConcInicial, ui.TextConcFinal, ui.TextVolumen}) {
        InstalarFiltro(caja, Calculos::TipoFiltro::Decimal);
        connect(caja, &QLineEdit::textEdited, this, [this, caja] { Numero_Change(caja); });
    }
}

bool FormDisoluciones::eventFilter(QObject *objeto, QEvent *evento)
{
    switch (evento->type()) {
    case QEvent::KeyPress: {
        auto *tecla = static_cast<QKeyEvent *>(evento);
        if (objeto == ui.RTBFormula)
            return RTBFormula_KeyPress(tecla);
        if (qobject_cast<QLineEdit *>(objeto) != nullptr)
            return Numero_KeyPress(tecla);
        if (qobject_cast<QComboBox *>(objeto) != nullptr)
            return Lista_KeyPress(tecla);
        break;
    }
    case QEvent::FocusIn:
        Control_GotFocus(objeto, static_cast<QFocusEvent *>(evento));
        break;
    case QEvent::FocusOut:
        if (objeto == ui.TextConcInicial)
            TextConcInicial_LostFocus(static_cast<QFocusEvent *>(evento));
        else if (objeto == ui.TextDensidad)
            TextDensidad_LostFocus(static_cast<QFocusEvent *>(evento));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objeto, evento);
}

void FormDisoluciones::CalcularDisol()
{
    const QString formula = ui.RTBFormula->Texto();
    if (formula.isEmpty() && ui.TextPm->text().isEmpty())
        return Rechazar(QStringLiteral("Introduzca la fórmula molecular o la masa molecular."), ui.RTBFormula);
    // A refused formula writes 0 and the run goes on with it.
    if (!formula.isEmpty())
        EscribirNumero(ui.TextPm, Calculos::Redondear(MasaDeFormula(ui.RTBFormula, kErroresFormula),
                                                      Calculos::kDecimalesDisolucion));
    if (!DatosValidos())
        return;
    ui.LabelResultado2->clear();
    ui.UnidadResul2->clear();

    const double litros =
        Calculos::CantidadBase(Calculos::kUnidadesVolumen, Posicion(ui.ComboVolumen, Calculos::kUnidadesVolumen),
                               *LeerNumero(ui.TextVolumen))
            .valor;
    std::optional<Cantidad> partida;
    if (ui.OptionDisol->isChecked()) {
        partida = LeerPartida();
        if (!partida)
            return;
    }
    const Cantidad deseada =
        Calculos::CantidadBase(Calculos::kUnidadesConcFinal, Posicion(ui.ComboConcFinal, Calculos::kUnidadesConcFinal),
                               *LeerNumero(ui.TextConcFinal));
    const double pm = *LeerNumero(ui.TextPm);
    if (ui.OptionSolido->isChecked())
        CalcularSolido(deseada, litros, pm);
    else if (ui.OptionLiquido->isChecked())
        CalcularLiquido(deseada, litros, pm);
    else if (partida)
        CalcularDisolucion(deseada, *partida, litros, pm);
}

// The boxes every mode reads, empty ones first.
bool FormDisoluciones::DatosValidos()
{
    struct Paso {
        QLineEdit *caja;
        bool vacia; // the check: empty, or else not a number
        const char *mensaje;
    };
    const Paso pasos[] = {
        {ui.TextConcFinal, true, "Introduzca la concentración de la dsolución deseada."},
        {ui.TextVolumen, true, "Introduzca el volumen."},
        {ui.TextPm, false, "Introduzca la masa molecular."},
        {ui.TextConcFinal, false, "Introduzca la concentración de la disolución deseada."},
        {ui.TextVolumen, false, "Valor no válido."},
    };
    for (const Paso &p : pasos) {
        if (p.vacia ? p.caja->text().isEmpty() : !EsTextoNumerico(p.caja->text())) {
            Rechazar(QString::fromUtf8(p.mensaje), p.caja);
            return false;
        }
    }
    return true;
}

std::optional<Cantidad> FormDisoluciones::LeerPartida()
{
    const std::optional<double> valor = LeerNumero(ui.TextConcInicial);
    if (!valor) {
        Rechazar(QStringLiteral("Introduzca la concentración de la disolución de partida."), ui.TextConcInicial);
        return std::nullopt;
    }
    const int posicion = Posicion(ui.ComboConcInicial, Calculos::kUnidadesConcInicial);
    if (posicion < 0) {
        Rechazar(QStringLiteral("Selecione unidad para la disolución de partida."), ui.ComboConcInicial);
        return std::nullopt;
    }
    return Calculos::CantidadBase(Calculos::kUnidadesConcInicial, posicion, *valor);
}

// A mass too large for a double has no result: nothing is shown.
void FormDisoluciones::CalcularSolido(const Cantidad &deseada, double litros, double pm)
{
    if (const auto m = Calculos::MasaSoluto(deseada, litros, pm))
        Mostrar(ui.LabelResultado, ui.UnidadResul, Calculos::EscalarMasa(*m));
    else
        BorrarResultados();
}

// With a density of 0 (typed as "0,0") the mass is still shown, the volume
// is not.
void FormDisoluciones::CalcularLiquido(const Cantidad &deseada, double litros, double pm)
{
    const std::optional<double> densidad = LeerNumero(ui.TextDensidad);
    if (!densidad)
        return Rechazar(QStringLiteral("Introduzca la densidad de la disolución de partida."), ui.TextDensidad);
    const std::optional<double> m = Calculos::MasaSoluto(deseada, litros, pm);
    if (!m)
        return BorrarResultados();
    if (const auto v = Calculos::VolumenLiquido(*m, *densidad))
        Mostrar(ui.LabelResultado2, ui.UnidadResul2, Calculos::EscalarVolumenLiquido(*v));
    Mostrar(ui.LabelResultado, ui.UnidadResul, Calculos::EscalarMasa(*m));
}

// A stock of concentration 0, or a molar mass of 0 where the pair of units
// needs one, gives no volume: nothing is shown and nothing is said.
void FormDisoluciones::CalcularDisolucion(const Cantidad &deseada, const Cantidad &partida, double litros, double pm)
{
    if (Calculos::ComprobarConcentraciones(deseada, partida, pm) != Calculos::FalloConcentracion::Ninguno)
        return Rechazar(kMayorQueLaDePartida, ui.TextConcInicial);
    const std::optional<Calculos::VolumenPartida> vs = Calculos::VolumenDePartida(deseada, partida, litros, pm);
    if (!vs)
        return BorrarResultados();
    // Reported, and still shown.
    if (vs->mayorQueVolumen)
        Rechazar(kMayorQueLaDePartida, ui.TextConcInicial);
    Mostrar(ui.LabelResultado, ui.UnidadResul, Calculos::EscalarVolumenPartida(vs->litros));
}

void FormDisoluciones::Rechazar(const QString &texto, QWidget *foco)
{
    MostrarError(this, texto);
    foco->setFocus();
}

void FormDisoluciones::BorrarResultados()
{
    for (QLabel *etiqueta : {ui.LabelResultado, ui.UnidadResul, ui.LabelResultado2, ui.UnidadResul2})
        etiqueta->clear();
}

// Enter empties the whole formula: it is one line.
bool FormDisoluciones::RTBFormula_KeyPress(QKeyEvent *evento)
{
    if (!EsEnter(evento))
        return false;
    RTBFormula_Change();
    ui.RTBFormula->Vaciar();
    return true;
}

// The formula gives the molar mass from now on.
void FormDisoluciones::RTBFormula_Change()
{
    BorrarResultados();
    ui.TextPm->clear();
}

// Enter shows the new result in place of the old one.
bool FormDisoluciones::Numero_KeyPress(QKeyEvent *evento)
{
    if (!EsEnter(evento))
        return false;
    BorrarResultados();
    CalcularDisol();
    return true;
}

// A typed molar mass replaces the formula.
void FormDisoluciones::Numero_Change(QLineEdit *caja)
{
    BorrarResultados();
    if (caja == ui.TextPm)
        ui.RTBFormula->Vaciar();
}

// Computes with the list as it is, before the key changes it.
bool FormDisoluciones::Lista_KeyPress(QKeyEvent *evento)
{
    if (EsTecleo(evento))
        CalcularDisol();
    return false;
}

// The mode follows the box the user goes to; a result of another mode does
// not stay beside it.
void FormDisoluciones::Control_GotFocus(QObject *control, QFocusEvent *evento)
{
    // Coming back from another window, or from a message, is not entering it.
    if (evento->reason() == Qt::ActiveWindowFocusReason)
        return;
    QRadioButton *modo = nullptr;
    if (control == ui.TextDensidad)
        modo = ui.OptionLiquido;
    else if (control == ui.TextConcInicial || control == ui.ComboConcInicial)
        modo = ui.OptionDisol;
    if (modo != nullptr && !modo->isChecked()) {
        modo->setChecked(true);
        BorrarResultados();
    }
    if (qobject_cast<QComboBox *>(control) != nullptr)
        BorrarResultados();
}

void FormDisoluciones::TextConcInicial_LostFocus(QFocusEvent *evento)
{
    // Only when the user leaves it: a calculation moving the focus must not
    // change what it is reading.
    if (!GuardiaFoco::LoHizoElUsuario(*evento))
        return;
    const QString texto = ui.TextConcInicial->text();
    if (texto.isEmpty() || texto == u"0")
        ui.TextConcInicial->setText(QStringLiteral("1"));
}

void FormDisoluciones::TextDensidad_LostFocus(QFocusEvent *evento)
{
    Guardia()->AlPerderFocoSinCero(ui.TextDensidad, *evento);
}

void FormDisoluciones::Calcular_Click()
{
    CalcularDisol();
}
