#include "tests/support/Ventana.h"
#include "widgets/Ayuda.h"
#include "widgets/Controles.h"
#include "widgets/GrupoCajas.h"

#include <QLabel>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

TEST(Controles, CadaControlConSuNombreYSuSitio)
{
    QWidget ventana;
    auto *caja = Crear<QLineEdit>(&ventana, QStringLiteral("Información"), {10, 20, 130, 30});
    EXPECT_EQ(caja->parentWidget(), &ventana);
    EXPECT_EQ(caja->objectName(), QStringLiteral("Información"));
    EXPECT_EQ(caja->geometry(), QRect(10, 20, 130, 30));
    EXPECT_EQ(ventana.findChild<QLineEdit *>(QStringLiteral("Información")), caja);
    auto *reloj = Crear<QTimer>(&ventana, QStringLiteral("Timer1"));
    EXPECT_EQ(ventana.findChild<QTimer *>(QStringLiteral("Timer1")), reloj);
    EXPECT_EQ(CrearEtiqueta(&ventana, QStringLiteral("Label1"), QStringLiteral("g/mol"), {})->text(),
              QStringLiteral("g/mol"));
}

TEST(Controles, Titulos)
{
    EXPECT_EQ(Titulo(QStringLiteral("Disoluciones"), 3), QStringLiteral("Disoluciones   Orvella"));
    EXPECT_EQ(Titulo(QStringLiteral("Energía"), 1, 2), QStringLiteral("Energía Orvella  "));
    EXPECT_EQ(Titulo(QStringLiteral("X"), 0), QStringLiteral("XOrvella"));
}

TEST(Controles, LaAyudaEmpiezaOcultaYSeAlterna)
{
    Propia<QWidget> propia;
    QTextEdit *panel =
        CrearPanelAyuda(&propia.ventana, QStringLiteral("RichTextBox1"), "\n<p>La <b>molaridad</b></p>\n",
                        {0, 0, 100, 50}, Fuente(QStringLiteral("Arial"), 12));
    propia.ventana.show();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(panel->isReadOnly());
    EXPECT_EQ(panel->toPlainText(), QStringLiteral("La molaridad"));
    AlternarAyuda(panel);
    EXPECT_TRUE(panel->isVisible());
    AlternarAyuda(panel);
    EXPECT_FALSE(panel->isVisible());
}

namespace {

// Three boxes: 0 and 1 in one group, 2 alone. Typing in 0 writes 1 (twice
// the value) and then 2 from what 1 shows, plus one.
std::vector<Calculos::PasoConversion> Plan(int origen)
{
    if (origen == 0)
        return {{1, 0}, {2, 1}};
    return {};
}

double Valor(int fuente, int, double x)
{
    return fuente == 0 ? 2 * x : x + 1;
}

const Calculos::Conversor kPrueba{Plan, Valor};

constexpr CajaConversion kCajas[] = {
    {"A", "Caja A", 0, 0, Calculos::TipoFiltro::Decimal, 0},
    {"B", "Caja B", 0, 40, Calculos::TipoFiltro::Decimal, 0},
    {"C", "Caja C", 0, 80, Calculos::TipoFiltro::DecimalConSigno, 1},
};

struct ConGrupo : Propia<QWidget>, Manejo {
    ConGrupo() : Manejo(&ventana), grupo(new GrupoCajas(&ventana, kCajas, kPrueba)) { Activar(); }
    GrupoCajas *grupo;
};

} // namespace

TEST(GrupoCajas, TeclearVaciaSuGrupoFiltraYConvierte)
{
    ConGrupo g;
    EXPECT_EQ(g.caja(QStringLiteral("C"))->font().family(), QStringLiteral("Arial"));
    g.caja(QStringLiteral("B"))->setText(QStringLiteral("9"));
    g.caja(QStringLiteral("C"))->setText(QStringLiteral("9"));
    g.teclear(QStringLiteral("A"), "1.5");
    EXPECT_EQ(g.textos({"A", "B", "C"}), QStringLiteral("1,5|3|4"));

    // The other group is not emptied; a box with no plan converts nothing.
    g.teclear(QStringLiteral("C"), "-");
    EXPECT_EQ(g.textos({"A", "B", "C"}), QStringLiteral("1,5|3|4-"));
    // A refused key is no edit: nothing is emptied.
    g.teclear(QStringLiteral("B"), "x");
    EXPECT_EQ(g.textos({"A", "B", "C"}), QStringLiteral("1,5|3|4-"));
}

TEST(GrupoCajas, UnaFuenteSinNumeroVaciaSuDestino)
{
    ConGrupo g;
    // The first write leaves box B without a number: C is emptied from it.
    QObject::connect(g.caja(QStringLiteral("B")), &QLineEdit::textChanged, &g.ventana, [&g](const QString &t) {
        if (t == u"2")
            g.caja(QStringLiteral("B"))->setText(QStringLiteral("-"));
    });
    g.caja(QStringLiteral("C"))->setText(QStringLiteral("7"));
    g.teclear(QStringLiteral("A"), "1");
    EXPECT_EQ(g.textos({"A", "B", "C"}), QStringLiteral("1|-|"));
    // A source that is not a number converts nothing at all.
    g.caja(QStringLiteral("C"))->setText(QStringLiteral("7"));
    g.teclear(QStringLiteral("A"), "\b,");
    EXPECT_EQ(g.textos({"A", "B", "C"}), QStringLiteral(",||7"));
}
