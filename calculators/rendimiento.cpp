#include "calculators/rendimiento.h"

#include "core/numeros.h"

#include <cmath>

namespace Calculos {

std::optional<double> MasaTeoricaProducto(const DatosReaccion &d)
{
    return Finito(d.masaReactivo * d.pmProducto * d.coefProducto / (d.coefReactivo * d.pmReactivo));
}

std::optional<double> PorcentajeRendimiento(double masaProducto, double masaTeorica)
{
    std::optional<double> r = Finito(masaProducto * 100.0 / masaTeorica);
    // A mass near the top of the range overflows x 100 before the division.
    if (!r && masaTeorica != 0)
        r = Finito(masaProducto / masaTeorica * 100.0);
    if (!r)
        return std::nullopt;
    return Redondear(*r, kDecimalesRendimiento);
}

bool RendimientoMayorDe100(double rendimientoMostrado)
{
    return rendimientoMostrado > 100.0;
}

} // namespace Calculos
