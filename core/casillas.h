#pragma once

#include "core/elementos.h"

#include <string>
#include <string_view>

// Where the tiles of a periodic table stand. The positions were laid out in
// twips (15 to the pixel); the functions give pixels. The periodic table
// window and the puzzles share them.
namespace Calculos {

inline constexpr int kTwipsPorPixel = 15;

constexpr int Px(int twips)
{
    return twips / kTwipsPorPixel;
}

struct Rectangulo {
    int x;
    int y;
    int ancho;
    int alto;
    friend constexpr bool operator==(const Rectangulo &, const Rectangulo &) = default;
};

// A tile, in twips.
inline constexpr int kAnchoCasilla = 855;
inline constexpr int kAltoCasilla = 705;
// Left edge of group 1 and top of period 1, in twips, and the row pitch.
inline constexpr int kIzquierdaTabla = 870;
inline constexpr int kArribaTabla = 1350;
inline constexpr int kPasoPeriodo = 720;

constexpr Rectangulo EnPixeles(int x, int y, int ancho, int alto)
{
    return {Px(x), Px(y), Px(ancho), Px(alto)};
}

// The tile of group 1..18 in period 1..7 of the main body.
constexpr Rectangulo CasillaDelCuerpo(int grupo, int periodo)
{
    return EnPixeles(kIzquierdaTabla + kAnchoCasilla * (grupo - 1), kArribaTabla + kPasoPeriodo * (periodo - 1),
                     kAnchoCasilla, kAltoCasilla);
}

// The tile of column 1..15 of the lanthanide (period 6) or actinide
// (period 7) row below the table.
constexpr Rectangulo CasillaDeSerie(int columnaF, int periodo)
{
    return EnPixeles(2595 + kAnchoCasilla * (columnaF - 1), periodo == 6 ? 6720 : 7800, kAnchoCasilla, kAltoCasilla);
}

// Where the periodic table window puts an element's tile.
constexpr Rectangulo PosicionCasilla(const Elemento &e)
{
    return e.columnaF > 0 ? CasillaDeSerie(e.columnaF, e.periodo) : CasillaDelCuerpo(e.grupo, e.periodo);
}

// Top of a group's number, in twips: just above the first tile of the group.
constexpr int AlturaNumeroGrupo(int grupo)
{
    if (grupo == 1 || grupo == 18)
        return 990;
    if (grupo >= 3 && grupo <= 12)
        return 3150;
    return 1710;
}

// The label with a group's number, 1..18, above its column.
constexpr Rectangulo PosicionNumeroGrupo(int grupo)
{
    return EnPixeles(kIzquierdaTabla + kAnchoCasilla * (grupo - 1), AlturaNumeroGrupo(grupo), kAnchoCasilla, 360);
}

// The name of an element's tile: its symbol, with a T in front of the
// symbols that are also words of the language the table was first written
// in (TAs, TIn, TTb, TTh, TTl, TY).
std::string NombreCasilla(std::string_view simbolo);

// The tiles as a screen reader says them. An element: "Hierro, número
// atómico 26".
std::string LecturaElemento(const Elemento &e);

// A place of the main body: "Grupo 8, periodo 4".
std::string LugarDelCuerpo(int grupo, int periodo);

// A place of the lanthanide (period 6) or actinide (period 7) row below the
// table: "Lantánidos, columna 3".
std::string LugarDeSerie(int columnaF, int periodo);

// Where PosicionCasilla puts an element's tile, in words.
std::string LugarCasilla(const Elemento &e);

// What the colour and the place of a tile tell: "Metal de transición.
// Grupo 8, periodo 4".
std::string DescripcionCasilla(const Elemento &e);

} // namespace Calculos
