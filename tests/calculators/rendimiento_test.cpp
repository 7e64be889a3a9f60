#include "calculators/rendimiento.h"

#include <gtest/gtest.h>

#include <limits>

using namespace Calculos;

namespace {

constexpr double kMaximo = std::numeric_limits<double>::max();

// Molar masses as the window keeps them.
constexpr double kH2 = 2.0158;
constexpr double kH2O = 18.0148;
constexpr double kNaCl = 58.442;

} // namespace

TEST(Rendimiento, MasaTeoricaSinRedondear)
{
    struct Caso {
        const char *nombre;
        DatosReaccion d;
        double masa;
    };
    const Caso casos[] = {
        {"2 H2 + O2 -> 2 H2O",
         {.coefReactivo = 2, .coefProducto = 2, .masaReactivo = 4.0316, .pmReactivo = kH2, .pmProducto = kH2O},
         36.0296},
        // 10 x Pm(product) x 1 / (2 x Pm(reagent)), not rounded.
        {"reagent 10 g, coefficients 2 and 1",
         {.coefReactivo = 2, .coefProducto = 1, .masaReactivo = 10, .pmReactivo = kNaCl, .pmProducto = kH2O},
         10 * kH2O * 1 / (2 * kNaCl)},
        {"fractional coefficients",
         {.coefReactivo = 0.5, .coefProducto = 1.5, .masaReactivo = 1, .pmReactivo = 10, .pmProducto = 20},
         6},
        {"large but representable",
         {.coefReactivo = 1, .coefProducto = 1, .masaReactivo = 1e300, .pmReactivo = 100, .pmProducto = 10},
         1e299},
        // A theoretical mass of 0 is a value; only the yield from it is not.
        {"product coefficient 0,0",
         {.coefReactivo = 1, .coefProducto = 0, .masaReactivo = 10, .pmReactivo = kH2, .pmProducto = kH2O},
         0},
        {"reagent mass 0,0",
         {.coefReactivo = 1, .coefProducto = 1, .masaReactivo = 0, .pmReactivo = kH2, .pmProducto = kH2O},
         0},
    };
    for (const Caso &c : casos) {
        const std::optional<double> m = MasaTeoricaProducto(c.d);
        ASSERT_TRUE(m) << c.nombre;
        EXPECT_DOUBLE_EQ(*m, c.masa) << c.nombre;
    }
}

TEST(Rendimiento, MasaTeoricaImposible)
{
    struct Caso {
        const char *nombre;
        DatosReaccion d;
    };
    const Caso casos[] = {
        // "0,0" gets past the check on leaving the box, which only stops "0".
        {"reagent coefficient 0,0",
         {.coefReactivo = 0, .coefProducto = 1, .masaReactivo = 10, .pmReactivo = kH2, .pmProducto = kH2O}},
        {"reagent coefficient -0",
         {.coefReactivo = -0.0, .coefProducto = 1, .masaReactivo = 10, .pmReactivo = kH2, .pmProducto = kH2O}},
        {"everything 0",
         {.coefReactivo = 0, .coefProducto = 0, .masaReactivo = 0, .pmReactivo = kH2, .pmProducto = kH2O}},
        {"reagent molar mass 0",
         {.coefReactivo = 1, .coefProducto = 1, .masaReactivo = 10, .pmReactivo = 0, .pmProducto = kH2O}},
        {"divisor underflows to 0",
         {.coefReactivo = 1e-200, .coefProducto = 1, .masaReactivo = 10, .pmReactivo = 1e-200, .pmProducto = kH2O}},
        {"overflow",
         {.coefReactivo = 1, .coefProducto = 1e10, .masaReactivo = kMaximo, .pmReactivo = kH2, .pmProducto = kH2O}},
    };
    for (const Caso &c : casos)
        EXPECT_FALSE(MasaTeoricaProducto(c.d)) << c.nombre;
}

TEST(Rendimiento, PorcentajeYAviso)
{
    struct Caso {
        const char *nombre;
        double masaProducto;
        double masaTeorica;
        double porcentaje;
        bool mayorDe100;
    };
    const Caso casos[] = {
        {"water from hydrogen", 30, 36.0296, 83.26, false},
        {"reagent 10 g, coefficients 2 and 1", 1.5, 10 * kH2O * 1 / (2 * kNaCl), 97.32, false},
        {"rounded half away from zero", 2, 3, 66.67, false},
        {"nothing obtained", 0, 36.0296, 0, false},
        {"exactly 100", 36.0296, 36.0296, 100, false},
        // The decision is taken on the figure shown.
        {"just above 100 but shown as 100", 100.004, 100, 100, false},
        {"shown as 100,01", 100.006, 100, 100.01, true},
        {"more than the theoretical mass", 40, 36.0296, 111.02, true},
        {"huge yield still a number", 1e300, 1, 1e302, true},
        {"x 100 overflows before the division", 1e307, 20, 5e307, true},
        {"a negative mass near the top", -1.9662086566054137e307, -131.46871686108165, 1.4955714968170237e307, true},
    };
    for (const Caso &c : casos) {
        const std::optional<double> r = PorcentajeRendimiento(c.masaProducto, c.masaTeorica);
        ASSERT_TRUE(r) << c.nombre;
        EXPECT_DOUBLE_EQ(*r, c.porcentaje) << c.nombre;
        EXPECT_EQ(RendimientoMayorDe100(*r), c.mayorDe100) << c.nombre;
    }
}

TEST(Rendimiento, SinMasaTeoricaNoHayPorcentaje)
{
    EXPECT_FALSE(PorcentajeRendimiento(30, 0));
    EXPECT_FALSE(PorcentajeRendimiento(0, 0));
    EXPECT_FALSE(PorcentajeRendimiento(30, -0.0));
    EXPECT_FALSE(PorcentajeRendimiento(1, 1e-320));
    EXPECT_FALSE(PorcentajeRendimiento(kMaximo, 1));
}
