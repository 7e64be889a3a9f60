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
