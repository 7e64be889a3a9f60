// The yield window's arithmetic on any values of its boxes.

#include "calculators/rendimiento.h"
#include "fuzz/comun.h"

using namespace Fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    FuzzedDataProvider datos(bytes, tamano);
    Calculos::DatosReaccion d{};
    d.coefReactivo = NumeroDeCaja(datos);
    d.coefProducto = NumeroDeCaja(datos);
    d.masaReactivo = NumeroDeCaja(datos);
    d.pmReactivo = Calculos::Redondear(NumeroDeCaja(datos), Calculos::kDecimalesMasaMolarReaccion);
    d.pmProducto = Calculos::Redondear(NumeroDeCaja(datos), Calculos::kDecimalesMasaMolarReaccion);
    const double masaProducto = NumeroDeCaja(datos);
    const std::string que = "reagent " + D(d.coefReactivo) + " x " + D(d.pmReactivo) + ", product " +
                            D(d.coefProducto) + " x " + D(d.pmProducto) + ", " + D(d.masaReactivo) + " g";

    const std::optional<double> teorica = Calculos::MasaTeoricaProducto(d);
    // The exact value, where a double may overflow on the way.
    const long double exacta = static_cast<long double>(d.masaReactivo) * d.pmProducto * d.coefProducto /
                               (static_cast<long double>(d.coefReactivo) * d.pmReactivo);
    if (d.coefReactivo == 0 || d.pmReactivo == 0) {
        EXIGIR(!teorica, que + ": a theoretical mass " + D(teorica.value_or(0)));
    }
    if (!teorica)
        return 0;
    EXIGIR(std::isfinite(*teorica), que);
    // Subnormal products lose digits; only tame values are held to 1e-14.
    bool domados = true;
    for (double v : {d.coefReactivo, d.coefProducto, d.masaReactivo, d.pmReactivo, d.pmProducto})
        domados = domados && (v == 0 || (std::fabs(v) >= 1e-60 && std::fabs(v) <= 1e60));
    if (domados) {
        EXIGIR(std::fabs(*teorica - exacta) <= std::fabs(exacta) * 1e-14L,
               que + ": theoretical " + D(*teorica) + ", exactly " + D(static_cast<double>(exacta)));
    }

    const std::optional<double> rendimiento = Calculos::PorcentajeRendimiento(masaProducto, *teorica);
    const long double exacto = static_cast<long double>(masaProducto) * 100 / *teorica;
    if (*teorica == 0) {
        EXIGIR(!rendimiento, que + ": a yield " + D(rendimiento.value_or(0)) + " of nothing");
        return 0;
    }
    // The stated case of no result: a yield that is too large to be a double.
    if (std::fabs(exacto) < 1e308L) {
        EXIGIR(rendimiento.has_value(), que + ": " + D(masaProducto) + " g of " + D(*teorica) + " g has no yield");
    }
    if (!rendimiento)
        return 0;
    Mostrable(*rendimiento, "yield " + D(masaProducto) + " / " + D(*teorica));
    Redondeado(*rendimiento, Calculos::kDecimalesRendimiento, "yield");
    EXIGIR(std::fabs(*rendimiento - exacto) <= 0.005L + std::fabs(exacto) * 1e-14L,
           "yield " + D(*rendimiento) + " of " + D(masaProducto) + " / " + D(*teorica));
    EXIGIR(Calculos::RendimientoMayorDe100(*rendimiento) == (*rendimiento > 100), D(*rendimiento));
    return 0;
}
