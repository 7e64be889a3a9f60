#include "calculators/FormEcCuadratica.h"
#include "tests/support/Ventana.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

const QString kOrvella = QStringLiteral("Orvella");

class EcCuadratica : public ::testing::Test, public Abierta<FormEcCuadratica> {
protected:
    // The result area as it reads: the visible controls that show something.
    QString Resultado()
    {
        QStringList partes;
        for (const char *nombre : {"Label1", "Resultado1", "Label8", "Label7", "Resultado2"}) {
            auto *etiqueta = control<QLabel>(QString::fromLatin1(nombre));
            if (etiqueta->isVisible() && !etiqueta->text().isEmpty())
                partes << etiqueta->text();
        }
        return partes.join(u' ');
    }

    // Typed key by key, or put in as a paste would (what cannot be typed).
    void Coeficientes(const char *a, const char *b, const char *c, bool pegados = false)
    {
        clic(QStringLiteral("Borrar"));
        const char *nombres[] = {"Texta", "Textb", "Textc"};
        const char *valores[] = {a, b, c};
        for (int i = 0; i < 3; ++i) {
            if (pegados)
                caja(QString::fromLatin1(nombres[i]))->setText(QString::fromUtf8(valores[i]));
            else
                teclear(QString::fromLatin1(nombres[i]), valores[i]);
        }
    }

    QString Avisos() const { return mensajes.textos().join(u'|'); }

    bool TodosAvisos() const
    {
        for (const MensajeMostrado &m : mensajes.mensajes)
            if (m.titulo != kOrvella || m.icono != Icono::Ninguno)
                return false;
        return true;
    }

    QWidget *Foco() const { return QApplication::focusWidget(); }
};

} // namespace

TEST_F(EcCuadratica, AlAbrir)
{
    EXPECT_EQ(ventana.objectName(), QStringLiteral("FormEcCuadratica"));
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Ecuación cuadrática                      Orvella"));
    EXPECT_EQ(textos({"Label2", "Label3", "Label4", "Label6", "Label5", "Label1", "Label8", "Label7"}),
              QStringLiteral("ax   + bx + c = 0| 2|a =|b =|c =|x  =|y|x  ="));
    for (const char *oculto : {"Label1", "Label8", "Label7", "RichTextBox1"})
        EXPECT_FALSE(control(QString::fromLatin1(oculto))->isVisible()) << oculto;
    EXPECT_EQ(textos({"Texta", "Textb", "Textc", "Resultado1", "Resultado2"}), QStringLiteral("||||"));
    EXPECT_EQ(control<QPushButton>(QStringLiteral("Calcular"))->toolTip(), QStringLiteral("Calcular"));
    EXPECT_EQ(control<QPushButton>(QStringLiteral("Borrar"))->toolTip(), QStringLiteral("Borrar"));
    EXPECT_EQ(control<QPushButton>(QStringLiteral("Información"))->toolTip(), QStringLiteral("Información"));
}

// The exponent is smaller, stands in the blanks after "ax" and above the
// equation's baseline.
TEST_F(EcCuadratica, ElExponenteVaSobreLaX)
{
    auto *ecuacion = control<QLabel>(QStringLiteral("Label2"));
    auto *dos = control<QLabel>(QStringLiteral("Label3"));
    const QFontMetrics grande(ecuacion->font());
    const QFontMetrics pequena(dos->font());
    EXPECT_LT(dos->font().pointSizeF(), ecuacion->font().pointSizeF());
    EXPECT_TRUE(dos->isVisible());

    const int xInicio = ecuacion->x() + grande.horizontalAdvance(QStringLiteral("ax"));
    const int xFin = ecuacion->x() + grande.horizontalAdvance(QStringLiteral("ax   "));
    const int xDigito = dos->x() + pequena.horizontalAdvance(QLatin1Char(' '));
    EXPECT_GE(xDigito, xInicio - 1);
    EXPECT_LE(xDigito + pequena.horizontalAdvance(QLatin1Char('2')), xFin);
    const int base = ecuacion->y() + grande.ascent();
    EXPECT_LT(dos->y() + pequena.ascent(), base - grande.xHeight() / 3);
    EXPECT_GT(dos->y() + pequena.ascent(), ecuacion->y());
}

TEST_F(EcCuadratica, CalcularEc)
{
    struct Caso {
        const char *a, *b, *c;
        const char *resultado;
        const char *mensaje;
        bool pegados = false;
    };
    const char *sinReales = "Esta ecuación no posee soluciones reales.";
    const char *noValidos = "Datos no válidos";
    const char *noNumericos = "Asegurese de introducir valores numéricos.";
    const Caso casos[] = {
        {"1", "-5", "6", "x  = 3 y x  = 2", ""},
        {"1", "2", "1", "x  = -1 y x  = -1", ""},
        // Not sorted: the root with +√D comes first.
        {"-1", "1", "6", "x  = -2 y x  = 3", ""},
        {"0", "2", "-4", "x  = 2", ""},
        {"0", "0", "7", "", noValidos},
        {"0", "0", "0", "", noValidos},
        {"2", "0", "-8", "x  = 2 y x  = -2", ""},
        {"-2", "0", "8", "x  = 2 y x  = -2", ""},
        {"1", "0", "4", "", sinReales},
        {"1", "1", "1", "", sinReales},
        {"3", "0", "0", "x  = 0", ""},
        {"3", "-1", "-1", "x  = 0,768 y x  = -0,434", ""},
        {"1,5", "-3", "1,5", "x  = 1 y x  = 1", ""},
        {"-", "1", "1", "", noNumericos},
        {"1", "1-2", "1", "", noNumericos},
        {"1", "2", ",", "", noNumericos},
        {"1", "2", "1,2,3", "", noNumericos},
        // Beyond what any number holds: no "inf" on screen.
        {"0", "1E-300", "1E300", "", noValidos, true},
        {"1", "1E300", "1", "x  = 0 y x  = -1E+300", "", true},
        {"1", "1E400", "1", "", noNumericos, true},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.a) + " | " + c.b + " | " + c.c);
        mensajes.mensajes.clear();
        Coeficientes(c.a, c.b, c.c, c.pegados);
        clic(QStringLiteral("Calcular"));
        EXPECT_EQ(Resultado(), QString::fromUtf8(c.resultado));
        EXPECT_EQ(Avisos(), QString::fromUtf8(c.mensaje));
        EXPECT_TRUE(TodosAvisos());
        EXPECT_EQ(textos({"Texta", "Textb", "Textc"}),
                  QString::fromUtf8(c.a) + u'|' + QString::fromUtf8(c.b) + u'|' + QString::fromUtf8(c.c));
    }
}

TEST_F(EcCuadratica, CoeficientesVaciosEnOrden)
{
    struct Caso {
        const char *a, *b, *c;
        const char *mensaje;
        const char *foco;
    };
    const Caso casos[] = {
        {"", "", "", "Introduzca el valor del primer coeficiente.", "Texta"},
        {"", "2", "3", "Introduzca el valor del primer coeficiente.", "Texta"},
        {"1", "", "", "Introduzca el valor del segundo coeficiente.", "Textb"},
        {"1", "", "x", "Introduzca el valor del segundo coeficiente.", "Textb"},
        {"1", "2", "", "Introduzca el valor del tercer coeficiente.", "Textc"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.mensaje);
        mensajes.mensajes.clear();
        Coeficientes(c.a, c.b, c.c, true);
        caja(QStringLiteral("Textc"))->setFocus();
        clic(QStringLiteral("Calcular"));
        EXPECT_EQ(Avisos(), QString::fromUtf8(c.mensaje));
        EXPECT_TRUE(TodosAvisos());
        EXPECT_EQ(Foco(), control(QString::fromLatin1(c.foco)));
    }
}

TEST_F(EcCuadratica, EnterCalculaYElFocoSeQueda)
{
    Coeficientes("1", "-5", "6");
    tecla(QStringLiteral("Textb"), Qt::Key_Return);
    EXPECT_EQ(Resultado(), QStringLiteral("x  = 3 y x  = 2"));
    EXPECT_EQ(texto(QStringLiteral("Textb")), QStringLiteral("-5"));
    EXPECT_EQ(Foco(), control(QStringLiteral("Textb")));

    // A refusal leaves the focus where the user was.
    Coeficientes("1", "-", "6");
    tecla(QStringLiteral("Textc"), Qt::Key_Enter);
    EXPECT_EQ(Avisos(), QStringLiteral("Asegurese de introducir valores numéricos."));
    EXPECT_EQ(Foco(), control(QStringLiteral("Textc")));
    EXPECT_EQ(Resultado(), QString());
}

TEST_F(EcCuadratica, CadaTeclaRetiraElResultado)
{
    struct Caso {
        const char *nombre;
        Qt::Key tecla;
        Qt::KeyboardModifiers modificadores;
        bool retira;
    };
    const Caso casos[] = {
        {"a digit", Qt::Key_7, Qt::NoModifier, true},           {"a refused letter", Qt::Key_Q, Qt::NoModifier, true},
        {"Backspace", Qt::Key_Backspace, Qt::NoModifier, true}, {"a paste", Qt::Key_V, Qt::ControlModifier, true},
        {"an arrow", Qt::Key_Left, Qt::NoModifier, false},      {"Home", Qt::Key_Home, Qt::NoModifier, false},
        {"a copy", Qt::Key_C, Qt::ControlModifier, false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Coeficientes("2", "0", "-8");
        clic(QStringLiteral("Calcular"));
        ASSERT_EQ(Resultado(), QStringLiteral("x  = 2 y x  = -2"));
        tecla(QStringLiteral("Textc"), c.tecla, c.modificadores);
        EXPECT_EQ(Resultado(), c.retira ? QString() : QStringLiteral("x  = 2 y x  = -2"));
        EXPECT_EQ(control(QStringLiteral("Label1"))->isVisible(), !c.retira);
        EXPECT_EQ(control(QStringLiteral("Label8"))->isVisible(), !c.retira);
    }
}

TEST_F(EcCuadratica, FiltroDecimalConSigno)
{
    struct Caso {
        const char *tecleado;
        const char *queda;
    };
    const Caso casos[] = {
        {"1.5", "1,5"}, {"-2", "-2"}, {"-0,25", "-0,25"}, {"1e5", "15"}, {"a+b", ""}, {"3 4", "34"},
    };
    for (const Caso &c : casos) {
        clic(QStringLiteral("Borrar"));
        teclear(QStringLiteral("Textb"), c.tecleado);
        EXPECT_EQ(texto(QStringLiteral("Textb")), QString::fromUtf8(c.queda)) << c.tecleado;
    }
    // The comma lands where the dot was typed.
    clic(QStringLiteral("Borrar"));
    teclear(QStringLiteral("Texta"), "15");
    QTest::keyClick(caja(QStringLiteral("Texta")), Qt::Key_Left);
    teclear(QStringLiteral("Texta"), ".");
    EXPECT_EQ(texto(QStringLiteral("Texta")), QStringLiteral("1,5"));
}

TEST_F(EcCuadratica, BorrarEInformacion)
{
    auto *panel = control<QTextEdit>(QStringLiteral("RichTextBox1"));
    EXPECT_TRUE(panel->toPlainText().contains(QStringLiteral("ax2 + bx + c = 0")));
    EXPECT_TRUE(panel->toPlainText().contains(QStringLiteral("reales o imaginarias")));
    EXPECT_TRUE(panel->toHtml().contains(QStringLiteral("vertical-align:super")));

    clic(QStringLiteral("Información"));
    EXPECT_TRUE(panel->isVisible());
    clic(QStringLiteral("Información"));
    EXPECT_FALSE(panel->isVisible());

    Coeficientes("0", "2", "-4");
    clic(QStringLiteral("Calcular"));
    ASSERT_EQ(Resultado(), QStringLiteral("x  = 2"));
    clic(QStringLiteral("Información"));
    clic(QStringLiteral("Borrar"));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(textos({"Texta", "Textb", "Textc", "Resultado1", "Resultado2"}), QStringLiteral("||||"));
    EXPECT_FALSE(control(QStringLiteral("Label1"))->isVisible());
    EXPECT_EQ(Foco(), control(QStringLiteral("Texta")));

    // The calculation hides the panel, even when it refuses.
    clic(QStringLiteral("Información"));
    clic(QStringLiteral("Calcular"));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(Avisos(), QStringLiteral("Introduzca el valor del primer coeficiente."));
}
