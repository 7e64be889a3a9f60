#pragma once

#include <optional>

namespace Calculos {

// The molar masses are kept with 9 decimals and the yield is shown with 2.
inline constexpr int kDecimalesMasaMolarReaccion = 9;
inline constexpr int kDecimalesRendimiento = 2;

// The values of the window's boxes, as read back from their texts.
struct DatosReaccion {
    double coefReactivo;
    double coefProducto;
    double masaReactivo; // g of limiting reagent used
    double pmReactivo;   // g/mol, already rounded to 9 decimals
    double pmProducto;   // g/mol, already rounded to 9 decimals
};

// Grams of product the reagent mass can give, unrounded:
// masaReactivo x pmProducto x coefProducto / (coefReactivo x pmReactivo).
// Nothing when the reagent's coefficient or molar mass is 0 (a "0,0" gets
// past the check on leaving the box) or the arithmetic overflows; a product
// coefficient or reagent mass of 0 gives a theoretical mass of 0, which has
// no yield.
std::optional<double> MasaTeoricaProducto(const DatosReaccion &d);

// masaProducto x 100 / masaTeorica, rounded to 2 decimals. Nothing when the
// theoretical mass is 0 or the quotient overflows.
std::optional<double> PorcentajeRendimiento(double masaProducto, double masaTeorica);

// Decided on the yield as shown (rounded): exactly 100 is accepted.
bool RendimientoMayorDe100(double rendimientoMostrado);

} // namespace Calculos
