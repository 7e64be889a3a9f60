#include "calculators/ecuacion_cuadratica.h"

#include "core/numeros.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Calculos;

namespace {

constexpr auto Sin = CasoCuadratica::SinSolucionReal;
constexpr auto NoValidos = CasoCuadratica::DatosNoValidos;
constexpr auto Una = CasoCuadratica::UnaRaiz;
constexpr auto Dos = CasoCuadratica::DosRaices;
constexpr auto Fuera = CasoCuadratica::FueraDeRango;

struct Caso {
    const char *nombre;
    double a, b, c;
    CasoCuadratica caso;
    double x1, x2;
};

void Comprobar(const Caso &c)
{
    const SolucionCuadratica s = ResolverCuadratica(c.a, c.b, c.c);
    EXPECT_EQ(s.caso, c.caso) << c.nombre;
    // Exact where the root is within the precision of a double at 3 decimals;
    // relative for roots too large to carry decimals.
    const auto tolerancia = [](double x) { return std::fabs(x) < 1e12 ? 0.0 : std::fabs(x) * 1e-12; };
    EXPECT_NEAR(s.raiz1, c.x1, tolerancia(c.x1)) << c.nombre;
    EXPECT_NEAR(s.raiz2, c.x2, tolerancia(c.x2)) << c.nombre;
    EXPECT_FALSE(std::signbit(s.raiz1) && s.raiz1 == 0) << c.nombre << ": -0";
    EXPECT_FALSE(std::signbit(s.raiz2) && s.raiz2 == 0) << c.nombre << ": -0";
}

} // namespace

TEST(EcuacionCuadratica, Casos)
{
    const Caso casos[] = {
        {"two roots, the +√D one first", 1, -5, 6, Dos, 3, 2},
        {"D = 0", 1, 2, 1, Dos, -1, -1},
        {"not sorted", 1, -1, -6, Dos, 3, -2},
        {"not sorted, a < 0", -1, 1, 6, Dos, -2, 3},
        {"b > 0", 1, 5, 6, Dos, -2, -3},
        {"c = 0", 2, -4, 0, Dos, 2, 0},
        {"c = 0, b > 0", 2, 4, 0, Dos, 0, -2},
        {"rounded to 3 decimals", 3, -1, -1, Dos, 0.768, -0.434},
        {"weak acid", 1, 1.8e-5, -1.8e-6, Dos, 0.001, -0.001},
        {"a = 0", 0, 2, -4, Una, 2, 0},
        {"a = 0, rounded", 0, 3, 1, Una, -0.333, 0},
        {"a = 0, c = 0", 0, 2, 0, Una, 0, 0},
        {"a = 0, b = 0", 0, 0, 5, NoValidos, 0, 0},
        {"a = 0, b = 0, c = 0", 0, 0, 0, NoValidos, 0, 0},
        {"b = 0", 2, 0, -8, Dos, 2, -2},
        {"b = 0, signs swapped", -2, 0, 8, Dos, 2, -2},
        {"b = 0, irrational", 1, 0, -2, Dos, 1.414, -1.414},
        {"b = 0, c = 0", 3, 0, 0, Una, 0, 0},
        {"b = 0, no real roots", 1, 0, 4, Sin, 0, 0},
        {"no real roots", 1, 1, 1, Sin, 0, 0},
        {"no real roots, a < 0", -1, 1, -1, Sin, 0, 0},
    };
    for (const Caso &c : casos)
        Comprobar(c);
}

TEST(EcuacionCuadratica, CoeficientesExtremos)
{
    const Caso casos[] = {
        // (√D − b) / 2a would give 1,11 here: √D and b agree in all but their last digit.
        {"small a, the root near 1 keeps its digits", 1e-15, 1, -1, Dos, 1, -1e15},
        {"b² overflows", 1, 1e200, 1, Dos, 0, -1e200},
        {"b² and 4ac overflow, no real roots", 1e200, 1e200, 1e200, Sin, 0, 0},
        {"b² and 4ac overflow, two roots", 1e300, -3e300, 2e300, Dos, 2, 1},
        {"a = 0, b² overflows", 0, 1e200, 1e300, Una, -1e100, 0},
        {"b = 0, 4ac overflows", -1e308, 0, 1e308, Dos, 1, -1},
        {"b = 0, -c/a overflows but its root does not", 1e-300, 0, -1e300, Dos, 1e300, -1e300},
        {"b = 0, 4ac underflows to 0 but D < 0", 1e-200, 0, 1e-200, Sin, 0, 0},
        {"4a overflows, 4ac does not: D < 0", -1.4606256720756317e308, 5.4322311912783781e-312,
         -9.9261575707946013e-234, Sin, 0, 0},
        {"4a overflows, 4ac does not: D > 0", -1.4e308, 1, 1e-200, Dos, 0, 0},
        {"b² underflows", 1e-300, 1e-200, 0, Dos, 0, -1e100},
        {"all subnormal", 1e-310, -5e-310, 6e-310, Dos, 3, 2},
        {"a root beyond any double", 1e-300, 1e300, 1, Fuera, 0, 0},
        {"a root beyond any double, a subnormal", 1e-310, 1, 1, Fuera, 0, 0},
        {"a = 0, root beyond any double", 0, 1e-300, 1e300, Fuera, 0, 0},
        {"b = 0, the largest roots", 1, 0, -1.7e308, Dos, 1.30384048104053e154, -1.30384048104053e154},
        // Scaling b² back into range took a to 0; both roots are ordinary numbers.
        {"b² overflows, a small a", 6.59e-43, 2.68e154, -5.52e303, Dos, 2.05970149253731e149, -4.06676783004552e196},
    };
    for (const Caso &c : casos)
        Comprobar(c);
}

TEST(EcuacionCuadratica, NuncaInfinitoNiNaN)
{
    const double valores[] = {0,   1e-320, -1e-320, 1e-300, -1e-300, 1e-5,   -1e-5,   1,       -1,
                              1e5, -1e5,   1e154,   -1e154, 1e300,   -1e300, 1.7e308, -1.7e308};
    for (double a : valores)
        for (double b : valores)
            for (double c : valores) {
                const SolucionCuadratica s = ResolverCuadratica(a, b, c);
                EXPECT_TRUE(std::isfinite(s.raiz1) && std::isfinite(s.raiz2)) << a << " " << b << " " << c;
                if (s.caso == CasoCuadratica::UnaRaiz || s.caso == CasoCuadratica::DosRaices) {
                    EXPECT_FALSE(NumeroATexto(s.raiz1).empty()) << a << " " << b << " " << c;
                }
                // Where the coefficients are tame the first root solves the equation.
                if (s.caso == CasoCuadratica::DosRaices && std::fabs(a) >= 1e-5 && std::fabs(a) <= 1e5 &&
                    std::fabs(b) <= 1e5 && std::fabs(c) <= 1e5 && std::fabs(c) >= 1e-5) {
                    const double x = s.raiz1;
                    // Rounding x by d <= 0,0005 moves the left side by at most |f'(x)| d + |a| d².
                    const double tolerancia = 1e-3 * (std::fabs(b) + 2 * std::fabs(a * x)) + 1e-6 * std::fabs(a) +
                                              1e-12 * (std::fabs(a * x * x) + std::fabs(b * x) + std::fabs(c));
                    EXPECT_NEAR(a * x * x + b * x + c, 0, tolerancia) << a << " " << b << " " << c;
                }
            }
}
