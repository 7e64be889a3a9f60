// The quadratic equation window on any three coefficients, against the same
// roots worked out in long double, whose range no double product leaves.

#include "calculators/ecuacion_cuadratica.h"
#include "fuzz/comun.h"

#include <cfloat>

using namespace Fuzz;
using Calculos::CasoCuadratica;

namespace {

using Largo = long double;

void Raiz(double x, Largo esperada, Largo margen, const std::string &que)
{
    EXIGIR(std::fabs(x - esperada) <= 0.0005L + std::fabs(esperada) * 1e-12L + margen,
           que + ": " + D(x) + ", exactly " + D(static_cast<double>(esperada)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    FuzzedDataProvider datos(bytes, tamano);
    const double a = Numero(datos);
    const double b = Numero(datos);
    const double c = Numero(datos);
    const std::string que = D(a) + " x² + " + D(b) + " x + " + D(c);
    const Calculos::SolucionCuadratica s = Calculos::ResolverCuadratica(a, b, c);

    for (double x : {s.raiz1, s.raiz2}) {
        Mostrable(x, que + ", root");
        Redondeado(x, Calculos::kDecimalesRaiz, que + ", root");
    }
    if (s.caso != CasoCuadratica::DosRaices)
        EXIGIR(s.raiz2 == 0, que);
    if (s.caso != CasoCuadratica::DosRaices && s.caso != CasoCuadratica::UnaRaiz)
        EXIGIR(s.raiz1 == 0, que);
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c)) {
        EXIGIR(s.caso == CasoCuadratica::FueraDeRango, que);
        return 0;
    }
    if (a == 0 && b == 0) {
        EXIGIR(s.caso == CasoCuadratica::DatosNoValidos, que);
        return 0;
    }
    const Largo dblMax = DBL_MAX;
    if (a == 0) {
        const Largo x = -static_cast<Largo>(c) / b;
        if (std::fabs(x) > dblMax) {
            EXIGIR(s.caso == CasoCuadratica::FueraDeRango, que);
        } else if (std::fabs(x) < 1e300L) {
            EXIGIR(s.caso == CasoCuadratica::UnaRaiz, que);
            Raiz(s.raiz1, x, 0, que);
        }
        return 0;
    }
    if (b == 0 && c == 0) {
        EXIGIR(s.caso == CasoCuadratica::UnaRaiz && s.raiz1 == 0, que);
        return 0;
    }

    const Largo la = a;
    const Largo lb = b;
    const Largo lc = c;
    const Largo escala = lb * lb + std::fabs(4 * la * lc);
    const Largo d = lb * lb - 4 * la * lc;
    // Too close to 0 to tell its sign apart from the rounding of a double.
    if (std::fabs(d) <= escala * 1e-14L)
        return 0;
    if (d < 0) {
        EXIGIR(s.caso == CasoCuadratica::SinSolucionReal, que + ": roots " + D(s.raiz1) + ", " + D(s.raiz2));
        return 0;
    }
    const Largo raiz = std::sqrt(d);
    Largo x1;
    Largo x2;
    if (b == 0) {
        x1 = std::sqrt(-lc / la);
        x2 = -x1;
    } else {
        const Largo q = -(lb + (b < 0 ? -raiz : raiz)) / 2;
        const Largo porQ = q / la;
        const Largo porProducto = lc / q;
        x1 = b < 0 ? porQ : porProducto;
        x2 = b < 0 ? porProducto : porQ;
    }
    if (std::fabs(x1) > dblMax || std::fabs(x2) > dblMax) {
        EXIGIR(s.caso == CasoCuadratica::FueraDeRango, que);
        return 0;
    }
    if (std::fabs(x1) > 1e300L || std::fabs(x2) > 1e300L)
        return 0;
    EXIGIR(s.caso == CasoCuadratica::DosRaices, que + ": case " + std::to_string(static_cast<int>(s.caso)));
    // What a discriminant rounded in double moves the roots by: a few units
    // of its last place, which below DBL_MIN is a fixed 2^-1074.
    const Largo margen =
        4 * (escala * LDBL_EPSILON * 2048 + 4 * static_cast<Largo>(DBL_TRUE_MIN)) / (std::fabs(la) * raiz);
    Raiz(s.raiz1, x1, margen, que + ", first root");
    Raiz(s.raiz2, x2, margen, que + ", second root");
    return 0;
}
