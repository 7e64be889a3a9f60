#include "calculators/calculadora_molar.h"

#include "core/numeros.h"

#include <cmath>

namespace Calculos {

namespace {

constexpr int kDecimales = 3;

std::optional<double> Mostrable(double v)
{
    const double r = Redondear(v, kDecimales);
    return std::isfinite(r) ? std::optional<double>(r) : std::nullopt;
}

} // namespace

bool CantidadesAceptadas(std::string_view moles, std::string_view gramos)
{
    return (EsNumerico(moles) && gramos.empty()) || (EsNumerico(gramos) && moles.empty()) ||
           (moles.empty() && gramos.empty());
}

std::optional<double> GramosDeMoles(std::string_view moles, std::string_view masaMolar)
{
    const auto n = TextoANumero(moles);
    const auto m = TextoANumero(masaMolar);
    if (!n || !m)
        return std::nullopt;
    return Mostrable(*n * *m);
}

std::optional<double> MolesDeGramos(std::string_view gramos, std::string_view masaMolar)
{
    const auto g = TextoANumero(gramos);
    const auto m = TextoANumero(masaMolar);
    if (!g || !m || *m == 0.0)
        return std::nullopt;
    return Mostrable(*g / *m);
}

} // namespace Calculos
