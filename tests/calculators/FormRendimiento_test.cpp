#include "calculators/FormRendimiento.h"
#include "tests/support/Ventana.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

const char *const kEntradas[] = {"BoxFormulaEmpReact", "BoxFormulaEmpProd", "TextCoefReact",
                                 "TextCoefProd",       "TextMasaReact",     "TextMasaProd"};
const QString kFormula = QStringLiteral("Error (x): Introduzca la fórmula molecular.");
const QString kDigito = QStringLiteral("Error (x): La fórmula no puede empezar por un número");

class Rendimiento : public ::testing::Test, public Abierta<FormRendimiento> {
protected:
    QString Resultado() const { return texto(QStringLiteral("LabelRendimiento")); }
    bool Habilitado() const { return control(QStringLiteral("cbCalcular"))->isEnabled(); }
    QString Foco() const { return ventana.focusWidget() ? ventana.focusWidget()->objectName() : QString(); }

    // "reagent|product|reagent coefficient|product coefficient|reagent mass|product mass".
    void Calcular(const char *datos)
    {
        clic(QStringLiteral("Borrar"));
        const QStringList d = QString::fromUtf8(datos).split(u'|');
        for (int n = 0; n < 6; ++n) {
            if (n < 2)
                control<QTextEdit>(QString::fromLatin1(kEntradas[n]))->setPlainText(d[n]);
            else
                caja(QString::fromLatin1(kEntradas[n]))->setText(d[n]);
        }
        clic(QStringLiteral("cbCalcular"));
    }
};

} // namespace

TEST_F(Rendimiento, AlAbrir)
{
    EXPECT_EQ(textos({"TextCoefReact", "TextCoefProd", "TextMasaReact", "TextMasaProd", "LabelRendimiento", "Label3"}),
              QStringLiteral("1|1||||% de rendimiento   ="));
    EXPECT_EQ(control(QStringLiteral("TextCoefProd"))->toolTip(),
              QStringLiteral("Coeficiente estequiométrico del producto en la ecuación balanceada."));
    auto *resultado = control<QLabel>(QStringLiteral("LabelRendimiento"));
    EXPECT_TRUE(resultado->font().bold());
    EXPECT_EQ(resultado->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    for (const char *oculta : {"PmReactivo", "PmProducto", "MasaTeoricaProducto", "RichTextBox1"})
        EXPECT_FALSE(control(QString::fromLatin1(oculta))->isVisible()) << oculta;
    const QTextBlock formula = control<QTextEdit>(QStringLiteral("RichTextBox1"))->document()->lastBlock();
    EXPECT_EQ(formula.text(), QStringLiteral("% de rendimiento  =  rendimiento real x 100 / rendimiento teórico"));
    EXPECT_TRUE(formula.blockFormat().alignment() & Qt::AlignHCenter);
}

TEST_F(Rendimiento, Calcular)
{
    struct Caso {
        const char *datos;
        const char *resultado;
        QStringList mensajes;
        const char *foco = nullptr; // none: computed
    };
    const QString mayor = QStringLiteral("Error (x): El rendimiento no puede ser mayor de 100.");
    const Caso casos[] = {
        {"H2|H2O|2|2|4,0316|30", "83,26", {}},
        {"NaCl|H2O|2|1|10|1,5", "97,32", {}},
        {"H2|H2|1|1|2,0158|2,0158", "100", {}},
        {"H2|H2O|2|2|4,0316|40", "111,02", {mayor}},
        // A reagent coefficient or mass of 0 that is not the text "0": no yield.
        {"H2|H2O|0,0|2|4|30", "", {}},
        {"H2|H2O|1|1|0,0|30", "", {}},
        {"|||||", "", {"Orvella: Introduzca la fórmula molecular del reactivo limitante."}, "BoxFormulaEmpReact"},
        {"H2|||||", "", {"Orvella: Introduzca la fórmula molecular del producto."}, "BoxFormulaEmpProd"},
        // Empty boxes only take the focus, before any box is read as a number.
        {"H2|H2O||x||", "", {}, "TextCoefReact"},
        {"H2|H2O|x|x|x|", "", {}, "TextMasaProd"},
        {"H2|H2O|,|x|x|x", "", {"Orvella: El valor dado al coeficiente del reactivo no es válido."}, "TextCoefReact"},
        {"H2|H2O|2|1,2,3|x|x",
         "",
         {"Orvella: El valor dado al coeficiente del producto no es válido."},
         "TextCoefProd"},
        {"H2|H2O|2|2|x|x", "", {"Orvella: El valor dado a la masa del reactivo no es válido."}, "TextMasaReact"},
        {"H2|H2O|2|2|4|1E", "", {"Orvella: El valor dado a la masa del producto no es válido."}, "TextMasaProd"},
        // The product's formula is looked at first.
        {"2H|2H2O|2|2|4|30", "", {kDigito, kFormula}, "BoxFormulaEmpProd"},
        {"2H2|H2O|2|2|4|30", "", {kDigito, kFormula}, "BoxFormulaEmpReact"},
        {"Xx|Ca(OH)2|2|2|4|30", "", {kFormula}, "BoxFormulaEmpProd"},
        {"Og|H2O|2|2|4|30", "", {kFormula}, "BoxFormulaEmpReact"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.datos);
        clic(QStringLiteral("Borrar"));
        mensajes.mensajes.clear();
        QString mostrado; // what the user sees beside the message
        mensajes.alMostrar = [&](const MensajeMostrado &) { mostrado = Resultado(); };
        Calcular(c.datos);
        EXPECT_EQ(Resultado(), QString::fromUtf8(c.resultado));
        EXPECT_EQ(mensajes.vistos(), c.mensajes);
        // Disabled once both molar masses are known.
        EXPECT_EQ(Habilitado(), c.foco != nullptr);
        if (c.foco != nullptr) {
            EXPECT_EQ(Foco(), QString::fromLatin1(c.foco));
        } else if (!c.mensajes.isEmpty()) {
            EXPECT_EQ(mostrado, QString::fromUtf8(c.resultado));
        }
    }
    // The working values of the second case, as they are kept.
    Calcular("NaCl|H2O|2|1|10|1,5");
    EXPECT_EQ(textos({"PmReactivo", "PmProducto", "MasaTeoricaProducto"}),
              QStringLiteral("58,442|18,0148|1,54125457718764"));
}

TEST_F(Rendimiento, TeclasCambiosYBoton)
{
    struct Caso {
        const char *teclas;
        const char *queda;
        bool borra; // the text changed, and the yield went with it
    };
    const Caso casos[] = {{"2", "H22", true}, {"a", "H2Oa", true},         {"1.5x", "215", true},
                          {".x", "2", false}, {"1.5x", "4,03161,5", true}, {".", "30,", true}};
    for (int n = 0; n < 6; ++n) {
        const QString nombre = QString::fromLatin1(kEntradas[n]);
        SCOPED_TRACE(nombre.toStdString());
        Calcular("H2|H2O|2|2|4,0316|30");
        ASSERT_EQ(Resultado(), QStringLiteral("83,26"));
        tecla(nombre, Qt::Key_End); // moving is not typing
        EXPECT_FALSE(Habilitado());
        // An edit gives the button back; refused keys change nothing.
        teclear(nombre, casos[n].teclas);
        EXPECT_EQ(Habilitado(), casos[n].borra);
        EXPECT_EQ(texto(nombre), QString::fromUtf8(casos[n].queda));
        EXPECT_EQ(Resultado(), casos[n].borra ? QString() : QStringLiteral("83,26"));
    }
    // Digits small, anything else large; Enter adds no line.
    tecla(QStringLiteral("BoxFormulaEmpReact"), Qt::Key_End);
    teclear(QStringLiteral("BoxFormulaEmpReact"), "(2\r");
    EXPECT_EQ(texto(QStringLiteral("BoxFormulaEmpReact")), QStringLiteral("H2(2"));
    QTextCursor cursor(control<QTextEdit>(QStringLiteral("BoxFormulaEmpReact"))->document());
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 14);
    cursor.setPosition(4);
    EXPECT_EQ(cursor.charFormat().fontPointSize(), 8);
}

TEST_F(Rendimiento, SuprimirDevuelveElBoton)
{
    for (const char *nombre : kEntradas) {
        SCOPED_TRACE(nombre);
        Calcular("H2|H2O|2|2|4,0316|30");
        ASSERT_FALSE(Habilitado());
        tecla(QString::fromLatin1(nombre), Qt::Key_Home);
        tecla(QString::fromLatin1(nombre), Qt::Key_Delete);
        EXPECT_TRUE(Habilitado());
        EXPECT_EQ(Resultado(), QString());
    }
}

TEST_F(Rendimiento, UnCeroNoDejaSalir)
{
    for (const char *nombre : {"TextCoefReact", "TextMasaProd"}) {
        mensajes.mensajes.clear();
        caja(QString::fromLatin1(nombre))->setText(QStringLiteral("0"));
        tecla(QString::fromLatin1(nombre), Qt::Key_Tab);
        Procesar();
        EXPECT_EQ(mensajes.vistos(), QStringList({"Error (x): Error."})) << nombre;
        EXPECT_EQ(Foco(), QString::fromLatin1(nombre));
        caja(QString::fromLatin1(nombre))->setText(QStringLiteral("1"));
    }
}

TEST_F(Rendimiento, BorrarLoVaciaTodo)
{
    Calcular("H2|H2O|2|2|4,0316|30");
    clic(QStringLiteral("Información"));
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

// A coefficient left at "0" keeps the focus even when a calculation's own
// message sends it elsewhere after the first "Error.": the real boxes, as a
// user clicking Calcular with the formulas empty sees them.
TEST_F(Rendimiento, UnCeroNoSePierdeTrasOtroMensaje)
{
    InstalarManejadorMensajes({});
    CerradorDeCajas cerrador;
    QStringList vistos;
    cerrador.alMostrar = [&vistos](QMessageBox *caja) { vistos << caja->text(); };
    QLineEdit *coeficiente = caja(QStringLiteral("TextCoefReact"));
    coeficiente->clear();
    teclear(QStringLiteral("TextCoefReact"), "0");
    clic(QStringLiteral("cbCalcular"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return cerrador.cerradas() >= 3; })) << vistos.join(u'|').toStdString();
    Procesar();
    // The check may run before or during the calculation's message; either
    // way the coefficient has the last word.
    EXPECT_EQ(vistos.count(QStringLiteral("Error.")), 2) << vistos.join(u'|').toStdString();
    EXPECT_TRUE(vistos.contains(QStringLiteral("Introduzca la fórmula molecular del reactivo limitante.")));
    EXPECT_EQ(vistos.last(), QStringLiteral("Error."));
    EXPECT_EQ(coeficiente->text(), QStringLiteral("0"));
    EXPECT_EQ(ventana.focusWidget(), coeficiente);
}
