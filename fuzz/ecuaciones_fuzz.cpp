// AjustarEcuacion on any text: every balance it returns conserves every
// element and the charge by a count of our own, its coefficients are the
// smallest, its written form balances to itself, and its amounts are finite.

#include "calculators/ecuaciones.h"
#include "fuzz/comun.h"

#include <map>
#include <numeric>

using namespace Fuzz;
using Calculos::ErrorEcuacion;

namespace {

// Wrapping arithmetic: equal sums modulo 2^128 is what is checked, so no
// count, however large, is undefined behaviour here.
__extension__ typedef unsigned __int128 Modular;

void Contar(const std::vector<Calculos::NodoFormula> &terminos, Modular factor, std::map<std::string, Modular> &total)
{
    for (const Calculos::NodoFormula &n : terminos) {
        EXIGIR(n.cuenta >= 1, "a count of " + std::to_string(n.cuenta));
        const Modular f = factor * static_cast<Modular>(n.cuenta);
        if (n.simbolo.empty())
            Contar(n.grupo, f, total);
        else
            total[n.simbolo] += f;
    }
}

void Conserva(std::string_view texto, const Calculos::AjusteEcuacion &a)
{
    std::map<std::string, Modular> lados[2];
    Modular carga[2] = {0, 0};
    long long mcd = 0;
    for (std::size_t j = 0; j < a.especies.size(); ++j) {
        const auto &e = a.especies[j];
        EXIGIR(e.coeficiente >= 1, T(texto) + ": coefficient " + std::to_string(e.coeficiente));
        mcd = std::gcd(mcd, e.coeficiente);
        const int lado = j < a.reactivos ? 0 : 1;
        const Modular coef = static_cast<Modular>(e.coeficiente);
        Contar(e.formula.terminos, coef, lados[lado]);
        for (const auto &[multiplo, terminos] : e.formula.aductos)
            Contar(terminos, coef * static_cast<Modular>(multiplo), lados[lado]);
        carga[lado] += coef * static_cast<Modular>(static_cast<long long>(e.formula.carga));
    }
    EXIGIR(mcd == 1, T(texto) + ": coefficients share " + std::to_string(mcd));
    EXIGIR(carga[0] == carga[1], T(texto) + ": the charge is not conserved");
    for (int lado = 0; lado < 2; ++lado)
        for (const auto &[simbolo, cuenta] : lados[lado]) {
            const auto &otro = lados[1 - lado];
            const auto it = otro.find(simbolo);
            EXIGIR(it != otro.end() && it->second == cuenta, T(texto) + ": " + simbolo + " is not conserved");
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    const std::string_view texto(reinterpret_cast<const char *>(bytes), tamano);
    const Calculos::AjusteEcuacion a = Calculos::AjustarEcuacion(texto);
    const std::string mensaje = Calculos::MensajeEcuacion(a);
    const std::string escrita = Calculos::EscribirEcuacion(a);
    EXIGIR(mensaje.empty() == (a.error == ErrorEcuacion::Ninguno), T(texto));
    EXIGIR(escrita.empty() == (a.error != ErrorEcuacion::Ninguno), T(texto));
    if (a.error != ErrorEcuacion::Ninguno)
        return 0;

    EXIGIR(a.reactivos >= 1 && a.reactivos < a.especies.size(), T(texto));
    Conserva(texto, a);
    for (const auto &fila : Calculos::ComprobarEcuacion(a))
        EXIGIR(fila.reactivos == fila.productos, T(texto) + ": check row " + fila.nombre);

    // What the window shows balances again to the same.
    const Calculos::AjusteEcuacion otra = Calculos::AjustarEcuacion(escrita);
    EXIGIR(otra.error == ErrorEcuacion::Ninguno && Calculos::EscribirEcuacion(otra) == escrita,
           T(texto) + " written " + T(escrita) + " does not read back");

    // One mole of the first species: every amount shown is a number.
    for (bool enGramos : {false, true}) {
        const auto e = Calculos::CalcularEstequiometria(a, {{0, 1, enGramos}});
        if (!e)
            continue;
        for (std::size_t j = 0; j < a.especies.size(); ++j) {
            Mostrable(Calculos::Redondear(e->moles[j], Calculos::kDecimalesCantidadEcuacion), "moles");
            Mostrable(Calculos::Redondear(e->gramos[j], Calculos::kDecimalesCantidadEcuacion), "grams");
            EXIGIR(e->moles[j] >= 0 && e->gramos[j] >= 0, T(texto));
        }
        Mostrable(Calculos::Redondear(a.especies[0].masaMolar, Calculos::kDecimalesMasaEcuacion), "molar mass");
    }
    return 0;
}
