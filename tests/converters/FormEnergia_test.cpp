#include "converters/FormEnergia.h"
#include "tests/support/Ventana.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {

struct Energia : Abierta<FormEnergia> {
    // cal | J || kcal/mol | kJ/mol | eV
    QString todas() { return textos({"TextCal", "TextJ", "TextCalMol", "TextJMol", "TexteV"}); }
};

} // namespace

TEST(FormEnergia, ConvierteLoQueSeTeclea)
{
    struct Caso {
        const char *caja;
        const char *teclas;
        const char *todas;
    };
    const Caso casos[] = {
        {"TextCal", "1", "1|4,184|||"},
        {"TextJ", "1", "0,239|1|||"},
        {"TextCal", "2.5", "2,5|10,46|||"},
        {"TextJ", "-10", "2,39|10|||"}, // no minus sign
        {"TexteV", "1", "||23,059|96,48|1"},
        {"TextJMol", "100", "||23,901|100|1,036"},
        {"TextCalMol", "1", "||1|4,184|0,043"},
        // The third box comes from the rounded kJ/mol, not from the typed value.
        {"TexteV", "0.0005", "||0,011|0,048|0,0005"},
        {"TexteV", "0.0106", "||0,245|1,023|0,0106"},
        {"TextCalMol", "1.003", "||1,003|4,197|0,044"},
        {"TextCalMol", "1.349", "||1,349|5,644|0,058"},
        {"TextJMol", ",", "|||,|"},
    };
    for (const Caso &c : casos) {
        Energia e;
        e.teclear(c.caja, c.teclas);
        EXPECT_EQ(e.todas(), QString::fromUtf8(c.todas)) << c.caja << " " << c.teclas;
    }
}

TEST(FormEnergia, UnGrupoNoTocaElOtro)
{
    Energia e;
    e.teclear("TextCal", "1");
    e.teclear("TexteV", "1");
    EXPECT_EQ(e.todas(), QStringLiteral("1|4,184|23,059|96,48|1"));
    e.caja("TextJ")->setFocus();
    QTest::keyClick(e.caja("TextJ"), Qt::Key_Backspace);
    EXPECT_EQ(e.todas(), QStringLiteral("0,999|4,18|23,059|96,48|1"));
    e.teclear("TextJMol", "0");
    EXPECT_EQ(e.todas(), QStringLiteral("0,999|4,18|23,059|96,480|1"));

    // A key in the triple empties only the other two boxes of the triple.
    e.teclear("TextCalMol", '2');
    EXPECT_EQ(e.todas(), QStringLiteral("0,999|4,18|23,0592|96,48|1"));
}

TEST(FormEnergia, SuprimirVaciaSoloSuGrupo)
{
    Energia e;
    e.teclear("TextCal", "1");
    e.teclear("TexteV", "1");
    e.caja("TextCal")->setCursorPosition(0);
    e.tecla("TextCal", Qt::Key_Delete);
    EXPECT_EQ(e.todas(), QStringLiteral("||23,059|96,48|1"));
    e.tecla("TexteV", Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(e.todas(), QStringLiteral("||||"));
}

TEST(FormEnergia, OrdenDeEscritura)
{
    struct Caso {
        const char *caja;
        const char *cambios;
    };
    const Caso casos[] = {
        {"TextCal", "TextCal=1 TextJ=4,184"},
        {"TextJ", "TextJ=1 TextCal=0,239"},
        {"TextCalMol", "TextCalMol=1 TextJMol=4,184 TexteV=0,043"},
        {"TexteV", "TexteV=1 TextJMol=96,48 TextCalMol=23,059"},
        {"TextJMol", "TextJMol=1 TexteV=0,01 TextCalMol=0,239"},
    };
    for (const Caso &c : casos) {
        Energia e;
        RegistroCambios cambios(&e.ventana);
        e.teclear(c.caja, '1');
        EXPECT_EQ(cambios.cambios.join(u' '), QString::fromUtf8(c.cambios)) << c.caja;
    }
}

TEST(FormEnergia, LoQueNoCabeEnUnDoubleNoSeMuestra)
{
    Energia e;
    // Pasted as digits: a box takes no exponent.
    const QString e308 = Cifras("1", 308);
    QApplication::clipboard()->setText(e308);
    for (const char *nombre : {"TexteV", "TextCal"}) {
        QLineEdit *caja = e.caja(nombre);
        caja->setFocus();
        QTest::keyClick(caja, Qt::Key_V, Qt::ControlModifier);
    }
    // 96,48 x 1E308 does not fit, so neither kJ/mol nor the kcal/mol from it show anything.
    EXPECT_EQ(e.todas(), e308 + QStringLiteral("||||") + e308);

    e.caja("TextJ")->setFocus();
    QTest::keyClick(e.caja("TextJ"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e.todas(), QStringLiteral("2,39005736137667E+307|") + e308 + QStringLiteral("|||") + e308);
}

TEST(FormEnergia, NombresYTextos)
{
    Abierta<FormEnergia> e;
    FormEnergia &v = e.ventana;
    EXPECT_EQ(v.objectName(), QStringLiteral("FormEnergia"));
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Unidades de energía") + QString(27, u' ') + QStringLiteral("Orvella") +
                                   QString(30, u' '));
    const std::pair<const char *, const char *> etiquetas[] = {
        {"Label1", "cal"}, {"Label2", "J"}, {"Label5", "kcal/mol"}, {"Label6", "kJ/mol"}, {"Label4", "eV"},
    };
    for (const auto &[nombre, texto] : etiquetas) {
        auto *etiqueta = v.findChild<QLabel *>(QString::fromUtf8(nombre));
        ASSERT_NE(etiqueta, nullptr) << nombre;
        EXPECT_EQ(etiqueta->text(), QString::fromUtf8(texto)) << nombre;
    }
    // The line runs between the pair and the triple.
    auto *linea = v.findChild<QFrame *>(QStringLiteral("Line1"));
    ASSERT_NE(linea, nullptr);
    for (const char *nombre : {"TextCal", "TextJ"})
        EXPECT_LT(v.findChild<QLineEdit *>(QString::fromLatin1(nombre))->geometry().bottom(), linea->y()) << nombre;
    for (const char *nombre : {"TextCalMol", "TextJMol", "TexteV"})
        EXPECT_GT(v.findChild<QLineEdit *>(QString::fromLatin1(nombre))->y(), linea->geometry().bottom()) << nombre;
}

TEST(FormEnergia, InformacionMuestraYOcultaLaAyuda)
{
    Energia e;
    auto *boton = e.ventana.findChild<QPushButton *>(QStringLiteral("Información"));
    auto *ayuda = e.ventana.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    ASSERT_NE(boton, nullptr);
    ASSERT_NE(ayuda, nullptr);
    EXPECT_FALSE(ayuda->isVisible());
    const QString texto = ayuda->toPlainText();
    EXPECT_TRUE(texto.startsWith(QStringLiteral("Factores de conversión:\n"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("\n1 caloría (termodinámica)  =  4,184 J\n"))) << texto.toStdString();
    QTest::mouseClick(boton, Qt::LeftButton);
    EXPECT_TRUE(ayuda->isVisible());
    QTest::mouseClick(boton, Qt::LeftButton);
    EXPECT_FALSE(ayuda->isVisible());
}
