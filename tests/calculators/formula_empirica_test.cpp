#include "calculators/formula_empirica.h"

#include "core/numeros.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace Calculos;

namespace {

std::string Simbolos(const std::vector<FilaPorcentual> &filas)
{
    std::string s;
    for (const FilaPorcentual &f : filas)
        s += f.simbolo + " ";
    return s;
}

FilasEmpiricas Filas(std::initializer_list<std::pair<int, DatoEmpirico>> datos)
{
    FilasEmpiricas filas;
    for (const auto &[n, dato] : datos)
        filas[n] = dato;
    return filas;
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(ComposicionPorcentual, FilasEnElOrdenDelAnalisis)
{
    struct Caso {
        const char *formula;
        double masaMostrada;
        const char *simbolos;
        std::vector<double> porcentajes;
    };
    const Caso casos[] = {
        // The displayed mass, not the exact 18.0148, is the divisor.
        {"H2O", 18.015, "O H ", {88.8093, 11.1896}},
        {"NaCl", 58.442, "Cl Na ", {60.6636, 39.3364}},
        {"CH3COOH", 60.052, "H O O C H C ", {1.6784, 26.6419, 26.6419, 20.001, 5.0351, 20.001}},
        {"H0", 1.008, "H ", {99.9901}},
        // Eleven groups: the leftmost one is not shown.
        {"HHeLiBeBCNOFNeNa", 1, "Na Ne F O N C B Be Li He ", {}},
    };
    for (const Caso &c : casos) {
        const auto filas = ComposicionPorcentual(AnalizarFormula(c.formula).grupos, c.masaMostrada);
        EXPECT_EQ(Simbolos(filas), c.simbolos) << c.formula;
        for (std::size_t n = 0; n < c.porcentajes.size() && n < filas.size(); ++n)
            EXPECT_DOUBLE_EQ(filas[n].porcentaje, c.porcentajes[n]) << c.formula << " row " << n;
    }
}

TEST(ComposicionPorcentual, SinMasaUtilNoHayFilas)
{
    const auto grupos = AnalizarFormula("H2O").grupos;
    for (double masa : {0.0, -18.015, kInf, kNaN})
        EXPECT_TRUE(ComposicionPorcentual(grupos, masa).empty()) << masa;
}

TEST(ComposicionPorcentual, CuentasEnormesDanPorcentajesFinitos)
{
    struct Caso {
        const char *nombre;
        std::string formula;
        std::vector<double> porcentajes;
    };
    // mass x count x 100 overflows where the share itself does not.
    const Caso casos[] = {
        {"one group", "W1" + std::string(305, '0'), {100}},
        {"two groups, rightmost first", "W1" + std::string(305, '0') + "H", {0, 100}},
    };
    for (const Caso &c : casos) {
        const AnalisisFormula a = AnalizarFormula(c.formula);
        ASSERT_EQ(a.error, ErrorFormula::Ninguno) << c.nombre;
        const auto filas = ComposicionPorcentual(a.grupos, Redondear(a.masa, 3));
        ASSERT_EQ(filas.size(), c.porcentajes.size()) << c.nombre;
        for (std::size_t n = 0; n < filas.size(); ++n) {
            EXPECT_TRUE(std::isfinite(filas[n].porcentaje)) << c.nombre << " row " << n;
            EXPECT_NEAR(filas[n].porcentaje, c.porcentajes[n], 1e-4) << c.nombre << " row " << n;
        }
    }
}

TEST(ComposicionPorcentual, LosGruposHallados_AntesDeUnError)
{
    // "Xx" is refused, but the groups to its right are still listed.
    const auto analisis = AnalizarFormula("XxH2O");
    ASSERT_EQ(analisis.error, ErrorFormula::SimboloDesconocido);
    EXPECT_EQ(Simbolos(ComposicionPorcentual(analisis.grupos, 18.015)), "O H ");
}

TEST(SinFracciones, Pasadas)
{
    struct Caso {
        const char *nombre;
        Razones entrada;
        Razones salida;
    };
    const Caso casos[] = {
        {"halves need a factor 2", {1, 1.5}, {2, 3}},
        {"thirds need a factor 3", {1, 1.3333}, {3, 3.9999}},
        {"two thirds need 3 as well", {1, 1.6667}, {3, 5.0001}},
        {"within the tolerance: left alone", {1, 1.25, 2.7}, {1, 1.25, 2.7}},
        {"exactly the tolerance away does not start a pass", {1, 0.3}, {1, 0.3}},
        {"two passes multiply", {1, 1.5, 1.3333}, {6, 9, 7.9998}},
        // The third row's pass doubles row 2, already examined at 1,2; it is
        // not looked at again.
        {"rows examined are not examined again", {1, 1.2, 1.5}, {2, 2.4, 3}},
        {"absent rows stay 0", {1, 0, 1.5}, {2, 0, 3}},
    };
    for (const Caso &c : casos) {
        const Razones r = SinFracciones(c.entrada);
        for (int n = 0; n < kFilasComposicion; ++n)
            EXPECT_NEAR(r[n], c.salida[n], 1e-9) << c.nombre << " row " << n;
    }
}

TEST(SinFracciones, ValoresNoFinitosNoCuelgan)
{
    const Razones r = SinFracciones({1, kNaN, kInf, 1.5});
    EXPECT_EQ(r[0], 2);
    EXPECT_TRUE(std::isnan(r[1]));
    EXPECT_TRUE(std::isinf(r[2]));
    EXPECT_EQ(r[3], 3);
}

TEST(FormulaEmpirica, Subindices)
{
    struct Caso {
        const char *nombre;
        FilasEmpiricas filas;
        Razones subindices;
    };
    const Caso casos[] = {
        {"iron oxide", Filas({{0, {"Fe", 69.94}}, {1, {"O", 30.06}}}), {2, 3}},
        {"the smallest ratio need not be in row 1", Filas({{0, {"O", 30.06}}, {1, {"Fe", 69.94}}}), {3, 2}},
        {"glucose", Filas({{0, {"C", 40.0}}, {1, {"H", 6.71}}, {2, {"O", 53.29}}}), {1, 2, 1}},
        // Masses in grams work as well as percentages.
        {"water from grams", Filas({{0, {"H", 2.0158}}, {1, {"O", 15.999}}}), {2, 1}},
        {"rows with gaps", Filas({{0, {"Na", 39.34}}, {4, {"Cl", 60.66}}}), {1, 0, 0, 0, 1}},
        {"two-letter symbol looked up after the one-letter one",
         Filas({{0, {"Co", 58.933}}, {1, {"C", 12.011}}, {2, {"O", 15.999}}}),
         {1, 1, 1}},
        {"propene: thirds", Filas({{0, {"C", 85.63}}, {1, {"H", 14.37}}}), {1, 2}},
        {"C3H4: a factor 3", Filas({{0, {"C", 89.94}}, {1, {"H", 10.06}}}), {3, 4}},
    };
    for (const Caso &c : casos) {
        const ResultadoEmpirico r = FormulaEmpirica(c.filas);
        ASSERT_EQ(r.fallo, FalloEmpirico::Ninguno) << c.nombre;
        for (int n = 0; n < kFilasComposicion; ++n)
            EXPECT_EQ(r.subindices[n], c.subindices[n]) << c.nombre << " row " << n;
    }
}

TEST(FormulaEmpirica, FilasQueNoSePuedenCalcular)
{
    struct Caso {
        const char *nombre;
        FilasEmpiricas filas;
        FalloEmpirico fallo;
        int fila;
    };
    const Caso casos[] = {
        {"unknown symbol", Filas({{0, {"Fe", 70}}, {1, {"Xx", 30}}}), FalloEmpirico::SimboloDesconocido, 1},
        {"no calculation mass", Filas({{0, {"Og", 70}}, {1, {"O", 30}}}), FalloEmpirico::SimboloDesconocido, 0},
        {"lower-case symbol", Filas({{0, {"fe", 70}}}), FalloEmpirico::SimboloDesconocido, 0},
        {"zero percentage", Filas({{0, {"Fe", 70}}, {1, {"O", 0}}}), FalloEmpirico::PorcentajeNoValido, 1},
        {"negative percentage", Filas({{0, {"Fe", -70}}, {1, {"O", 30}}}), FalloEmpirico::PorcentajeNoValido, 0},
        {"ratio underflows to 0", Filas({{0, {"Fe", 70}}, {1, {"Mt", 5e-324}}}), FalloEmpirico::PorcentajeNoValido, 1},
        {"relative ratio overflows", Filas({{0, {"H", 1e300}}, {1, {"Mt", 1e-300}}}), FalloEmpirico::PorcentajeNoValido,
         0},
        {"infinite percentage", Filas({{0, {"H", kInf}}}), FalloEmpirico::PorcentajeNoValido, 0},
        {"NaN percentage", Filas({{0, {"H", 1}}, {1, {"O", kNaN}}}), FalloEmpirico::PorcentajeNoValido, 1},
    };
    for (const Caso &c : casos) {
        const ResultadoEmpirico r = FormulaEmpirica(c.filas);
        EXPECT_EQ(r.fallo, c.fallo) << c.nombre;
        EXPECT_EQ(r.fila, c.fila) << c.nombre;
    }
}

TEST(FormulaEmpirica, NingunSubindiceEsInfinitoNiNaN)
{
    // Extreme but finite inputs: whatever comes out is a finite number.
    const double extremos[] = {1e-300, 1e-10, 1, 1e10, 1e300};
    for (double a : extremos) {
        for (double b : extremos) {
            const ResultadoEmpirico r = FormulaEmpirica(Filas({{0, {"H", a}}, {1, {"Mt", b}}}));
            if (r.fallo != FalloEmpirico::Ninguno)
                continue;
            for (double v : r.subindices)
                EXPECT_TRUE(std::isfinite(v)) << a << " " << b;
        }
    }
}
