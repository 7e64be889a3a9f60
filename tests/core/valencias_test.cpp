#include "core/valencias.h"

#include "core/elementos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace Calculos;

TEST(Valencias, FilasConocidas)
{
    struct Caso {
        int z;
        std::vector<int> valencias;
    };
    const Caso casos[] = {
        {1, {-1, 1}},
        {8, {-2}},
        {9, {-1}},
        {11, {1}},
        {17, {-1, 1, 3, 5, 7}},
        {26, {2, 3}},
        {7, {-3, 1, 2, 3, 4, 5}},
        {6, {-4, 2, 4}},
        {16, {-2, 2, 4, 6}},
        {25, {2, 3, 4, 6, 7}},
        {24, {2, 3, 6}},
        {29, {1, 2}},
        {82, {2, 4}},
        {2, {}},
        {0, {}},
        {119, {}},
        {-5, {}},
        {118, {}},
        {92, {}},
    };
    for (const Caso &c : casos) {
        const auto v = Valencias(c.z);
        EXPECT_EQ(std::vector<int>(v.begin(), v.end()), c.valencias) << "Z=" << c.z;
    }
}

// What every row must satisfy, whatever was typed: ascending without
// repeats, no zero, at most one negative state, which for a main-group
// element is its group minus 18 (boron's -3 and hydrogen's -1 aside), and no
// positive state above the group's number of outer electrons.
TEST(Valencias, CadaFilaEsCoherenteConSuGrupo)
{
    int conValencias = 0;
    for (const Elemento &e : TablaElementos) {
        const auto v = Valencias(e.z);
        if (!v.empty())
            ++conValencias;
        EXPECT_TRUE(std::is_sorted(v.begin(), v.end())) << e.simbolo;
        EXPECT_EQ(std::adjacent_find(v.begin(), v.end()), v.end()) << e.simbolo;
        EXPECT_EQ(std::count(v.begin(), v.end(), 0), 0) << e.simbolo;
        const auto negativos = std::count_if(v.begin(), v.end(), [](int x) { return x < 0; });
        EXPECT_LE(negativos, 1) << e.simbolo;
        for (int x : v) {
            EXPECT_GE(x, -4) << e.simbolo;
            int maximo = e.grupo >= 13 ? e.grupo - 10 : e.grupo;
            if (e.grupo == 11 || e.grupo == 12)
                maximo = e.grupo - 8;
            EXPECT_LE(x, maximo) << e.simbolo;
            if (x < 0 && e.grupo >= 14) {
                EXPECT_EQ(x, e.grupo - 18) << e.simbolo;
            }
        }
    }
    // Every element a school table lists, and no more: the main groups up to
    // period 6 bar the noble gases, and the usual metals of the d block.
    EXPECT_GE(conValencias, 40);
    EXPECT_LE(conValencias, 60);
}
