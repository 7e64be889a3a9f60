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

namespace {

struct Caso {
    TipoFiltro tipo;
    const char *tecleado;
    const char *queda;
};

} // namespace

TEST(FiltroTeclas, TextoQueQuedaEnElCampo)
{
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
        // Pasted, the same text leaves the same, the caret after it.
        CampoFiltrado p(c.tipo);
        QApplication::clipboard()->setText(QString::fromLatin1(c.tecleado));
        QTest::keyClick(&p.campo, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(p.campo.text().toStdString(), c.queda) << c.tecleado << " pasted";
        EXPECT_EQ(p.campo.cursorPosition(), p.campo.text().size()) << c.tecleado;
    }
}

TEST(FiltroTeclas, PegarEnMedioYSobreUnaSeleccion)
{
    struct Pegado {
        const char *antes;
        int desde, hasta; // the selection, or the caret when equal
        const char *pegado;
        const char *queda;
        int caret;
    };
    const Pegado casos[] = {
        {"125", 1, 1, "x.", "1,25", 2},
        {"125", 0, 2, "9.9", "9,95", 3},
        // Nothing of it left: as a refused key, the selection stays.
        {"125", 0, 2, "abc", "125", 2},
        {"125", 3, 3, "\n7\t", "1257", 4},
    };
    for (const Pegado &c : casos) {
        CampoFiltrado f(TipoFiltro::Decimal);
        f.campo.setText(QString::fromLatin1(c.antes));
        f.campo.setSelection(c.desde, c.hasta - c.desde);
        if (c.desde == c.hasta)
            f.campo.setCursorPosition(c.desde);
        QApplication::clipboard()->setText(QString::fromLatin1(c.pegado));
        f.campo.paste();
        EXPECT_EQ(f.campo.text().toStdString(), c.queda) << c.pegado;
        EXPECT_EQ(f.campo.cursorPosition(), c.caret) << c.pegado;
    }
}

TEST(FiltroTeclas, LoQueEscribeElProgramaYLoQueSeDeshaceNoSeFiltra)
{
    CampoFiltrado f(TipoFiltro::Decimal);
    f.campo.setText(QStringLiteral("1,5E-05"));
    EXPECT_EQ(f.campo.text(), QStringLiteral("1,5E-05"));
    QTest::keyClicks(&f.campo, QStringLiteral("3"));
    EXPECT_EQ(f.campo.text(), QStringLiteral("1,5E-053"));
    f.campo.selectAll();
    QTest::keyClick(&f.campo, Qt::Key_Delete);
    EXPECT_EQ(f.campo.text(), QString());
    f.campo.undo();
    EXPECT_EQ(f.campo.text(), QStringLiteral("1,5E-053"));
    f.campo.undo();
    EXPECT_EQ(f.campo.text(), QStringLiteral("1,5E-05"));
    f.campo.redo();
    EXPECT_EQ(f.campo.text(), QStringLiteral("1,5E-053"));
}

TEST(FiltroTeclas, ElTopeRecortaYAvisaUnaVez)
{
    struct Topado {
        const char *antes;
        const char *tecleado; // typed key by key, or pasted when it starts with '='
        const char *queda;
        std::size_t avisos;
    };
    const Topado casos[] = {
        {"", "1000000", "100000", 1}, {"", "=1000000", "100000", 1}, {"99", "=9999999", "999999", 1},
        {"999999", "9", "999999", 1}, {"", "=12,5", "12,5", 0},      {"10", "=5.5", "105,5", 0},
    };
    for (const Topado &c : casos) {
        RegistroMensajes registro;
        QLineEdit campo;
        campo.setText(QString::fromLatin1(c.antes));
        InstalarFiltro(&campo, TipoFiltro::Decimal, Tope{999999, QStringLiteral("Valor máximo 999999.")});
        campo.show();
        campo.setFocus();
        const QString texto = QString::fromLatin1(c.tecleado);
        if (texto.startsWith(u'=')) {
            QApplication::clipboard()->setText(texto.mid(1));
            QTest::keyClick(&campo, Qt::Key_V, Qt::ControlModifier);
        } else {
            QTest::keyClicks(&campo, texto);
        }
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(campo.text().toStdString(), c.queda) << c.tecleado;
        EXPECT_EQ(registro.mensajes.size(), c.avisos) << c.tecleado;
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

    // A paste that passes as it stands is undone as one.
    QApplication::clipboard()->setText(QStringLiteral("2,5"));
    QTest::keyClick(&f.campo, Qt::Key_End);
    QTest::keyClick(&f.campo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.campo.text(), QStringLiteral("12,5"));
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

    // Pasted, each message once, after the text has landed.
    registro.mensajes.clear();
    QApplication::clipboard()->setText(QStringLiteral("x.y.z"));
    f.campo.paste();
    EXPECT_EQ(f.campo.text(), QStringLiteral("1.5x,2ñx.y.z"));
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(registro.mensajes.size(), 2U);
    EXPECT_EQ(registro.mensajes[0].texto, QStringLiteral("Carácter no válido."));
    EXPECT_EQ(registro.mensajes[1].texto, QStringLiteral("Utilice la coma para separar los decimales."));
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
