#include "core/series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace Calculos;

namespace {

// Worked out while compiling, as the pictures use them.
static_assert(Seno(0.0) == 0.0 && Coseno(0.0) == 1.0 && Exp(0.0) == 1.0);
static_assert(Seno(std::numbers::pi / 2) > 0.9999999999 && Coseno(std::numbers::pi) < -0.9999999999);

constexpr double kPi = std::numbers::pi;

// Within a few units in the last place of libm's answer, or of the
// argument: bringing a large angle back into one turn rounds it once per turn.
void Cerca(double obtenido, double esperado, double argumento)
{
    EXPECT_NEAR(obtenido, esperado, 4e-16 * std::max({1.0, std::fabs(esperado), std::fabs(argumento)}));
}

TEST(Series, SenoYCosenoComoLibm)
{
    // The angles the pictures ask for: small steps, a phase, the electrons'
    // thirtieths of a turn, several turns and negative angles.
    for (double x : {1e-9, 0.0275, 0.0375, 0.5, 1.0, 1.3, -1.3, kPi / 3, 2 * kPi / 3, kPi / 2, kPi - 1e-3, kPi, 3.5,
                     2 * kPi * 29 / 30, 7.0, 9.8, -9.8, 20.0}) {
        SCOPED_TRACE(x);
        Cerca(Seno(x), std::sin(x), x);
        Cerca(Coseno(x), std::cos(x), x);
    }
}

TEST(Series, ExpComoLibm)
{
    for (double x : {-1.0, -0.125 / 90, -0.125 / 170, -1e-12, 0.25, 1.0}) {
        SCOPED_TRACE(x);
        Cerca(Exp(x), std::exp(x), x);
    }
}

TEST(Series, SenoYCosenoDanUnaVuelta)
{
    // Over a turn in thirtieths, as the electrons go: on the unit circle,
    // and in step with the turn.
    for (int n = 0; n <= 30; ++n) {
        const double x = 2 * kPi * n / 30;
        EXPECT_NEAR(Seno(x) * Seno(x) + Coseno(x) * Coseno(x), 1.0, 1e-15) << n;
        EXPECT_NEAR(Seno(x + 2 * kPi), Seno(x), 1e-14) << n;
    }
}

} // namespace
