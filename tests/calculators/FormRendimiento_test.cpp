#include "calculators/FormRendimiento.h"
#include "tests/support/Ventana.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

const char *const kNumeros[] = {"TextCoefReact", "TextCoefProd", "TextMasaReact", "TextMasaProd"};

class Rendimiento : public ::testing::Test, public Abierta<FormRendimiento> {
protected:
    QTextEdit *Formula(const char *nombre) const { return control<QTextEdit>(QString::fromLatin1(nombre)); }
    QString Resultado() const { return texto(QStringLiteral("LabelRendimiento")); }
    bool Habilitado() const { return control(QStringLiteral("cbCalcular"))->isEnabled(); }
    QString Foco() const { return ventana.focusWidget() ? ventana.focusWidget()->objectName() : QString(); }

    // "Error: text" or "Orvella: text"; the error icon goes with the "Error" title only.
    QStringList Mensajes() const
    {
        QStringList lista;
        for (const MensajeMostrado &m : mensajes.mensajes) {
            lista << m.titulo + QStringLiteral(": ") + m.texto;
            EXPECT_EQ(m.icono == Icono::Error, m.titulo == QStringLiteral("Error")) << m.texto.toStdString();
        }
        return lista;
    }

    void Calcular(std::array<const char *, 6> datos)
    {
        Formula("BoxFormulaEmpReact")->setPlainText(QString::fromUtf8(datos[0]));
        Formula("BoxFormulaEmpProd")->setPlainText(QString::fromUtf8(datos[1]));
        for (int n = 0; n < 4; ++n)
            caja(QString::fromLatin1(kNumeros[n]))->setText(QString::fromUtf8(datos[n + 2]));
        clic(QStringLiteral("cbCalcular"));
    }
};

} // namespace

TEST_F(Rendimiento, AlAbrir)
{
    EXPECT_EQ(ventana.objectName(), QStringLiteral("FormRendimiento"));
    EXPECT_EQ(textos({"Label1", "Label2", "Label5", "Label6", "Label7", "Label3"}),
              QStringLiteral("Reactivo limitante|Producto|Fórmula:|Coeficiente:|masa(g):|% de rendimiento   ="));
    EXPECT_EQ(textos({"TextCoefReact", "TextCoefProd", "TextMasaReact", "TextMasaProd", "LabelRendimiento"}),
              QStringLiteral("1|1|||"));
    EXPECT_EQ(control(QStringLiteral("TextCoefReact"))->toolTip(),
              QStringLiteral("Coeficiente estequiométrico del reactivo en la ecuación balanceada."));
    EXPECT_EQ(control(QStringLiteral("TextCoefProd"))->toolTip(),
              QStringLiteral("Coeficiente estequiométrico del producto en la ecuación balanceada."));
    for (const char *nombre : {"Label3", "LabelRendimiento"}) {
        auto *etiqueta = control<QLabel>(QString::fromLatin1(nombre));
        EXPECT_TRUE(etiqueta->font().bold()) << nombre;
        EXPECT_EQ(etiqueta->palette().color(QPalette::WindowText), QColor(0, 0, 128)) << nombre;
    }
    for (const char *oculta : {"PmReactivo", "PmProducto", "MasaTeoricaProducto", "RichTextBox1"})
        EXPECT_FALSE(control(QString::fromLatin1(oculta))->isVisible()) << oculta;
    EXPECT_EQ(control(QStringLiteral("cbCalcular"))->toolTip(), QStringLiteral("Calcular"));
    EXPECT_EQ(control(QStringLiteral("Borrar"))->toolTip(), QStringLiteral("Borrar"));

    // The formula of the panel stands on a line of its own, centred.
    auto *panel = control<QTextEdit>(QStringLiteral("RichTextBox1"));
    const QTextBlock ultimo = panel->document()->lastBlock();
    EXPECT_EQ(ultimo.text(), QStringLiteral("% de rendimiento  =  rendimiento real x 100 / rendimiento teórico"));
    EXPECT_TRUE(ultimo.blockFormat().alignment() & Qt::AlignHCenter);
    clic(QStringLiteral("Información"));
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(Rendimiento, Calcular)
{
    struct Caso {
        const char *nombre;
        std::array<const char *, 6> datos; // formulas, coefficients, masses
        const char *resultado;
        QStringList mensajes;
        const char *foco; // nullptr: computed
    };
    const QString formula = QStringLiteral("Error: Introduzca la fórmula molecular.");
    const Caso casos[] = {
        {"2 H2 + O2 -> 2 H2O", {"H2", "H2O", "2", "2", "4,0316", "30"}, "83,26", {}, nullptr},
        {"reagent 10 g, coefficients 2 and 1", {"NaCl", "H2O", "2", "1", "10", "1,5"}, "97,32", {}, nullptr},
        {"exactly 100", {"H2", "H2", "1", "1", "2,0158", "2,0158"}, "100", {}, nullptr},
        {"more than the theoretical mass",
         {"H2", "H2O", "2", "2", "4,0316", "40"},
         "111,02",
         {"Error: El rendimiento no puede ser mayor de 100."},
         nullptr},
        // A reagent coefficient or mass that is 0 without being "0": no yield.
        {"reagent coefficient 0,0", {"H2", "H2O", "0,0", "2", "4", "30"}, "", {}, nullptr},
        {"reagent mass 0,0", {"H2", "H2O", "1", "1", "0,0", "30"}, "", {}, nullptr},
        {"no reagent",
         {"", "", "", "", "", ""},
         "",
         {"Orvella: Introduzca la fórmula molecular del reactivo limitante."},
         "BoxFormulaEmpReact"},
        {"no product",
         {"H2", "", "", "", "", ""},
         "",
         {"Orvella: Introduzca la fórmula molecular del producto."},
         "BoxFormulaEmpProd"},
        {"first coefficient empty", {"H2", "H2O", "", "x", "", ""}, "", {}, "TextCoefReact"},
        {"product mass empty", {"H2", "H2O", "x", "x", "x", ""}, "", {}, "TextMasaProd"},
        {"reagent coefficient",
         {"H2", "H2O", ",", "x", "x", "x"},
         "",
         {"Orvella: El valor dado al coeficiente del reactivo no es válido."},
         "TextCoefReact"},
        {"product coefficient",
         {"H2", "H2O", "2", "1,2,3", "x", "x"},
         "",
         {"Orvella: El valor dado al coeficiente del producto no es válido."},
         "TextCoefProd"},
        {"reagent mass",
         {"H2", "H2O", "2", "2", "x", "x"},
         "",
         {"Orvella: El valor dado a la masa del reactivo no es válido."},
         "TextMasaReact"},
        {"product mass",
         {"H2", "H2O", "2", "2", "4", "1E"},
         "",
         {"Orvella: El valor dado a la masa del producto no es válido."},
         "TextMasaProd"},
        // The product is looked at first, and a leading digit says so first.
        {"product starting with a digit",
         {"2H", "2H2O", "2", "2", "4", "30"},
         "",
         {"Error: La fórmula no puede empezar por un número", formula},
         "BoxFormulaEmpProd"},
        {"reagent starting with a digit",
         {"2H2", "H2O", "2", "2", "4", "30"},
         "",
         {"Error: La fórmula no puede empezar por un número", formula},
         "BoxFormulaEmpReact"},
        {"unknown symbols", {"Xx", "Ca(OH)2", "2", "2", "4", "30"}, "", {formula}, "BoxFormulaEmpProd"},
        {"unknown reagent", {"Og", "H2O", "2", "2", "4", "30"}, "", {formula}, "BoxFormulaEmpReact"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        clic(QStringLiteral("Borrar"));
        mensajes.mensajes.clear();
        // The yield is on screen when the user reads that it is too large.
        QString mostrado;
        mensajes.alMostrar = [&](const MensajeMostrado &) { mostrado = Resultado(); };
        Calcular(c.datos);
        EXPECT_EQ(Resultado(), QString::fromUtf8(c.resultado));
        EXPECT_EQ(Mensajes(), c.mensajes);
        // Disabled once both molar masses are known.
        const bool calculado = c.foco == nullptr;
        if (!calculado) {
            EXPECT_EQ(Foco(), QString::fromLatin1(c.foco));
        }
        EXPECT_EQ(Habilitado(), !calculado);
        if (!c.mensajes.isEmpty() && calculado) {
            EXPECT_EQ(mostrado, QString::fromUtf8(c.resultado));
        }
    }
}

TEST_F(Rendimiento, ValoresDeTrabajo)
{
    Calcular({"NaCl", "H2O", "2", "1", "10", "1,5"});
    EXPECT_EQ(textos({"PmReactivo", "PmProducto", "MasaTeoricaProducto"}),
              QStringLiteral("58,442|18,0148|1,54125457718764"));
}

TEST_F(Rendimiento, TeclasCambiosYBoton)
{
    struct Caso {
        const char *control;
        const char *teclas;
        const char *queda;
        bool borra; // the text changed, and the yield went with it
    };
    const Caso casos[] = {
        {"BoxFormulaEmpReact", "2", "H22", true},     {"BoxFormulaEmpProd", "a", "H2Oa", true},
        {"TextCoefReact", "1.5x", "215", true},       {"TextCoefProd", ".x", "2", false},
        {"TextMasaReact", "1.5x", "4,03161,5", true}, {"TextMasaProd", ".", "30,", true},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.control);
        const QString nombre = QString::fromLatin1(c.control);
        Calcular({"H2", "H2O", "2", "2", "4,0316", "30"});
        ASSERT_EQ(Resultado(), QStringLiteral("83,26"));
        ASSERT_FALSE(Habilitado());
        // Moving around is not typing.
        tecla(nombre, Qt::Key_Left);
        tecla(nombre, Qt::Key_End);
        EXPECT_FALSE(Habilitado());

        // Any key that types gives the button back, even one that is refused.
        teclear(nombre, c.teclas);
        EXPECT_TRUE(Habilitado());
        EXPECT_EQ(texto(nombre), QString::fromUtf8(c.queda));
        EXPECT_EQ(Resultado(), c.borra ? QString() : QStringLiteral("83,26"));
    }
}

TEST_F(Rendimiento, CajasDeFormula)
{
    teclear(QStringLiteral("BoxFormulaEmpProd"), "H2O(");
    const qreal tamanos[] = {14, 8, 14, 14};
    QTextCursor cursor(Formula("BoxFormulaEmpProd")->document());
    for (int i = 0; i < 4; ++i) {
        cursor.setPosition(i + 1);
        EXPECT_EQ(cursor.charFormat().fontPointSize(), tamanos[i]) << i;
    }
    // The formula is one line.
    tecla(QStringLiteral("BoxFormulaEmpProd"), Qt::Key_Return);
    EXPECT_EQ(Formula("BoxFormulaEmpProd")->toPlainText(), QStringLiteral("H2O("));
    EXPECT_EQ(Formula("BoxFormulaEmpProd")->document()->blockCount(), 1);
}

TEST_F(Rendimiento, UnCeroNoDejaSalir)
{
    struct Caso {
        const char *caja;
        const char *texto;
        bool error;
    };
    const Caso casos[] = {
        {"TextCoefReact", "0", true}, {"TextCoefProd", "0", true},     {"TextMasaReact", "0", true},
        {"TextMasaProd", "0", true},  {"TextCoefReact", "0,0", false}, {"TextMasaProd", "", false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.caja) + " \"" + c.texto + "\"");
        mensajes.mensajes.clear();
        caja(QString::fromLatin1(c.caja))->setText(QString::fromUtf8(c.texto));
        tecla(QString::fromLatin1(c.caja), Qt::Key_Tab);
        Procesar();
        EXPECT_EQ(Mensajes(), c.error ? QStringList({"Error: Error."}) : QStringList());
        EXPECT_EQ(Foco() == QString::fromLatin1(c.caja), c.error);
        EXPECT_EQ(texto(QString::fromLatin1(c.caja)), QString::fromUtf8(c.texto));
    }
}

TEST_F(Rendimiento, BorrarLoVaciaTodo)
{
    Calcular({"H2", "H2O", "2", "2", "4,0316", "30"});
    clic(QStringLiteral("Información"));
    ASSERT_EQ(Resultado(), QStringLiteral("83,26"));

    clic(QStringLiteral("Borrar"));
    EXPECT_EQ(textos({"BoxFormulaEmpReact", "BoxFormulaEmpProd", "TextCoefReact", "TextCoefProd", "TextMasaReact",
                      "TextMasaProd", "LabelRendimiento"}),
              QStringLiteral("||||||"));
    EXPECT_FALSE(control(QStringLiteral("RichTextBox1"))->isVisible());
    EXPECT_TRUE(Habilitado());
    EXPECT_EQ(Foco(), QStringLiteral("BoxFormulaEmpReact"));

    // The calculation hides the panel too.
    clic(QStringLiteral("Información"));
    clic(QStringLiteral("cbCalcular"));
    EXPECT_FALSE(control(QStringLiteral("RichTextBox1"))->isVisible());
}
