#include "table/FormPrincipal.h"

#include "core/casillas.h"
#include "core/numeros.h"
#include "widgets/Accesible.h"
#include "widgets/Controles.h"
#include "widgets/ElementoElegido.h"
#include "widgets/IconoAplicacion.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThreadPool>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace {

struct EntradaMenu {
    int nivel;
    const char *control;
    const char *titulo;
};

// The menu in display order; an entry opens a submenu when the next one is a
// level deeper. A leaf entry opens the window of the list that names it and
// is disabled when none does; "Cerrar" ends the program.
constexpr std::array<EntradaMenu, 22> kMenu{{
    {1, "Calculos", "Cálculos"},
    {2, "CalculadoraMolar", "Calculadora molar"},
    {2, "Disoluciones", "Disoluciones"},
    {2, "Rendimientos", "Rendimientos"},
    {2, "ConversionUnidades", "Unidades"},
    {3, "Temperatura", "Temperatura"},
    {3, "Energia", "Energía"},
    {3, "Presión", "Presión"},
    {2, "Decay", "Decaimiento radiactivo"},
    {2, "EcuacionCuadratica", "Ecuación cuadrática"},
    {2, "AjustarEcuacion", "Ajustar ecuaciones"},
    {1, "Puzle", "Jugar"},
    {2, "Tabla_completa", "Tabla completa"},
    {2, "Tabla_reducida", "Tabla reducida"},
    {1, "Elementos", "Elementos"},
    {2, "FichaElemento", "Ficha del elemento"},
    {2, "PropiedadesPeriodicas", "Propiedades periódicas"},
    {1, "Formulacion", "Formulación"},
    {2, "FormularNombrar", "Formular y nombrar"},
    {2, "PracticarFormulacion", "Practicar"},
    {1, "Acercade", "Acerca de ..."},
    {1, "Cerrar", "Cerrar"},
}};

// Each entry sits at most one level below the one before it.
constexpr bool NivelesValidos()
{
    int anterior = 0;
    for (const EntradaMenu &entrada : kMenu) {
        if (entrada.nivel < 1 || entrada.nivel > anterior + 1)
            return false;
        anterior = entrada.nivel;
    }
    return true;
}
static_assert(NivelesValidos());

// The controls that name the group numbers 1..18.
constexpr std::array<int, 18> kLabelDeGrupo{5, 6, 7, 8, 9, 10, 11, 21, 23, 22, 13, 14, 15, 16, 17, 18, 19, 20};

QRect Zona(const Calculos::Rectangulo &r)
{
    return {r.x, r.y, r.ancho, r.alto};
}

QColor ColorClase(Calculos::Clase clase)
{
    const Calculos::ColorRgb c = Calculos::ColorDeClase(clase);
    return {c.r, c.g, c.b};
}

QLabel *Rotulo(QWidget *padre, const QString &nombre, const QString &texto, const QRect &zona, const QFont &fuente,
               Qt::Alignment alineacion)
{
    QLabel *etiqueta = CrearEtiqueta(padre, nombre, texto, zona);
    etiqueta->setFont(fuente);
    etiqueta->setAlignment(alineacion);
    return etiqueta;
}

void ConBorde(QLabel *etiqueta, bool borde)
{
    etiqueta->setFrameShape(borde ? QFrame::Box : QFrame::NoFrame);
    etiqueta->setFrameShadow(QFrame::Plain);
    etiqueta->setLineWidth(1);
}

} // namespace

FormPrincipal::FormPrincipal(QWidget *parent) : FormPrincipal({}, parent) {}

FormPrincipal::FormPrincipal(std::span<const FichaVentana> ventanas, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormPrincipal"));
    setWindowTitle(QStringLiteral(" Orvella"));
    setWindowIcon(IconoAplicacion());
    crearControles();
    crearMenu();
    conectar(ventanas);
    // The panel starts on hydrogen; the element card follows it.
    ElementoElegido::Aviso().Elegir(1);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen *pantalla = screen())
        move(pantalla->availableGeometry().center() - rect().center());
}

void FormPrincipal::crearControles()
{
    ui.Fondo = new QWidget(this);
    ui.Fondo->setObjectName(QStringLiteral("Fondo"));
    ui.Fondo->setFixedSize(kAncho, kAlto);
    setCentralWidget(ui.Fondo);

    const QFont fuenteCasilla = Fuente(QStringLiteral("Arial"), 24);
    for (const Calculos::Elemento &e : Calculos::TablaElementos) {
        QLabel *casilla =
            Rotulo(ui.Fondo, QString::fromStdString(Calculos::NombreCasilla(e.simbolo)), QString::fromUtf8(e.simbolo),
                   Zona(Calculos::PosicionCasilla(e)), fuenteCasilla, Qt::AlignCenter);
        Colorear(casilla, ColorClase(e.clase), Qt::black);
        ConBorde(casilla, true);
        Nombrar(casilla, QString::fromStdString(Calculos::LecturaElemento(e)),
                QString::fromStdString(Calculos::DescripcionCasilla(e)));
        ui.Casillas[static_cast<std::size_t>(e.z - 1)] = casilla;
    }
    // Enter or Space on a tile does what a click does; Tab runs along the
    // rows. No tile has the focus when the window opens.
    HacerPulsables(ui.Casillas);
    m_orden = EnOrdenDeLectura<QLabel>(ui.Casillas);

    // The placeholders of the two series, in column 3 of periods 6 and 7.
    const QFont fuenteSerie = Fuente(QStringLiteral("Arial"), 8.25);
    const auto serie = [&](const char *nombre, const char *texto, int arriba, Calculos::Clase clase) {
        QLabel *rotulo =
            Rotulo(ui.Fondo, QString::fromUtf8(nombre), QString::fromUtf8(texto),
                   Zona(Calculos::EnPixeles(2580, arriba, Calculos::kAnchoCasilla, Calculos::kAltoCasilla)),
                   fuenteSerie, Qt::AlignCenter);
        Colorear(rotulo, ColorClase(clase), Qt::black);
        ConBorde(rotulo, true);
        return rotulo;
    };
    ui.Lantanidos = serie("Lantanidos", " Lantánidos", 4950, Calculos::Clase::J);
    ui.Actinidos = serie("Actinidos", "   Actínidos", 5670, Calculos::Clase::K);

    const QFont fuenteGrupo = Fuente(QStringLiteral("Arial Narrow"), 12);
    for (int grupo = 1; grupo <= 18; ++grupo) {
        const auto g = static_cast<std::size_t>(grupo - 1);
        QLabel *numero = Rotulo(ui.Fondo, QStringLiteral("Label%1").arg(kLabelDeGrupo[g]), QString::number(grupo),
                                Zona(Calculos::PosicionNumeroGrupo(grupo)), fuenteGrupo, Qt::AlignCenter);
        Colorear(numero, Qt::transparent, Qt::white);
        Nombrar(numero, QStringLiteral("Grupo ") + numero->text());
        ui.Grupos[g] = numero;
    }
    crearPanel();
}

// The information panel: the last element released, on yellow.
void FormPrincipal::crearPanel()
{
    using Calculos::Px;
    ui.Picture1 = Crear<QFrame>(ui.Fondo, QStringLiteral("Picture1"), {Px(5880), Px(540), Px(2415), Px(2235)});
    ui.Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.Picture1->setLineWidth(2);
    QPalette amarillo = ui.Picture1->palette();
    amarillo.setColor(QPalette::Window, QColor(255, 255, 0));
    ui.Picture1->setPalette(amarillo);
    ui.Picture1->setAutoFillBackground(true);

    // The panel's labels are placed inside its border, as on any picture box.
    const int borde = ui.Picture1->frameWidth();
    const auto enPanel = [borde](int izquierda, int arriba, int ancho, int alto) {
        return QRect(borde + Px(izquierda), borde + Px(arriba), Px(ancho), Px(alto));
    };
    const QFont fuentePanel = Fuente(QStringLiteral("Arial"), 15.75);
    ui.Label3 = Rotulo(ui.Picture1, QStringLiteral("Label3"), QStringLiteral("1"), enPanel(0, 60, 615, 375),
                       fuentePanel, Qt::AlignCenter);
    ui.Label4 = Rotulo(ui.Picture1, QStringLiteral("Label4"), QStringLiteral("1,0080"), enPanel(750, 60, 1455, 375),
                       fuentePanel, Qt::AlignRight | Qt::AlignVCenter);
    ui.Label1 = Rotulo(ui.Picture1, QStringLiteral("Label1"), QStringLiteral("H"), enPanel(330, 690, 1575, 855),
                       Fuente(QStringLiteral("Arial"), 32.25), Qt::AlignCenter);
    ui.Label2 = Rotulo(ui.Picture1, QStringLiteral("Label2"), QStringLiteral("Hidrógeno"),
                       enPanel(120, 1560, 2085, 375), fuentePanel, Qt::AlignCenter);
    for (QLabel *etiqueta : {ui.Label1, ui.Label2, ui.Label3, ui.Label4})
        Colorear(etiqueta, Qt::transparent, QColor(0, 0, 192));
    ui.Label3->setToolTip(QStringLiteral("Número atómico"));
    ui.Label4->setToolTip(QStringLiteral("Masa atómica"));
    const std::pair<QLabel *, const char *> lecturas[] = {
        {ui.Label1, "Símbolo"}, {ui.Label2, "Elemento"}, {ui.Label3, "Número atómico"}, {ui.Label4, "Masa atómica"}};
    for (const auto &[etiqueta, nombre] : lecturas)
        NombrarResultado(etiqueta, QString::fromUtf8(nombre));
    Nombrar(ui.Picture1, QStringLiteral("Elemento elegido"));
}

void FormPrincipal::crearMenu()
{
    // The menu each level adds its entries to; level 1 is the menu bar.
    std::vector<QWidget *> contenedor{menuBar()};
    for (std::size_t i = 0; i < kMenu.size(); ++i) {
        const EntradaMenu &entrada = kMenu[i];
        contenedor.resize(static_cast<std::size_t>(entrada.nivel));
        QWidget *padre = contenedor.back();
        const QString titulo = QString::fromUtf8(entrada.titulo);
        const bool submenu = i + 1 < kMenu.size() && kMenu[i + 1].nivel > entrada.nivel;
        QAction *accion = nullptr;
        if (submenu) {
            auto *menu = new QMenu(titulo, padre);
            accion = menu->menuAction();
            contenedor.push_back(menu);
        } else {
            // Enabled by the window that it opens, if any.
            accion = new QAction(titulo, padre);
            accion->setEnabled(false);
        }
        accion->setObjectName(QString::fromUtf8(entrada.control));
        padre->addAction(accion);
    }
}

void FormPrincipal::conectar(std::span<const FichaVentana> ventanas)
{
    QAction *cerrar = findChild<QAction *>(QStringLiteral("Cerrar"));
    cerrar->setEnabled(true);
    connect(cerrar, &QAction::triggered, this, &Lanzador::CerrarTodo);
    for (const FichaVentana &ficha : ventanas) {
        auto *accion = ficha.entrada == nullptr ? nullptr : findChild<QAction *>(QString::fromUtf8(ficha.entrada));
        if (accion == nullptr)
            continue;
        accion->setEnabled(true);
        connect(accion, &QAction::triggered, this, [ficha] { Lanzador::Abrir(ficha); });
        if (auto *menu = qobject_cast<QMenu *>(accion->parent()); menu != nullptr && ficha.preparar != nullptr)
            connect(
                menu, &QMenu::aboutToShow, this, [p = ficha.preparar] { QThreadPool::globalInstance()->start(p); },
                Qt::SingleShotConnection);
    }
    for (QLabel *casilla : ui.Casillas)
        casilla->installEventFilter(this);
    ui.Fondo->installEventFilter(this);
}

bool FormPrincipal::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == ui.Fondo) {
        if (evento->type() == QEvent::Paint)
            Form_Paint();
        return false;
    }
    const int indice = IndiceCasilla(objeto);
    if (indice < 0)
        return QMainWindow::eventFilter(objeto, evento);
    QLabel *casilla = ui.Casillas[static_cast<std::size_t>(indice)];
    switch (evento->type()) {
    case QEvent::MouseButtonPress:
        Casilla_MouseDown(casilla);
        return true;
    case QEvent::MouseButtonRelease:
        Casilla_MouseUp(casilla);
        return true;
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

bool FormPrincipal::focusNextPrevChild(bool next)
{
    return MoverFoco(m_orden, next);
}

int FormPrincipal::IndiceCasilla(const QObject *objeto) const
{
    const auto it = std::find(ui.Casillas.begin(), ui.Casillas.end(), objeto);
    return it == ui.Casillas.end() ? -1 : static_cast<int>(it - ui.Casillas.begin());
}

void FormPrincipal::Form_Paint()
{
    // 256 bands of blue on a scale 160 units high: only the first 80 fall
    // inside the window, from black at the top to (0, 0, 79) at the bottom.
    // Painted each time rather than kept in a window-sized picture.
    QPainter p(ui.Fondo);
    p.scale(1.0, kAlto / 160.0);
    for (int k = 0; k < 256; ++k)
        p.fillRect(QRectF(0, 2.0 * k, kAncho, 2.0), QColor(0, 0, k));
}

void FormPrincipal::Casilla_MouseDown(QLabel *casilla)
{
    ConBorde(casilla, false);
}

void FormPrincipal::Casilla_MouseUp(QLabel *casilla)
{
    ConBorde(casilla, true);
    const Calculos::Elemento &e = Calculos::TablaElementos[static_cast<std::size_t>(IndiceCasilla(casilla))];
    ui.Label1->setText(QString::fromUtf8(e.simbolo));
    ui.Label2->setText(QString::fromUtf8(e.nombre));
    ui.Label3->setText(QString::fromStdString(Calculos::NumeroATexto(e.z)));
    ui.Label4->setText(QString::fromUtf8(e.masaVisible));
    ElementoElegido::Aviso().Elegir(e.z);
}
