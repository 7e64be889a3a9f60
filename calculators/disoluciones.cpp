#include "calculators/disoluciones.h"

#include "core/numeros.h"

#include <cmath>

namespace Calculos {

namespace {

std::optional<double> Finito(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

double De(const Cantidad &c, Magnitud magnitud)
{
    return c.magnitud == magnitud ? c.valor : 0.0;
}

Escalado Mostrar(double valor, std::string_view unidad)
{
    return {Redondear(valor, kDecimalesDisolucion), unidad};
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
    switch (deseada.magnitud) {
    case Magnitud::Molar:
        return Finito(pm * deseada.valor * litros);
    case Magnitud::Masica:
        return Finito(litros * deseada.valor);
    case Magnitud::Porcentaje:
        return Finito(litros * deseada.valor * 1000.0 / 100.0);
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

    std::optional<double> vs = 0.0;
    switch (deseada.magnitud) {
    case Magnitud::Molar:
        if (stockMolar)
            vs = Finito(litros * cd / cs);
        else if (stockMasico) {
            // A molar mass of 0 makes the stock infinitely concentrated and
            // the volume a false 0: no result instead.
            const double molar = ms / pm;
            vs = std::isfinite(molar) ? Finito(litros * cd / molar) : std::nullopt;
        }
        break;
    case Magnitud::Masica:
        if (stockMolar)
            vs = Finito(litros * (md / pm) / cs);
        else if (stockMasico)
            vs = Finito(litros * md / ms);
        break;
    case Magnitud::Porcentaje: {
        const std::optional<double> m = MasaSoluto(deseada, litros, pm);
        if (!m)
            return std::nullopt;
        if (stockMolar)
            vs = Finito(*m / (pm * cs));
        else if (stockMasico)
            vs = Finito(*m / ms);
        break;
    }
    case Magnitud::Ninguna:
    case Magnitud::Volumen:
        break;
    }
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
    return Mostrar(gramos * 1e6, "ug");
}

Escalado EscalarVolumenLiquido(double mililitros)
{
    if (mililitros > 1000.0)
        return Mostrar(mililitros / 1000.0, "l");
    if (mililitros >= 0.9)
        return Mostrar(mililitros, "ml");
    if (mililitros >= 0.0009)
        return Mostrar(mililitros * 1000.0, "ul");
    return Mostrar(mililitros * 1e6, "nl");
}

Escalado EscalarVolumenPartida(double litros)
{
    if (litros >= 0.9)
        return Mostrar(litros, "l");
    if (litros >= 0.0009)
        return Mostrar(litros * 1000.0, "ml");
    if (litros >= 9e-7)
        return Mostrar(litros * 1e6, "ul");
    return Mostrar(litros * 1e9, "nl");
}

} // namespace Calculos
