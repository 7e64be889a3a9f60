#include "converters/FormTemperatura.h"
#include "tests/support/Ventana.h"
#include "widgets/TextosNumericos.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>

namespace {

const QString kMensajeCero = QStringLiteral("La temperatura mínima posible es 0 K.");

struct Temperatura : Abierta<FormTemperatura> {
    // Celsius, Fahrenheit and kelvin boxes, in that order.
    QString cfk() { return textos({"TextC", "TextF", "TextK"}); }
};

} // namespace

TEST(FormTemperatura, ConvierteLoQueSeTeclea)
{
    struct Caso {
        const char *caja;
        const char *teclas;
        const char *cfk; // what the three boxes show afterwards
        std::size_t mensajes;
    };
    const Caso casos[] = {
        {"TextC", "100", "100|212|373,15", 0},
        {"TextC", "37", "37|98,6|310,15", 0},
        {"TextF", "32", "0|32|273,15", 0},
        {"TextK", "0", "-273,15|-459,67|0", 0},
        {"TextC", "-40", "-40|-40|233,15", 0},
        {"TextF", "98.6", "37|98,6|310,15", 0}, // the dot becomes a comma
        {"TextC", "36.6", "36,6|97,88|309,75", 0},
        {"TextK", "273.15", "0|32|273,15", 0},
        {"TextK", "-5", "-268,15|-450,67|5", 0}, // no minus sign in kelvin
        {"TextC", "-", "-||", 0},
        {"TextC", ",", ",||", 0},
        {"TextC", "1a", "1|33,8|274,15", 0},
        {"TextC", "-300", "-273,15|-459,67|0", 1},
        {"TextC", "-273.16", "-273,15|-459,67|0", 1},
        {"TextC", "-273.15", "-273,15|-459,67|0", 0},
        {"TextF", "-500", "-273,15|-459,67|0", 0},
        {"TextF", "-459.67", "-273,15|-459,67|0", 0},
        {"TextF", "-459.68", "-273,15|-459,67|0", 0},
    };
    for (const Caso &c : casos) {
        Temperatura t;
        RegistroMensajes &registro = t.mensajes;
        t.teclear(c.caja, c.teclas);
        EXPECT_EQ(t.cfk(), QString::fromUtf8(c.cfk)) << c.caja << " " << c.teclas;
        EXPECT_EQ(registro.mensajes.size(), c.mensajes) << c.caja << " " << c.teclas;
    }
}

TEST(FormTemperatura, CadaTeclaConvierteYBajoElCeroAbsolutoAvisa)
{
    Temperatura t;
    RegistroMensajes &registro = t.mensajes;
    // What the boxes hold after each key of -300 in Celsius.
    const char *const despues[] = {"-||", "-3|26,6|270,15", "-30|-22|243,15", "-273,15|-459,67|0"};
    const char *teclas = "-300";
    for (int i = 0; i < 4; ++i) {
        t.teclear("TextC", teclas[i]);
        EXPECT_EQ(t.cfk(), QString::fromUtf8(despues[i])) << "key " << i;
        EXPECT_EQ(registro.mensajes.size(), i == 3 ? 1U : 0U) << "key " << i;
    }
    ASSERT_EQ(registro.mensajes.size(), 1U);
    EXPECT_EQ(registro.mensajes[0].texto, kMensajeCero);
    EXPECT_EQ(registro.mensajes[0].titulo, QStringLiteral("Error"));
    EXPECT_EQ(registro.mensajes[0].icono, Icono::Error);
    EXPECT_EQ(registro.mensajes[0].ventana, &t.ventana);
}

TEST(FormTemperatura, ElAvisoSaleAntesDeAjustarLasCajas)
{
    Temperatura t;
    RegistroMensajes &registro = t.mensajes;
    QString mientras;
    registro.alMostrar = [&](const MensajeMostrado &) { mientras = t.cfk(); };
    t.teclear("TextC", "-300");
    // While the box is up the kelvin box still shows the impossible value.
    EXPECT_EQ(mientras, QStringLiteral("-300||-26,85"));
}

TEST(FormTemperatura, UnCambioConElAvisoAbiertoNoLoRepite)
{
    Temperatura t;
    RegistroMensajes &registro = t.mensajes;
    // Another impossible kelvin value arriving while the message is up is
    // covered by the snap already under way.
    registro.alMostrar = [&](const MensajeMostrado &) {
        if (registro.mensajes.size() < 5)
            t.caja("TextK")->setText(QStringLiteral("-7"));
    };
    t.teclear("TextC", "-300");
    EXPECT_EQ(registro.mensajes.size(), 1U);
    EXPECT_EQ(t.cfk(), QStringLiteral("-273,15|-459,67|0"));
}

TEST(FormTemperatura, ElSegundoValorSaleDelTextoYaAjustado)
{
    Temperatura t;
    RegistroMensajes &registro = t.mensajes;
    t.teclear("TextC", "-30");
    RegistroCambios cambios(&t.ventana);
    t.teclear("TextC", '0');
    // -300 °C would be -508 °F; once kelvin has snapped the boxes, Fahrenheit
    // comes from the snapped Celsius text instead.
    EXPECT_FALSE(cambios.cambios.contains(QStringLiteral("TextF=-508"))) << cambios.cambios.join(u' ').toStdString();
    EXPECT_TRUE(cambios.cambios.contains(QStringLiteral("TextF=-459,67")));
    EXPECT_EQ(t.cfk(), QStringLiteral("-273,15|-459,67|0"));
    EXPECT_EQ(registro.mensajes.size(), 1U);
}

TEST(FormTemperatura, OrdenDeEscritura)
{
    struct Caso {
        const char *caja;
        const char *cambios;
    };
    const Caso casos[] = {
        {"TextC", "TextC=1 TextK=274,15 TextF=33,8"},
        {"TextF", "TextF=1 TextK=255,93 TextC=-17,22"},
        {"TextK", "TextK=1 TextC=-272,15 TextF=-457,87"},
    };
    for (const Caso &c : casos) {
        Temperatura t;
        RegistroCambios cambios(&t.ventana);
        t.teclear(c.caja, '1');
        EXPECT_EQ(cambios.cambios.join(u' '), QString::fromUtf8(c.cambios)) << c.caja;
    }
}

TEST(FormTemperatura, LosVigilantesVenCambiosQueNoSonTeclas)
{
    struct Caso {
        const char *caja;
        const char *texto;
        const char *cfk;
        std::size_t mensajes;
    };
    const Caso casos[] = {
        {"TextK", "-1", "-273,15|-459,67|0", 1},
        {"TextK", "-0,001", "-273,15|-459,67|0", 1},
        {"TextK", "-1E308", "-273,15|-459,67|0", 1},
        {"TextK", "0", "||0", 0},
        {"TextK", "-0", "||-0", 0},
        {"TextF", "-459,671", "-273,15|-459,67|0", 0},
        {"TextF", "-1E+308", "-273,15|-459,67|0", 0},
        {"TextF", "-459,67", "|-459,67|", 0},
        {"TextC", "-1000", "-1000||", 0}, // Celsius has no watcher of its own
    };
    for (const Caso &c : casos) {
        Temperatura t;
        RegistroMensajes &registro = t.mensajes;
        t.caja(c.caja)->setText(QString::fromUtf8(c.texto));
        EXPECT_EQ(t.cfk(), QString::fromUtf8(c.cfk)) << c.caja << " " << c.texto;
        EXPECT_EQ(registro.mensajes.size(), c.mensajes) << c.caja << " " << c.texto;
    }
}

TEST(FormTemperatura, UnaTeclaVaciaLasOtrasCajas)
{
    Temperatura t;
    t.teclear("TextC", "100");
    ASSERT_EQ(t.cfk(), QStringLiteral("100|212|373,15"));
    // A refused character changes nothing.
    t.caja("TextF")->setFocus();
    QTest::keyClick(t.caja("TextF"), 'x');
    EXPECT_EQ(t.cfk(), QStringLiteral("100|212|373,15"));

    QTest::keyClick(t.caja("TextF"), Qt::Key_Backspace);
    EXPECT_EQ(t.cfk(), QStringLiteral("-6,11|21|267,04"));
    QTest::keyClick(t.caja("TextF"), Qt::Key_Return);
    EXPECT_EQ(t.cfk(), QStringLiteral("-6,11|21|267,04"));
}

TEST(FormTemperatura, TeclasQueNoEscribenNoVacianNada)
{
    Temperatura t;
    t.teclear("TextC", "37");
    // Moving the caret and moving the focus away keep every value; the
    // release of Tab lands in the next box and must not convert from there.
    QTest::keyClick(t.caja("TextC"), Qt::Key_Left);
    QTest::keyClick(t.caja("TextC"), Qt::Key_Home);
    EXPECT_EQ(t.cfk(), QStringLiteral("37|98,6|310,15"));
    t.caja("TextC")->setText(QStringLiteral("1,234"));
    t.teclear("TextC", '5');
    ASSERT_EQ(t.cfk(), QStringLiteral("1,2345|34,22|274,38"));
    QTest::keyPress(t.caja("TextC"), Qt::Key_Tab);
    QTest::keyRelease(t.caja("TextF"), Qt::Key_Tab);
    EXPECT_EQ(t.cfk(), QStringLiteral("1,2345|34,22|274,38"));

    // Delete empties the other boxes as a typed character does; its release converts.
    t.caja("TextC")->setCursorPosition(0);
    QTest::keyClick(t.caja("TextC"), Qt::Key_Delete);
    EXPECT_EQ(t.cfk(), QStringLiteral(",2345|32,42|273,38"));
}

TEST(FormTemperatura, BorrarHastaVaciarVaciaLasOtras)
{
    // Delete and the word deletions leave no conversion of the number they
    // took away beside the empty box.
    struct Caso {
        const char *caja;
        Qt::Key tecla;
        Qt::KeyboardModifiers modificadores;
        bool alPrincipio;
    };
    const Caso casos[] = {
        {"TextK", Qt::Key_Delete, Qt::NoModifier, true},
        {"TextC", Qt::Key_Backspace, Qt::ControlModifier, false},
        {"TextF", Qt::Key_Delete, Qt::ControlModifier, true},
    };
    for (const Caso &c : casos) {
        Temperatura t;
        t.teclear(c.caja, '5');
        ASSERT_NE(t.cfk(), QStringLiteral("||")) << c.caja;
        if (c.alPrincipio)
            t.caja(c.caja)->setCursorPosition(0);
        t.tecla(c.caja, c.tecla, c.modificadores);
        EXPECT_EQ(t.cfk(), QStringLiteral("||")) << c.caja;
    }
}

TEST(FormTemperatura, LoQueNoCabeEnUnDoubleNoSeMuestra)
{
    Temperatura t;
    struct Caso {
        const char *caja;
        QString pegado;
        QString cfk;
    };
    // Pasted as digits: a box takes no exponent.
    const QString e308 = Cifras("1", 308);
    const QString maximo = Cifras("17976931348623157", 292);
    const Caso casos[] = {
        {"TextC", e308, e308 + QStringLiteral("||1E+308")}, // 1,8 x 1E308 does not fit
        {"TextK", e308, QStringLiteral("1E+308||") + e308},
        {"TextF", e308, QStringLiteral("5,55555555555556E+307|") + e308 + QStringLiteral("|5,55555555555556E+307")},
        {"TextC", Cifras("1", 400), Cifras("1", 400) + QStringLiteral("||")},
        {"TextC", u'-' + e308, QStringLiteral("-273,15|-459,67|0")},
        // The largest double: what is written of it still reads as a number.
        {"TextK", maximo, QStringLiteral("1,79769313486232E+308||") + maximo},
    };
    for (const Caso &c : casos) {
        QApplication::clipboard()->setText(c.pegado);
        QLineEdit *caja = t.caja(c.caja);
        caja->setFocus();
        caja->selectAll();
        QTest::keyClick(caja, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(t.cfk(), c.cfk) << c.caja << " " << c.pegado.toStdString();
        for (const char *nombre : {"TextC", "TextF", "TextK"}) {
            // What the window wrote, beside what was pasted.
            const QString escrito = t.caja(nombre)->text();
            if (std::string_view(nombre) != c.caja) {
                EXPECT_TRUE(escrito.isEmpty() || EsTextoNumerico(escrito)) << nombre << " " << escrito.toStdString();
            }
            EXPECT_FALSE(t.caja(nombre)->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive));
            EXPECT_FALSE(t.caja(nombre)->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive));
        }
    }
}

TEST(FormTemperatura, CerrarLaVentanaConElAvisoAbierto)
{
    DeLaLista t(QStringLiteral("FormTemperatura"));
    RegistroMensajes &registro = t.mensajes;
    QPointer<QWidget> ventana = t.ventana();
    ASSERT_TRUE(ventana->testAttribute(Qt::WA_DeleteOnClose));
    registro.alMostrar = [&](const MensajeMostrado &) { ventana->close(); };
    auto *c = ventana->findChild<QLineEdit *>(QStringLiteral("TextC"));
    for (char tecla : {'-', '3', '0', '0'})
        QTest::keyClick(c, tecla);
    EXPECT_EQ(registro.mensajes.size(), 1U);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ventana.isNull());
}

TEST(FormTemperatura, NombresYTextos)
{
    Abierta<FormTemperatura> t;
    FormTemperatura &v = t.ventana;
    EXPECT_EQ(v.objectName(), QStringLiteral("FormTemperatura"));
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Unidades de temperatura                       Orvella"));
    const std::pair<const char *, const char *> etiquetas[] = {
        {"LabelC2", "°C"}, {"LabelF3", "°F"}, {"LabelK", "K"}, {"Igual1", "="},
        {"Igual2", "="},   {"LabelR1", ""},   {"LabelR2", ""},
    };
    for (const auto &[nombre, texto] : etiquetas) {
        auto *etiqueta = v.findChild<QLabel *>(QString::fromUtf8(nombre));
        ASSERT_NE(etiqueta, nullptr) << nombre;
        EXPECT_EQ(etiqueta->text(), QString::fromUtf8(texto)) << nombre;
    }
    for (const char *nombre : {"TextC", "TextF", "TextK"}) {
        auto *caja = v.findChild<QLineEdit *>(QString::fromLatin1(nombre));
        ASSERT_NE(caja, nullptr) << nombre;
        EXPECT_TRUE(caja->text().isEmpty()) << nombre;
    }
}

TEST(FormTemperatura, InformacionMuestraYOcultaLaAyuda)
{
    Temperatura t;
    auto *boton = t.ventana.findChild<QPushButton *>(QStringLiteral("Información"));
    auto *ayuda = t.ventana.findChild<QTextEdit *>(QStringLiteral("RTBinformacion"));
    ASSERT_NE(boton, nullptr);
    ASSERT_NE(ayuda, nullptr);
    EXPECT_EQ(boton->toolTip(), QStringLiteral("Información"));
    EXPECT_FALSE(ayuda->isVisible());
    const QString texto = ayuda->toPlainText();
    EXPECT_TRUE(texto.endsWith(QStringLiteral("ºC = (ºF-32)/1,8\nºF = 1,8 * ºC + 32\nK =  ºC + 273,15")))
        << texto.toStdString();
    for (const char *escala : {"Kelvin", "Celsius", "Fahrenheit"})
        EXPECT_TRUE(texto.contains(QString::fromLatin1(escala))) << escala;

    QTest::mouseClick(boton, Qt::LeftButton);
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_TRUE(t.ventana.rect().contains(ayuda->geometry()));
    QTest::mouseClick(boton, Qt::LeftButton);
    EXPECT_FALSE(ayuda->isVisible());
}
