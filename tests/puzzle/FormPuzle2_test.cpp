#include "tests/puzzle/Puzles.h"

#include <gtest/gtest.h>

namespace {

class Puzle2 : public ::testing::Test, public EntornoPuzle, public PuzleAbierto<FormPuzle2> {
protected:
    QLabel *Simbolo(const QString &s) const
    {
        return control<QLabel>(QString::fromStdString(Calculos::NombreCelda(s.toStdString())));
    }
    // What shows on top of each cell, in order of the reduced table.
    QStringList Tablero() const
    {
        QStringList textos;
        for (int k = 1; k <= Calculos::kNumeroReducidos; ++k) {
            const QLabel *s = Simbolo(QString::fromStdString(Calculos::SimboloDeOrden(Calculos::Tablero::Reducido, k)));
            textos << qobject_cast<QLabel *>(ventana.childAt(s->geometry().center()))->text();
        }
        return textos;
    }
};

} // namespace

TEST_F(Puzle2, UnaCeldaLlenaNoHaceNada)
{
    for (const char *nombre : {"Ce", "Lu", "TTb", "TTh", "Rf", "LabelOg", "Lantánidos", "Line5"})
        EXPECT_EQ(ventana.findChild<QWidget *>(QString::fromUtf8(nombre)), nullptr) << nombre;
    EXPECT_EQ(Simbolo(QStringLiteral("I"))->text(), QStringLiteral("I"));

    const QString primero = Pedido();
    Jugar("c");
    const QString segundo = Pedido();
    QWidget *arriba = ventana.childAt(Simbolo(primero)->geometry().center());
    EXPECT_EQ(arriba, Simbolo(primero)) << "the cover is gone";
    EXPECT_EQ(Simbolo(primero)->font().pointSizeF(), 16);
    clic(arriba->objectName());
    EXPECT_TRUE(mensajes.mensajes.empty());
    EXPECT_EQ(texto(QStringLiteral("LabelFallos")), QStringLiteral("0"));
    EXPECT_EQ(Pedido(), segundo);
}

TEST_F(Puzle2, NumerosAtomicos)
{
    EXPECT_EQ(Tablero(), QStringList(75, QString()));
    Jugar("cc");
    QStringList numeros;
    QStringList blancos;
    for (int k = 1; k <= Calculos::kNumeroReducidos; ++k) {
        const QString s = QString::fromStdString(Calculos::SimboloDeOrden(Calculos::Tablero::Reducido, k));
        const bool colocado = control<QLabel>(Celda(s))->isHidden();
        numeros << (colocado ? s : QString::number(Calculos::NumeroReducido(k)));
        blancos << (colocado ? s : QString());
    }
    EXPECT_EQ(blancos.count(QString()), 73);
    clic(QStringLiteral("Command_Z"));
    EXPECT_EQ(Tablero(), numeros) << "placed cells keep their symbol";
    clic(QStringLiteral("Command_No_Z"));
    EXPECT_EQ(Tablero(), blancos);
}
