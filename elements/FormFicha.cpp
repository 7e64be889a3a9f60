#include "elements/FormFicha.h"

#include "elements/ficha.h"
#include "widgets/Accesible.h"
#include "widgets/Controles.h"
#include "widgets/ElementoElegido.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

constexpr int kAncho = 620;
constexpr int kAlto = 520;
constexpr int kFila = 22;
constexpr int kArriba = 52;

struct Campo {
    const char *nombre;
    const char *rotulo;
    std::string Calculos::Ficha::*texto;
};

// In the order the card shows them, top to bottom.
const Campo kCampos[FormFicha::kCampos] = {
    {"LabelSimbolo", "Símbolo", &Calculos::Ficha::simbolo},
    {"LabelNombre", "Nombre", &Calculos::Ficha::nombre},
    {"LabelNumero", "Número atómico", &Calculos::Ficha::numero},
    {"LabelMasa", "Masa atómica", &Calculos::Ficha::masa},
    {"LabelConfiguracion", "Configuración electrónica", &Calculos::Ficha::configuracion},
    {"LabelElectronegatividad", "Electronegatividad (Pauling)", &Calculos::Ficha::electronegatividad},
    {"LabelIonizacion", "Energía de ionización", &Calculos::Ficha::ionizacion},
    {"LabelAfinidad", "Afinidad electrónica", &Calculos::Ficha::afinidad},
    {"LabelRadioCovalente", "Radio covalente", &Calculos::Ficha::radioCovalente},
    {"LabelRadioVdW", "Radio de van der Waals", &Calculos::Ficha::radioVdW},
    {"LabelFusion", "Punto de fusión", &Calculos::Ficha::fusion},
    {"LabelEbullicion", "Punto de ebullición", &Calculos::Ficha::ebullicion},
    {"LabelDensidad", "Densidad", &Calculos::Ficha::densidad},
    {"LabelEstado", "Estado (25 °C, 1 atm)", &Calculos::Ficha::estado},
    {"LabelBloque", "Bloque", &Calculos::Ficha::bloque},
    {"LabelGrupoPeriodo", "Posición", &Calculos::Ficha::grupoPeriodo},
    {"LabelFamilia", "Familia", &Calculos::Ficha::familia},
    {"LabelDescubrimiento", "Descubrimiento", &Calculos::Ficha::descubrimiento},
    {"LabelOxidacion", "Números de oxidación", &Calculos::Ficha::oxidacion},
};

} // namespace

FormFicha::FormFicha(QWidget *parent) : QWidget(parent, Qt::Window)
{
    PrepararVentana(this, Titulo(QStringLiteral("Ficha del elemento"), 10), Fuente(QStringLiteral("Arial"), 10),
                    {kAncho, kAlto});
    crearControles();
    conectar();
    Mostrar(ElementoElegido::Aviso().Ultimo());
}

void FormFicha::crearControles()
{
    auto *rotuloCombo =
        CrearEtiqueta(this, QStringLiteral("RotuloElemento"), QStringLiteral("Elemento:"), {16, 16, 70, 22});
    ui.ComboElemento = Crear<QComboBox>(this, QStringLiteral("ComboElemento"), {90, 14, 250, 24});
    ui.ComboElemento->setEditable(true);
    ui.ComboElemento->setInsertPolicy(QComboBox::NoInsert);
    ui.ComboElemento->setMaxVisibleItems(20);
    for (int z = 1; z <= Calculos::kNumeroElementos; ++z)
        ui.ComboElemento->addItem(QString::fromUtf8(Calculos::TextoEnLista(z)));
    // The list completes a number as one types it ("26" becomes "26 Fe
    // Hierro"); Enter, or leaving the box, finds anything else typed: part of
    // a name, accents or not, or a symbol.
    NombrarPorRotulo(ui.ComboElemento, rotuloCombo, QStringLiteral("Elemento"));
    ui.ComboElemento->setAccessibleDescription(
        QStringLiteral("Escriba parte del nombre, el símbolo o el número y pulse Intro"));

    for (int i = 0; i < kCampos; ++i) {
        const Campo &c = ::kCampos[i];
        const int y = kArriba + i * kFila;
        CrearEtiqueta(this, QStringLiteral("Rotulo") + QString::fromUtf8(c.nombre).mid(5),
                      QString::fromUtf8(c.rotulo) + QStringLiteral(":"), {16, y, 190, kFila});
        QLabel *valor = CrearEtiqueta(this, QString::fromUtf8(c.nombre), {}, {210, y, 250, kFila});
        valor->setTextInteractionFlags(Qt::TextSelectableByMouse);
        NombrarResultado(valor, QString::fromUtf8(c.rotulo));
        ui.Valores[static_cast<std::size_t>(i)] = valor;
    }
    ui.Valores[0]->setFont(Fuente(QStringLiteral("Arial"), 10, true));

    auto *rotuloLista =
        CrearEtiqueta(this, QStringLiteral("RotuloIsotopos"), QStringLiteral("Isótopos:"), {470, kArriba, 130, kFila});
    ui.ListaIsotopos = Crear<QListWidget>(this, QStringLiteral("ListaIsotopos"), {470, kArriba + kFila, 134, 330});
    NombrarPorRotulo(ui.ListaIsotopos, rotuloLista, QStringLiteral("Isótopos naturales y de vida más larga"));
}

void FormFicha::conectar()
{
    connect(ui.ComboElemento, &QComboBox::activated, this, &FormFicha::ComboElemento_Click);
    connect(ui.ComboElemento->lineEdit(), &QLineEdit::returnPressed, this, &FormFicha::ComboElemento_Buscar);
    connect(&ElementoElegido::Aviso(), &ElementoElegido::elegido, this, &FormFicha::Mostrar);
    // The list passes its focus events on to its box without filters.
    ui.ComboElemento->installEventFilter(this);
}

bool FormFicha::eventFilter(QObject *objeto, QEvent *evento)
{
    // Leaving the box finds what was typed, as Enter does; not when the
    // list's own entries drop down.
    if (objeto == ui.ComboElemento && evento->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent *>(evento)->reason() != Qt::PopupFocusReason) {
        ComboElemento_Buscar();
        return false;
    }
    return QWidget::eventFilter(objeto, evento);
}

void FormFicha::ComboElemento_Click(int indice)
{
    // An entry of the list, or Enter on a typed text the list does not hold.
    const QString texto = ui.ComboElemento->currentText();
    if (indice >= 0 && ui.ComboElemento->itemText(indice) == texto)
        Mostrar(indice + 1);
    else
        ComboElemento_Buscar();
}

void FormFicha::ComboElemento_Buscar()
{
    const std::vector<int> hallados = Calculos::BuscarElementos(ui.ComboElemento->currentText().toStdString());
    // Nothing found: the element shown stays, and so does its entry.
    Mostrar(hallados.empty() ? m_z : hallados.front());
}

void FormFicha::Mostrar(int z)
{
    if (z < 1 || z > Calculos::kNumeroElementos)
        return;
    m_z = z;
    const Calculos::Ficha ficha = Calculos::FichaDe(z);
    for (int i = 0; i < kCampos; ++i)
        ui.Valores[static_cast<std::size_t>(i)]->setText(QString::fromUtf8(ficha.*(::kCampos[i].texto)));
    ui.ListaIsotopos->clear();
    for (const std::string &linea : ficha.isotopos)
        ui.ListaIsotopos->addItem(QString::fromUtf8(linea));
    ui.ComboElemento->setCurrentIndex(z - 1);
    ui.ComboElemento->setEditText(ui.ComboElemento->itemText(z - 1));
}
