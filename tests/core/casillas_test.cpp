#include "core/casillas.h"

#include <gtest/gtest.h>

using namespace Calculos;

TEST(Casillas, NombreDeCadaCasilla)
{
    const std::pair<const char *, const char *> casos[] = {
        {"H", "H"},    {"As", "TAs"}, {"In", "TIn"}, {"Tb", "TTb"}, {"Th", "TTh"},
        {"Tl", "TTl"}, {"Y", "TY"},   {"I", "I"},    {"Yb", "Yb"},  {"Ti", "Ti"},
    };
    for (const auto &[simbolo, nombre] : casos)
        EXPECT_EQ(NombreCasilla(simbolo), nombre) << simbolo;
}

TEST(Casillas, SitioEnPixeles)
{
    struct Caso {
        int z;
        Rectangulo zona;
    };
    const Caso casos[] = {
        {1, {58, 90, 57, 47}},    {2, {1027, 90, 57, 47}},  {39, {172, 282, 57, 47}}, {57, {173, 448, 57, 47}},
        {71, {971, 448, 57, 47}}, {89, {173, 520, 57, 47}}, {72, {229, 330, 57, 47}}, {118, {1027, 378, 57, 47}},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(PosicionCasilla(TablaElementos[static_cast<std::size_t>(c.z - 1)]), c.zona) << c.z;
    // The body's pitch: a group is 57 px wide, a period 48 px high.
    EXPECT_EQ(CasillaDelCuerpo(3, 6), (Rectangulo{172, 330, 57, 47}));
    EXPECT_EQ(CasillaDelCuerpo(18, 7).x - CasillaDelCuerpo(17, 7).x, 57);
    EXPECT_EQ(CasillaDelCuerpo(1, 7).y - CasillaDelCuerpo(1, 6).y, 48);
}

TEST(Casillas, NumerosDeGrupoJustoEncimaDeSuPrimeraCasilla)
{
    for (int grupo = 1; grupo <= 18; ++grupo) {
        int periodo = 1;
        if (grupo >= 3 && grupo <= 12)
            periodo = 4;
        else if (grupo >= 2 && grupo <= 17)
            periodo = 2;
        const Rectangulo numero = PosicionNumeroGrupo(grupo);
        const Rectangulo casilla = CasillaDelCuerpo(grupo, periodo);
        EXPECT_EQ(numero.x, casilla.x) << grupo;
        EXPECT_LE(numero.y + numero.alto, casilla.y) << grupo;
        EXPECT_GT(numero.y + numero.alto, casilla.y - 5) << grupo;
    }
}
