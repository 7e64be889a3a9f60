#include "calculators/FormEcCuadratica.h"
#include "tests/support/Ventana.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

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

    // Typed key by key, or put in as a paste would (an exponent cannot be typed).
    void Coeficientes(const char *a, const char *b, const char *c, bool pegados = false)
    {
        clic(QStringLiteral("Borrar"));
        const std::pair<const char *, const char *> cajas[] = {{"Texta", a}, {"Textb", b}, {"Textc", c}};
        for (const auto &[nombre, valor] : cajas) {
            if (pegados)
                caja(QString::fromLatin1(nombre))->setText(QString::fromUtf8(valor));
            else
                teclear(QString::fromLatin1(nombre), valor);
        }
    }

    // Every message of this window is a notice with the program's title.
    QString Avisos()
    {
        for (const MensajeMostrado &m : mensajes.mensajes)
            EXPECT_TRUE(m.titulo == u"Orvella" && m.icono == Icono::Ninguno) << m.texto.toStdString();
        const QString textos = mensajes.textos().join(u'|');
        mensajes.mensajes.clear();
        return textos;
    }
};

} // namespace

TEST_F(EcCuadratica, AlAbrir)
{
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Ecuación cuadrática                      Orvella"));
    EXPECT_EQ(textos({"Label2", "Label3", "Label1", "Label8"}), QStringLiteral("ax   + bx + c = 0| 2|x  =|y"));
    for (const char *oculto : {"Label1", "Label8", "Label7", "RichTextBox1"})
        EXPECT_FALSE(control(QString::fromLatin1(oculto))->isVisible()) << oculto;

    // The exponent, smaller, stands in the blanks after "ax", above the baseline.
    auto *ecuacion = control<QLabel>(QStringLiteral("Label2"));
    auto *dos = control<QLabel>(QStringLiteral("Label3"));
    const QFontMetrics grande(ecuacion->font());
    const QFontMetrics pequena(dos->font());
    const int digito = dos->x() + pequena.horizontalAdvance(QLatin1Char(' '));
    EXPECT_GE(digito, ecuacion->x() + grande.horizontalAdvance(QStringLiteral("ax")) - 1);
    EXPECT_LE(digito + pequena.horizontalAdvance(u'2'),
              ecuacion->x() + grande.horizontalAdvance(QStringLiteral("ax   ")));
    EXPECT_LT(dos->y() + pequena.ascent(), ecuacion->y() + grande.ascent() - grande.xHeight() / 3);
}

TEST_F(EcCuadratica, CalcularEc)
{
    struct Caso {
        const char *a, *b, *c;
        const char *resultado;
        const char *mensaje;
        const char *foco = "Calcular"; // where a click leaves it, unless a message moves it
        bool pegados = false;
    };
    const char *sinReales = "Esta ecuación no posee soluciones reales.";
    const char *noValidos = "Datos no válidos";
    const char *noNumericos = "Asegurese de introducir valores numéricos.";
    const Caso casos[] = {
        {"1", "-5", "6", "x  = 3 y x  = 2", ""},
        {"1", "2", "1", "x  = -1 y x  = -1", ""},
        {"-1", "1", "6", "x  = -2 y x  = 3", ""}, // not sorted: +√D first
        {"0", "2", "-4", "x  = 2", ""},
        {"0", "0", "7", "", noValidos},
        {"2", "0", "-8", "x  = 2 y x  = -2", ""},
        {"-2", "0", "8", "x  = 2 y x  = -2", ""},
        {"1", "0", "4", "", sinReales},
        {"1", "1", "1", "", sinReales},
        {"3", "0", "0", "x  = 0", ""},
        {"3", "-1", "-1", "x  = 0,768 y x  = -0,434", ""},
        {"-", "1", "1", "", noNumericos},
        {"1", "1-2", "1", "", noNumericos},
        {"1", "2", "1,2,3", "", noNumericos},
        {"", "", "", "", "Introduzca el valor del primer coeficiente.", "Texta"},
        {"", "2", "3", "", "Introduzca el valor del primer coeficiente.", "Texta"},
        {"1", "", "x", "", "Introduzca el valor del segundo coeficiente.", "Textb", true},
        {"1", "2", "", "", "Introduzca el valor del tercer coeficiente.", "Textc"},
        // Beyond what a number holds: no "inf" on screen.
        {"0", "1E-300", "1E300", "", noValidos, "Calcular", true},
        {"1", "1E300", "1", "x  = 0 y x  = -1E+300", "", "Calcular", true},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.a) + " | " + c.b + " | " + c.c);
        Coeficientes(c.a, c.b, c.c, c.pegados);
        clic(QStringLiteral("Calcular"));
        EXPECT_EQ(Resultado(), QString::fromUtf8(c.resultado));
        EXPECT_EQ(Avisos(), QString::fromUtf8(c.mensaje));
        EXPECT_EQ(QApplication::focusWidget(), control(QString::fromLatin1(c.foco)));
    }
}

TEST_F(EcCuadratica, TeclasEnLosCoeficientes)
{
    struct Caso {
        const char *tecleado; // nullptr: the key below
        Qt::Key tecla;
        Qt::KeyboardModifiers modificadores;
        const char *queda;
        bool retira;
    };
    const Caso casos[] = {
        {".5", {}, {}, "-8,5", true},
        {"a", {}, {}, "-8", false}, // refused: no edit
        {nullptr, Qt::Key_Backspace, {}, "-", true},
        {nullptr, Qt::Key_Left, {}, "-8", false},
        {nullptr, Qt::Key_C, Qt::ControlModifier, "-8", false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.queda);
        Coeficientes("2", "0", "-8");
        clic(QStringLiteral("Calcular"));
        ASSERT_EQ(Resultado(), QStringLiteral("x  = 2 y x  = -2"));
        if (c.tecleado != nullptr)
            teclear(QStringLiteral("Textc"), c.tecleado);
        else
            tecla(QStringLiteral("Textc"), c.tecla, c.modificadores);
        EXPECT_EQ(texto(QStringLiteral("Textc")), QString::fromUtf8(c.queda));
        EXPECT_EQ(Resultado(), c.retira ? QString() : QStringLiteral("x  = 2 y x  = -2"));
    }
    // Enter calculates, and the focus stays in the box.
    tecla(QStringLiteral("Textb"), Qt::Key_Return);
    EXPECT_EQ(Resultado(), QStringLiteral("x  = 2 y x  = -2"));
    EXPECT_EQ(texto(QStringLiteral("Textb")), QStringLiteral("0"));
    EXPECT_TRUE(caja(QStringLiteral("Textb"))->hasFocus());
    EXPECT_EQ(Avisos(), QString());
}

TEST_F(EcCuadratica, SuprimirRetiraElResultado)
{
    for (const auto &[tecla, modificadores] :
         {std::pair{Qt::Key_Delete, Qt::NoModifier}, std::pair{Qt::Key_Delete, Qt::ControlModifier}}) {
        Coeficientes("2", "0", "-8");
        clic(QStringLiteral("Calcular"));
        ASSERT_EQ(Resultado(), QStringLiteral("x  = 2 y x  = -2"));
        caja(QStringLiteral("Textc"))->setCursorPosition(0);
        this->tecla(QStringLiteral("Textc"), tecla, modificadores);
        EXPECT_NE(texto(QStringLiteral("Textc")), QStringLiteral("-8"));
        EXPECT_EQ(Resultado(), QString());
    }
}

TEST_F(EcCuadratica, BorrarEInformacion)
{
    auto *panel = control<QTextEdit>(QStringLiteral("RichTextBox1"));
    EXPECT_TRUE(panel->toPlainText().contains(QStringLiteral("ax2 + bx + c = 0")));
    EXPECT_TRUE(panel->toPlainText().contains(QStringLiteral("dos soluciones para x, reales o imaginarias")));
    EXPECT_TRUE(panel->toHtml().contains(QStringLiteral("vertical-align:super")));
    clic(QStringLiteral("Información"));
    EXPECT_TRUE(panel->isVisible());

    Coeficientes("0", "2", "-4");
    clic(QStringLiteral("Borrar"));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(textos({"Texta", "Textb", "Textc", "Resultado1", "Resultado2"}), QStringLiteral("||||"));
    EXPECT_TRUE(caja(QStringLiteral("Texta"))->hasFocus());

    // The calculation hides the panel, even when it refuses.
    clic(QStringLiteral("Información"));
    clic(QStringLiteral("Calcular"));
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(Avisos(), QStringLiteral("Introduzca el valor del primer coeficiente."));
}
