#pragma once

// The arithmetic of the quadratic-equation window: which answer a x² + b x + c = 0
// gets, and its roots as shown. The window reads and checks the three boxes and
// shows the messages; this gives it the case and the numbers.
namespace Calculos {

inline constexpr int kDecimalesRaiz = 3;

enum class CasoCuadratica {
    SinSolucionReal, // negative discriminant: "Esta ecuación no posee soluciones reales."
    DatosNoValidos,  // a = 0 and b = 0: "Datos no válidos"
    UnaRaiz,         // only the first "x  =" line is shown
    DosRaices,       // both lines, joined by "y"
    FueraDeRango,    // a root too large for any number; the window answers "Datos no válidos"
};

struct SolucionCuadratica {
    CasoCuadratica caso;
    double raiz1; // rounded to kDecimalesRaiz; 0 when there is no root to show
    double raiz2; // rounded to kDecimalesRaiz; 0 unless caso is DosRaices
};

// The roots are not sorted: the first is the one with +√D in the numerator
// ((√D − b) / 2a, or +√(−c / a) when b = 0). With a = 0 the single root is −c / b;
// with b = 0 and c = 0 it is 0. Coefficients whose squares or products overflow
// still give their roots; only a root that is itself beyond the range of a
// double gives FueraDeRango. Never an infinity or a NaN.
SolucionCuadratica ResolverCuadratica(double a, double b, double c);

} // namespace Calculos
