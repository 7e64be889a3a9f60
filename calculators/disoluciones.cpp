#include "calculators/disoluciones.h"

#include "core/numeros.h"

#include <cmath>

namespace Calculos {

namespace {

// x y z with the mantissas and the exponents multiplied apart: infinite only
// when the product itself is, and 0 when a factor is 0, however large the
// others. The same double as x * y * z wherever that one does not overflow.
double Producto(double x, double y, double z)
{
    int ex = 0;
    int ey = 0;
    int ez = 0;
    const double m = std::frexp(x, &ex) * std::frexp(y, &ey) * std::frexp(z, &ez);
    return std::ldexp(m, ex + ey + ez);
}

double De(const Cantidad &c, Magnitud magnitud)
{
    return c.magnitud == magnitud ? c.valor : 0.0;
}

Escalado Mostrar(double valor, std::string_view unidad)
{
    return {Redondear(valor, kDecimalesDisolucion), unidad};
}

// The smallest unit of a scale takes every value below its threshold,
// negative ones included; one so large that it would not fit a double once
// scaled stays in the unit it came in.
Escalado MostrarAbajo(double valor, double factor, std::string_view unidad, std::string_view propia)
{
    const double escalado = valor * factor;
    if (!std::isfinite(escalado))
        return Mostrar(valor, propia);
    return Mostrar(escalado, unidad);
}

} // namespace

Cantidad CantidadBase(std::span<const Unidad> lista, int posicion, double valor)
{
    if (posicion < 0 || static_cast<std::size_t>(posicion) >= lista.size())
        return {};
    const Unidad &u = lista[static_cast<std::size_t>(posicion)];
    return {u.magnitud, valor / u.divisor};
}

int PosicionUnidad(std::span<const Unidad> lista, std::string_view texto)
{
    for (std::size_t n = 0; n < lista.size(); ++n) {
        if (lista[n].texto == texto)
            return static_cast<int>(n);
    }
    return -1;
}

std::optional<double> MasaSoluto(const Cantidad &deseada, double litros, double pm)
{
    // A product that overflows on the way (or 0 times an overflow) is taken
    // again factor by factor: only a mass too large for a double has none.
    switch (deseada.magnitud) {
    case Magnitud::Molar: {
        const std::optional<double> m = Finito(pm * deseada.valor * litros);
        return m ? m : Finito(Producto(pm, deseada.valor, litros));
    }
    case Magnitud::Masica:
        return Finito(litros * deseada.valor);
    case Magnitud::Porcentaje: {
        const std::optional<double> m = Finito(litros * deseada.valor * 1000.0 / 100.0);
        return m ? m : Finito(Producto(litros, deseada.valor, 10.0));
    }
    case Magnitud::Ninguna:
    case Magnitud::Volumen:
        break;
    }
    return 0.0;
}

std::optional<double> VolumenLiquido(double gramos, double densidad)
{
    return Finito(gramos / densidad);
}

FalloConcentracion ComprobarConcentraciones(const Cantidad &deseada, const Cantidad &partida, double pm)
{
    const double cd = De(deseada, Magnitud::Molar);
    const double md = De(deseada, Magnitud::Masica);
    const double cs = De(partida, Magnitud::Molar);
    const double ms = De(partida, Magnitud::Masica);
    if (md != 0.0 && ms != 0.0 && md > ms)
        return FalloConcentracion::MasicaMayor;
    if (cd != 0.0 && cs != 0.0 && cd > cs)
        return FalloConcentracion::MolarMayor;
    // Through a molar mass of 0 the quotient is infinite: no comparison.
    if (cs != 0.0 && md != 0.0) {
        const double molar = md / pm;
        if (std::isfinite(molar) && molar > cs)
            return FalloConcentracion::MasicaMayorQueMolar;
    }
    if (ms != 0.0 && cd != 0.0) {
        const double molar = ms / pm;
        if (std::isfinite(molar) && molar < cd)
            return FalloConcentracion::MolarMayorQueMasica;
    }
    return FalloConcentracion::Ninguno;
}

std::optional<VolumenPartida> VolumenDePartida(const Cantidad &deseada, const Cantidad &partida, double litros,
                                               double pm)
{
    const double cd = De(deseada, Magnitud::Molar);
    const double md = De(deseada, Magnitud::Masica);
    const double cs = De(partida, Magnitud::Molar);
    const double ms = De(partida, Magnitud::Masica);
    const bool stockMolar = partida.magnitud == Magnitud::Molar;
    const bool stockMasico = partida.magnitud == Magnitud::Masica;

    // Litres of stock per litre of solution, from the concentrations alone:
    // equal ones give exactly 1, so a stock as strong as the solution is
    // never reported as needing more than the volume to prepare.
    std::optional<double> razon;
    bool par = false;
    switch (deseada.magnitud) {
    case Magnitud::Molar:
        par = stockMolar || stockMasico;
        if (stockMolar)
            razon = Finito(cd / cs);
        else if (stockMasico) {
            // A molar mass of 0 makes the stock infinitely concentrated and
            // the volume a false 0: no result instead.
            const double molar = ms / pm;
            razon = std::isfinite(molar) ? Finito(cd / molar) : std::nullopt;
        }
        break;
    case Magnitud::Masica:
        par = stockMolar || stockMasico;
        if (stockMolar)
            razon = Finito((md / pm) / cs);
        else if (stockMasico)
            razon = Finito(md / ms);
        break;
    case Magnitud::Porcentaje: {
        if (!MasaSoluto(deseada, litros, pm))
            return std::nullopt;
        par = stockMolar || stockMasico;
        const double gramosPorLitro = deseada.valor * 1000.0 / 100.0;
        if (stockMolar)
            razon = Finito(gramosPorLitro / (pm * cs));
        else if (stockMasico)
            razon = Finito(gramosPorLitro / ms);
        break;
    }
    case Magnitud::Ninguna:
    case Magnitud::Volumen:
        break;
    }
    if (!par)
        return VolumenPartida{0.0, 0.0 > litros};
    if (!razon)
        return std::nullopt;
    const std::optional<double> vs = Finito(litros * *razon);
    if (!vs)
        return std::nullopt;
    return VolumenPartida{*vs, *vs > litros};
}

Escalado EscalarMasa(double gramos)
{
    if (gramos > 1000.0)
        return Mostrar(gramos / 1000.0, "kg");
    if (gramos >= 0.9)
        return Mostrar(gramos, "g");
    if (gramos >= 0.0009)
        return Mostrar(gramos * 1000.0, "mg");
    return MostrarAbajo(gramos, 1e6, "ug", "g");
}

Escalado EscalarVolumenLiquido(double mililitros)
{
    if (mililitros > 1000.0)
        return Mostrar(mililitros / 1000.0, "l");
    if (mililitros >= 0.9)
        return Mostrar(mililitros, "ml");
    if (mililitros >= 0.0009)
        return Mostrar(mililitros * 1000.0, "ul");
    return MostrarAbajo(mililitros, 1e6, "nl", "ml");
}

Escalado EscalarVolumenPartida(double litros)
{
    if (litros >= 0.9)
        return Mostrar(litros, "l");
    if (litros >= 0.0009)
        return Mostrar(litros * 1000.0, "ml");
    if (litros >= 9e-7)
        return Mostrar(litros * 1e6, "ul");
    return MostrarAbajo(litros, 1e9, "nl", "l");
}

} // namespace Calculos
