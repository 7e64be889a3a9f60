#pragma once

#include <numbers>

// Sine, cosine and exponential worked out by the compiler, for the constants
// of the pictures drawn at start-up: calling libm for them would bring its
// pages into memory for a handful of numbers. Accurate to the last bit or
// two of a double for angles within a turn (each further turn costs about
// one more, as the angle is brought back) and for |x| up to about 1 for the
// exponential.

namespace Calculos {

// x brought into [-pi, pi].
constexpr double Reducido(double x)
{
    constexpr double kVuelta = 2.0 * std::numbers::pi;
    while (x > std::numbers::pi)
        x -= kVuelta;
    while (x < -std::numbers::pi)
        x += kVuelta;
    return x;
}

// The Taylor series of sin (impar) or cos (par) at x in [-pi, pi], summed
// until a term no longer changes the total.
constexpr double Serie(double x, bool impar)
{
    double termino = impar ? x : 1.0;
    double suma = termino;
    for (int n = impar ? 1 : 0; n < 60; n += 2) {
        termino *= -x * x / ((n + 1.0) * (n + 2.0));
        if (suma + termino == suma)
            break;
        suma += termino;
    }
    return suma;
}

constexpr double Seno(double x)
{
    return Serie(Reducido(x), true);
}

constexpr double Coseno(double x)
{
    return Serie(Reducido(x), false);
}

// e^x for |x| up to about 1.
constexpr double Exp(double x)
{
    double termino = 1.0;
    double suma = 1.0;
    for (int n = 1; n < 60; ++n) {
        termino *= x / n;
        if (suma + termino == suma)
            break;
        suma += termino;
    }
    return suma;
}

} // namespace Calculos
