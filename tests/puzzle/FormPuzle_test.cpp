#include "tests/puzzle/Puzles.h"

#include <gtest/gtest.h>

namespace {

class Puzle : public ::testing::Test, public EntornoPuzle, public PuzleAbierto<FormPuzle> {
protected:
    // Every cell's caption, in order of Z.
    QString Tablero() const
    {
        QStringList textos;
        for (const Calculos::Elemento &e : Calculos::TablaElementos)
            textos << texto(QString::fromStdString(Calculos::NombreCelda(e.simbolo)));
        return textos.join(u' ');
    }
};

} // namespace

TEST_F(Puzle, UnaCeldaLlenaCuentaComoFallo)
{
    // The lanthanides' row starts under column 3.
    EXPECT_NEAR(control<QLabel>(QStringLiteral("La"))->x(), control<QLabel>(QStringLiteral("TY"))->x(), 1);
    EXPECT_EQ(Tablero(), QString(117, u' '));

    const QString primero = Pedido();
    Jugar("c");
    auto *celda = control<QLabel>(Celda(primero));
    EXPECT_EQ(celda->text(), primero);
    EXPECT_EQ(celda->font().pointSizeF(), 22);

    const QString segundo = Pedido();
    clic(celda->objectName());
    EXPECT_EQ(mensajes.textos(), QStringList{QStringLiteral("Posición incorrecta.")});
    EXPECT_EQ(Lista(), QStringList{segundo});
    EXPECT_EQ(Pedido(), segundo);
}

TEST_F(Puzle, NumerosAtomicos)
{
    auto *z = control<QPushButton>(QStringLiteral("Command_Z"));
    auto *noZ = control<QPushButton>(QStringLiteral("Command_No_Z"));
    EXPECT_EQ(noZ->geometry(), z->geometry());
    EXPECT_TRUE(noZ->font().strikeOut() && !z->font().strikeOut());

    const QString primero = Pedido();
    Jugar("cc");
    const QString pedido = Pedido();
    clic(QStringLiteral("Command_Z"));
    EXPECT_TRUE(z->isHidden() && !noZ->isHidden());
    QStringList numeros;
    for (int n = 1; n <= 118; ++n)
        numeros << QString::number(n);
    EXPECT_EQ(Tablero(), numeros.join(u' ')) << "over the placed symbols too";
    EXPECT_EQ(control<QLabel>(Celda(primero))->font().pointSizeF(), 22);

    clic(QStringLiteral("Command_No_Z"));
    EXPECT_TRUE(!z->isHidden() && noZ->isHidden());
    EXPECT_EQ(Tablero(), QString(117, u' '));

    // The game is as it was: the next placement writes its symbol.
    EXPECT_EQ(Pedido(), pedido);
    Jugar("c");
    EXPECT_EQ(texto(Celda(pedido)), pedido);
    EXPECT_TRUE(mensajes.mensajes.empty());
}

TEST_F(Puzle, CadaCeldaRecibeLosClicsDeSuSitio)
{
    // The frame and lines drawn round the two rows below the table take no
    // clicks: the cell under the pointer does.
    for (const Calculos::Elemento &e : Calculos::TablaElementos) {
        auto *celda = control<QLabel>(QString::fromStdString(Calculos::NombreCelda(e.simbolo)));
        EXPECT_EQ(ventana.childAt(celda->mapTo(&ventana, celda->rect().center())), celda) << e.simbolo;
    }

    // Played through the window, as the mouse does, up to a lanthanide or an
    // actinide.
    const auto enLasSeries = [](const QString &simbolo) {
        return Calculos::BuscarElemento(simbolo.toStdString())->columnaF > 0;
    };
    for (int i = 0; i < 118 && !enLasSeries(Pedido()); ++i)
        Jugar("c");
    const QString pedido = Pedido();
    auto *celda = control<QLabel>(Celda(pedido));
    QTest::mouseClick(ventana.windowHandle(), Qt::LeftButton, {}, celda->mapTo(&ventana, celda->rect().center()));
    EXPECT_EQ(celda->text(), pedido);
    EXPECT_TRUE(mensajes.mensajes.empty());
    EXPECT_NE(Pedido(), pedido);
}
