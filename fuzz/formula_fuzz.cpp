// AnalizarFormula on any text, and the percent composition the molar
// calculator shows for it.

#include "calculators/formula_empirica.h"
#include "core/elementos.h"
#include "core/formula.h"
#include "fuzz/comun.h"

using namespace Fuzz;
using Calculos::ErrorFormula;

namespace {

bool Digito(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view SinBlancos(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string SoloLetras(std::string_view s)
{
    std::string r;
    for (char c : s)
        if (!Digito(c))
            r.push_back(c);
    return r;
}

void Grupos(std::string_view formula, const Calculos::AnalisisFormula &a)
{
    // The symbols, read back from left to right, are the formula without its
    // counts: all of it on success, its right end before an error.
    std::string simbolos;
    double suma = 0.0;
    for (const Calculos::GrupoFormula &g : a.grupos) {
        const Calculos::Elemento *e = Calculos::BuscarElemento(g.simbolo);
        EXIGIR(e != nullptr && (g.simbolo.size() == 1 || g.simbolo.size() == 2), T(formula) + ": " + T(g.simbolo));
        EXIGIR(g.masa == e->masaCalculo && g.masa > 0, T(formula) + ": mass of " + g.simbolo + " " + D(g.masa));
        EXIGIR(g.cuenta >= 1 && (std::isinf(g.cuenta) || std::trunc(g.cuenta) == g.cuenta),
               T(formula) + ": count " + D(g.cuenta));
        simbolos.insert(0, g.simbolo);
        suma += g.masa * g.cuenta;
    }
    const std::string letras = SoloLetras(SinBlancos(formula));
    if (a.error == ErrorFormula::Ninguno) {
        EXIGIR(simbolos == letras, T(formula) + ": groups spell " + T(simbolos));
        EXIGIR(a.masa == suma, T(formula) + ": mass " + D(a.masa) + ", groups add up to " + D(suma));
    } else {
        EXIGIR(letras.size() >= simbolos.size() &&
                   letras.compare(letras.size() - simbolos.size(), std::string::npos, simbolos) == 0,
               T(formula) + ": groups before the error spell " + T(simbolos));
    }
}

// What the molar calculator does with the mass: it shows it rounded to 3
// decimals and the percentages from that text.
void Composicion(std::string_view formula, const Calculos::AnalisisFormula &a)
{
    const double mostrada = Calculos::Redondear(a.masa, 3);
    const std::string texto = Calculos::NumeroATexto(mostrada);
    if (!std::isfinite(a.masa)) {
        // Counts of hundreds of digits: no number to show, the label stays empty.
        EXIGIR(texto.empty(), T(formula));
        return;
    }
    Mostrable(mostrada, "molar mass of " + T(formula));
    const double leida = *Calculos::TextoANumero(texto);
    const auto filas = Calculos::ComposicionPorcentual(a.grupos, leida);
    if (!(leida > 0)) {
        EXIGIR(filas.empty(), T(formula));
        return;
    }
    EXIGIR(filas.size() == std::min<std::size_t>(a.grupos.size(), Calculos::kFilasComposicion), T(formula));
    // A group weighs at most the whole; the shown mass is rounded, so a
    // percentage may pass 100 by that rounding only.
    const double tope = 100.0 * (a.masa / leida) * (1 + 1e-12) + 0.00005;
    for (std::size_t n = 0; n < filas.size(); ++n) {
        EXIGIR(filas[n].simbolo == a.grupos[n].simbolo, T(formula));
        const double p = filas[n].porcentaje;
        Mostrable(p, "percentage of " + filas[n].simbolo + " in " + T(formula));
        EXIGIR(p >= 0 && p <= tope, T(formula) + ": " + filas[n].simbolo + " is " + D(p) + " %");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    const std::string_view formula(reinterpret_cast<const char *>(bytes), tamano);
    const Calculos::AnalisisFormula a = Calculos::AnalizarFormula(formula);

    EXIGIR((a.error == ErrorFormula::Vacia) == formula.empty(), T(formula));
    const std::string_view s = SinBlancos(formula);
    EXIGIR((a.error == ErrorFormula::EmpiezaPorNumero) == (!s.empty() && Digito(s.front())), T(formula));
    EXIGIR(!std::isnan(a.masa) && a.masa >= 0, T(formula) + ": mass " + D(a.masa));
    if (a.error != ErrorFormula::Ninguno) {
        EXIGIR(a.masa == 0, T(formula) + ": mass " + D(a.masa) + " with an error");
    } else {
        EXIGIR(!a.grupos.empty() && a.masa > 0, T(formula) + ": mass " + D(a.masa));
    }
    if (a.error == ErrorFormula::Vacia || a.error == ErrorFormula::EmpiezaPorNumero)
        EXIGIR(a.grupos.empty(), T(formula));
    Grupos(formula, a);
    if (a.error == ErrorFormula::Ninguno)
        Composicion(formula, a);
    return 0;
}
