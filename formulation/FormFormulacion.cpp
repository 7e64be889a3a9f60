#include "formulation/FormFormulacion.h"

#include "formulation/nomenclatura.h"
#include "widgets/Accesible.h"
#include "widgets/Controles.h"
#include "widgets/Mensajes.h"
#include "widgets/Teclas.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kAncho = 600;
constexpr int kAlto = 340;

const char *const kAyuda = R"(
<p>Escriba una <b>fórmula</b> (Fe2O3, Fe₂O₃, Ca(OH)2, SO4^2-, NH4^+) o un <b>nombre</b>
(óxido de hierro(III), ácido sulfúrico) y pulse Intro.</p>
<p>En las fórmulas cuentan las mayúsculas: Co es el cobalto y CO el monóxido de carbono.
En los nombres no cuentan las mayúsculas ni las tildes.</p>
<p>Los nombres siguen las recomendaciones de la IUPAC de 2005: de <b>composición</b>, con
prefijos multiplicadores (trióxido de dihierro); de <b>Stock</b>, con el número de oxidación
en números romanos cuando el elemento tiene más de uno (óxido de hierro(III)); de
<b>hidrógeno</b>, para oxoácidos y sales ácidas (dihidrogeno(tetraoxidosulfato)); de
<b>sustitución</b>, para los hidruros progenitores (azano). Se dan también los nombres
<b>tradicionales</b> que se siguen enseñando (óxido férrico, ácido sulfúrico).</p>
<p>Los estados de oxidación son los habituales de cada elemento (sus valencias).</p>
)";

struct Fila {
    const char *rotulo;
    const char *texto;
    const char *resultado;
    const char *lectura;
};

constexpr std::array<Fila, 7> kFilas = {{
    {"Label1", "Fórmula:", "LabelFormula", "Fórmula"},
    {"Label2", "Tipo:", "LabelTipo", "Tipo de compuesto"},
    {"Label3", "Composición:", "LabelComposicion", "Nombre de composición"},
    {"Label4", "Stock:", "LabelStock", "Nombre de Stock"},
    {"Label5", "Hidrógeno:", "LabelHidrogeno", "Nombre de hidrógeno"},
    {"Label6", "Sustitución:", "LabelSustitucion", "Nombre de sustitución"},
    {"Label7", "Tradicional:", "LabelTradicional", "Nombre tradicional"},
}};

} // namespace

void FormFormulacion::Preparar()
{
    Calculos::CatalogoFormulacion();
}

FormFormulacion::FormFormulacion(QWidget *parent) : VentanaCalculadora(parent)
{
    PrepararVentana(this, Titulo(QStringLiteral("Formulación"), 22), Fuente(QStringLiteral("Arial"), 10),
                    {kAncho, kAlto});
    crearControles();
    conectar();
}

void FormFormulacion::crearControles()
{
    ui.LabelEntrada =
        CrearEtiqueta(this, QStringLiteral("LabelEntrada"), QStringLiteral("Fórmula o nombre:"), {20, 20, 300, 20});
    ui.TextEntrada = Crear<QLineEdit>(this, QStringLiteral("TextEntrada"), {20, 44, 400, 28});
    ui.TextEntrada->setFont(Fuente(QStringLiteral("Arial"), 12));
    NombrarPorRotulo(ui.TextEntrada, ui.LabelEntrada);

    std::array<QLabel *, 7> resultados{};
    const QFont letra = Fuente(QStringLiteral("Arial"), 12);
    for (std::size_t i = 0; i < kFilas.size(); ++i) {
        const Fila &f = kFilas[i];
        const int y = 92 + 34 * static_cast<int>(i);
        ui.rotulos[i] =
            CrearEtiqueta(this, QString::fromLatin1(f.rotulo), QString::fromUtf8(f.texto), {20, y + 3, 100, 22});
        resultados[i] = CrearEtiqueta(this, QString::fromLatin1(f.resultado), QString(), {124, y, kAncho - 144, 28});
        resultados[i]->setFont(letra);
        resultados[i]->setTextFormat(Qt::PlainText);
        resultados[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        NombrarResultado(resultados[i], QString::fromUtf8(f.lectura));
    }
    ui.LabelFormula = resultados[0];
    ui.LabelTipo = resultados[1];
    ui.LabelComposicion = resultados[2];
    ui.LabelStock = resultados[3];
    ui.LabelHidrogeno = resultados[4];
    ui.LabelSustitucion = resultados[5];
    ui.LabelTradicional = resultados[6];

    CrearBotones("Calcular", "Borrar", {kAncho - 52, 40});
    CrearAyuda(kAyuda, {16, 86, kAncho - 32, kAlto - 98}, Fuente(QStringLiteral("Times New Roman"), 12));
}

void FormFormulacion::conectar()
{
    // A result stays only beside the entry it belongs to.
    connect(ui.TextEntrada, &QLineEdit::textEdited, this, &FormFormulacion::RetirarResultado);
    ui.TextEntrada->installEventFilter(this);
}

bool FormFormulacion::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == ui.TextEntrada && evento->type() == QEvent::KeyPress)
        return TextEntrada_KeyPress(static_cast<QKeyEvent *>(evento));
    return QWidget::eventFilter(objeto, evento);
}

void FormFormulacion::Formular()
{
    OcultarAyuda();
    RetirarResultado();
    const Calculos::Nomenclatura n = Calculos::Nombrar(ui.TextEntrada->text().toStdString());
    if (n.error == Calculos::ErrorNomenclatura::Vacia) {
        ui.TextEntrada->setFocus();
        return;
    }
    if (!n.compuesto) {
        MostrarError(this, QString::fromStdString(Calculos::TextoDeError(n)));
        ui.TextEntrada->setFocus();
        ui.TextEntrada->selectAll();
        return;
    }
    const Calculos::Compuesto &c = *n.compuesto;
    ui.LabelFormula->setText(QString::fromStdString(c.formula));
    ui.LabelTipo->setText(QString::fromUtf8(Calculos::NombreDeTipo(c.tipo)));
    ui.LabelComposicion->setText(QString::fromStdString(c.composicion));
    ui.LabelStock->setText(QString::fromStdString(c.stock));
    ui.LabelHidrogeno->setText(QString::fromStdString(c.hidrogeno));
    ui.LabelSustitucion->setText(QString::fromStdString(c.sustitucion));
    ui.LabelTradicional->setText(QString::fromStdString(c.tradicional));
}

void FormFormulacion::RetirarResultado()
{
    for (QLabel *l : {ui.LabelFormula, ui.LabelTipo, ui.LabelComposicion, ui.LabelStock, ui.LabelHidrogeno,
                      ui.LabelSustitucion, ui.LabelTradicional})
        l->clear();
}

// Enter names or formulates instead of entering the box.
bool FormFormulacion::TextEntrada_KeyPress(QKeyEvent *evento)
{
    if (!EsTecleo(evento) || !EsEnter(evento))
        return false;
    Formular();
    return true;
}

void FormFormulacion::Calcular_Click()
{
    Formular();
}

void FormFormulacion::Borrar_Click()
{
    OcultarAyuda();
    RetirarResultado();
    ui.TextEntrada->clear();
    ui.TextEntrada->setFocus();
}
