#include "converters/FormPresion.h"
#include "tests/support/Ventana.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {

struct Presion : Abierta<FormPresion> {
    // atm | mmHg | bar | Pa | dina/cm2 | kg/cm2
    QString todas() { return textos({"TextAtm", "TextHg", "TextBar", "TextPa", "TextDina", "TextKg"}); }
};

} // namespace

TEST(FormPresion, ConvierteLoQueSeTeclea)
{
    struct Caso {
        const char *caja;
        const char *teclas;
        const char *todas;
    };
    const Caso casos[] = {
        {"TextAtm", "1", "1|760|1,013|101325|1013250,001|1,033"},
        {"TextAtm", "2.5", "2,5|1900|2,533|253312,5|2533125,002|2,583"},
        {"TextHg", "760", "1|760|1,013|101325|1013250,001|1,033"},
        {"TextPa", "101325", "1|760|1,013|101325|1013250,001|1,033"},
        // From bar and kg/cm2 everything comes from the rounded atmospheres.
        {"TextBar", "1", "0,987|750,12|1|100007,775|1000077,751|1,02"},
        {"TextKg", "1", "0,968|735,68|0,981|98082,6|980826,001|1"},
        // From mmHg, Pa and dina/cm2 from the unrounded ones; only then is atm rounded.
        {"TextDina", "1000000", "0,987|750,062|1|100000|1000000|1,02"},
        {"TextHg", "1", "0,001|1|0,001|133,322|1333,224|0,001"},
        {"TextPa", "1", "0|0,008|0|1|10|0"},
        {"TextAtm", "-1.5", "1,5|1140|1,52|151987,5|1519875,001|1,55"}, // no minus sign
        {"TextBar", ",", "||,|||"},
        {"TextKg", "x", "|||||"},
    };
    for (const Caso &c : casos) {
        Presion p;
        p.teclear(c.caja, c.teclas);
        EXPECT_EQ(p.todas(), QString::fromUtf8(c.todas)) << c.caja << " " << c.teclas;
    }
}

TEST(FormPresion, OrdenDeEscritura)
{
    struct Caso {
        const char *caja;
        const char *cambios;
    };
    const Caso casos[] = {
        {"TextAtm", "TextAtm=1 TextHg=760 TextBar=1,013 TextPa=101325 TextDina=1013250,001 TextKg=1,033"},
        {"TextBar", "TextBar=1 TextAtm=0,986923266 TextAtm=0,987 TextDina=1000077,751 TextPa=100007,775 "
                    "TextHg=750,12 TextKg=1,02"},
        {"TextKg", "TextKg=1 TextAtm=0,967838719355806 TextAtm=0,968 TextBar=0,981 TextPa=98082,6 "
                   "TextDina=980826,001 TextHg=735,68"},
        {"TextHg", "TextHg=1 TextAtm=0,00131578947368421 TextBar=0,001 TextPa=133,322 TextDina=1333,224 "
                   "TextKg=0,001 TextAtm=0,001"},
        {"TextPa", "TextPa=1 TextAtm=9,86923266716013E-06 TextHg=0,008 TextBar=0 TextDina=10 TextKg=0 TextAtm=0"},
        {"TextDina", "TextDina=1 TextAtm=9,86923266E-07 TextHg=0,001 TextBar=0 TextPa=0,1 TextKg=0 TextAtm=0"},
    };
    for (const Caso &c : casos) {
        Presion p;
        RegistroCambios cambios(&p.ventana);
        p.teclear(c.caja, '1');
        EXPECT_EQ(cambios.cambios.join(u' '), QString::fromUtf8(c.cambios)) << c.caja;
    }
}

TEST(FormPresion, CadaTeclaVaciaLasDemasYConvierte)
{
    Presion p;
    p.teclear("TextHg", "76");
    EXPECT_EQ(p.todas(), QStringLiteral("0,1|76|0,101|10132,5|101325|0,103"));
    p.teclear("TextHg", '0');
    EXPECT_EQ(p.todas(), QStringLiteral("1|760|1,013|101325|1013250,001|1,033"));
    // A key in another box starts over from that box alone.
    p.tecla("TextPa", Qt::Key_Backspace);
    EXPECT_EQ(p.todas(), QStringLiteral("0,1|75,996|0,101|10132|101320|0,103"));
    p.teclear("TextPa", "..");
    EXPECT_EQ(p.caja("TextPa")->text(), QStringLiteral("10132,,"));
    EXPECT_EQ(p.todas(), QStringLiteral("|||10132,,||"));
}

TEST(FormPresion, SuprimirVaciaLasDemasYConvierte)
{
    Presion p;
    p.teclear("TextHg", "760");
    p.caja("TextHg")->setCursorPosition(0);
    p.tecla("TextHg", Qt::Key_Delete);
    EXPECT_EQ(p.todas(), QStringLiteral("0,079|60|0,08|7999,342|79993,421|0,082"));
    p.tecla("TextHg", Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(p.todas(), QStringLiteral("|||||"));
}

TEST(FormPresion, LoQueNoCabeEnUnDoubleNoSeMuestra)
{
    Presion p;
    // Pasted as digits: a box takes no exponent.
    const QString e308 = Cifras("1", 308);
    QApplication::clipboard()->setText(e308);
    QLineEdit *atm = p.caja("TextAtm");
    atm->setFocus();
    QTest::keyClick(atm, Qt::Key_V, Qt::ControlModifier);
    // 760 x 1E308 has no number to show; 1,03323 x 1E308 still fits.
    EXPECT_EQ(p.todas(), e308 + QStringLiteral("||1,01325000073511E+308|||1,03323E+308"));

    QLineEdit *pa = p.caja("TextPa");
    pa->setFocus();
    QTest::keyClick(pa, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(p.todas(), QStringLiteral("9,86923266716013E+302|7,5006168270417E+305|1,0000000007255E+303|") + e308 +
                             QStringLiteral("||1,01971872686899E+303"));
}

TEST(FormPresion, NombresYTextos)
{
    Abierta<FormPresion> p;
    FormPresion &v = p.ventana;
    EXPECT_EQ(v.objectName(), QStringLiteral("FormPresion"));
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Unidades de presión                               Orvella"));
    const std::pair<const char *, const char *> etiquetas[] = {
        {"Label1", "atm."},        {"Label2", "mmHg (torr)"}, {"Label3", "bar"},
        {"Label4", "N/m   (Pa) "}, {"Label5", "2"},           {"Label6", "dina/cm"},
        {"Label7", "2"},           {"Label8", "kg/cm"},       {"Label9", "2"},
    };
    for (const auto &[nombre, texto] : etiquetas) {
        auto *etiqueta = v.findChild<QLabel *>(QString::fromUtf8(nombre));
        ASSERT_NE(etiqueta, nullptr) << nombre;
        EXPECT_EQ(etiqueta->text(), QString::fromUtf8(texto)) << nombre;
    }
    // Each 2 is raised above its unit and set smaller.
    for (const auto &[unidad, dos] : {std::pair{"Label4", "Label5"}, {"Label6", "Label7"}, {"Label8", "Label9"}}) {
        auto *u = v.findChild<QLabel *>(QString::fromLatin1(unidad));
        auto *d = v.findChild<QLabel *>(QString::fromLatin1(dos));
        EXPECT_LT(d->y(), u->y()) << dos;
        EXPECT_LT(d->font().pointSizeF(), u->font().pointSizeF()) << dos;
        EXPECT_GT(d->x(), u->x()) << dos;
    }
}

TEST(FormPresion, InformacionMuestraYOcultaLaAyuda)
{
    Presion p;
    auto *boton = p.ventana.findChild<QPushButton *>(QStringLiteral("Información"));
    auto *ayuda = p.ventana.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    ASSERT_NE(boton, nullptr);
    ASSERT_NE(ayuda, nullptr);
    EXPECT_FALSE(ayuda->isVisible());
    EXPECT_TRUE(ayuda->toPlainText().startsWith(QStringLiteral("Factores de conversión:")));
    EXPECT_TRUE(ayuda->toHtml().contains(QStringLiteral("vertical-align:super")));
    QTest::mouseClick(boton, Qt::LeftButton);
    EXPECT_TRUE(ayuda->isVisible());
    QTest::mouseClick(boton, Qt::LeftButton);
    EXPECT_FALSE(ayuda->isVisible());
}
