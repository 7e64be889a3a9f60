#include "core/elementos.h"

namespace Calculos {

namespace {

constexpr bool EsReducido(int z)
{
    // The main body up to actinium, without the lanthanides after lanthanum.
    const Elemento &e = TablaElementos[static_cast<std::size_t>(z - 1)];
    return e.z <= 89 && (e.columnaF == 0 || e.columnaF == 1);
}

constexpr std::array<int, kNumeroReducidos> CalcularReducidos()
{
    std::array<int, kNumeroReducidos> lista{};
    std::size_t n = 0;
    for (int z = 1; z <= kNumeroElementos; ++z)
        if (EsReducido(z))
            lista[n++] = z;
    return lista;
}

constexpr int ContarReducidos()
{
    int n = 0;
    for (int z = 1; z <= kNumeroElementos; ++z)
        n += EsReducido(z) ? 1 : 0;
    return n;
}
static_assert(ContarReducidos() == kNumeroReducidos);

constexpr auto kReducidos = CalcularReducidos();

// Symbols are an upper-case letter and an optional lower-case one: a 26 x 27
// grid indexed by both letters (column 0 for one-letter symbols) gives Z.
using Rejilla = std::array<std::array<std::uint8_t, 27>, 26>;

constexpr Rejilla CalcularRejilla()
{
    Rejilla rejilla{};
    for (const Elemento &e : TablaElementos) {
        const auto fila = static_cast<std::size_t>(e.simbolo[0] - 'A');
        const auto columna = e.simbolo.size() == 1 ? std::size_t{0} : static_cast<std::size_t>(e.simbolo[1] - 'a' + 1);
        rejilla[fila][columna] = static_cast<std::uint8_t>(e.z);
    }
    return rejilla;
}

constexpr Rejilla kRejilla = CalcularRejilla();

} // namespace

ColorRgb ColorDeClase(Clase clase)
{
    static constexpr std::array<ColorRgb, 11> colores{{
        {0, 255, 255},   // A hydrogen
        {255, 128, 128}, // B alkali metals
        {255, 192, 192}, // C alkaline-earth metals
        {255, 255, 192}, // D transition metals
        {255, 255, 128}, // E post-transition metals
        {128, 255, 128}, // F metalloids
        {128, 255, 255}, // G other non-metals
        {192, 192, 255}, // H halogens
        {0, 192, 192},   // I noble gases
        {255, 224, 192}, // J lanthanides
        {255, 192, 128}, // K actinides
    }};
    return colores[static_cast<std::size_t>(clase)];
}

std::string_view NombreDeClase(Clase clase)
{
    static constexpr std::array<std::string_view, 11> nombres{
        "No metal",
        "Metal alcalino",
        "Metal alcalinotérreo",
        "Metal de transición",
        "Otro metal",
        "Metaloide",
        "No metal",
        "Halógeno",
        "Gas noble",
        "Lantánido",
        "Actínido",
    };
    return nombres[static_cast<std::size_t>(clase)];
}

const Elemento *BuscarElemento(std::string_view simbolo)
{
    if (simbolo.empty() || simbolo.size() > 2 || simbolo[0] < 'A' || simbolo[0] > 'Z')
        return nullptr;
    std::size_t columna = 0;
    if (simbolo.size() == 2) {
        if (simbolo[1] < 'a' || simbolo[1] > 'z')
            return nullptr;
        columna = static_cast<std::size_t>(simbolo[1] - 'a' + 1);
    }
    const int z = kRejilla[static_cast<std::size_t>(simbolo[0] - 'A')][columna];
    return z == 0 ? nullptr : &TablaElementos[static_cast<std::size_t>(z - 1)];
}

std::string SimboloPorNumero(int z)
{
    if (z < 1 || z > kNumeroElementos)
        return {};
    return std::string(TablaElementos[static_cast<std::size_t>(z - 1)].simbolo);
}

std::string SimboloReducido(int z)
{
    if (z < 1 || z > kNumeroElementos || !EsReducido(z))
        return {};
    return SimboloPorNumero(z);
}

int NumeroReducido(int k)
{
    if (k < 1 || k > kNumeroReducidos)
        return 0;
    return kReducidos[static_cast<std::size_t>(k - 1)];
}

} // namespace Calculos
