// The grams <-> moles step of the molar calculator, on any texts in its
// boxes and any molar mass label.

#include "calculators/calculadora_molar.h"
#include "fuzz/comun.h"

using namespace Fuzz;

namespace {

void Resultado(const std::optional<double> &r, std::optional<double> esperado, const std::string &que)
{
    if (esperado && std::isfinite(*esperado))
        esperado = Calculos::Redondear(*esperado, 3);
    if (esperado && !std::isfinite(*esperado))
        esperado.reset();
    EXIGIR(r.has_value() == esperado.has_value(), que + (r ? " gave " + D(*r) : " gave nothing"));
    if (r) {
        EXIGIR(*r == *esperado, que + " = " + D(*r) + ", not " + D(*esperado));
        Mostrable(*r, que);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    FuzzedDataProvider datos(bytes, tamano);
    const auto caja = [&datos] { return datos.ConsumeBool() ? std::string() : TextoDeCaja(datos); };
    const std::string moles = caja();
    const std::string gramos = caja();
    const std::string masa = caja();

    const bool aceptadas = Calculos::CantidadesAceptadas(moles, gramos);
    const bool m = Calculos::EsNumerico(moles);
    const bool g = Calculos::EsNumerico(gramos);
    EXIGIR(aceptadas == ((moles.empty() && (gramos.empty() || g)) || (gramos.empty() && m)),
           "amounts " + T(moles) + " and " + T(gramos));

    const auto n = Calculos::TextoANumero(moles);
    const auto gr = Calculos::TextoANumero(gramos);
    const auto pm = Calculos::TextoANumero(masa);
    const std::string que = T(moles) + " mol, " + T(gramos) + " g, " + T(masa) + " g/mol";
    Resultado(Calculos::GramosDeMoles(moles, masa), n && pm ? std::optional(*n * *pm) : std::nullopt,
              "grams of " + que);
    Resultado(Calculos::MolesDeGramos(gramos, masa), gr && pm && *pm != 0 ? std::optional(*gr / *pm) : std::nullopt,
              "moles of " + que);
    return 0;
}
