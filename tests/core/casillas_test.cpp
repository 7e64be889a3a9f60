#include "core/casillas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

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

// What a screen reader says for each tile: its element, then its family and
// its place, the series by their row and column.
TEST(Casillas, LecturaDeCadaCasilla)
{
    struct Caso {
        int z;
        const char *nombre;
        const char *descripcion;
    };
    const Caso casos[] = {
        {1, "Hidrógeno, número atómico 1", "No metal. Grupo 1, periodo 1"},
        {2, "Helio, número atómico 2", "Gas noble. Grupo 18, periodo 1"},
        {26, "Hierro, número atómico 26", "Metal de transición. Grupo 8, periodo 4"},
        {57, "Lantano, número atómico 57", "Lantánido. Lantánidos, columna 1"},
        {71, "Lutecio, número atómico 71", "Lantánido. Lantánidos, columna 15"},
        {72, "Hafnio, número atómico 72", "Metal de transición. Grupo 4, periodo 6"},
        {89, "Actinio, número atómico 89", "Actínido. Actínidos, columna 1"},
        {103, "Laurencio, número atómico 103", "Actínido. Actínidos, columna 15"},
        {104, "Rutherfordio, número atómico 104", "Metal de transición. Grupo 4, periodo 7"},
        {118, "Oganesón, número atómico 118", "Gas noble. Grupo 18, periodo 7"},
    };
    for (const Caso &c : casos) {
        const Elemento &e = TablaElementos[static_cast<std::size_t>(c.z - 1)];
        EXPECT_EQ(LecturaElemento(e), c.nombre) << c.z;
        EXPECT_EQ(DescripcionCasilla(e), c.descripcion) << c.z;
    }
}

// Every tile has a place of its own: no two are read alike.
TEST(Casillas, CadaLugarUnaVez)
{
    std::set<std::string> lugares;
    for (const Elemento &e : TablaElementos)
        EXPECT_TRUE(lugares.insert(LugarCasilla(e)).second) << LugarCasilla(e);
    std::set<std::string> familias;
    for (const Elemento &e : TablaElementos)
        familias.insert(std::string(NombreDeClase(e.clase)));
    EXPECT_EQ(familias.size(), 10U) << "hydrogen shares its family with the other non-metals";
}
