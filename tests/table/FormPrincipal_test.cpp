#include "table/FormPrincipal.h"

#include "core/elementos.h"
#include "tests/support/Ventana.h"
#include "widgets/Lanzador.h"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QSet>
#include <QTest>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <utility>

namespace {

QString NombreCasilla(const Calculos::Elemento &e)
{
    static const QSet<QString> conT{"As", "In", "Tb", "Th", "Tl", "Y"};
    return conT.contains(QString::fromUtf8(e.simbolo)) ? QStringLiteral("T") + QString::fromUtf8(e.simbolo)
                                                       : QString::fromUtf8(e.simbolo);
}

class TablaTest : public ::testing::Test {
protected:
    template <class T = QLabel> T *Control(const QString &nombre) const { return abierta.control<T>(nombre); }
    QStringList Panel() const
    {
        return {Control(QStringLiteral("Label1"))->text(), Control(QStringLiteral("Label2"))->text(),
                Control(QStringLiteral("Label3"))->text(), Control(QStringLiteral("Label4"))->text()};
    }
    static bool ConBorde(const QLabel *casilla) { return casilla->frameShape() == QFrame::Box; }

    DeLaLista abierta{QStringLiteral("FormPrincipal")};
    FormPrincipal *tabla = qobject_cast<FormPrincipal *>(abierta.ventana());
};

} // namespace

TEST_F(TablaTest, AlAbrirMuestraElHidrogeno)
{
    EXPECT_EQ(tabla->objectName(), QStringLiteral("FormPrincipal"));
    EXPECT_EQ(tabla->windowTitle(), QStringLiteral(" Orvella"));
    EXPECT_FALSE(tabla->windowIcon().isNull());
    EXPECT_EQ(tabla->centralWidget()->size(), QSize(1139, 609));
    EXPECT_EQ(Panel(), (QStringList{"H", "Hidrógeno", "1", "1,0080"}));
    EXPECT_EQ(Control(QStringLiteral("Label3"))->toolTip(), QStringLiteral("Número atómico"));
    EXPECT_EQ(Control(QStringLiteral("Label4"))->toolTip(), QStringLiteral("Masa atómica"));
    EXPECT_TRUE(Control(QStringLiteral("Label1"))->toolTip().isEmpty());
    EXPECT_EQ(Control<QFrame>(QStringLiteral("Picture1"))->geometry(), QRect(392, 36, 161, 149));
}

TEST_F(TablaTest, SoltarUnaCasillaMuestraSuElemento)
{
    struct Caso {
        const char *casilla;
        Qt::MouseButton boton;
        QStringList panel;
    };
    const Caso casos[] = {
        {"TY", Qt::LeftButton, {"Y", "Itrio", "39", "88,906"}},
        {"Lu", Qt::LeftButton, {"Lu", "Lutecio", "71", "[174,97]"}},
        {"Fr", Qt::RightButton, {"Fr", "Francio", "87", "223"}},
        {"I", Qt::MiddleButton, {"I", "Yodo", "53", "126,904"}},
        {"Og", Qt::LeftButton, {"Og", "Oganesón", "118", "[294]"}},
        {"TTh", Qt::LeftButton, {"Th", "Torio", "90", "232,04"}},
        {"H", Qt::LeftButton, {"H", "Hidrógeno", "1", "1,0080"}},
    };
    for (const Caso &caso : casos) {
        QLabel *casilla = Control(QString::fromLatin1(caso.casilla));
        const QStringList antes = Panel();
        QTest::mousePress(casilla, caso.boton);
        // Pressed: no border, and the panel still shows the previous element.
        EXPECT_FALSE(ConBorde(casilla)) << caso.casilla;
        EXPECT_EQ(Panel(), antes) << caso.casilla;
        QTest::mouseRelease(casilla, caso.boton);
        EXPECT_TRUE(ConBorde(casilla)) << caso.casilla;
        EXPECT_EQ(Panel(), caso.panel) << caso.casilla;
    }
}

TEST_F(TablaTest, LaPulsacionNoCambiaElPanelHastaSoltar)
{
    QLabel *itrio = Control(QStringLiteral("TY"));
    QTest::mousePress(itrio, Qt::LeftButton);
    EXPECT_EQ(Panel(), (QStringList{"H", "Hidrógeno", "1", "1,0080"}));
    // Only the pressed tile loses its border.
    EXPECT_TRUE(ConBorde(Control(QStringLiteral("Zr"))));
    QTest::mouseRelease(itrio, Qt::LeftButton);
    EXPECT_EQ(Panel().at(0), QStringLiteral("Y"));
}

TEST_F(TablaTest, ElDobleClicNoAnadeNada)
{
    QLabel *itrio = Control(QStringLiteral("TY"));
    const auto enviar = [itrio](QEvent::Type tipo) {
        const Qt::MouseButtons botones = tipo == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent evento(tipo, QPointF(10, 10), itrio->mapToGlobal(QPointF(10, 10)), Qt::LeftButton, botones,
                           Qt::NoModifier);
        QApplication::sendEvent(itrio, &evento);
    };
    enviar(QEvent::MouseButtonDblClick);
    EXPECT_EQ(Panel(), (QStringList{"H", "Hidrógeno", "1", "1,0080"}));
    EXPECT_TRUE(ConBorde(itrio));

    // What the window system sends for a double click.
    for (QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease})
        enviar(tipo);
    EXPECT_EQ(Panel(), (QStringList{"Y", "Itrio", "39", "88,906"}));
    EXPECT_TRUE(ConBorde(itrio));
}

TEST_F(TablaTest, LosRotulosDeSerieNoResponden)
{
    struct Caso {
        const char *nombre;
        const char *texto;
        Calculos::Clase clase;
        QRect zona;
    };
    const Caso casos[] = {
        {"Lantanidos", " Lantánidos", Calculos::Clase::J, {172, 330, 57, 47}},
        {"Actinidos", "   Actínidos", Calculos::Clase::K, {172, 378, 57, 47}},
    };
    for (const Caso &caso : casos) {
        QLabel *rotulo = Control(QString::fromLatin1(caso.nombre));
        EXPECT_EQ(rotulo->text(), QString::fromUtf8(caso.texto));
        EXPECT_EQ(rotulo->geometry(), caso.zona);
        EXPECT_DOUBLE_EQ(rotulo->font().pointSizeF(), 8.25);
        const Calculos::ColorRgb c = Calculos::ColorDeClase(caso.clase);
        EXPECT_EQ(rotulo->palette().color(QPalette::Window), QColor(c.r, c.g, c.b));
        QTest::mouseClick(rotulo, Qt::LeftButton);
        EXPECT_TRUE(ConBorde(rotulo));
        EXPECT_EQ(Panel().at(0), QStringLiteral("H"));
    }
}

TEST_F(TablaTest, LasCientoDieciochoCasillasConSuColorYSuSitio)
{
    const QImage pantalla = tabla->centralWidget()->grab().toImage();
    QList<QRect> ocupadas;
    for (const Calculos::Elemento &e : Calculos::TablaElementos) {
        SCOPED_TRACE(std::string(e.simbolo));
        QLabel *casilla = Control(NombreCasilla(e));
        ASSERT_NE(casilla, nullptr);
        EXPECT_EQ(casilla->text(), QString::fromUtf8(e.simbolo));
        EXPECT_EQ(casilla->size(), QSize(57, 47));
        EXPECT_TRUE(ConBorde(casilla));
        EXPECT_EQ(casilla->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(casilla->alignment(), Qt::AlignCenter);
        EXPECT_DOUBLE_EQ(casilla->font().pointSizeF(), 24.0);

        // Drawn in the colour of its class, with black text.
        const Calculos::ColorRgb c = Calculos::ColorDeClase(e.clase);
        const QPoint dentro = casilla->geometry().topLeft() + QPoint(3, 3);
        EXPECT_EQ(pantalla.pixelColor(dentro), QColor(c.r, c.g, c.b));
        EXPECT_EQ(casilla->palette().color(QPalette::WindowText), QColor(Qt::black));

        // The symbol fits inside the border.
        const QFontMetrics medida(casilla->font());
        EXPECT_LE(medida.horizontalAdvance(casilla->text()), casilla->contentsRect().width());
        EXPECT_LE(medida.height(), casilla->contentsRect().height());

        // Inside the client area, and no two tiles share a pixel.
        EXPECT_TRUE(QRect(0, 0, 1139, 609).contains(casilla->geometry()));
        for (const QRect &otra : ocupadas)
            EXPECT_FALSE(otra.intersects(casilla->geometry()));
        ocupadas.append(casilla->geometry());

        // Main body: tiles of a period share a row 48 px apart, groups 57 px.
        if (e.columnaF == 0) {
            EXPECT_EQ(casilla->x(), 58 + 57 * (e.grupo - 1));
            EXPECT_EQ(casilla->y(), 90 + 48 * (e.periodo - 1));
        } else {
            EXPECT_EQ(casilla->x(), 173 + 57 * (e.columnaF - 1));
            EXPECT_EQ(casilla->y(), e.periodo == 6 ? 448 : 520);
        }
    }
    EXPECT_EQ(ocupadas.size(), 118);
}

TEST_F(TablaTest, AlgunasCasillasEnPixeles)
{
    struct Caso {
        const char *casilla;
        QPoint esquina;
        QColor color;
    };
    const Caso casos[] = {
        {"H", {58, 90}, {0, 255, 255}},      {"He", {1027, 90}, {0, 192, 192}},    {"Li", {58, 138}, {255, 128, 128}},
        {"TY", {172, 282}, {255, 255, 192}}, {"Hf", {229, 330}, {255, 255, 192}},  {"Og", {1027, 378}, {0, 192, 192}},
        {"La", {173, 448}, {255, 224, 192}}, {"Lu", {971, 448}, {255, 224, 192}},  {"Ac", {173, 520}, {255, 192, 128}},
        {"Lr", {971, 520}, {255, 192, 128}}, {"TAs", {856, 234}, {128, 255, 128}}, {"TTl", {742, 330}, {255, 255, 128}},
    };
    for (const Caso &caso : casos) {
        QLabel *casilla = Control(QString::fromLatin1(caso.casilla));
        EXPECT_EQ(casilla->pos(), caso.esquina) << caso.casilla;
        EXPECT_EQ(casilla->palette().color(QPalette::Window), caso.color) << caso.casilla;
    }
}

TEST_F(TablaTest, NumerosDeGrupo)
{
    const int etiqueta[18] = {5, 6, 7, 8, 9, 10, 11, 21, 23, 22, 13, 14, 15, 16, 17, 18, 19, 20};
    for (int grupo = 1; grupo <= 18; ++grupo) {
        QLabel *numero = Control(QStringLiteral("Label%1").arg(etiqueta[grupo - 1]));
        ASSERT_NE(numero, nullptr);
        EXPECT_EQ(numero->text(), QString::number(grupo));
        EXPECT_EQ(numero->x(), 58 + 57 * (grupo - 1));
        const int arriba = (grupo == 1 || grupo == 18) ? 66 : (grupo >= 3 && grupo <= 12 ? 210 : 114);
        EXPECT_EQ(numero->y(), arriba) << grupo;
        EXPECT_EQ(numero->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_FALSE(numero->autoFillBackground());
        EXPECT_DOUBLE_EQ(numero->font().pointSizeF(), 12.0);
        EXPECT_EQ(numero->font().family(), QStringLiteral("Arial Narrow"));
        // Just above the first tile of its group.
        const QWidget *debajo = tabla->centralWidget()->childAt(numero->x() + 5, numero->geometry().bottom() + 2);
        EXPECT_NE(qobject_cast<const QLabel *>(debajo), nullptr) << grupo;
    }
    EXPECT_EQ(tabla->findChild<QLabel *>(QStringLiteral("Label12")), nullptr);
}

TEST_F(TablaTest, LasFuentesLlegan)
{
    // Arial and Arial Narrow resolve to the metric-compatible fonts.
    const QFontInfo casilla(Control(QStringLiteral("Fe"))->font());
    EXPECT_TRUE(casilla.family() == QStringLiteral("Arial") || casilla.family() == QStringLiteral("Liberation Sans"))
        << qPrintable(casilla.family());
    const QFontInfo grupo(Control(QStringLiteral("Label5"))->font());
    EXPECT_TRUE(grupo.family().contains(QStringLiteral("Narrow"))) << qPrintable(grupo.family());
}

TEST_F(TablaTest, ElFondoVaDelNegroAlAzulEnOchentaBandas)
{
    const QImage fondo = tabla->centralWidget()->grab().toImage();
    // Column 2 is left of every control.
    QList<int> azules;
    for (int y = 0; y < fondo.height(); ++y) {
        const QColor c = fondo.pixelColor(2, y);
        ASSERT_EQ(c.red(), 0) << y;
        ASSERT_EQ(c.green(), 0) << y;
        if (!azules.isEmpty()) {
            ASSERT_GE(c.blue(), azules.last()) << y;
        }
        if (azules.isEmpty() || azules.last() != c.blue())
            azules.append(c.blue());
    }
    EXPECT_EQ(azules.first(), 0);
    EXPECT_EQ(azules.last(), 79);
    EXPECT_EQ(azules.size(), 80);
}

TEST_F(TablaTest, ElMenuCompleto)
{
    QStringList arbol;
    std::function<void(const QList<QAction *> &, int)> recorrer = [&](const QList<QAction *> &acciones, int nivel) {
        for (QAction *accion : acciones) {
            arbol << QStringLiteral("%1 %2 \"%3\" %4")
                         .arg(nivel)
                         .arg(accion->objectName(), accion->text(), accion->isEnabled() ? "on" : "off");
            EXPECT_TRUE(accion->shortcut().isEmpty());
            EXPECT_FALSE(accion->isCheckable());
            EXPECT_FALSE(accion->isSeparator());
            if (accion->menu() != nullptr)
                recorrer(accion->menu()->actions(), nivel + 1);
        }
    };
    recorrer(tabla->menuBar()->actions(), 1);
    const QStringList esperado{
        "1 Calculos \"Cálculos\" on",
        "2 CalculadoraMolar \"Calculadora molar\" on",
        "2 Disoluciones \"Disoluciones\" on",
        "2 Rendimientos \"Rendimientos\" on",
        "2 ConversionUnidades \"Unidades\" on",
        "3 Temperatura \"Temperatura\" on",
        "3 Energia \"Energía\" on",
        "3 Presión \"Presión\" on",
        "2 Decay \"Decaimiento radiactivo\" on",
        "2 EcuacionCuadratica \"Ecuación cuadrática\" on",
        "2 AjustarEcuacion \"Ajustar ecuaciones\" on",
        "1 Puzle \"Jugar\" on",
        "2 Tabla_completa \"Tabla completa\" on",
        "2 Tabla_reducida \"Tabla reducida\" on",
        "1 Elementos \"Elementos\" on",
        "2 FichaElemento \"Ficha del elemento\" on",
        "2 PropiedadesPeriodicas \"Propiedades periódicas\" on",
        "1 Formulacion \"Formulación\" on",
        "2 FormularNombrar \"Formular y nombrar\" on",
        "2 PracticarFormulacion \"Practicar\" on",
        "1 Acercade \"Acerca de ...\" on",
        "1 Cerrar \"Cerrar\" on",
    };
    EXPECT_EQ(arbol, esperado);
}

TEST(TablaSola, ConstruyeTodoElMenuPeroSoloCerrarHaceAlgo)
{
    Abierta<FormPrincipal> sola;
    const QList<QAction *> acciones = sola.ventana.findChildren<QAction *>();
    QStringList activas;
    for (QAction *accion : acciones)
        if (accion->menu() == nullptr && accion->isEnabled() && !accion->objectName().isEmpty())
            activas << accion->objectName();
    EXPECT_EQ(activas, QStringList{QStringLiteral("Cerrar")});
    for (const char *entrada : {"Calculos", "CalculadoraMolar", "Temperatura", "Tabla_reducida", "Acercade"})
        EXPECT_NE(sola.ventana.findChild<QAction *>(QString::fromLatin1(entrada)), nullptr) << entrada;
}

class MenuTest : public ::testing::Test {
protected:
    QAction *Entrada(const char *nombre) const { return tabla->findChild<QAction *>(QString::fromLatin1(nombre)); }
    // A click as the window system delivers it, so that modality applies.
    void ClicEn(const char *casilla)
    {
        auto *etiqueta = tabla->findChild<QLabel *>(QString::fromLatin1(casilla));
        const QPoint punto = etiqueta->mapTo(tabla, etiqueta->rect().center());
        QTest::mouseClick(tabla->windowHandle(), Qt::LeftButton, {}, punto);
    }

    DeLaLista abierta{QStringLiteral("FormPrincipal")};
    QPointer<FormPrincipal> tabla = qobject_cast<FormPrincipal *>(abierta.ventana());
};

TEST_F(MenuTest, AcercaDeDosVecesDejaUnaSola)
{
    Entrada("Acercade")->trigger();
    Entrada("Acercade")->trigger();
    ASSERT_EQ(Abiertas(QStringLiteral("FormAcercaDe")).size(), 1);
    EXPECT_EQ(Abiertas(QStringLiteral("FormPrincipal")).size(), 1);
    EXPECT_EQ(Abiertas(QStringLiteral("FormAcercaDe")).first()->parentWidget(), nullptr);
}

TEST_F(MenuTest, ElAcercaDeBloqueaLaTablaMientrasEstaAbierto)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tabla));
    // Without the box, the click reaches the tile.
    ClicEn("Fe");
    ASSERT_EQ(tabla->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Fe"));

    Entrada("Acercade")->trigger();
    ASSERT_EQ(Abiertas(QStringLiteral("FormAcercaDe")).size(), 1);
    QWidget *acerca = Abiertas(QStringLiteral("FormAcercaDe")).first();
    EXPECT_EQ(QApplication::activeModalWidget(), acerca);
    ClicEn("TY");
    EXPECT_EQ(tabla->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Fe"));

    acerca->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ClicEn("TY");
    EXPECT_EQ(tabla->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Y"));
}

TEST_F(MenuTest, CerrarCierraTodasLasVentanas)
{
    QPointer<QWidget> herramienta1 = Lanzador::Abrir(QStringLiteral("Herramienta1"), [] { return new QWidget; });
    QPointer<QWidget> herramienta2 = Lanzador::Abrir(QStringLiteral("Herramienta2"), [] { return new QWidget; });
    Entrada("Acercade")->trigger();
    QPointer<QWidget> acerca = Abiertas(QStringLiteral("FormAcercaDe")).value(0);
    ASSERT_FALSE(acerca.isNull());

    Entrada("Cerrar")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(tabla.isNull());
    EXPECT_TRUE(herramienta1.isNull());
    EXPECT_TRUE(herramienta2.isNull());
    EXPECT_TRUE(acerca.isNull());
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << qPrintable(w->objectName());
}

TEST_F(MenuTest, CerrarLaTablaDejaAbiertasLasHerramientas)
{
    QPointer<QWidget> herramienta = Lanzador::Abrir(QStringLiteral("Herramienta1"), [] { return new QWidget; });
    tabla->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(tabla.isNull());
    ASSERT_FALSE(herramienta.isNull());
    EXPECT_TRUE(herramienta->isVisible());
}

TEST_F(MenuTest, CadaHerramientaSeAbreUnaVezYRenaceTrasCerrarla)
{
    const std::pair<const char *, QString> entradas[] = {
        {"CalculadoraMolar", QStringLiteral("FormCalculadoraMolar")},
        {"Temperatura", QStringLiteral("FormTemperatura")},
        {"Energia", QStringLiteral("FormEnergia")},
        {"Presión", QStringLiteral("FormPresion")},
    };
    for (const auto &[entrada, clase] : entradas) {
        QAction *accion = tabla->findChild<QAction *>(QString::fromUtf8(entrada));
        ASSERT_NE(accion, nullptr) << entrada;
        accion->trigger();
        accion->trigger();
        const QList<QWidget *> abiertas = Abiertas(clase);
        ASSERT_EQ(abiertas.size(), 1) << entrada;
        EXPECT_EQ(abiertas.first()->parentWidget(), nullptr);
        EXPECT_FALSE(abiertas.first()->isModal());
    }

    // A closed window comes back afresh, with its load step run again.
    QWidget *temperatura = Abiertas(QStringLiteral("FormTemperatura")).first();
    temperatura->findChild<QLineEdit *>(QStringLiteral("TextC"))->setText(QStringLiteral("100"));
    temperatura->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Abiertas(QStringLiteral("FormTemperatura")).isEmpty());
    Entrada("Temperatura")->trigger();
    ASSERT_EQ(Abiertas(QStringLiteral("FormTemperatura")).size(), 1);
    EXPECT_EQ(
        Abiertas(QStringLiteral("FormTemperatura")).first()->findChild<QLineEdit *>(QStringLiteral("TextC"))->text(),
        QString());

    // "Cerrar" with the four tools open ends everything.
    Entrada("Cerrar")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(tabla.isNull());
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << qPrintable(w->objectName());
}

namespace {
std::atomic<int> g_preparaciones{0};
struct VentanaConPreparacion : QWidget {
    static void Preparar() { ++g_preparaciones; }
};
} // namespace

// The work a window can do ahead runs once, off the GUI thread, as the
// submenu holding its entry opens; entries elsewhere do not start it.
TEST(TablaSola, UnSubmenuPreparaSusVentanasUnaVez)
{
    FichaVentana ficha = Ficha<QWidget>("PracticarFormulacion");
    EXPECT_EQ(ficha.preparar, nullptr);
    ficha.preparar = &VentanaConPreparacion::Preparar;
    const FichaVentana fichas[] = {ficha};
    FormPrincipal tabla(fichas);
    auto *otro = tabla.findChild<QAction *>(QStringLiteral("Calculos"))->menu();
    auto *suyo = tabla.findChild<QAction *>(QStringLiteral("Formulacion"))->menu();
    emit otro->aboutToShow();
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(g_preparaciones, 0);
    for (int vez = 0; vez < 3; ++vez)
        emit suyo->aboutToShow();
    QThreadPool::globalInstance()->waitForDone();
    EXPECT_EQ(g_preparaciones, 1);
}
