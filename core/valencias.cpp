#include "core/valencias.h"

#include <array>
#include <cstddef>

namespace Calculos {

namespace {

constexpr std::size_t kMaximo = 6;

struct Fila {
    int z;
    std::array<int, kMaximo> valores; // ascending, ended by the first 0
};

// Typed by hand: no package carries them. The usual table of "valencias" of
// the Spanish ESO and Bachillerato textbooks (metals with one, two or three
// charges; non-metals with their negative state for hydrides and binary
// salts, then their positive ones for oxides and oxoacids). Cr and Mn list
// their metal states and those of their oxoanions. Elements those tables
// leave out (noble gases, most transition metals, lanthanides, actinides)
// have none.
// clang-format off
constexpr Fila kFilas[] = {
    {1, {-1, 1}},                 // H
    {3, {1}}, {11, {1}}, {19, {1}}, {37, {1}}, {55, {1}}, {87, {1}}, // alcalinos
    {4, {2}}, {12, {2}}, {20, {2}}, {38, {2}}, {56, {2}}, {88, {2}}, // alcalinotérreos
    {5, {-3, 3}},                 // B
    {6, {-4, 2, 4}},              // C
    {7, {-3, 1, 2, 3, 4, 5}},     // N
    {8, {-2}},                    // O
    {9, {-1}},                    // F
    {13, {3}},                    // Al
    {14, {-4, 4}},                // Si
    {15, {-3, 1, 3, 5}},          // P
    {16, {-2, 2, 4, 6}},          // S
    {17, {-1, 1, 3, 5, 7}},       // Cl
    {22, {2, 3, 4}},              // Ti
    {23, {2, 3, 4, 5}},           // V
    {24, {2, 3, 6}},              // Cr
    {25, {2, 3, 4, 6, 7}},        // Mn
    {26, {2, 3}},                 // Fe
    {27, {2, 3}},                 // Co
    {28, {2, 3}},                 // Ni
    {29, {1, 2}},                 // Cu
    {30, {2}},                    // Zn
    {31, {3}},                    // Ga
    {32, {2, 4}},                 // Ge
    {33, {-3, 3, 5}},             // As
    {34, {-2, 2, 4, 6}},          // Se
    {35, {-1, 1, 3, 5, 7}},       // Br
    {46, {2, 4}},                 // Pd
    {47, {1}},                    // Ag
    {48, {2}},                    // Cd
    {50, {2, 4}},                 // Sn
    {51, {-3, 3, 5}},             // Sb
    {52, {-2, 2, 4, 6}},          // Te
    {53, {-1, 1, 3, 5, 7}},       // I
    {78, {2, 4}},                 // Pt
    {79, {1, 3}},                 // Au
    {80, {1, 2}},                 // Hg
    {81, {1, 3}},                 // Tl
    {82, {2, 4}},                 // Pb
    {83, {3, 5}},                 // Bi
};
// clang-format on

struct Tramo {
    const int *inicio = nullptr;
    std::size_t cuantos = 0;
};

// Indexed by z - 1, so a look-up is one step.
constexpr std::array<Tramo, 118> Indexar()
{
    std::array<Tramo, 118> tabla{};
    for (const Fila &fila : kFilas) {
        std::size_t n = 0;
        while (n < kMaximo && fila.valores[n] != 0)
            ++n;
        tabla[static_cast<std::size_t>(fila.z - 1)] = {fila.valores.data(), n};
    }
    return tabla;
}

constexpr std::array<Tramo, 118> kTabla = Indexar();

constexpr bool CadaElementoUnaVez()
{
    std::array<bool, 118> visto{};
    for (const Fila &fila : kFilas) {
        if (fila.z < 1 || fila.z > 118 || visto[static_cast<std::size_t>(fila.z - 1)])
            return false;
        visto[static_cast<std::size_t>(fila.z - 1)] = true;
    }
    return true;
}
static_assert(CadaElementoUnaVez());

} // namespace

std::span<const int> Valencias(int z)
{
    if (z < 1 || z > 118)
        return {};
    const Tramo &t = kTabla[static_cast<std::size_t>(z - 1)];
    return {t.inicio, t.cuantos};
}

} // namespace Calculos
