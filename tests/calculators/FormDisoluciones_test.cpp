#include "calculators/FormDisoluciones.h"
#include "tests/support/Ventana.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace {

class Disoluciones : public ::testing::Test, public Abierta<FormDisoluciones> {
protected:
    QString Resultado() const { return textos({"LabelResultado", "UnidadResul", "LabelResultado2", "UnidadResul2"}); }
    QComboBox *Lista(const char *nombre) const { return control<QComboBox>(QString::fromLatin1(nombre)); }
    QTextEdit *Formula() const { return control<QTextEdit>(QStringLiteral("RTBFormula")); }
    QString Foco() const { return ventana.focusWidget() ? ventana.focusWidget()->objectName() : QString(); }
    void Poner(const char *caja, const char *texto) { caja_(caja)->setText(QString::fromUtf8(texto)); }
    QLineEdit *caja_(const char *nombre) const { return caja(QString::fromLatin1(nombre)); }

    // Data that computes in every mode: 50 g of a solute of molar mass 100.
    void DatosCorrectos()
    {
        Formula()->clear();
        Poner("TextPm", "100");
        Poner("TextConcFinal", "1");
        Poner("TextVolumen", "500");
        Poner("TextDensidad", "1,00");
        Poner("TextConcInicial", "1");
        Lista("ComboConcFinal")->setCurrentText(QStringLiteral("M"));
        Lista("ComboVolumen")->setCurrentText(QStringLiteral("ml"));
        Lista("ComboConcInicial")->setCurrentText(QStringLiteral("M"));
    }
};

} // namespace

TEST_F(Disoluciones, AlAbrir)
{
    EXPECT_EQ(ventana.objectName(), QStringLiteral("FormDisoluciones"));
    EXPECT_EQ(Resultado(), QStringLiteral("|||"));
    EXPECT_TRUE(control<QRadioButton>(QStringLiteral("OptionSolido"))->isChecked());
    EXPECT_EQ(textos({"TextPm", "TextDensidad", "TextConcInicial", "TextConcFinal", "TextVolumen"}),
              QStringLiteral("|1,00|1|1|500"));
    EXPECT_EQ(textos({"Frame1", "Frame3", "Frame2", "OptionLiquido", "Label2", "Label4", "Label1"}),
              QStringLiteral("Datos del soluto|Datos de la disolución|Cantidad de soluto|Líquido   densidad|"
                             "Fórmula|g/mol|g/ml"));

    struct Caso {
        const char *lista;
        QStringList entradas;
        const char *elegida;
    };
    const Caso casos[] = {
        {"ComboConcInicial", {"M", "mM", "uM", "g/l", "mg/l", "ug/l"}, "M"},
        {"ComboConcFinal", {"M", "mM", "uM", "%", "g/l", "mg/l", "ug/l"}, "M"},
        {"ComboVolumen", {"l", "ml", "ul"}, "ml"},
    };
    for (const Caso &c : casos) {
        QComboBox *lista = Lista(c.lista);
        QStringList entradas;
        for (int n = 0; n < lista->count(); ++n)
            entradas << lista->itemText(n);
        EXPECT_EQ(entradas, c.entradas) << c.lista;
        EXPECT_EQ(lista->currentText(), QString::fromLatin1(c.elegida)) << c.lista;
        EXPECT_TRUE(lista->isEditable()) << c.lista;
        EXPECT_EQ(lista->font().family(), QStringLiteral("Times New Roman")) << c.lista;
    }
    EXPECT_EQ(Formula()->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(Formula()->font().pointSizeF(), 12);
}

TEST_F(Disoluciones, PanelDeAyuda)
{
    auto *panel = control<QTextEdit>(QStringLiteral("RichTextBox1"));
    EXPECT_FALSE(panel->isVisible());
    clic(QStringLiteral("Información"));
    EXPECT_TRUE(panel->isVisible());

    QStringList bloques;
    for (QTextBlock b = panel->document()->begin(); b.isValid(); b = b.next()) {
        const QTextCharFormat letra = b.begin().fragment().charFormat();
        const char *forma = b.blockFormat().alignment() & Qt::AlignHCenter ? "centred" : "justified";
        if (!(b.blockFormat().alignment() & (Qt::AlignHCenter | Qt::AlignJustify)))
            forma = "other";
        bloques << QStringLiteral("%1%2%3 %4")
                       .arg(QString::fromLatin1(forma),
                            letra.fontWeight() == QFont::Bold ? QStringLiteral(" bold") : "",
                            letra.fontPointSize() > 0 && letra.fontPointSize() < 10 ? QStringLiteral(" small") : "",
                            b.text().left(24));
    }
    EXPECT_EQ(bloques, QStringList({
                           "justified La concentración de una ",
                           "justified El porcentaje en masa o ",
                           "centred bold Porcentaje en masa  =  m",
                           "justified small En Orvella se hace siemp",
                           "justified La molaridad (M) se defi",
                           "centred bold Molaridad  =  moles de s",
                           "justified También suele expresarse",
                       }));
    const QString texto = panel->toPlainText();
    EXPECT_TRUE(texto.contains(QStringLiteral("Porcentaje en masa  =  masa de soluto x 100 / masa de disolución\n")));
    EXPECT_TRUE(texto.contains(QStringLiteral("Molaridad  =  moles de soluto / litros de disolución\n")));
    EXPECT_TRUE(texto.endsWith(QStringLiteral(": g/l, mg/l, \u03BCg/l, etc.")));

    clic(QStringLiteral("Información"));
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(Disoluciones, CalcularDisol)
{
    struct Caso {
        const char *nombre;
        const char *modo;
        const char *formula;
        const char *pm;
        const char *conc;
        const char *unidad;
        const char *volumen;
        const char *unidadVolumen;
        const char *otro; // the density, or the stock concentration
        const char *unidadPartida;
        const char *resultado;
        const char *mensaje; // nullptr: none
        const char *foco;
    };
    const char *solido = "OptionSolido";
    const char *liquido = "OptionLiquido";
    const char *disol = "OptionDisol";
    const char *mayor = "La concentración de la disolución deseada no puede ser mayor que la de partida.";
    const Caso casos[] = {
        {"NaCl", solido, "NaCl", "", "1", "M", "500", "ml", "", "M", "29,221|g||", nullptr, nullptr},
        {"percent", solido, "", "100", "10", "%", "500", "ml", "", "M", "50|g||", nullptr, nullptr},
        {"1000 g stays g", solido, "", "2000", "1", "M", "500", "ml", "", "M", "1000|g||", nullptr, nullptr},
        {"1500 g", solido, "", "3000", "1", "M", "500", "ml", "", "M", "1,5|kg||", nullptr, nullptr},
        {"0,9 g stays g", solido, "", "1", "0,9", "g/l", "1", "l", "", "M", "0,9|g||", nullptr, nullptr},
        {"0,5 g", solido, "", "1", "500", "mg/l", "1", "l", "", "M", "500|mg||", nullptr, nullptr},
        {"0,0005 g", solido, "", "1", "500", "ug/l", "1000", "ml", "", "M", "500|ug||", nullptr, nullptr},
        {"unit typed into the list", solido, "", "100", "1", "mM", "500", "ml", "", "M", "50|mg||", nullptr, nullptr},
        {"no volume unit", solido, "", "100", "1", "M", "500", "xl", "", "M", "0|ug||", nullptr, nullptr},
        {"liquid", liquido, "", "100", "1", "M", "500", "ml", "0,8", "M", "50|g|62,5|ml", nullptr, nullptr},
        {"liquid of density 0,0", liquido, "", "100", "1", "M", "500", "ml", "0,0", "M", "50|g||", nullptr, nullptr},
        {"liquid, no density", liquido, "", "100", "1", "M", "500", "ml", ",", "M", "|||",
         "Introduzca la densidad de la disolución de partida.", "TextDensidad"},
        {"dilution", disol, "", "100", "0,1", "M", "500", "ml", "1", "M", "50|ml||", nullptr, nullptr},
        {"stricter than the stock", disol, "", "100", "2", "M", "500", "ml", "1", "M", "|||", mayor, "TextConcInicial"},
        {"stock in mg/l", disol, "", "100", "0,5", "g/l", "100", "ml", "1000", "mg/l", "50|ml||", nullptr, nullptr},
        {"percent from a molar stock", disol, "", "100", "10", "%", "500", "ml", "1", "M", "500|ml||", nullptr,
         nullptr},
        {"more stock than solution", disol, "", "100", "10", "%", "500", "ml", "0,1", "M", "5|l||", mayor,
         "TextConcInicial"},
        {"stock 0,0", disol, "", "100", "1", "M", "500", "ml", "0,0", "M", "|||", nullptr, nullptr},
        {"molar mass 0 where needed", disol, "", "0", "1", "g/l", "500", "ml", "1", "M", "|||", nullptr, nullptr},
        {"stock not a number", disol, "", "100", "1", "M", "500", "ml", ",", "M", "|||",
         "Introduzca la concentración de la disolución de partida.", "TextConcInicial"},
        {"stock unit unknown", disol, "", "100", "1", "M", "500", "ml", "1", "m", "|||",
         "Selecione unidad para la disolución de partida.", "ComboConcInicial"},
        {"nothing to compute from", solido, "", "", "1", "M", "500", "ml", "", "M", "|||",
         "Introduzca la fórmula molecular o la masa molecular.", "RTBFormula"},
        // Empty boxes are asked for before any box is read as a number.
        {"no concentration", solido, "", "x", "", "M", "", "ml", "", "M", "|||",
         "Introduzca la concentración de la dsolución deseada.", "TextConcFinal"},
        {"no volume", solido, "", "x", "1", "M", "", "ml", "", "M", "|||", "Introduzca el volumen.", "TextVolumen"},
        {"molar mass not a number", solido, "", "x", ",", "M", "500", "ml", "", "M", "|||",
         "Introduzca la masa molecular.", "TextPm"},
        {"concentration not a number", solido, "", "100", ",", "M", "1,2,3", "ml", "", "M", "|||",
         "Introduzca la concentración de la disolución deseada.", "TextConcFinal"},
        {"volume not a number", solido, "", "100", "1", "M", "1,2,3", "ml", "", "M", "|||", "Valor no válido.",
         "TextVolumen"},
        // A refused formula gives a molar mass of 0 and the run goes on.
        {"formula starting with a digit", solido, "2H2O", "", "1", "M", "500", "ml", "", "M", "0|ug||",
         "Introduzca la fórmula molecular correcta.", "RTBFormula"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        clic(QString::fromLatin1(c.modo));
        Procesar();
        mensajes.mensajes.clear();
        Formula()->setPlainText(QString::fromUtf8(c.formula));
        Poner("TextPm", c.pm);
        Poner("TextConcFinal", c.conc);
        Poner("TextVolumen", c.volumen);
        Poner(c.modo == liquido ? "TextDensidad" : "TextConcInicial", c.otro);
        Lista("ComboConcFinal")->setCurrentText(QString::fromUtf8(c.unidad));
        Lista("ComboVolumen")->setCurrentText(QString::fromUtf8(c.unidadVolumen));
        Lista("ComboConcInicial")->setCurrentText(QString::fromUtf8(c.unidadPartida));
        clic(QStringLiteral("cbCalcular"));

        EXPECT_EQ(Resultado(), QString::fromUtf8(c.resultado));
        if (c.mensaje == nullptr) {
            EXPECT_TRUE(mensajes.mensajes.empty()) << mensajes.textos().join(u'|').toStdString();
            continue;
        }
        ASSERT_EQ(mensajes.mensajes.size(), 1U) << mensajes.textos().join(u'|').toStdString();
        EXPECT_EQ(mensajes.mensajes[0].texto, QString::fromUtf8(c.mensaje));
        EXPECT_EQ(mensajes.mensajes[0].titulo, QStringLiteral("Error"));
        EXPECT_EQ(mensajes.mensajes[0].icono, Icono::Error);
        EXPECT_EQ(Foco(), QString::fromLatin1(c.foco));
    }
    // The last case: the formula's molar mass was written.
    EXPECT_EQ(caja_("TextPm")->text(), QStringLiteral("0"));
}

TEST_F(Disoluciones, MasaMolecularDeLaFormula)
{
    struct Caso {
        const char *formula;
        const char *pm;
        const char *titulo; // nullptr: no message
        Icono icono;
    };
    const Caso casos[] = {
        {"NaCl", "58,442", nullptr, Icono::Ninguno}, {"H2O", "18,015", nullptr, Icono::Ninguno},
        {"2H2O", "0", "Error", Icono::Error},        {"Xx", "0", "Orvella", Icono::Ninguno},
        {"H2 O", "0", "Orvella", Icono::Ninguno},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.formula);
        mensajes.mensajes.clear();
        DatosCorrectos();
        Formula()->setPlainText(QString::fromUtf8(c.formula));
        clic(QStringLiteral("cbCalcular"));
        EXPECT_EQ(caja_("TextPm")->text(), QString::fromUtf8(c.pm));
        if (c.titulo == nullptr) {
            EXPECT_TRUE(mensajes.mensajes.empty());
            continue;
        }
        ASSERT_EQ(mensajes.mensajes.size(), 1U);
        EXPECT_EQ(mensajes.mensajes[0].texto, QStringLiteral("Introduzca la fórmula molecular correcta."));
        EXPECT_EQ(mensajes.mensajes[0].titulo, QString::fromLatin1(c.titulo));
        EXPECT_EQ(mensajes.mensajes[0].icono, c.icono);
        EXPECT_EQ(Foco(), QStringLiteral("RTBFormula"));
    }
}

TEST_F(Disoluciones, EnterBorraYCalculaEnCadaCaja)
{
    struct Caso {
        const char *caja;
        const char *resultado; // the mode follows the box
    };
    const Caso casos[] = {
        {"TextPm", "50|g||"},           {"TextConcFinal", "50|g||"},     {"TextVolumen", "50|g||"},
        {"TextDensidad", "50|g|50|ml"}, {"TextConcInicial", "500|ml||"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.caja);
        clic(QStringLiteral("OptionSolido"));
        DatosCorrectos();
        clic(QStringLiteral("cbCalcular"));
        ASSERT_EQ(Resultado(), QStringLiteral("50|g||"));
        const QString antes = caja_(c.caja)->text();

        // A refused key still takes the old result away.
        teclear(QString::fromLatin1(c.caja), 'a');
        EXPECT_EQ(Resultado(), QStringLiteral("|||"));
        tecla(QString::fromLatin1(c.caja), Qt::Key_Return);
        EXPECT_EQ(Resultado(), QString::fromLatin1(c.resultado));
        EXPECT_EQ(caja_(c.caja)->text(), antes);
    }
    // Enter with a refusal: the result it cleared stays cleared.
    clic(QStringLiteral("cbCalcular"));
    caja_("TextVolumen")->clear();
    tecla(QStringLiteral("TextConcFinal"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Resultado(), QStringLiteral("|||"));
    EXPECT_EQ(mensajes.textos(), QStringList({"Introduzca el volumen."}));
    EXPECT_EQ(Foco(), QStringLiteral("TextVolumen"));
}

TEST_F(Disoluciones, FormulaYMasaMolecularSeExcluyen)
{
    Formula()->setPlainText(QStringLiteral("NaCl"));
    clic(QStringLiteral("cbCalcular"));
    ASSERT_EQ(caja_("TextPm")->text(), QStringLiteral("58,442"));
    teclear(QStringLiteral("TextPm"), "\b5");
    EXPECT_EQ(Formula()->toPlainText(), QString());
    EXPECT_EQ(caja_("TextPm")->text(), QStringLiteral("58,445"));

    teclear(QStringLiteral("RTBFormula"), "H2O(");
    EXPECT_EQ(caja_("TextPm")->text(), QString());
    // Digits small, every other character large, "(" included.
    const qreal tamanos[] = {14, 8, 14, 14};
    QTextCursor cursor(Formula()->document());
    for (int i = 0; i < 4; ++i) {
        cursor.setPosition(i + 1);
        EXPECT_EQ(cursor.charFormat().fontPointSize(), tamanos[i]) << i;
    }

    // Enter empties the formula, leaves no line and computes nothing.
    caja_("TextPm")->setText(QStringLiteral("7"));
    tecla(QStringLiteral("RTBFormula"), Qt::Key_Return);
    EXPECT_EQ(Formula()->toPlainText(), QString());
    EXPECT_EQ(Formula()->document()->blockCount(), 1);
    EXPECT_EQ(caja_("TextPm")->text(), QString());
    EXPECT_EQ(Resultado(), QStringLiteral("|||"));
    EXPECT_TRUE(mensajes.mensajes.empty());

    teclear(QStringLiteral("TextConcFinal"), "\b2.5x");
    EXPECT_EQ(caja_("TextConcFinal")->text(), QStringLiteral("2,5"));
}

TEST_F(Disoluciones, LasListas)
{
    DatosCorrectos();
    clic(QStringLiteral("cbCalcular"));
    ASSERT_EQ(Resultado(), QStringLiteral("50|g||"));
    // Entering a list takes the result away.
    Lista("ComboConcFinal")->setFocus();
    EXPECT_EQ(Resultado(), QStringLiteral("|||"));

    // A key computes with the list as it was, then goes in.
    Lista("ComboVolumen")->lineEdit()->setCursorPosition(2);
    teclear(QStringLiteral("ComboVolumen"), 'x');
    EXPECT_EQ(Resultado(), QStringLiteral("50|g||"));
    EXPECT_EQ(Lista("ComboVolumen")->currentText(), QStringLiteral("mlx"));
    tecla(QStringLiteral("ComboVolumen"), Qt::Key_Return);
    EXPECT_EQ(Resultado(), QStringLiteral("0|ug||"));
    EXPECT_EQ(Lista("ComboVolumen")->count(), 3);

    // Typing an entry selects it.
    Lista("ComboVolumen")->lineEdit()->clear();
    teclear(QStringLiteral("ComboVolumen"), "l");
    tecla(QStringLiteral("ComboVolumen"), Qt::Key_Return);
    EXPECT_EQ(Resultado(), QStringLiteral("50|kg||"));
    EXPECT_TRUE(mensajes.mensajes.empty());
}

TEST_F(Disoluciones, ElModoSigueAlFoco)
{
    struct Caso {
        const char *control;
        const char *modo;
    };
    const Caso casos[] = {
        {"TextDensidad", "OptionLiquido"},
        {"TextConcInicial", "OptionDisol"},
        {"ComboConcInicial", "OptionDisol"},
        {"TextVolumen", "OptionSolido"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.control);
        clic(QStringLiteral("OptionSolido"));
        DatosCorrectos();
        clic(QStringLiteral("cbCalcular"));
        control(QString::fromLatin1(c.control))->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(control<QRadioButton>(QString::fromLatin1(c.modo))->isChecked());
        // A result of the mode that was left goes with it.
        EXPECT_EQ(Resultado(),
                  c.modo == std::string_view("OptionSolido") ? QStringLiteral("50|g||") : QStringLiteral("|||"));
    }
    // Any click on a mode takes the result away, even on the mode in force.
    clic(QStringLiteral("cbCalcular"));
    clic(QStringLiteral("OptionSolido"));
    EXPECT_EQ(Resultado(), QStringLiteral("|||"));
}

TEST_F(Disoluciones, AlSalirDeUnaCaja)
{
    struct Caso {
        const char *caja;
        const char *texto;
        const char *queda;
        bool error;
    };
    const Caso casos[] = {
        {"TextConcInicial", "", "1", false},      {"TextConcInicial", "0", "1", false},
        {"TextConcInicial", "0,0", "0,0", false}, {"TextConcInicial", "5", "5", false},
        {"TextDensidad", "0", "0", true},         {"TextDensidad", "0,0", "0,0", false},
        {"TextDensidad", "", "", false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.caja) + " \"" + c.texto + "\"");
        mensajes.mensajes.clear();
        caja_(c.caja)->setText(QString::fromUtf8(c.texto));
        caja_(c.caja)->setFocus();
        tecla(QString::fromLatin1(c.caja), Qt::Key_Tab);
        Procesar();
        EXPECT_EQ(caja_(c.caja)->text(), QString::fromUtf8(c.queda));
        EXPECT_EQ(mensajes.textos(), c.error ? QStringList({"Error."}) : QStringList());
        EXPECT_EQ(caja_(c.caja)->hasFocus(), c.error);
        if (c.error) {
            EXPECT_EQ(mensajes.mensajes[0].titulo, QStringLiteral("Error"));
            EXPECT_EQ(mensajes.mensajes[0].icono, Icono::Error);
        }
    }
}
