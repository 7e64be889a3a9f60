#include "calculators/FormEcuaciones.h"
#include "tests/support/Ventana.h"

#include <QApplication>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

enum { kEspecie, kCoeficiente, kMasa, kMoles, kGramos };

class Ecuaciones : public ::testing::Test, public Abierta<FormEcuaciones> {
protected:
    QTableWidget *Tabla(const char *nombre) { return control<QTableWidget>(QString::fromLatin1(nombre)); }

    void Ajustar(const char *ecuacion)
    {
        clic(QStringLiteral("Borrar"));
        teclear(QStringLiteral("TextEcuacion"), ecuacion);
        tecla(QStringLiteral("TextEcuacion"), Qt::Key_Return);
    }

    // Typed into a cell as the user does: keys over it, then Enter; an empty
    // text empties it.
    void Escribir(int fila, int columna, const char *texto)
    {
        QTableWidget *tabla = Tabla("TablaEstequiometria");
        tabla->setFocus();
        tabla->setCurrentCell(fila, columna);
        if (*texto == '\0') {
            QTest::keyClick(tabla, Qt::Key_F2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        }
        for (const char *t = texto; *t != '\0'; ++t)
            QTest::keyClick(QApplication::focusWidget(), *t);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        Procesar();
    }

    QString Celda(int fila, int columna, const char *tabla = "TablaEstequiometria")
    {
        QTableWidgetItem *item = Tabla(tabla)->item(fila, columna);
        return item == nullptr ? QStringLiteral("?") : item->text();
    }

    // A row of the stoichiometry table as "moles|grams".
    QString Cantidades(int fila) { return Celda(fila, kMoles) + u'|' + Celda(fila, kGramos); }
};

TEST_F(Ecuaciones, AjustaConEnterYConElBoton)
{
    struct Caso {
        const char *ecuacion;
        const char *ajustada;
        bool boton;
    };
    const Caso casos[] = {
        {"Fe + O2 -> Fe2O3", "4 Fe + 3 O₂ → 2 Fe₂O₃", false},
        {"MnO4^- + Fe^2+ + H^+ -> Mn^2+ + Fe^3+ + H2O", "MnO₄⁻ + 5 Fe²⁺ + 8 H⁺ → Mn²⁺ + 5 Fe³⁺ + 4 H₂O", true},
        {"2 CuSO4*5H2O(s) = CuSO4(s) + H2O(g)", "CuSO₄·5H₂O(s) → CuSO₄(s) + 5 H₂O(g)", false},
    };
    for (const Caso &c : casos) {
        clic(QStringLiteral("Borrar"));
        teclear(QStringLiteral("TextEcuacion"), c.ecuacion);
        if (c.boton)
            clic(QStringLiteral("Calcular"));
        else
            tecla(QStringLiteral("TextEcuacion"), Qt::Key_Return);
        EXPECT_EQ(texto(QStringLiteral("LabelAjustada")), QString::fromUtf8(c.ajustada)) << c.ecuacion;
        EXPECT_TRUE(mensajes.textos().isEmpty()) << c.ecuacion;
        // Enter does not reach the box's text.
        EXPECT_EQ(texto(QStringLiteral("TextEcuacion")), QString::fromUtf8(c.ecuacion));
    }
}

TEST_F(Ecuaciones, TablasDelAjuste)
{
    Ajustar("MnO4^- + Fe^2+ + H^+ -> Mn^2+ + Fe^3+ + H2O");
    QTableWidget *atomos = Tabla("TablaAtomos");
    ASSERT_EQ(atomos->rowCount(), 5);
    EXPECT_EQ(Celda(4, 0, "TablaAtomos") + u'|' + Celda(4, 1, "TablaAtomos") + u'|' + Celda(4, 2, "TablaAtomos"),
              QStringLiteral("Carga|17|17"));
    EXPECT_EQ(Celda(2, 0, "TablaAtomos") + u'|' + Celda(2, 1, "TablaAtomos"), QStringLiteral("Fe|5"));

    QTableWidget *esteq = Tabla("TablaEstequiometria");
    ASSERT_EQ(esteq->rowCount(), 6);
    EXPECT_EQ(Celda(1, kEspecie) + u'|' + Celda(1, kCoeficiente) + u'|' + Celda(1, kMasa),
              QStringLiteral("Fe²⁺|5|55,847"));
    EXPECT_EQ(Celda(0, kMasa), QStringLiteral("118,934")); // 54,938 + 4 x 15,999 = 118,934
    EXPECT_EQ(Cantidades(0), QStringLiteral("|"));
    // Only the amounts can be typed.
    EXPECT_FALSE(esteq->item(0, kMasa)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(esteq->item(0, kGramos)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(esteq->item(1, kMasa)->data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("Masa molar de Fe²⁺ en gramos por mol: 55,847"));
}

TEST_F(Ecuaciones, Mensajes)
{
    struct Caso {
        const char *ecuacion;
        const char *mensaje;
    };
    const Caso casos[] = {
        {"H2O -> H2O2", "La ecuación no se puede ajustar."},
        {"H2 + O2 -> H2O + H2O2", "La ecuación admite varios ajustes independientes."},
        {"H2 + O2 -> H2O + N2", "El elemento N solo aparece en un lado."},
        {"Fe + Xx -> FeXx", "Símbolo desconocido: Xx."},
        {"Ds + H2 -> DsH2", "Símbolo desconocido: Ds."},
        {"H2 + O2 => ", "Ecuación no válida."},
        {"", "Ecuación no válida."},
    };
    for (const Caso &c : casos) {
        Ajustar("H2 + O2 -> H2O");
        ASSERT_FALSE(texto(QStringLiteral("LabelAjustada")).isEmpty());
        clic(QStringLiteral("Borrar"));
        teclear(QStringLiteral("TextEcuacion"), c.ecuacion);
        clic(QStringLiteral("Calcular"));
        ASSERT_EQ(mensajes.mensajes.size(), 1u) << c.ecuacion;
        EXPECT_EQ(mensajes.mensajes[0].texto, QString::fromUtf8(c.mensaje));
        EXPECT_EQ(mensajes.mensajes[0].titulo, QStringLiteral("Orvella"));
        mensajes.mensajes.clear();
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("TextEcuacion")) << c.ecuacion;
        EXPECT_TRUE(texto(QStringLiteral("LabelAjustada")).isEmpty());
        EXPECT_EQ(Tabla("TablaAtomos")->rowCount() + Tabla("TablaEstequiometria")->rowCount(), 0);
    }
}

TEST_F(Ecuaciones, ReactivoLimitante)
{
    Ajustar("2 H2 + O2 -> 2 H2O");
    Escribir(0, kGramos, "4");
    // One reactant given: the rest follows, with no limiting reagent to name.
    EXPECT_EQ(Cantidades(0), QStringLiteral("1,984|4"));
    EXPECT_EQ(Cantidades(1), QStringLiteral("0,992|31,747"));
    EXPECT_EQ(Cantidades(2), QStringLiteral("1,984|35,747"));
    EXPECT_TRUE(texto(QStringLiteral("LabelLimitante")).isEmpty());

    Escribir(1, kGramos, "16");
    EXPECT_EQ(texto(QStringLiteral("LabelLimitante")), QStringLiteral("Reactivo limitante: O₂"));
    EXPECT_EQ(Cantidades(1), QStringLiteral("0,5|16"));
    EXPECT_EQ(Cantidades(2), QStringLiteral("1|18,016"));
    EXPECT_EQ(Cantidades(0), QStringLiteral("1,984|4")); // as typed
    EXPECT_EQ(texto(QStringLiteral("LabelExceso")), QStringLiteral("Sobran 1,984 g de H₂."));
    EXPECT_EQ(Tabla("TablaEstequiometria")->item(2, kGramos)->data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("Gramos de H₂O: 18,016"));
    EXPECT_TRUE(mensajes.textos().isEmpty());

    // In moles the hydrogen runs out first.
    Escribir(1, kMoles, "3");
    EXPECT_EQ(Cantidades(1), QStringLiteral("3|95,994"));
    EXPECT_EQ(texto(QStringLiteral("LabelLimitante")), QStringLiteral("Reactivo limitante: H₂"));
    EXPECT_EQ(texto(QStringLiteral("LabelExceso")), QStringLiteral("Sobran 64,247 g de O₂."));
}

TEST_F(Ecuaciones, UnaEdicionVaciaLoQueDependia)
{
    Ajustar("2 H2 + O2 -> 2 H2O");
    Escribir(0, kMoles, "2");
    Escribir(1, kMoles, "2");
    ASSERT_FALSE(texto(QStringLiteral("LabelLimitante")).isEmpty());

    // An amount that is no amount: nothing follows from it, the others stay typed.
    Escribir(0, kMoles, "0");
    EXPECT_EQ(Cantidades(0), QStringLiteral("0|"));
    EXPECT_EQ(Cantidades(1), QStringLiteral("2|"));
    EXPECT_EQ(Cantidades(2), QStringLiteral("|"));
    EXPECT_TRUE(texto(QStringLiteral("LabelLimitante")).isEmpty());
    EXPECT_TRUE(texto(QStringLiteral("LabelExceso")).isEmpty());

    // Emptied: the other reactant alone decides.
    Escribir(0, kMoles, "");
    EXPECT_EQ(Cantidades(0), QStringLiteral("4|8,063"));
    EXPECT_EQ(Cantidades(2), QStringLiteral("4|72,059"));

    // A product typed decides alone: the reactant typed before goes.
    Escribir(2, kGramos, "18,0148");
    EXPECT_EQ(Cantidades(1), QStringLiteral("0,5|15,999"));
    EXPECT_EQ(Cantidades(0), QStringLiteral("1|2,016"));
    EXPECT_TRUE(texto(QStringLiteral("LabelLimitante")).isEmpty());

    // A change of the equation takes everything away.
    teclear(QStringLiteral("TextEcuacion"), " ");
    EXPECT_TRUE(texto(QStringLiteral("LabelAjustada")).isEmpty());
    EXPECT_EQ(Tabla("TablaEstequiometria")->rowCount(), 0);
}

TEST_F(Ecuaciones, LasCeldasFiltranComoLasCajas)
{
    Ajustar("2 H2 + O2 -> 2 H2O");
    // A dot becomes the comma; letters and signs are refused.
    Escribir(0, kMoles, "-1.5a");
    EXPECT_EQ(Celda(0, kMoles), QStringLiteral("1,5"));
    EXPECT_EQ(Celda(1, kMoles), QStringLiteral("0,75"));

    // The electron has no grams to type.
    Ajustar("Fe^3+ + e^- -> Fe^2+");
    QTableWidget *esteq = Tabla("TablaEstequiometria");
    EXPECT_FALSE(esteq->item(1, kGramos)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(Celda(1, kMasa).isEmpty());
    Escribir(1, kMoles, "2");
    EXPECT_EQ(Cantidades(2), QStringLiteral("2|111,694"));
    EXPECT_EQ(Cantidades(1), QStringLiteral("2|"));
}

TEST_F(Ecuaciones, BorrarEInformacion)
{
    Ajustar("H2 + O2 -> H2O");
    clic(QStringLiteral("Información"));
    EXPECT_TRUE(control(QStringLiteral("RichTextBox1"))->isVisible());
    clic(QStringLiteral("Calcular"));
    EXPECT_FALSE(control(QStringLiteral("RichTextBox1"))->isVisible());
    clic(QStringLiteral("Borrar"));
    EXPECT_TRUE(texto(QStringLiteral("TextEcuacion")).isEmpty());
    EXPECT_TRUE(texto(QStringLiteral("LabelAjustada")).isEmpty());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("TextEcuacion"));
}

} // namespace
