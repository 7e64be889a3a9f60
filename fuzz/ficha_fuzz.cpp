// The element card and its search with any input: never a crash, never a
// label reading "inf" or "nan", the card of an element outside 1..118 all
// unknown, and every element found again by its number and its symbol.

#include "elements/ficha.h"
#include "fuzz/comun.h"

#include <algorithm>
#include <set>
#include <vector>

using namespace Fuzz;

namespace {

void Legible(const std::string &texto, const std::string &que)
{
    EXIGIR(!Contiene(texto, "inf") || Contiene(texto, "infinit"), que + " = " + T(texto));
    EXIGIR(!Contiene(texto, "nan"), que + " = " + T(texto));
}

std::vector<std::string> Etiquetas(const Calculos::Ficha &f)
{
    std::vector<std::string> t{
        f.simbolo,  f.nombre,         f.numero,   f.masa,           f.configuracion, f.electronegatividad, f.ionizacion,
        f.afinidad, f.radioCovalente, f.radioVdW, f.fusion,         f.ebullicion,    f.densidad,           f.estado,
        f.bloque,   f.grupoPeriodo,   f.familia,  f.descubrimiento, f.oxidacion};
    t.insert(t.end(), f.isotopos.begin(), f.isotopos.end());
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t tamano)
{
    FuzzedDataProvider datos(bytes, tamano);
    const std::string texto = datos.ConsumeRandomLengthString(40);
    const int z = datos.ConsumeBool() ? datos.ConsumeIntegralInRange<int>(1, 118) : datos.ConsumeIntegral<int>();
    std::vector<int> valencias;
    for (int n = datos.ConsumeIntegralInRange<int>(0, 8); n > 0; --n)
        valencias.push_back(datos.ConsumeIntegral<int>());

    const Calculos::Ficha ficha = Calculos::FichaDe(z, valencias);
    const bool existe = z >= 1 && z <= 118;
    for (const std::string &etiqueta : Etiquetas(ficha)) {
        Legible(etiqueta, "card of " + std::to_string(z));
        if (!existe)
            EXIGIR(etiqueta == Calculos::kDesconocido, std::to_string(z) + ": " + T(etiqueta));
    }
    if (existe) {
        EXIGIR(ficha.numero == std::to_string(z), ficha.numero);
        const auto porNumero = Calculos::BuscarElementos(std::to_string(z));
        EXIGIR(!porNumero.empty() && porNumero.front() == z, std::to_string(z));
        const auto porSimbolo = Calculos::BuscarElementos(ficha.simbolo);
        EXIGIR(std::find(porSimbolo.begin(), porSimbolo.end(), z) != porSimbolo.end(), ficha.simbolo);
    }

    // Any figure a label may be given.
    const double v = Numero(datos);
    for (const std::string &t :
         {Calculos::TextoElectronegatividad(v), Calculos::TextoEnergia(v), Calculos::TextoRadio(v),
          Calculos::TextoTemperatura(v), Calculos::ConCifras(v, 4), Calculos::ConDecimales(v, 3)})
        Legible(t, D(v));

    const auto hallados = Calculos::BuscarElementos(texto);
    std::set<int> vistos;
    for (int h : hallados) {
        EXIGIR(h >= 1 && h <= 118, T(texto) + " found " + std::to_string(h));
        EXIGIR(vistos.insert(h).second, T(texto) + " found " + std::to_string(h) + " twice");
    }
    return 0;
}
