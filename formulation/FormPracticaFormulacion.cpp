#include "formulation/FormPracticaFormulacion.h"

#include "formulation/nomenclatura.h"
#include "platform/Azar.h"
#include "widgets/Accesible.h"
#include "widgets/Controles.h"
#include "widgets/Teclas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kAncho = 640;
constexpr int kAlto = 420;

using T = Calculos::TipoCompuesto;

struct Clase {
    T tipo;
    const char *control;
    const char *texto;
};

constexpr std::array<Clase, Calculos::kNumeroTipos> kClases = {{
    {T::Oxido, "CheckOxidos", "Óxidos"},
    {T::HalogenuroOxigeno, "CheckHalogenurosOxigeno", "Halogenuros de oxígeno"},
    {T::Peroxido, "CheckPeroxidos", "Peróxidos"},
    {T::HidruroMetalico, "CheckHidrurosMetalicos", "Hidruros metálicos"},
    {T::HidruroProgenitor, "CheckHidrurosProgenitores", "Hidruros progenitores"},
    {T::Hidracido, "CheckHidracidos", "Hidrácidos"},
    {T::SalBinaria, "CheckSalesBinarias", "Sales binarias"},
    {T::Hidroxido, "CheckHidroxidos", "Hidróxidos"},
    {T::Oxoacido, "CheckOxoacidos", "Oxoácidos"},
    {T::Oxosal, "CheckOxosales", "Oxosales"},
    {T::SalAcida, "CheckSalesAcidas", "Sales ácidas"},
    {T::Cation, "CheckCationes", "Cationes"},
    {T::Anion, "CheckAniones", "Aniones"},
}};

} // namespace

void FormPracticaFormulacion::Preparar()
{
    Calculos::CatalogoFormulacion();
}

FormPracticaFormulacion::FormPracticaFormulacion(QWidget *parent) : QWidget(parent, Qt::Window)
{
    PrepararVentana(this, Titulo(QStringLiteral("Practicar formulación"), 22), Fuente(QStringLiteral("Arial"), 10),
                    {kAncho, kAlto});
    crearControles();
    conectar();
    NuevoSorteo();
    Preguntar();
}

FormPracticaFormulacion::~FormPracticaFormulacion() = default;

void FormPracticaFormulacion::crearControles()
{
    ui.FrameClases = Crear<QGroupBox>(this, QStringLiteral("FrameClases"), {16, 12, 230, 396});
    ui.FrameClases->setTitle(QStringLiteral("Clases"));
    for (std::size_t i = 0; i < kClases.size(); ++i) {
        ui.clases[i] = Crear<QCheckBox>(ui.FrameClases, QString::fromLatin1(kClases[i].control),
                                        {12, 26 + 28 * static_cast<int>(i), 210, 24});
        ui.clases[i]->setText(QString::fromUtf8(kClases[i].texto));
        ui.clases[i]->setChecked(true);
        // Only the box and its words take a click: no more than them.
        ui.clases[i]->resize(ui.clases[i]->sizeHint());
    }

    ui.LabelModo = CrearEtiqueta(this, QStringLiteral("LabelModo"), QStringLiteral("Modo:"), {264, 24, 60, 22});
    ui.ComboModo = Crear<QComboBox>(this, QStringLiteral("ComboModo"), {328, 20, 160, 28});
    ui.ComboModo->addItems({QStringLiteral("Nombrar"), QStringLiteral("Formular"), QStringLiteral("Ambos")});
    ui.ComboModo->setCurrentIndex(2);
    NombrarPorRotulo(ui.ComboModo, ui.LabelModo, QStringLiteral("Modo de práctica"));

    ui.LabelEnunciado = CrearEtiqueta(this, QStringLiteral("LabelEnunciado"), QString(), {264, 66, 360, 22});
    ui.LabelPregunta = CrearEtiqueta(this, QStringLiteral("LabelPregunta"), QString(), {264, 90, 360, 40});
    ui.LabelPregunta->setFont(Fuente(QStringLiteral("Arial"), 16, true));
    ui.LabelPregunta->setTextFormat(Qt::PlainText);
    NombrarResultado(ui.LabelPregunta, QStringLiteral("Pregunta"));

    ui.LabelRespuesta =
        CrearEtiqueta(this, QStringLiteral("LabelRespuesta"), QStringLiteral("Respuesta:"), {264, 140, 200, 22});
    ui.TextRespuesta = Crear<QLineEdit>(this, QStringLiteral("TextRespuesta"), {264, 164, 360, 28});
    ui.TextRespuesta->setFont(Fuente(QStringLiteral("Arial"), 12));
    NombrarPorRotulo(ui.TextRespuesta, ui.LabelRespuesta);

    ui.Comprobar = Crear<QPushButton>(this, QStringLiteral("Comprobar"), {264, 204, 120, 30});
    ui.Comprobar->setText(QStringLiteral("Comprobar"));
    ui.Siguiente = Crear<QPushButton>(this, QStringLiteral("Siguiente"), {394, 204, 120, 30});
    ui.Siguiente->setText(QStringLiteral("Siguiente"));

    ui.LabelA = CrearEtiqueta(this, QStringLiteral("LabelA"), QStringLiteral("Aciertos:"), {264, 252, 70, 22});
    ui.LabelAciertos = CrearEtiqueta(this, QStringLiteral("LabelAciertos"), QStringLiteral("0"), {336, 252, 60, 22});
    ui.LabelF = CrearEtiqueta(this, QStringLiteral("LabelF"), QStringLiteral("Fallos:"), {420, 252, 60, 22});
    ui.LabelFallos = CrearEtiqueta(this, QStringLiteral("LabelFallos"), QStringLiteral("0"), {484, 252, 60, 22});
    NombrarResultado(ui.LabelAciertos, QStringLiteral("Aciertos"));
    NombrarResultado(ui.LabelFallos, QStringLiteral("Fallos"));

    ui.LabelSolucion = CrearEtiqueta(this, QStringLiteral("LabelSolucion"), QString(), {264, 286, 360, 120});
    ui.LabelSolucion->setTextFormat(Qt::PlainText);
    ui.LabelSolucion->setWordWrap(true);
    ui.LabelSolucion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    NombrarResultado(ui.LabelSolucion, QStringLiteral("Solución"));
    ui.TextRespuesta->setFocus();
}

void FormPracticaFormulacion::conectar()
{
    connect(ui.Comprobar, &QPushButton::clicked, this, &FormPracticaFormulacion::Comprobar_Click);
    connect(ui.Siguiente, &QPushButton::clicked, this, &FormPracticaFormulacion::Siguiente_Click);
    for (QCheckBox *c : ui.clases)
        connect(c, &QCheckBox::clicked, this, &FormPracticaFormulacion::Clases_Click);
    connect(ui.ComboModo, &QComboBox::activated, this, &FormPracticaFormulacion::ComboModo_Click);
    ui.TextRespuesta->installEventFilter(this);
}

bool FormPracticaFormulacion::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == ui.TextRespuesta && evento->type() == QEvent::KeyPress)
        return TextRespuesta_KeyPress(static_cast<QKeyEvent *>(evento));
    return QWidget::eventFilter(objeto, evento);
}

// A new order of questions, from a new seed, for the classes and mode now
// chosen.
void FormPracticaFormulacion::NuevoSorteo()
{
    std::vector<T> clases;
    for (std::size_t i = 0; i < kClases.size(); ++i)
        if (ui.clases[i]->isChecked())
            clases.push_back(kClases[i].tipo);
    const auto modo = static_cast<Calculos::ModoPractica>(ui.ComboModo->currentIndex());
    m_sorteo = std::make_unique<Calculos::SorteoFormulacion>(clases, modo, SemillaAzar());
}

void FormPracticaFormulacion::Preguntar()
{
    m_pregunta = m_sorteo->Siguiente();
    m_contestada = false;
    ui.TextRespuesta->clear();
    ui.LabelSolucion->clear();
    if (!m_pregunta.compuesto)
        ui.LabelEnunciado->setText(QStringLiteral("Elija al menos una clase de compuestos."));
    else if (m_pregunta.formular)
        ui.LabelEnunciado->setText(QStringLiteral("Escriba la fórmula de:"));
    else
        ui.LabelEnunciado->setText(QStringLiteral("Escriba un nombre de:"));
    ui.LabelPregunta->setText(QString::fromStdString(m_pregunta.texto));
}

// Each question is counted once: a second check before the next question
// changes nothing, and an empty answer is no answer.
void FormPracticaFormulacion::ComprobarRespuesta()
{
    ui.TextRespuesta->setFocus();
    const QString respuesta = ui.TextRespuesta->text().trimmed();
    if (!m_pregunta.compuesto || m_contestada || respuesta.isEmpty())
        return;
    m_contestada = true;
    const Calculos::Correccion c = Calculos::Corregir(m_pregunta, respuesta.toStdString());
    if (c.acierto) {
        ui.LabelAciertos->setText(QString::number(++m_aciertos));
        ui.LabelSolucion->setText(QString::fromStdString(c.escrita) == respuesta
                                      ? QStringLiteral("¡Correcto!")
                                      : QStringLiteral("¡Correcto! Se escribe: ") + QString::fromStdString(c.escrita));
        return;
    }
    ui.LabelFallos->setText(QString::number(++m_fallos));
    QStringList aceptadas;
    for (const std::string &a : c.aceptadas)
        aceptadas << QString::fromStdString(a);
    ui.LabelSolucion->setText(QStringLiteral("Respuestas aceptadas: ") + aceptadas.join(QStringLiteral("; ")));
}

// Enter checks the answer, and once it is checked asks the next question,
// so a whole round goes from the keyboard.
bool FormPracticaFormulacion::TextRespuesta_KeyPress(QKeyEvent *evento)
{
    if (!EsTecleo(evento) || !EsEnter(evento))
        return false;
    if (m_contestada)
        Siguiente_Click();
    else
        ComprobarRespuesta();
    return true;
}

void FormPracticaFormulacion::Comprobar_Click()
{
    ComprobarRespuesta();
}

void FormPracticaFormulacion::Siguiente_Click()
{
    Preguntar();
    ui.TextRespuesta->setFocus();
}

void FormPracticaFormulacion::Clases_Click()
{
    NuevoSorteo();
    Preguntar();
}

void FormPracticaFormulacion::ComboModo_Click()
{
    NuevoSorteo();
    Preguntar();
}
