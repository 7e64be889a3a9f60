#include "calculators/formula_empirica.h"

#include "core/numeros.h"

#include <cmath>

namespace Calculos {

namespace {

double Distancia(double valor)
{
    return std::fabs(valor - Redondear(valor, 0));
}

double MasaDeSimbolo(const std::string &simbolo)
{
    const double simple = MasaAtomicaSimple(simbolo);
    return simple != 0.0 ? simple : MasaAtomicaDoble(simbolo);
}

ResultadoEmpirico Fallo(FalloEmpirico fallo, int fila)
{
    return {fallo, fila, {}};
}

} // namespace

std::vector<FilaPorcentual> ComposicionPorcentual(const std::vector<GrupoFormula> &grupos, double masaMolar)
{
    std::vector<FilaPorcentual> filas;
    if (!std::isfinite(masaMolar) || masaMolar <= 0.0)
        return filas;
    for (const GrupoFormula &g : grupos) {
        if (filas.size() == static_cast<std::size_t>(kFilasComposicion))
            break;
        double porcentaje = g.masa * g.cuenta * 100.0 / masaMolar;
        // A count of hundreds of digits overflows the product, not the share.
        if (!std::isfinite(porcentaje))
            porcentaje = g.masa * g.cuenta / masaMolar * 100.0;
        filas.push_back({g.simbolo, Redondear(porcentaje, 4)});
    }
    return filas;
}

Razones SinFracciones(Razones r)
{
    for (int j = 0; j < kFilasComposicion; ++j) {
        // A NaN distance compares false and leaves the row alone.
        if (!(Distancia(r[j]) > kTolerancia))
            continue;
        for (int k = 2; k <= kMultiplicadorMaximo; ++k) {
            if (Distancia(r[j] * k) < kTolerancia) {
                for (double &v : r)
                    v *= k;
                break;
            }
        }
    }
    return r;
}

ResultadoEmpirico FormulaEmpirica(const FilasEmpiricas &filas)
{
    Razones moles{};
    double menor = 0.0;
    bool hayMenor = false;
    for (int n = 0; n < kFilasComposicion; ++n) {
        if (!filas[n])
            continue;
        const double masa = MasaDeSimbolo(filas[n]->simbolo);
        if (masa == 0.0)
            return Fallo(FalloEmpirico::SimboloDesconocido, n);
        moles[n] = filas[n]->porcentaje / masa;
        // A ratio of 0 would divide by zero below; a negative one has no
        // meaning as an amount of substance.
        if (!std::isfinite(moles[n]) || moles[n] <= 0.0)
            return Fallo(FalloEmpirico::PorcentajeNoValido, n);
        if (!hayMenor || moles[n] < menor) {
            menor = moles[n];
            hayMenor = true;
        }
    }

    Razones r{};
    for (int n = 0; n < kFilasComposicion; ++n) {
        if (!filas[n])
            continue;
        r[n] = moles[n] / menor;
        if (!std::isfinite(r[n]))
            return Fallo(FalloEmpirico::PorcentajeNoValido, n);
    }

    r = SinFracciones(r);
    ResultadoEmpirico resultado{FalloEmpirico::Ninguno, 0, {}};
    for (int n = 0; n < kFilasComposicion; ++n) {
        resultado.subindices[n] = Redondear(r[n], 0);
        if (!std::isfinite(resultado.subindices[n]))
            return Fallo(FalloEmpirico::PorcentajeNoValido, n);
    }
    return resultado;
}

DatosEmpiricos LeerDatosEmpiricos(const TextosEmpiricos &textos)
{
    DatosEmpiricos datos{FalloDatos::Ninguno, 0, {}};
    if (textos[0].elemento.empty())
        return {FalloDatos::SinPrimerElemento, 0, {}};
    if (textos[0].porcentaje.empty())
        return {FalloDatos::SinPrimerPorcentaje, 0, {}};
    for (int n = 0; n < kFilasComposicion; ++n) {
        const TextosFila &fila = textos[static_cast<std::size_t>(n)];
        if (fila.porcentaje.empty())
            continue;
        const auto porcentaje = TextoANumero(fila.porcentaje);
        if (!porcentaje)
            return {FalloDatos::PorcentajeNoNumerico, n, {}};
        if (!fila.elemento.empty())
            datos.filas[static_cast<std::size_t>(n)] = DatoEmpirico{fila.elemento, *porcentaje};
    }
    return datos;
}

} // namespace Calculos
