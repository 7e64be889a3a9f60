#include "table/FormPrincipal.h"

#include "calculators/FormCalculadoraMolar.h"
#include "converters/FormEnergia.h"
#include "converters/FormPresion.h"
#include "converters/FormTemperatura.h"
#include "core/numeros.h"
#include "shell/Dibujos.h"
#include "shell/FormAcercaDe.h"
#include "widgets/Lanzador.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

using AccionMenu = void (*)();

template <class Ventana> void Abrir()
{
    Lanzador::Abrir<Ventana>();
}

struct EntradaMenu {
    int nivel;
    const char *control;
    const char *titulo;
    AccionMenu accion;
};

// The menu in display order; an entry opens a submenu when the next one is a
// level deeper. An entry whose window does not exist yet has no action and
// stays in its place, disabled: enabling it is writing its Abrir<FormX> here.
constexpr std::array<EntradaMenu, 15> kMenu{{
    {1, "Calculos", "Cálculos", nullptr},
    {2, "CalculadoraMolar", "Calculadora molar", Abrir<FormCalculadoraMolar>},
    {2, "Disoluciones", "Disoluciones", nullptr},
    {2, "Rendimientos", "Rendimientos", nullptr},
    {2, "ConversionUnidades", "Unidades", nullptr},
    {3, "Temperatura", "Temperatura", Abrir<FormTemperatura>},
    {3, "Energia", "Energía", Abrir<FormEnergia>},
    {3, "Presión", "Presión", Abrir<FormPresion>},
    {2, "Decay", "Decaimiento radiactivo", nullptr},
    {2, "EcuacionCuadratica", "Ecuación cuadrática", nullptr},
    {1, "Puzle", "Jugar", nullptr},
    {2, "Tabla_completa", "Tabla completa", nullptr},
    {2, "Tabla_reducida", "Tabla reducida", nullptr},
    {1, "Acercade", "Acerca de ...", Abrir<FormAcercaDe>},
    {1, "Cerrar", "Cerrar", Lanzador::CerrarTodo},
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

// Positions in twips; 15 twips are one pixel.
constexpr int kTwipsPorPixel = 15;
constexpr int Px(int twips)
{
    return twips / kTwipsPorPixel;
}

constexpr int kAnchoCasilla = 855;
constexpr int kAltoCasilla = 705;

// The controls that name the group numbers 1..18.
constexpr std::array<int, 18> kLabelDeGrupo{5, 6, 7, 8, 9, 10, 11, 21, 23, 22, 13, 14, 15, 16, 17, 18, 19, 20};

// Top of each group's number: just above the first tile of the group.
constexpr int AlturaNumeroGrupo(int grupo)
{
    if (grupo == 1 || grupo == 18)
        return 990;
    if (grupo >= 3 && grupo <= 12)
        return 3150;
    return 1710;
}

// A tile whose symbol is also a word of the language the window was first
// written in carries a T in front of its name.
QString NombreCasilla(std::string_view simbolo)
{
    constexpr std::array<std::string_view, 6> kConT{"As", "In", "Tb", "Th", "Tl", "Y"};
    const QString nombre = QString::fromUtf8(simbolo.data(), static_cast<qsizetype>(simbolo.size()));
    return std::find(kConT.begin(), kConT.end(), simbolo) != kConT.end() ? QStringLiteral("T") + nombre : nombre;
}

QString Texto(std::string_view t)
{
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

QColor ColorClase(Calculos::Clase clase)
{
    const Calculos::ColorRgb c = Calculos::ColorDeClase(clase);
    return {c.r, c.g, c.b};
}

QFont Fuente(const QString &familia, double puntos, bool negrita = false)
{
    QFont fuente(familia);
    fuente.setPointSizeF(puntos);
    fuente.setBold(negrita);
    return fuente;
}

QLabel *CrearEtiqueta(QWidget *padre, const QString &nombre, const QString &texto, const QRect &zona,
                      const QFont &fuente, Qt::Alignment alineacion)
{
    auto *etiqueta = new QLabel(texto, padre);
    etiqueta->setObjectName(nombre);
    etiqueta->setGeometry(zona);
    etiqueta->setFont(fuente);
    etiqueta->setAlignment(alineacion);
    return etiqueta;
}

void Colorear(QLabel *etiqueta, const QColor &fondo, const QColor &texto)
{
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::Window, fondo);
    paleta.setColor(QPalette::WindowText, texto);
    etiqueta->setPalette(paleta);
    etiqueta->setAutoFillBackground(fondo.alpha() != 0);
}

void ConBorde(QLabel *etiqueta, bool borde)
{
    etiqueta->setFrameShape(borde ? QFrame::Box : QFrame::NoFrame);
    etiqueta->setFrameShadow(QFrame::Plain);
    etiqueta->setLineWidth(1);
}

} // namespace

QRect FormPrincipal::PosicionCasilla(const Calculos::Elemento &elemento)
{
    int izquierda = 0;
    int arriba = 0;
    if (elemento.columnaF > 0) {
        izquierda = 2595 + kAnchoCasilla * (elemento.columnaF - 1);
        arriba = elemento.periodo == 6 ? 6720 : 7800;
    } else {
        izquierda = 870 + kAnchoCasilla * (elemento.grupo - 1);
        arriba = 1350 + 720 * (elemento.periodo - 1);
    }
    return {Px(izquierda), Px(arriba), Px(kAnchoCasilla), Px(kAltoCasilla)};
}

FormPrincipal::FormPrincipal(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormPrincipal"));
    setWindowTitle(QStringLiteral(" Orvella"));
    setWindowIcon(IconoAplicacion());
    crearControles();
    crearMenu();
    conectar();
    PintarFondo();

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
        QLabel *casilla = CrearEtiqueta(ui.Fondo, NombreCasilla(e.simbolo), Texto(e.simbolo), PosicionCasilla(e),
                                        fuenteCasilla, Qt::AlignCenter);
        Colorear(casilla, ColorClase(e.clase), Qt::black);
        ConBorde(casilla, true);
        ui.Casillas[static_cast<std::size_t>(e.z - 1)] = casilla;
    }

    const QFont fuenteSerie = Fuente(QStringLiteral("Arial"), 8.25);
    ui.Lantanidos =
        CrearEtiqueta(ui.Fondo, QStringLiteral("Lantanidos"), QStringLiteral(" Lantánidos"),
                      {Px(2580), Px(4950), Px(kAnchoCasilla), Px(kAltoCasilla)}, fuenteSerie, Qt::AlignCenter);
    ui.Actinidos =
        CrearEtiqueta(ui.Fondo, QStringLiteral("Actinidos"), QStringLiteral("   Actínidos"),
                      {Px(2580), Px(5670), Px(kAnchoCasilla), Px(kAltoCasilla)}, fuenteSerie, Qt::AlignCenter);
    Colorear(ui.Lantanidos, ColorClase(Calculos::Clase::J), Qt::black);
    Colorear(ui.Actinidos, ColorClase(Calculos::Clase::K), Qt::black);
    ConBorde(ui.Lantanidos, true);
    ConBorde(ui.Actinidos, true);

    const QFont fuenteGrupo = Fuente(QStringLiteral("Arial Narrow"), 12);
    for (int grupo = 1; grupo <= 18; ++grupo) {
        const QRect zona(Px(870 + kAnchoCasilla * (grupo - 1)), Px(AlturaNumeroGrupo(grupo)), Px(kAnchoCasilla),
                         Px(360));
        QLabel *numero =
            CrearEtiqueta(ui.Fondo, QStringLiteral("Label%1").arg(kLabelDeGrupo[static_cast<std::size_t>(grupo - 1)]),
                          QString::number(grupo), zona, fuenteGrupo, Qt::AlignCenter);
        Colorear(numero, Qt::transparent, Qt::white);
        ui.Grupos[static_cast<std::size_t>(grupo - 1)] = numero;
    }

    ui.Picture1 = new QFrame(ui.Fondo);
    ui.Picture1->setObjectName(QStringLiteral("Picture1"));
    ui.Picture1->setGeometry(Px(5880), Px(540), Px(2415), Px(2235));
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
    const QColor azul(0, 0, 192);
    const QFont fuentePanel = Fuente(QStringLiteral("Arial"), 15.75);
    ui.Label3 = CrearEtiqueta(ui.Picture1, QStringLiteral("Label3"), QStringLiteral("1"), enPanel(0, 60, 615, 375),
                              fuentePanel, Qt::AlignCenter);
    ui.Label4 = CrearEtiqueta(ui.Picture1, QStringLiteral("Label4"), QStringLiteral("1,0080"),
                              enPanel(750, 60, 1455, 375), fuentePanel, Qt::AlignRight | Qt::AlignVCenter);
    ui.Label1 = CrearEtiqueta(ui.Picture1, QStringLiteral("Label1"), QStringLiteral("H"), enPanel(330, 690, 1575, 855),
                              Fuente(QStringLiteral("Arial"), 32.25), Qt::AlignCenter);
    ui.Label2 = CrearEtiqueta(ui.Picture1, QStringLiteral("Label2"), QStringLiteral("Hidrógeno"),
                              enPanel(120, 1560, 2085, 375), fuentePanel, Qt::AlignCenter);
    for (QLabel *etiqueta : {ui.Label1, ui.Label2, ui.Label3, ui.Label4})
        Colorear(etiqueta, Qt::transparent, azul);
    ui.Label3->setToolTip(QStringLiteral("Número atómico"));
    ui.Label4->setToolTip(QStringLiteral("Masa atómica"));
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
            accion = new QAction(titulo, padre);
            accion->setEnabled(entrada.accion != nullptr);
        }
        accion->setObjectName(QString::fromUtf8(entrada.control));
        padre->addAction(accion);
    }
}

void FormPrincipal::conectar()
{
    for (const EntradaMenu &entrada : kMenu) {
        if (entrada.accion == nullptr)
            continue;
        auto *accion = findChild<QAction *>(QString::fromUtf8(entrada.control));
        connect(accion, &QAction::triggered, this, [abrir = entrada.accion] { abrir(); });
    }
    for (QLabel *casilla : ui.Casillas)
        casilla->installEventFilter(this);
    ui.Fondo->installEventFilter(this);
}

void FormPrincipal::PintarFondo()
{
    // 256 bands of blue on a scale 160 units high: only the first 80 fall
    // inside the window, from black at the top to (0, 0, 79) at the bottom.
    m_fondo = QPixmap(kAncho, kAlto);
    QPainter p(&m_fondo);
    p.scale(1.0, kAlto / 160.0);
    for (int k = 0; k < 256; ++k)
        p.fillRect(QRectF(0, 2.0 * k, kAncho, 2.0), QColor(0, 0, k));
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

int FormPrincipal::IndiceCasilla(const QObject *objeto) const
{
    const auto it = std::find(ui.Casillas.begin(), ui.Casillas.end(), objeto);
    return it == ui.Casillas.end() ? -1 : static_cast<int>(it - ui.Casillas.begin());
}

void FormPrincipal::Form_Paint()
{
    QPainter p(ui.Fondo);
    p.drawPixmap(0, 0, m_fondo);
}

void FormPrincipal::Casilla_MouseDown(QLabel *casilla)
{
    ConBorde(casilla, false);
}

void FormPrincipal::Casilla_MouseUp(QLabel *casilla)
{
    ConBorde(casilla, true);
    const Calculos::Elemento &e = Calculos::TablaElementos[static_cast<std::size_t>(IndiceCasilla(casilla))];
    ui.Label1->setText(Texto(e.simbolo));
    ui.Label2->setText(Texto(e.nombre));
    ui.Label3->setText(QString::fromStdString(Calculos::NumeroATexto(e.z)));
    ui.Label4->setText(Texto(e.masaVisible));
}
