#include "calculators/FormCalculadoraMolar.h"

#include "calculators/calculadora_molar.h"
#include "core/numeros.h"
#include "widgets/Accesible.h"
#include "widgets/CajaFormula.h"
#include "widgets/Controles.h"
#include "widgets/FiltroTeclas.h"
#include "widgets/GuardiaFoco.h"
#include "widgets/Mensajes.h"
#include "widgets/Teclas.h"
#include "widgets/TextosNumericos.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char *const kInformacion =
    "<p>La <b>fórmula molecular</b> de un compuesto indica cuántos átomos de cada elemento forman una "
    "molécula; la <b>fórmula empírica</b> da sólo la proporción más sencilla, en números enteros, entre esos "
    "átomos. La glucosa, por ejemplo, tiene la fórmula molecular C<sub>6</sub>H<sub>12</sub>O<sub>6</sub> y la "
    "fórmula empírica CH<sub>2</sub>O.</p>"
    "<p>La <b>composición porcentual</b> en masa de un compuesto es la masa de cada elemento contenida en un "
    "mol del compuesto dividida por la masa molar del compuesto y multiplicada por 100&nbsp;%.</p>"
    "<p>La casilla de la fórmula no admite paréntesis: una fórmula como Mg(PH<sub>2</sub>O<sub>5</sub>)"
    "<sub>2</sub> debe escribirse desarrollada, MgP<sub>2</sub>H<sub>4</sub>O<sub>10</sub>. Las cifras que "
    "se teclean salen más pequeñas, como subíndices.</p>";

const MensajesFormula kErroresFormula{.empiezaPorNumero = {"La fórmula no puede empezar por un número"},
                                      .simboloDesconocido = {"Fórmula incorrecta."}};

template <std::size_t N> int Fila(const std::array<QLineEdit *, N> &cajas, const QObject *objeto)
{
    for (std::size_t n = 0; n < N; ++n)
        if (cajas[n] == objeto)
            return static_cast<int>(n);
    return -1;
}

QString NombreFila(const char *columna, int n)
{
    return QString::fromLatin1(columna) + QString::number(n + 1);
}

std::string Texto(const QLineEdit *caja)
{
    return caja->text().toStdString();
}

} // namespace

FormCalculadoraMolar::FormCalculadoraMolar(QWidget *parent) : VentanaCalculadora(parent)
{
    PrepararVentana(this, Titulo(QStringLiteral("Calculadora molar"), 28), Fuente(QStringLiteral("Arial"), 9),
                    {724, 548});

    crearControles();
    conectar();

    ui.LbMasaMolecular->clear();
    OcultarPorcentajes();
}

void FormCalculadoraMolar::crearControles()
{
    QLabel *formula = CrearEtiqueta(this, QStringLiteral("Label1"), QStringLiteral("Fórmula :"), {20, 24, 70, 20});
    ui.BoxFormulaEmp = new CajaFormula(this);
    ui.BoxFormulaEmp->setObjectName(QStringLiteral("BoxFormulaEmp"));
    ui.BoxFormulaEmp->setGeometry(95, 14, 300, ui.BoxFormulaEmp->height());
    NombrarPorRotulo(ui.BoxFormulaEmp, formula);

    QLabel *masa =
        CrearEtiqueta(this, QStringLiteral("Label2"), QStringLiteral("Masa molecular (g/mol) ="), {20, 68, 160, 20});
    ui.LbMasaMolecular =
        CrearEtiqueta(this, QStringLiteral("LbMasaMolecular"), QStringLiteral("158"), {185, 65, 120, 26});
    ui.LbMasaMolecular->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.LbMasaMolecular->setFont(Fuente(QStringLiteral("Arial"), 11));
    NombrarResultado(ui.LbMasaMolecular, TextoDeRotulo(masa->text()));

    QLabel *moles = CrearEtiqueta(this, QStringLiteral("Label3"), QStringLiteral("moles:"), {20, 110, 50, 20});
    ui.BoxMoles = Crear<QLineEdit>(this, QStringLiteral("BoxMoles"), {75, 106, 120, 26});
    NombrarPorRotulo(ui.BoxMoles, moles, QStringLiteral("Moles"));
    QLabel *gramos = CrearEtiqueta(this, QStringLiteral("Label4"), QStringLiteral("gramos:"), {220, 110, 55, 20});
    ui.BoxGramos = Crear<QLineEdit>(this, QStringLiteral("BoxGramos"), {280, 106, 120, 26});
    NombrarPorRotulo(ui.BoxGramos, gramos, QStringLiteral("Gramos"));

    CrearBotones("cbCalcular", "cbBorrar", {664, 14});

    crearFilas();

    // Over both frames when shown.
    CrearAyuda(kInformacion, {16, 150, 692, 384}, Fuente(QStringLiteral("Times New Roman"), 13));
}

// The ten rows of the percent composition and of the empirical formula.
void FormCalculadoraMolar::crearFilas()
{
    ui.Frame2 = Crear<QGroupBox>(this, QStringLiteral("Frame2"), {16, 150, 300, 384});
    ui.Frame2->setTitle(QStringLiteral("Composición porcentual"));
    const QFont simbolo = Fuente(QStringLiteral("Times New Roman"), 12);
    const QFont porcentaje = Fuente(QStringLiteral("Arial"), 10);
    for (int n = 0; n < kFilas; ++n) {
        const int y = 30 + n * 34;
        ui.LP[n] = CrearEtiqueta(ui.Frame2, NombreFila("LP", n), QStringLiteral("%"), {30, y, 20, 28});
        ui.Atomo[n] = CrearEtiqueta(ui.Frame2, NombreFila("Atomo", n), QString(), {55, y, 50, 28});
        ui.Atomo[n]->setFont(simbolo);
        ui.I[n] = CrearEtiqueta(ui.Frame2, NombreFila("I", n), QStringLiteral("="), {110, y, 20, 28});
        ui.Porcentaje[n] = CrearEtiqueta(ui.Frame2, NombreFila("Porcentaje", n), QString(), {135, y, 140, 28});
        ui.Porcentaje[n]->setFont(porcentaje);
    }

    ui.Frame1 = Crear<QGroupBox>(this, QStringLiteral("Frame1"), {330, 150, 378, 384});
    ui.Frame1->setTitle(QStringLiteral("Cálculo de fórmula empírica"));
    CrearEtiqueta(ui.Frame1, QStringLiteral("Label5"), QStringLiteral("Elemento"), {24, 26, 90, 20});
    CrearEtiqueta(ui.Frame1, QStringLiteral("Label6"), QStringLiteral("Porcentaje"), {124, 26, 110, 20});
    CrearEtiqueta(ui.Frame1, QStringLiteral("Label7"), QStringLiteral("Subíndice"), {254, 26, 90, 20});
    for (int n = 0; n < kFilas; ++n) {
        const int y = 48 + n * 28;
        ui.Elemento[n] = Crear<QLineEdit>(ui.Frame1, NombreFila("Elemento", n), {24, y, 90, 25});
        ui.Porcent[n] = Crear<QLineEdit>(ui.Frame1, NombreFila("Porcent", n), {124, y, 120, 25});
        ui.Indice[n] = Crear<QLineEdit>(ui.Frame1, NombreFila("Indice", n), {254, y, 90, 25});
        // Each box by its column's heading and its row.
        const QString fila = QStringLiteral(" ") + QString::number(n + 1);
        Nombrar(ui.Elemento[n], QStringLiteral("Elemento") + fila);
        Nombrar(ui.Porcent[n], QStringLiteral("Porcentaje") + fila);
        Nombrar(ui.Indice[n], QStringLiteral("Subíndice") + fila);
        // Written by the calculation only; Tab runs along the input columns.
        ui.Indice[n]->setReadOnly(true);
        ui.Indice[n]->setFocusPolicy(Qt::ClickFocus);
    }
    ui.CalcInd = Crear<QPushButton>(ui.Frame1, QStringLiteral("CalcInd"), {24, 336, 110, 32});
    ui.CalcInd->setText(QStringLiteral("Calcular"));
    // Not to be taken for the picture button of the same name.
    Nombrar(ui.CalcInd, QStringLiteral("Calcular la fórmula empírica"));
}

void FormCalculadoraMolar::conectar()
{
    connect(ui.CalcInd, &QPushButton::clicked, this, &FormCalculadoraMolar::CalcInd_Click);

    ui.BoxFormulaEmp->installEventFilter(this);
    connect(ui.BoxFormulaEmp, &CajaFormula::editada, this, &FormCalculadoraMolar::BoxFormulaEmp_Change);
    for (auto [propia, otra] : {std::pair{ui.BoxMoles, ui.BoxGramos}, std::pair{ui.BoxGramos, ui.BoxMoles}}) {
        InstalarFiltro(propia, Calculos::TipoFiltro::Decimal);
        connect(propia, &QLineEdit::textEdited, this, [this, otra] { Cantidad_Change(otra); });
    }
    for (int n = 0; n < kFilas; ++n) {
        InstalarFiltro(ui.Porcent[n],
                       n == kFilas - 1 ? Calculos::TipoFiltro::ConMensaje : Calculos::TipoFiltro::Decimal);
        for (QLineEdit *caja : {ui.Elemento[n], ui.Porcent[n]}) {
            connect(caja, &QLineEdit::textEdited, this, &FormCalculadoraMolar::Fila_Change);
            caja->installEventFilter(this);
        }
    }
}

bool FormCalculadoraMolar::eventFilter(QObject *objeto, QEvent *evento)
{
    const int elemento = Fila(ui.Elemento, objeto);
    const int porcent = Fila(ui.Porcent, objeto);
    switch (evento->type()) {
    case QEvent::KeyPress:
        if (objeto == ui.BoxFormulaEmp)
            return BoxFormulaEmp_KeyPress(static_cast<QKeyEvent *>(evento));
        break;
    case QEvent::FocusOut:
        if (elemento >= 0)
            Elemento_LostFocus(elemento, static_cast<QFocusEvent *>(evento));
        else if (porcent >= 0)
            Porcent_LostFocus(porcent, static_cast<QFocusEvent *>(evento));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objeto, evento);
}

void FormCalculadoraMolar::CalcularMolar()
{
    OcultarAyuda();
    if (!Calculos::CantidadesAceptadas(Texto(ui.BoxMoles), Texto(ui.BoxGramos))) {
        MostrarAviso(this, QStringLiteral("Valores no válidos."));
        return;
    }

    const QString formula = ui.BoxFormulaEmp->Texto();
    const Calculos::AnalisisFormula analisis = Calculos::AnalizarFormula(formula.toStdString());
    const double masa = MasaDeFormula(analisis, ui.BoxFormulaEmp, kErroresFormula);
    if (formula.isEmpty()) {
        ui.LbMasaMolecular->clear();
        ui.BoxFormulaEmp->setFocus();
    } else {
        ui.LbMasaMolecular->setText(TextoDeNumero(Calculos::Redondear(masa, 3)));
        ConvertirCantidades();
        if (!ui.BoxMoles->text().isEmpty() && !ui.BoxGramos->text().isEmpty()) {
            ui.BoxFormulaEmp->setFocus();
            ui.BoxMoles->setEnabled(true);
            ui.BoxGramos->setEnabled(true);
        }
    }
    BotonCalcular()->setEnabled(false);
    Porcentual(formula, analisis);
}

// Both conversions use the molar mass as shown, and the second one reads the
// grams the first one wrote. What does not convert leaves its target alone.
void FormCalculadoraMolar::ConvertirCantidades()
{
    const std::string masa = ui.LbMasaMolecular->text().toStdString();
    if (!ui.BoxMoles->text().isEmpty()) {
        if (const auto g = Calculos::GramosDeMoles(Texto(ui.BoxMoles), masa))
            EscribirNumero(ui.BoxGramos, *g);
    }
    if (!ui.BoxGramos->text().isEmpty()) {
        if (const auto n = Calculos::MolesDeGramos(Texto(ui.BoxGramos), masa))
            EscribirNumero(ui.BoxMoles, *n);
    }
}

void FormCalculadoraMolar::Porcentual(const QString &formula, const Calculos::AnalisisFormula &analisis)
{
    // Rows left from an earlier formula (changed by pasting, which clears
    // nothing) must not stand beside this one.
    OcultarPorcentajes();
    if (formula.isEmpty()) {
        ui.LbMasaMolecular->clear();
        return;
    }
    const auto masa = NumeroDeTexto(ui.LbMasaMolecular->text());
    if (!masa || *masa == 0.0)
        return;
    if (analisis.error == Calculos::ErrorFormula::EmpiezaPorNumero) {
        MostrarError(this, QStringLiteral("La fórmula no puede empezar por un número."));
        ui.BoxFormulaEmp->setFocus();
        return;
    }
    const auto filas = Calculos::ComposicionPorcentual(analisis.grupos, *masa);
    for (std::size_t n = 0; n < filas.size(); ++n) {
        ui.LP[n]->show();
        ui.Atomo[n]->setText(QString::fromStdString(filas[n].simbolo));
        NombrarResultado(ui.Porcentaje[n], QStringLiteral("Porcentaje de ") + ui.Atomo[n]->text());
        ui.Atomo[n]->show();
        ui.I[n]->show();
        ui.Porcentaje[n]->setText(TextoDeNumero(filas[n].porcentaje));
    }
    if (analisis.error == Calculos::ErrorFormula::SimboloDesconocido) {
        MostrarError(this, QStringLiteral("Fórmula incorrecta."));
        ui.BoxFormulaEmp->setFocus();
    }
}

void FormCalculadoraMolar::OcultarPorcentajes()
{
    for (int n = 0; n < kFilas; ++n) {
        ui.LP[n]->hide();
        ui.Atomo[n]->hide();
        ui.I[n]->hide();
        ui.Porcentaje[n]->clear();
        // Read after the symbol it is written for, once there is one.
        NombrarResultado(ui.Porcentaje[n], QStringLiteral("Porcentaje"));
    }
}

void FormCalculadoraMolar::BorrarResultados()
{
    BotonCalcular()->setEnabled(true);
    ui.LbMasaMolecular->clear();
    ui.BoxMoles->clear();
    ui.BoxGramos->clear();
    ui.BoxMoles->setEnabled(true);
    ui.BoxGramos->setEnabled(true);
    OcultarPorcentajes();
    ui.BoxFormulaEmp->setFocus();
}

// The keys that act as keys: Enter empties the formula (whatever the
// modifiers: it is one line). Any key that types, shortcuts included (a
// paste may change the formula), gives the calculate button back; a blank
// then calculates before it enters. Tab and Delete type nothing.
bool FormCalculadoraMolar::BoxFormulaEmp_KeyPress(QKeyEvent *evento)
{
    if (EsEnter(evento)) {
        BotonCalcular()->setEnabled(true);
        ui.BoxFormulaEmp->Vaciar();
        return true;
    }
    const int tecla = evento->key();
    if (evento->text().isEmpty() || tecla == Qt::Key_Tab || tecla == Qt::Key_Backtab || tecla == Qt::Key_Delete)
        return false;
    BotonCalcular()->setEnabled(true);
    if (evento->text() == u" " && !(evento->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        CalcularMolar();
    return false;
}

// A letter, a digit or any change that came without a typed character
// (Backspace, Delete, a cut, an undo, a paste from the menu) empties the
// results and gives the button back; a character of no kind ("(", the
// blank) leaves them, and its key has already given the button back.
void FormCalculadoraMolar::BoxFormulaEmp_Change(const QString &caracter)
{
    if (caracter.isEmpty() || CajaFormula::Clasificar(caracter) != CajaFormula::ClaseTecla::Otra)
        BorrarResultados();
}

// Only one of the two amounts carries the user's input: an edit of one
// empties and disables the other.
void FormCalculadoraMolar::Cantidad_Change(QLineEdit *otra)
{
    BotonCalcular()->setEnabled(true);
    otra->clear();
    otra->setEnabled(false);
}

// No subscript stays beside changed input.
void FormCalculadoraMolar::Fila_Change()
{
    for (QLineEdit *indice : ui.Indice)
        indice->clear();
}

void FormCalculadoraMolar::Elemento_LostFocus(int n, QFocusEvent *evento)
{
    Guardia()->AlPerderFoco(ui.Elemento[n], *evento, [this, n] {
        QLineEdit *caja = ui.Elemento[n];
        const std::string simbolo = Texto(caja);
        if (simbolo.empty() || Calculos::MasaAtomicaDoble(simbolo) != 0.0 ||
            Calculos::MasaAtomicaSimple(simbolo) != 0.0)
            return true;
        MostrarError(this, QStringLiteral("Debe teclear el símbolo de un elemento químico."));
        caja->clear();
        return false;
    });
}

void FormCalculadoraMolar::Porcent_LostFocus(int n, QFocusEvent *evento)
{
    Guardia()->AlPerderFocoSinCero(ui.Porcent[n], *evento);
}

void FormCalculadoraMolar::Calcular_Click()
{
    CalcularMolar();
}

void FormCalculadoraMolar::Borrar_Click()
{
    OcultarAyuda();
    ui.BoxFormulaEmp->Vaciar();
    BorrarResultados();
    for (int n = 0; n < kFilas; ++n) {
        ui.Elemento[n]->clear();
        ui.Porcent[n]->clear();
        ui.Indice[n]->clear();
    }
    ui.BoxFormulaEmp->setFocus();
}

void FormCalculadoraMolar::CalcInd_Click()
{
    // A row without a percentage does not take part: its symbol and
    // subscript go.
    Calculos::TextosEmpiricos textos;
    for (int n = 0; n < kFilas; ++n) {
        if (n > 0 && ui.Porcent[n]->text().isEmpty()) {
            ui.Elemento[n]->clear();
            ui.Indice[n]->clear();
        }
        textos[static_cast<std::size_t>(n)] = {Texto(ui.Elemento[n]), Texto(ui.Porcent[n])};
    }
    const Calculos::DatosEmpiricos datos = Calculos::LeerDatosEmpiricos(textos);
    if (datos.fallo != Calculos::FalloDatos::Ninguno) {
        AvisarDatosEmpiricos(datos.fallo, datos.fila);
        return;
    }
    MostrarSubindices(Calculos::FormulaEmpirica(datos.filas));
}

void FormCalculadoraMolar::AvisarDatosEmpiricos(Calculos::FalloDatos fallo, int fila)
{
    switch (fallo) {
    case Calculos::FalloDatos::SinPrimerElemento:
        MostrarError(
            this, QStringLiteral("Debe cumplimentar los datos empezando por el primer elemento de la primera fila."));
        ui.Elemento[0]->setFocus();
        return;
    case Calculos::FalloDatos::SinPrimerPorcentaje:
        MostrarAviso(this, QStringLiteral("Introduzca el porcentaje correspondiente"));
        break;
    case Calculos::FalloDatos::PorcentajeNoNumerico:
        MostrarAviso(this, QStringLiteral("Carácter no válido."));
        ui.Porcent[fila]->clear();
        break;
    case Calculos::FalloDatos::Ninguno:
        return;
    }
    ui.Porcent[fila]->setFocus();
}

void FormCalculadoraMolar::MostrarSubindices(const Calculos::ResultadoEmpirico &resultado)
{
    // The checks on leaving a box normally stop these rows first; a row can
    // still get here (a pasted "0,0", a click faster than the check).
    switch (resultado.fallo) {
    case Calculos::FalloEmpirico::SimboloDesconocido:
        MostrarError(this, QStringLiteral("Debe teclear el símbolo de un elemento químico."));
        ui.Elemento[resultado.fila]->clear();
        ui.Elemento[resultado.fila]->setFocus();
        return;
    case Calculos::FalloEmpirico::PorcentajeNoValido:
        MostrarError(this, QStringLiteral("Error."));
        ui.Porcent[resultado.fila]->setFocus();
        return;
    case Calculos::FalloEmpirico::Ninguno:
        break;
    }
    for (int n = 0; n < kFilas; ++n)
        if (resultado.subindices[n] != 0.0)
            EscribirNumero(ui.Indice[n], resultado.subindices[n]);
}
