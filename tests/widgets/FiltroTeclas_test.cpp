#include "tests/support/RegistroMensajes.h"
#include "widgets/FiltroTeclas.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using Calculos::TipoFiltro;

namespace {

struct CampoFiltrado {
    explicit CampoFiltrado(TipoFiltro tipo)
    {
        InstalarFiltro(&campo, tipo);
        campo.show();
        campo.activateWindow();
        campo.setFocus();
    }
    QLineEdit campo;
};

} // namespace

TEST(FiltroTeclas, TextoQueQuedaEnElCampo)
{
    struct Caso {
        TipoFiltro tipo;
        const char *tecleado;
        const char *queda;
    };
    const Caso casos[] = {
        {TipoFiltro::Decimal, "1.5", "1,5"},
        {TipoFiltro::Decimal, "1a2", "12"},
        {TipoFiltro::Decimal, "-3", "3"},
        {TipoFiltro::Decimal, "1,,2", "1,,2"}, // a second comma is judged when the number is read
        {TipoFiltro::Decimal, "..", ",,"},
        {TipoFiltro::DecimalConSigno, "-1.5", "-1,5"},
        {TipoFiltro::DecimalConSigno, "2-", "2-"},
        {TipoFiltro::DecimalConSigno, "x-y", "-"},
        {TipoFiltro::Entero, "1.5", "15"},
        {TipoFiltro::Entero, "1,5", "1,5"},
        {TipoFiltro::Entero, "-7 ", "7"},
    };
    for (const Caso &c : casos) {
        CampoFiltrado f(c.tipo);
        QTest::keyClicks(&f.campo, QString::fromLatin1(c.tecleado));
        EXPECT_EQ(f.campo.text().toStdString(), c.queda) << c.tecleado;
    }
}

TEST(FiltroTeclas, LaComaQuedaDondeSeTecleoElPunto)
{
    CampoFiltrado f(TipoFiltro::Decimal);
    f.campo.setText(QStringLiteral("125"));
    f.campo.setCursorPosition(1);
    QTest::keyClick(&f.campo, '.');
    EXPECT_EQ(f.campo.text(), QStringLiteral("1,25"));
    EXPECT_EQ(f.campo.cursorPosition(), 2);

    // A refused character leaves text and caret alone.
    QTest::keyClick(&f.campo, 'x');
    EXPECT_EQ(f.campo.text(), QStringLiteral("1,25"));
    EXPECT_EQ(f.campo.cursorPosition(), 2);

    // A dot over a selection replaces it, as typing a comma would.
    f.campo.setSelection(0, 2);
    QTest::keyClick(&f.campo, '.');
    EXPECT_EQ(f.campo.text(), QStringLiteral(",25"));
    EXPECT_EQ(f.campo.cursorPosition(), 1);
}

TEST(FiltroTeclas, TeclasDeControlYAtajosSiguenFuncionando)
{
    CampoFiltrado f(TipoFiltro::Decimal);
    QTest::keyClicks(&f.campo, QStringLiteral("123"));
    QTest::keyClick(&f.campo, Qt::Key_Backspace);
    EXPECT_EQ(f.campo.text(), QStringLiteral("12"));

    QTest::keyClick(&f.campo, Qt::Key_Left);
    QTest::keyClick(&f.campo, Qt::Key_Delete);
    EXPECT_EQ(f.campo.text(), QStringLiteral("1"));

    QSignalSpy enter(&f.campo, &QLineEdit::returnPressed);
    QTest::keyClick(&f.campo, Qt::Key_Return);
    EXPECT_EQ(enter.count(), 1);

    // Paste is not typing: what it brings is judged when the number is read.
    QApplication::clipboard()->setText(QStringLiteral("a.b"));
    QTest::keyClick(&f.campo, Qt::Key_End);
    QTest::keyClick(&f.campo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.campo.text(), QStringLiteral("1a.b"));

    QTest::keyClick(&f.campo, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.campo.text(), QStringLiteral("1"));
}

TEST(FiltroTeclas, ElFiltroConMensajeAvisaYDejaPasar)
{
    RegistroMensajes registro;
    CampoFiltrado f(TipoFiltro::ConMensaje);
    QTest::keyClicks(&f.campo, QStringLiteral("1.5x,2"));
    EXPECT_EQ(f.campo.text(), QStringLiteral("1.5x,2"));
    ASSERT_EQ(registro.mensajes.size(), 2U);
    EXPECT_EQ(registro.mensajes[0].texto, QStringLiteral("Utilice la coma para separar los decimales."));
    EXPECT_EQ(registro.mensajes[1].texto, QStringLiteral("Carácter no válido."));
    for (const MensajeMostrado &m : registro.mensajes) {
        EXPECT_EQ(m.titulo, QStringLiteral("Error"));
        EXPECT_EQ(m.icono, Icono::Error);
        EXPECT_EQ(m.ventana, &f.campo);
    }

    // Non-ASCII letters are judged like any other character.
    QTest::sendKeyEvent(QTest::Click, &f.campo, Qt::Key_Ntilde, QStringLiteral("ñ"), Qt::NoModifier);
    EXPECT_EQ(registro.mensajes.size(), 3U);
    EXPECT_EQ(f.campo.text(), QStringLiteral("1.5x,2ñ"));
}

TEST(FiltroTeclas, LosFiltrosSilenciososNoAvisan)
{
    RegistroMensajes registro;
    for (TipoFiltro tipo : {TipoFiltro::Decimal, TipoFiltro::DecimalConSigno, TipoFiltro::Entero}) {
        CampoFiltrado f(tipo);
        QTest::keyClicks(&f.campo, QStringLiteral("a.-+ "));
        QTest::sendKeyEvent(QTest::Click, &f.campo, Qt::Key_Ntilde, QStringLiteral("ñ"), Qt::NoModifier);
    }
    EXPECT_TRUE(registro.mensajes.empty());
}

namespace {

// A window that does its own work on a key press before filtering it, as the
// calculators do when they empty the neighbouring field.
class VentanaConManejador : public QWidget {
public:
    VentanaConManejador()
    {
        propio.setParent(this);
        vecino.setParent(this);
        vecino.setText(QStringLiteral("vecino"));
        propio.installEventFilter(this);
    }

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (objeto == &propio && evento->type() == QEvent::KeyPress) {
            ++pulsaciones;
            vecino.clear();
            return AplicarFiltro(objeto, static_cast<QKeyEvent *>(evento), TipoFiltro::Decimal);
        }
        return false;
    }

    QLineEdit propio;
    QLineEdit vecino;
    int pulsaciones = 0;
};

} // namespace

TEST(FiltroTeclas, ElManejadorDeLaVentanaCorreAntesYUnaSolaVez)
{
    VentanaConManejador v;
    v.show();
    v.propio.setFocus();
    QTest::keyClicks(&v.propio, QStringLiteral("2.5"));
    EXPECT_EQ(v.propio.text(), QStringLiteral("2,5"));
    EXPECT_EQ(v.vecino.text(), QString());
    EXPECT_EQ(v.pulsaciones, 3);
}
