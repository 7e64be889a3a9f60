// The empirical formula of the molar calculator: the frame's ten rows of
// texts as typed, the subscripts computed from them, and the passes that
// clear fractions, fed any doubles.

#include "calculators/formula_empirica.h"
#include "core/elementos.h"
#include "fuzz/comun.h"

#include <vector>

using namespace Fuzz;
using Calculos::FalloDatos;
using Calculos::FalloEmpirico;
using Calculos::kFilasComposicion;

namespace {

std::string Simbolo(FuzzedDataProvider &datos)
{
    switch (datos.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return {};
    case 1:
        return datos.ConsumeRandomLengthString(3);
    default:
        return Calculos::SimboloPorNumero(datos.ConsumeIntegralInRange<int>(1, Calculos::kNumeroElementos));
    }
}

double MasaDe(const std::string &simbolo)
{
    const double simple = Calculos::MasaAtomicaSimple(simbolo);
    return simple != 0.0 ? simple : Calculos::MasaAtomicaDoble(simbolo);
}

void Leidos(const Calculos::TextosEmpiricos &textos, const Calculos::DatosEmpiricos &d)
{
    FalloDatos esperado = FalloDatos::Ninguno;
    int fila = 0;
    if (textos[0].elemento.empty()) {
        esperado = FalloDatos::SinPrimerElemento;
    } else if (textos[0].porcentaje.empty()) {
        esperado = FalloDatos::SinPrimerPorcentaje;
    } else {
        for (int n = 0; n < kFilasComposicion && esperado == FalloDatos::Ninguno; ++n) {
            const std::string &p = textos[static_cast<std::size_t>(n)].porcentaje;
            if (!p.empty() && !Calculos::EsNumerico(p)) {
                esperado = FalloDatos::PorcentajeNoNumerico;
                fila = n;
            }
        }
    }
    EXIGIR(d.fallo == esperado && d.fila == fila,
           "fault " + std::to_string(static_cast<int>(d.fallo)) + " at row " + std::to_string(d.fila));
    for (int n = 0; n < kFilasComposicion; ++n) {
        const auto &t = textos[static_cast<std::size_t>(n)];
        const auto &f = d.filas[static_cast<std::size_t>(n)];
        const bool participa = esperado == FalloDatos::Ninguno && !t.elemento.empty() && !t.porcentaje.empty();
        EXIGIR(f.has_value() == participa, "row " + std::to_string(n));
        if (f) {
            EXIGIR(f->simbolo == t.elemento && f->porcentaje == *Calculos::TextoANumero(t.porcentaje),
                   "row " + std::to_string(n) + " read as " + D(f->porcentaje));
        }
    }
}

void Subindices(const Calculos::FilasEmpiricas &filas)
{
    const Calculos::ResultadoEmpirico r = Calculos::FormulaEmpirica(filas);
    if (r.fallo != FalloEmpirico::Ninguno) {
        EXIGIR(r.fila >= 0 && r.fila < kFilasComposicion && filas[static_cast<std::size_t>(r.fila)],
               "fault at row " + std::to_string(r.fila));
        for (double s : r.subindices)
            EXIGIR(s == 0, "a subscript beside a fault");
        // Unknown symbols are told before anything else of their row.
        for (int n = 0; n < r.fila; ++n)
            if (filas[static_cast<std::size_t>(n)])
                EXIGIR(MasaDe(filas[static_cast<std::size_t>(n)]->simbolo) != 0, "row " + std::to_string(n));
        if (r.fallo == FalloEmpirico::SimboloDesconocido)
            EXIGIR(MasaDe(filas[static_cast<std::size_t>(r.fila)]->simbolo) == 0, "row " + std::to_string(r.fila));
        return;
    }
    for (int n = 0; n < kFilasComposicion; ++n) {
        const auto &f = filas[static_cast<std::size_t>(n)];
        const double s = r.subindices[static_cast<std::size_t>(n)];
        const std::string que = "subscript of row " + std::to_string(n);
        if (!f) {
            EXIGIR(s == 0, que + " = " + D(s) + " for a row that takes no part");
            continue;
        }
        EXIGIR(MasaDe(f->simbolo) != 0 && f->porcentaje > 0, que + " with " + D(f->porcentaje) + " %");
        Mostrable(s, que);
        EXIGIR(s >= 1 && std::trunc(s) == s, que + " = " + D(s));
    }
}

void Pasadas(FuzzedDataProvider &datos)
{
    Calculos::Razones r{};
    for (double &v : r)
        v = datos.ConsumeBool() ? Numero(datos) : 1 + datos.ConsumeIntegralInRange<int>(0, 3000) / 1000.0;
    const Calculos::Razones s = Calculos::SinFracciones(r);
    // Every ratio is multiplied by the same factors.
    double factor = 0;
    for (int n = 0; n < kFilasComposicion; ++n) {
        const double a = r[static_cast<std::size_t>(n)];
        const double b = s[static_cast<std::size_t>(n)];
        if (std::isnan(a)) {
            EXIGIR(std::isnan(b), "NaN became " + D(b));
            continue;
        }
        if (!std::isnormal(a) || !std::isfinite(b) || std::fabs(a) > 1e290)
            continue;
        const double f = b / a;
        EXIGIR(f >= 1 && f <= 4e10, D(a) + " became " + D(b));
        if (factor == 0)
            factor = f;
        EXIGIR(std::fabs(f - factor) <= factor * 1e-9, "factors " + D(factor) + " and " + D(f));
    }
}

// The percent composition of any groups against any molar mass.
void Composicion(FuzzedDataProvider &datos)
{
    std::vector<Calculos::GrupoFormula> grupos(datos.ConsumeIntegralInRange<std::size_t>(0, 12));
    bool finitos = true;
    for (Calculos::GrupoFormula &g : grupos) {
        g.simbolo = Simbolo(datos);
        g.masa = MasaDe(g.simbolo);
        g.cuenta = datos.ConsumeBool() ? Numero(datos) : datos.ConsumeIntegralInRange<int>(1, 1000);
        finitos = finitos && std::isfinite(g.masa * g.cuenta);
    }
    const double masa = Numero(datos);
    const auto filas = Calculos::ComposicionPorcentual(grupos, masa);
    if (!(std::isfinite(masa) && masa > 0)) {
        EXIGIR(filas.empty(), "rows for a molar mass of " + D(masa));
        return;
    }
    EXIGIR(filas.size() == std::min<std::size_t>(grupos.size(), kFilasComposicion), "rows");
    for (std::size_t n = 0; n < filas.size(); ++n) {
        EXIGIR(filas[n].simbolo == grupos[n].simbolo, "row " + std::to_string(n));
        const std::string que = "percentage of " + D(grupos[n].masa) + " x " + D(grupos[n].cuenta) + " in " + D(masa);
        // A share too large for a double has no text; one that is a number
        // is shown rounded to 4 decimals.
        if (finitos && std::fabs(static_cast<long double>(grupos[n].masa) * grupos[n].cuenta * 100 / masa) < 1e300L)
            Mostrable(filas[n].porcentaje, que);
        if (std::isfinite(filas[n].porcentaje))
            Redondeado(filas[n].porcentaje, 4, que);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    FuzzedDataProvider datos(bytes, tamano);
    switch (datos.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: {
        Calculos::TextosEmpiricos textos;
        for (auto &t : textos) {
            t.elemento = Simbolo(datos);
            t.porcentaje = datos.ConsumeBool() ? TextoDeCaja(datos) : std::string();
        }
        const Calculos::DatosEmpiricos d = Calculos::LeerDatosEmpiricos(textos);
        Leidos(textos, d);
        if (d.fallo == FalloDatos::Ninguno)
            Subindices(d.filas);
        break;
    }
    case 1: {
        // Any doubles at all, the first row always taking part.
        Calculos::FilasEmpiricas filas;
        for (int n = 0; n < kFilasComposicion; ++n)
            if (n == 0 || datos.ConsumeBool())
                filas[static_cast<std::size_t>(n)] = Calculos::DatoEmpirico{Simbolo(datos), Numero(datos)};
        Subindices(filas);
        break;
    }
    case 2:
        Pasadas(datos);
        break;
    default:
        Composicion(datos);
        break;
    }
    return 0;
}
