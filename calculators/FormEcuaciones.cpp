#include "calculators/FormEcuaciones.h"

#include "core/numeros.h"
#include "widgets/Accesible.h"
#include "widgets/Controles.h"
#include "widgets/FiltroTeclas.h"
#include "widgets/Mensajes.h"
#include "widgets/Teclas.h"
#include "widgets/TextosNumericos.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace {

constexpr int kAncho = 640;
constexpr int kAlto = 440;

// Columns of the stoichiometry table.
enum Columna { kEspecie, kCoeficiente, kMasaMolar, kMoles, kGramos, kColumnas };

const char *const kAyuda = R"(
<p>Escriba la ecuación y pulse Intro o el botón de calcular. Las especies se separan con
« + » (con un espacio a cada lado) y los dos miembros con «->», «=>», «=» o «→». Los
coeficientes que escriba no se tienen en cuenta: se calculan de nuevo.</p>
<p>Las fórmulas admiten paréntesis y corchetes anidados, subíndices (H2O o H₂O), hidratos
(CuSO4·5H2O, CuSO4*5H2O), cargas (Fe^3+, MnO4^-, Fe³⁺), el electrón (e^-) y estados al final:
(s), (l), (g), (aq). Las mayúsculas cuentan: Co es cobalto y CO, monóxido de carbono.</p>
<p>En la tabla de estequiometría escriba los moles o los gramos de uno o varios reactivos:
el programa calcula el resto, el reactivo limitante y lo que sobra de los demás. También
puede escribir la cantidad de un solo producto.</p>
)";

// The cells that take amounts accept numbers as every box of the program.
class EditorCantidad : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *padre, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *caja = new QLineEdit(padre);
        InstalarFiltro(caja, Calculos::TipoFiltro::Decimal);
        return caja;
    }
};

// A value as the table shows it, rounded.
QString Cantidad(double valor, int decimales)
{
    return TextoDeNumero(Calculos::Redondear(valor, decimales));
}

QTableWidget *CrearTabla(QWidget *padre, const QString &nombre, const QRect &zona, const QStringList &columnas)
{
    auto *tabla = Crear<QTableWidget>(padre, nombre, zona);
    tabla->setColumnCount(static_cast<int>(columnas.size()));
    tabla->setHorizontalHeaderLabels(columnas);
    tabla->verticalHeader()->hide();
    tabla->setCornerButtonEnabled(false);
    // Tab leaves the table; the arrows move within it.
    tabla->setTabKeyNavigation(false);
    tabla->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla->horizontalHeader()->setHighlightSections(false);
    // Qt's corner button, which the hidden row header leaves unused, still
    // answers a screen reader.
    for (QAbstractButton *esquina : tabla->findChildren<QAbstractButton *>())
        Nombrar(esquina, QStringLiteral("Seleccionar toda la tabla"));
    return tabla;
}

// A cell and what a screen reader says of it: what it is, then what it shows.
void Celda(QTableWidget *tabla, int fila, int columna, const QString &texto, const QString &que, bool editable = false)
{
    QTableWidgetItem *celda = tabla->item(fila, columna);
    if (celda == nullptr) {
        celda = new QTableWidgetItem;
        celda->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                                 : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (columna > 0)
            celda->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tabla->setItem(fila, columna, celda);
    }
    celda->setText(texto);
    celda->setData(Qt::AccessibleTextRole, texto.isEmpty() ? que : que + QStringLiteral(": ") + texto);
}

} // namespace

FormEcuaciones::FormEcuaciones(QWidget *parent) : VentanaCalculadora(parent)
{
    PrepararVentana(this, Titulo(QStringLiteral("Ajustar ecuaciones"), 22), Fuente(QStringLiteral("Arial"), 10),
                    {kAncho, kAlto});
    crearControles();
    conectar();
    RetirarResultado();
}

void FormEcuaciones::crearControles()
{
    ui.Label1 = CrearEtiqueta(this, QStringLiteral("Label1"), QStringLiteral("Ecuación:"), {16, 22, 70, 20});
    ui.TextEcuacion = Crear<QLineEdit>(this, QStringLiteral("TextEcuacion"), {86, 18, 380, 26});
    ui.TextEcuacion->setFont(Fuente(QStringLiteral("Arial"), 11));
    NombrarPorRotulo(ui.TextEcuacion, ui.Label1);

    CrearBotones("Calcular", "Borrar", {kAncho - 52, 12});

    ui.LabelAjustada = CrearEtiqueta(this, QStringLiteral("LabelAjustada"), QString(), {16, 62, kAncho - 32, 32});
    ui.LabelAjustada->setFont(Fuente(QStringLiteral("Times New Roman"), 16));
    ui.LabelAjustada->setTextInteractionFlags(Qt::TextSelectableByMouse);
    NombrarResultado(ui.LabelAjustada, QStringLiteral("Ecuación ajustada"));

    ui.Label2 =
        CrearEtiqueta(this, QStringLiteral("Label2"), QStringLiteral("Átomos en cada miembro:"), {16, 108, 220, 20});
    ui.TablaAtomos = CrearTabla(this, QStringLiteral("TablaAtomos"), {16, 130, 212, 240},
                                {QStringLiteral("Elemento"), QStringLiteral("Reactivos"), QStringLiteral("Productos")});
    ui.TablaAtomos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < 3; ++c)
        ui.TablaAtomos->setColumnWidth(c, 68);
    NombrarPorRotulo(ui.TablaAtomos, ui.Label2, QStringLiteral("Comprobación de átomos y carga"));

    ui.Label3 = CrearEtiqueta(this, QStringLiteral("Label3"),
                              QStringLiteral("Estequiometría (escriba moles o gramos):"), {244, 108, 380, 20});
    ui.TablaEstequiometria =
        CrearTabla(this, QStringLiteral("TablaEstequiometria"), {244, 130, 380, 240},
                   {QStringLiteral("Especie"), QStringLiteral("Coef."), QStringLiteral("M (g/mol)"),
                    QStringLiteral("Moles"), QStringLiteral("Gramos")});
    ui.TablaEstequiometria->setItemDelegate(new EditorCantidad(ui.TablaEstequiometria));
    ui.TablaEstequiometria->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                            QAbstractItemView::AnyKeyPressed);
    const int anchos[kColumnas] = {96, 44, 76, 78, 78};
    for (int c = 0; c < kColumnas; ++c)
        ui.TablaEstequiometria->setColumnWidth(c, anchos[c]);
    NombrarPorRotulo(ui.TablaEstequiometria, ui.Label3, QStringLiteral("Estequiometría"));

    ui.LabelLimitante = CrearEtiqueta(this, QStringLiteral("LabelLimitante"), QString(), {244, 378, 380, 20});
    NombrarResultado(ui.LabelLimitante, QStringLiteral("Reactivo limitante"));
    ui.LabelExceso = CrearEtiqueta(this, QStringLiteral("LabelExceso"), QString(), {244, 400, 380, 34});
    ui.LabelExceso->setWordWrap(true);
    ui.LabelExceso->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    NombrarResultado(ui.LabelExceso, QStringLiteral("Reactivos en exceso"));

    CrearAyuda(kAyuda, {16, 56, kAncho - 32, kAlto - 68}, Fuente(QStringLiteral("Times New Roman"), 12));
}

void FormEcuaciones::conectar()
{
    connect(ui.TextEcuacion, &QLineEdit::textEdited, this, &FormEcuaciones::TextEcuacion_Change);
    connect(ui.TablaEstequiometria, &QTableWidget::cellChanged, this, &FormEcuaciones::TablaEstequiometria_Change);
    ui.TextEcuacion->installEventFilter(this);
}

bool FormEcuaciones::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == ui.TextEcuacion && evento->type() == QEvent::KeyPress)
        return TextEcuacion_KeyPress(static_cast<QKeyEvent *>(evento));
    return QWidget::eventFilter(objeto, evento);
}

void FormEcuaciones::AjustarEcuacion()
{
    OcultarAyuda();
    RetirarResultado();
    m_ajuste = Calculos::AjustarEcuacion(ui.TextEcuacion->text().toStdString());
    if (m_ajuste.error != Calculos::ErrorEcuacion::Ninguno) {
        MostrarAviso(this, QString::fromStdString(Calculos::MensajeEcuacion(m_ajuste)));
        ui.TextEcuacion->setFocus();
        return;
    }
    ui.LabelAjustada->setText(QString::fromStdString(Calculos::EscribirEcuacion(m_ajuste)));
    LlenarTablas();
}

void FormEcuaciones::LlenarTablas()
{
    m_escribiendo = true;
    const auto filas = Calculos::ComprobarEcuacion(m_ajuste);
    ui.TablaAtomos->setRowCount(static_cast<int>(filas.size()));
    for (int i = 0; i < static_cast<int>(filas.size()); ++i) {
        const auto &f = filas[static_cast<std::size_t>(i)];
        const QString nombre = QString::fromStdString(f.nombre);
        Celda(ui.TablaAtomos, i, 0, nombre, QStringLiteral("Elemento"));
        Celda(ui.TablaAtomos, i, 1, QString::number(f.reactivos), nombre + QStringLiteral(" en los reactivos"));
        Celda(ui.TablaAtomos, i, 2, QString::number(f.productos), nombre + QStringLiteral(" en los productos"));
    }

    const auto &especies = m_ajuste.especies;
    ui.TablaEstequiometria->setRowCount(static_cast<int>(especies.size()));
    for (int j = 0; j < static_cast<int>(especies.size()); ++j) {
        const auto s = static_cast<std::size_t>(j);
        const auto &e = especies[s];
        const QString formula = QString::fromStdString(Calculos::EscribirFormula(e.formula));
        const bool reactivo = static_cast<std::size_t>(j) < m_ajuste.reactivos;
        Celda(ui.TablaEstequiometria, j, kEspecie, formula,
              reactivo ? QStringLiteral("Reactivo") : QStringLiteral("Producto"));
        Celda(ui.TablaEstequiometria, j, kCoeficiente, QString::number(e.coeficiente),
              QStringLiteral("Coeficiente de ") + formula);
        Celda(ui.TablaEstequiometria, j, kMasaMolar,
              e.formula.electron ? QString() : Cantidad(e.masaMolar, Calculos::kDecimalesMasaEcuacion),
              QStringLiteral("Masa molar de ") + formula + QStringLiteral(" en gramos por mol"));
        Celda(ui.TablaEstequiometria, j, kMoles, QString(), NombreCantidad(s, kMoles), true);
        // The electron has no grams to type.
        Celda(ui.TablaEstequiometria, j, kGramos, QString(), NombreCantidad(s, kGramos), !e.formula.electron);
    }
    m_dados.assign(especies.size(), std::nullopt);
    m_escribiendo = false;
}

// Every amount follows from those typed; what cannot be worked out is left
// empty.
void FormEcuaciones::Recalcular()
{
    std::vector<Calculos::CantidadDada> dadas;
    bool validas = true;
    for (std::size_t j = 0; j < m_dados.size(); ++j)
        if (m_dados[j]) {
            validas = validas && m_dados[j]->valor.has_value();
            dadas.push_back({j, m_dados[j]->valor.value_or(0), m_dados[j]->columna == kGramos});
        }
    const auto r = validas ? Calculos::CalcularEstequiometria(m_ajuste, dadas) : std::nullopt;

    m_escribiendo = true;
    QStringList exceso;
    for (int j = 0; j < ui.TablaEstequiometria->rowCount(); ++j) {
        const auto s = static_cast<std::size_t>(j);
        const auto &e = m_ajuste.especies[s];
        const QString formula = QString::fromStdString(Calculos::EscribirFormula(e.formula));
        std::optional<double> moles;
        std::optional<double> gramos;
        if (r && m_dados[s]) {
            // A typed amount stays as typed; its other cell shows the same amount.
            const double v = *m_dados[s]->valor;
            moles = m_dados[s]->columna == kMoles ? v : v / e.masaMolar;
            gramos = m_dados[s]->columna == kGramos ? v : v * e.masaMolar;
        } else if (r) {
            moles = r->moles[s];
            gramos = r->gramos[s];
        }
        const int tecleada = m_dados[s] ? m_dados[s]->columna : -1;
        if (tecleada != kMoles)
            Celda(ui.TablaEstequiometria, j, kMoles,
                  moles ? Cantidad(*moles, Calculos::kDecimalesCantidadEcuacion) : QString(),
                  NombreCantidad(s, kMoles));
        if (tecleada != kGramos)
            Celda(ui.TablaEstequiometria, j, kGramos,
                  gramos && !e.formula.electron ? Cantidad(*gramos, Calculos::kDecimalesCantidadEcuacion) : QString(),
                  NombreCantidad(s, kGramos));
        if (r && r->molesSobrantes[s] > 0)
            exceso << (e.formula.electron ? Cantidad(r->molesSobrantes[s], Calculos::kDecimalesCantidadEcuacion) +
                                                QStringLiteral(" mol de ")
                                          : Cantidad(r->gramosSobrantes[s], Calculos::kDecimalesCantidadEcuacion) +
                                                QStringLiteral(" g de ")) +
                          formula;
    }
    m_escribiendo = false;

    ui.LabelLimitante->setText(r && r->limitante ? QStringLiteral("Reactivo limitante: ") +
                                                       QString::fromStdString(Calculos::EscribirFormula(
                                                           m_ajuste.especies[*r->limitante].formula))
                                                 : QString());
    ui.LabelExceso->setText(exceso.isEmpty()
                                ? QString()
                                : QStringLiteral("Sobran ") + exceso.join(QStringLiteral(", ")) + QStringLiteral("."));
}

void FormEcuaciones::RetirarResultado()
{
    m_ajuste = {};
    m_dados.clear();
    m_escribiendo = true;
    ui.LabelAjustada->clear();
    ui.TablaAtomos->setRowCount(0);
    ui.TablaEstequiometria->setRowCount(0);
    ui.LabelLimitante->clear();
    ui.LabelExceso->clear();
    m_escribiendo = false;
}

// Enter balances instead of entering the box.
bool FormEcuaciones::TextEcuacion_KeyPress(QKeyEvent *evento)
{
    if (!EsEnter(evento))
        return false;
    AjustarEcuacion();
    return true;
}

// Whatever changes the equation withdraws what came from the old one.
void FormEcuaciones::TextEcuacion_Change()
{
    RetirarResultado();
}

// An amount typed, changed or emptied: it replaces what was typed in its
// row; a product fixes every amount by itself, so typing one forgets the
// others, and typing a reactant forgets a product.
void FormEcuaciones::TablaEstequiometria_Change(int fila, int columna)
{
    if (m_escribiendo || (columna != kMoles && columna != kGramos) || fila < 0 ||
        static_cast<std::size_t>(fila) >= m_dados.size())
        return;
    const QString texto = ui.TablaEstequiometria->item(fila, columna)->text().trimmed();
    const bool producto = static_cast<std::size_t>(fila) >= m_ajuste.reactivos;
    m_escribiendo = true;
    for (std::size_t j = 0; j < m_dados.size(); ++j) {
        const bool otroLado = (j >= m_ajuste.reactivos) != producto;
        if (m_dados[j] && (static_cast<int>(j) == fila || otroLado || producto)) {
            // Its typed text goes: it no longer counts.
            const int otra = m_dados[j]->columna;
            Celda(ui.TablaEstequiometria, static_cast<int>(j), otra, QString(), NombreCantidad(j, otra));
            m_dados[j].reset();
        }
    }
    Celda(ui.TablaEstequiometria, fila, columna, texto, NombreCantidad(static_cast<std::size_t>(fila), columna));
    if (!texto.isEmpty())
        m_dados[static_cast<std::size_t>(fila)] = Dato{columna, NumeroDeTexto(texto)};
    m_escribiendo = false;
    Recalcular();
}

QString FormEcuaciones::NombreCantidad(std::size_t especie, int columna) const
{
    return (columna == kMoles ? QStringLiteral("Moles de ") : QStringLiteral("Gramos de ")) +
           QString::fromStdString(Calculos::EscribirFormula(m_ajuste.especies[especie].formula));
}

void FormEcuaciones::Calcular_Click()
{
    AjustarEcuacion();
}

void FormEcuaciones::Borrar_Click()
{
    OcultarAyuda();
    ui.TextEcuacion->clear();
    RetirarResultado();
    ui.TextEcuacion->setFocus();
}
