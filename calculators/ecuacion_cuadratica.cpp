#include "calculators/ecuacion_cuadratica.h"

#include "core/numeros.h"

#include <algorithm>
#include <cmath>

namespace Calculos {

namespace {

SolucionCuadratica Raices(CasoCuadratica caso, double x1, double x2)
{
    if (!std::isfinite(x1) || !std::isfinite(x2))
        return {CasoCuadratica::FueraDeRango, 0, 0};
    return {caso, Redondear(x1, kDecimalesRaiz), Redondear(x2, kDecimalesRaiz)};
}

// a ≠ 0 and b ≠ 0.
SolucionCuadratica General(double a, double b, double c)
{
    // Scaling the three coefficients by the same power of two leaves the roots
    // and every rounding as they were. Scaled up when they are all small, so
    // that b² does not vanish; scaled down only when b² or 4ac overflows, since
    // that pushes the smallest coefficient towards 0.
    const double sinEscalar = a;
    const int e = std::ilogb(std::max({std::fabs(a), std::fabs(b), std::fabs(c)}));
    // 4 (a c), not (4 a) c: 4 a alone overflows for the largest a, and the
    // scaling below would then take a tiny c to 0 and lose the sign of D.
    double d = b * b - 4 * (a * c);
    const bool abajo = e > 0 && !std::isfinite(d);
    if (e < 0 || !std::isfinite(d)) {
        a = std::ldexp(a, -e);
        b = std::ldexp(b, -e);
        c = std::ldexp(c, -e);
        d = b * b - 4 * (a * c);
    }
    if (d < 0)
        return {CasoCuadratica::SinSolucionReal, 0, 0};

    // (−b ± √D) / 2a subtracts two nearly equal numbers for one of the signs
    // when b² is much larger than 4ac, and that root loses its digits. That
    // root is taken from the product of the two, c / a, instead.
    const double q = -(b + std::copysign(std::sqrt(d), b)) / 2;
    double porQ = q / a;
    // Scaled down, a small a may have lost its digits or become 0; that root
    // is then taken through the a that was typed.
    if (abajo && !std::isnormal(a))
        porQ = std::ldexp(q, e) / sinEscalar;
    // q is 0 only when b itself underflowed; both roots are then −b / 2a.
    const double porProducto = q != 0 ? c / q : porQ;
    // With a negative b (or a -0 left by scaling), q holds −b + √D: the first root.
    return std::signbit(b) ? Raices(CasoCuadratica::DosRaices, porQ, porProducto)
                           : Raices(CasoCuadratica::DosRaices, porProducto, porQ);
}

} // namespace

SolucionCuadratica ResolverCuadratica(double a, double b, double c)
{
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c))
        return {CasoCuadratica::FueraDeRango, 0, 0};
    // With a = 0 the discriminant is b², never negative.
    if (a == 0 && b == 0)
        return {CasoCuadratica::DatosNoValidos, 0, 0};
    if (a == 0)
        return Raices(CasoCuadratica::UnaRaiz, -c / b, 0);
    if (b != 0)
        return General(a, b, c);
    if (c == 0)
        return {CasoCuadratica::UnaRaiz, 0, 0};
    // D = −4ac is negative exactly when a and c have the same sign; the signs
    // decide it, since 4ac may underflow to 0 or overflow.
    if (std::signbit(a) == std::signbit(c))
        return {CasoCuadratica::SinSolucionReal, 0, 0};
    double r = std::sqrt(-c / a);
    if (!std::isfinite(r))
        r = std::sqrt(std::fabs(c)) / std::sqrt(std::fabs(a));
    return Raices(CasoCuadratica::DosRaices, r, -r);
}

} // namespace Calculos
