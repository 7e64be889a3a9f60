#include "shell/Dibujos.h"
#include "widgets/IconoAplicacion.h"

#include <gtest/gtest.h>

TEST(Dibujos, TamanosYSiempreIguales)
{
    EXPECT_EQ(DibujarOndas().size(), QSize(425, 319));
    EXPECT_EQ(DibujarGalaxia().size(), QSize(800, 600));
    EXPECT_EQ(DibujarCarta().size(), QSize(32, 32));
    EXPECT_EQ(DibujarOndas(), DibujarOndas());
    EXPECT_EQ(DibujarGalaxia(), DibujarGalaxia());
    // Each frame moves the electrons: no two frames alike, and the tenth
    // step comes back to the first frame.
    for (int a = 0; a < kFotogramasAtomo; ++a) {
        EXPECT_EQ(DibujarAtomo(a).size(), QSize(32, 32));
        for (int b = a + 1; b < kFotogramasAtomo; ++b)
            EXPECT_NE(DibujarAtomo(a), DibujarAtomo(b)) << a << " " << b;
    }
    EXPECT_EQ(DibujarAtomo(10), DibujarAtomo(0));
}

TEST(Dibujos, ADobleDensidadSeDibujanDeNuevoNoSeAmplian)
{
    struct Caso {
        const char *nombre;
        QImage sencillo;
        QImage doble;
    };
    const Caso casos[] = {
        {"ondas", DibujarOndas(), DibujarOndas(2)},
        {"galaxia", DibujarGalaxia(), DibujarGalaxia(2)},
        {"carta", DibujarCarta(), DibujarCarta(2)},
        {"atomo", DibujarAtomo(3), DibujarAtomo(3, 2)},
    };
    for (const Caso &c : casos) {
        EXPECT_DOUBLE_EQ(c.doble.devicePixelRatio(), 2.0) << c.nombre;
        EXPECT_EQ(c.doble.size(), c.sencillo.size() * 2) << c.nombre;
        EXPECT_EQ(c.doble.deviceIndependentSize(), QSizeF(c.sencillo.size())) << c.nombre;
        // Not the small picture blown up: the doubled pixels are not all in
        // pairs, and the picture shows the same things in the same places.
        const QImage ampliada = c.sencillo.scaled(c.doble.size()).convertToFormat(c.doble.format());
        EXPECT_NE(c.doble, ampliada) << c.nombre;
        const QImage reducida = c.doble.scaled(c.sencillo.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QPoint centro(c.sencillo.width() / 2, c.sencillo.height() / 2);
        const QColor a = c.sencillo.pixelColor(centro);
        const QColor b = reducida.pixelColor(centro);
        EXPECT_NEAR(a.red(), b.red(), 40) << c.nombre;
        EXPECT_NEAR(a.blue(), b.blue(), 40) << c.nombre;
    }
}
